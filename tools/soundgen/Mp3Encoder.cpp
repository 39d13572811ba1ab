#include "Mp3Encoder.h"

#include "WavFile.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>

extern char** environ;

namespace {

bool run(const std::vector<std::string>& args)
{
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
        return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

namespace Mp3Encoder {

std::vector<std::string> options()
{
    // Constant 128 kbit/s joint stereo at the mixing rate; no ReplayGain scan, so the tag holds
    // only what follows from the samples.
    return {"--quiet", "--noreplaygain", "-q", "2", "-b", "128", "--resample", "44.1", "-m", "j"};
}

bool write(const AudioBuffer& buffer, const std::string& mp3Path)
{
    const std::string wavPath = mp3Path + ".wav";
    if (!WavFile::write(buffer, wavPath)) {
        std::fprintf(stderr, "glimmora-soundgen: cannot write %s\n", wavPath.c_str());
        return false;
    }
    std::vector<std::string> args = {"lame"};
    for (const std::string& o : options())
        args.push_back(o);
    args.push_back(wavPath);
    args.push_back(mp3Path);
    const bool ok = run(args);
    std::error_code ignored;
    std::filesystem::remove(wavPath, ignored);
    if (!ok)
        std::fprintf(stderr, "glimmora-soundgen: lame could not encode %s\n", mp3Path.c_str());
    return ok;
}

}  // namespace Mp3Encoder

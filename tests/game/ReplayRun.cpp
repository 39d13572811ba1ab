#include "ReplayRun.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

ToolRun RunTool(const std::string& script, const std::optional<std::string>& scoreFile)
{
    const char* bin = std::getenv("GLIMMORA_BIN_DIR");
    const fs::path tool = fs::absolute(fs::path(bin ? bin : "bin") / "glimmora-replay");
    const fs::path dir = fs::temp_directory_path() / ("glimmora-replay-test-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "in.txt") << script;
    if (scoreFile)
        std::ofstream(dir / "hscore.dat", std::ios::binary) << *scoreFile;
    const std::string cmd = "cd " + dir.string() + " && " + tool.string() + " < in.txt > out.txt 2> err.txt";
    ToolRun run;
    const int raw = std::system(cmd.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = Slurp(dir / "out.txt");
    run.err = Slurp(dir / "err.txt");
    if (fs::exists(dir / "hscore.dat"))
        run.scoreFile = Slurp(dir / "hscore.dat");
    fs::remove_all(dir);
    return run;
}

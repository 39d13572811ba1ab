// Runs one loader of the game on one file, in a process of its own, so that a
// test can run it as another user, under resource limits, or kill it mid-save:
//   glimmora-probe jpeg <file>        decode a window picture
//   glimmora-probe font <file>        decode the font picture
//   glimmora-probe ini <file>         read the settings as the options window does
//   glimmora-probe save <file> <n>    save the options n times (0: until killed)
// Prints "OK ..." or "ERROR <text>"; messages the settings reader shows are
// printed as "MESSAGE <text>".
#include "FrameworkError.h"
#include "JpegImage.h"
#include "MessageBoxes.h"
#include "OptionsSave.h"
#include "TBitmapFont.h"
#include "TIniFile.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

namespace {

const char* const Section = "Options";

void ReadOptions(const std::string& path)
{
    TIniFile ini(path);
    const std::string name = ini.ReadString(Section, "PlayerName", "");
    std::printf("OK PlayerName=%s", name.c_str());
    for (const char* key : {"EnableSound", "EnableMusic", "RB2012", "RB1810", "RB168"})
        std::printf(" %s=%d", key, int(ini.ReadBool(Section, key, false)));
    for (const char* key : {"Song", "Scheme"})
        std::printf(" %s=%d", key, ini.ReadInteger(Section, key, 0));
    std::printf("\n");
}

int Run(const std::string& what, const std::string& path, long rounds)
{
    if (what == "jpeg") {
        JpegImage jpeg;
        jpeg.LoadFromFile(path);
        std::printf("OK %dx%d\n", jpeg.Width(), jpeg.Height());
    } else if (what == "font") {
        TBitmapFont font;
        font.loadGlyphs(QString::fromStdString(path));
        std::printf("OK %dx%d\n", font.glyphImage().width(), font.glyphImage().height());
    } else if (what == "ini") {
        ReadOptions(path);
    } else if (what == "save") {
        // An endless burst says when it begins, so that a killer can time itself
        // from here and not from a start-up that a busy machine makes slow.
        if (rounds == 0) {
            std::printf("SAVING\n");
            std::fflush(stdout);
        }
        for (long round = 0; rounds == 0 || round < rounds; ++round)
            SaveOptions(TIniFile(path), round);
        std::printf("OK\n");
    } else {
        std::fprintf(stderr, "unknown loader %s\n", what.c_str());
        return 2;
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 3)
        return 2;
    // As the game does: a file-size limit makes a write fail, it does not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    MessageBoxes::SetMessageSink([](const std::string& text) { std::printf("MESSAGE %s\n", text.c_str()); });
    try {
        return Run(argv[1], argv[2], argc > 3 ? std::atol(argv[3]) : 1);
    } catch (const FrameworkError& error) {
        std::printf("ERROR %s\n", error.Text().c_str());
    } catch (const std::runtime_error& error) {
        std::printf("ERROR %s\n", error.what());
    }
    return 0;
}

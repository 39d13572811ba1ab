// Runs one loader of the game on one file, in a process of its own, so that a
// test can run it as another user, under resource limits, or kill it mid-save:
//   glimmora-probe jpeg <file>        decode a window picture
//   glimmora-probe font <file>        decode the font picture
//   glimmora-probe ini <file>         read the settings as the options window does
//   glimmora-probe save <file> <n>    save the options n times (0: until killed)
//   glimmora-probe sound <file>       decode one sound effect (no sound card needed)
//   glimmora-probe music <folder>     list <folder>/Music and start its first song
//   glimmora-probe scores <file>      load the score table
// Prints "OK ..." or "ERROR <text>"; messages the settings reader shows are
// printed as "MESSAGE <text>".
#include "platform/FrameworkError.h"
#include "platform/JpegImage.h"
#include "audio/MciErrorBox.h"
#include "platform/MessageBoxes.h"
#include "audio/MidiSequencer.h"
#include "audio/MusicPlaylist.h"
#include "OptionsSave.h"
#include "scores/ScoreTable.h"
#include "audio/SoundLibrary.h"
#include "scene/TBitmapFont.h"
#include "platform/TIniFile.h"

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

void LoadSound(const std::string& path)
{
    SoundLibrary library;
    if (!library.Init())
        throw std::runtime_error("no output");
    const SoundLibrary::Handle handle = library.StreamCreateFile(path);
    std::printf("OK %s\n", library.Playable(handle) ? "playable" : "silent");
}

void StartMusic(const std::string& baseDir)
{
    MidiSequencer sequencer;
    MusicPlaylist playlist(sequencer, nullptr, baseDir);
    playlist.PrepareAtActivation();
    std::printf("OK %zu songs\n", playlist.Playlist().size());
    playlist.StartMusic();
    std::printf("OK playing %d\n", sequencer.MidiDeviceId() != 0 ? 1 : 0);
    playlist.StopMusic();
}

void LoadScores(const std::string& path)
{
    ScoreTable table;
    table.Load(path);
    std::printf("OK");
    for (int rank = 1; rank <= ScoreTable::Ranks; ++rank)
        std::printf(" %d", table.Entry(rank).points);
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
    } else if (what == "sound") {
        LoadSound(path);
    } else if (what == "music") {
        StartMusic(path);
    } else if (what == "scores") {
        LoadScores(path);
    } else if (what == "ini") {
        ReadOptions(path);
    } else if (what == "save") {
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
    MciErrorBox::SetSink([](const std::string& text, const std::string&) { std::printf("MESSAGE %s\n", text.c_str()); });
    // The loaders need an output but never a sound card.
    ::setenv("SDL_AUDIODRIVER", "dummy", 0);
    try {
        return Run(argv[1], argv[2], argc > 3 ? std::atol(argv[3]) : 1);
    } catch (const FrameworkError& error) {
        std::printf("ERROR %s\n", error.Text().c_str());
    } catch (const std::runtime_error& error) {
        std::printf("ERROR %s\n", error.what());
    }
    return 0;
}

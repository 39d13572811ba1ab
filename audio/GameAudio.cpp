#include "audio/GameAudio.h"

#include "platform/MessageBoxes.h"

#include <utility>

GameAudio::GameAudio(std::string baseDir)
    : baseDir_(std::move(baseDir)),
      music_(sequencer_, nullptr, baseDir_),
      // The player is told in the words of a start without an output.
      recovery_([] { MessageBoxes::ShowMessage("Can't initialize digital sound system"); })
{
}

void GameAudio::SetNoticeWindow(QObject* window) { music_.SetCallbackWindow(window); }

// Any of these messages comes before a window is on the screen.
bool GameAudio::Start()
{
    if (!SoundLibrary::VersionIsSupported()) {
        MessageBoxes::ShowMessage("SDL_mixer version 2 was not loaded");
        return false;
    }
    if (!library_.Init()) {
        MessageBoxes::ShowMessage("Can't initialize digital sound system");
        soundEnabled_ = false;
        outputMissing_ = true;
    }
    if (!library_.CDInit()) {
        MessageBoxes::ShowMessage("Can't initialize CD system");
        soundEnabled_ = false;
    }
    library_.Start();
    streams_.Create(library_, baseDir_);
    return true;
}

void GameAudio::PreloadStartSong(bool musicOn)
{
    if (musicOn && !outputMissing_)
        music_.PreloadStartSong();
}

// The playlist is built before the levels are set, and the levels before the
// first song sounds.
void GameAudio::Activate(bool musicOn, std::optional<Bars> bars)
{
    music_.PrepareAtActivation();
    if (bars)
        volumes_.ApplyStartupLevels(bars->music, bars->sound);
    if (musicOn)
        SetMusicOn(true);
}

// The library goes before the music, and the volumes come back once nothing plays.
void GameAudio::ShutDown()
{
    library_.Stop();
    library_.Free();
    music_.StopMusic();
    volumes_.Restore();
}

bool GameAudio::PlaySound(int slot)
{
    if (!soundEnabled_)
        return false;
    library_.StreamPlay(streams_.Handle(slot));
    return true;
}

void GameAudio::SetMusicOn(bool on)
{
    if (outputMissing_)
        return;
    if (on)
        music_.StartMusic();
    else
        music_.StopMusic();
}

bool GameAudio::IsCurrentSong(std::uint16_t device) const { return device == sequencer_.MidiDeviceId(); }

void GameAudio::SongEnded() { music_.OnMciNotify(); }

void GameAudio::CaptureVolumes() { volumes_.Capture(); }
void GameAudio::ApplySoundBar(int position) { volumes_.ApplySoundBar(position); }
void GameAudio::ApplyMusicBar(int position) { volumes_.ApplyMusicBar(position); }

#include "audio/GameAudio.h"

#include "audio/MciNotifyEvent.h"
#include "platform/HandlerGuard.h"
#include "platform/MessageBoxes.h"

#include <QCoreApplication>

#include <utility>

namespace {
std::string NoSoundSystem()
{
    return QCoreApplication::translate("GameAudio", "Can't initialize digital sound system").toStdString();
}
}  // namespace

GameAudio::GameAudio(std::string baseDir)
    : baseDir_(std::move(baseDir)),
      music_(sequencer_, nullptr, baseDir_),
      // The player is told in the words of a start without an output.
      recovery_([] { MessageBoxes::ShowMessage(NoSoundSystem()); })
{
    sequencer_.SetPreloadNotice([this] { StartSongWhenLoaded(); });
}

void GameAudio::SetNoticeWindow(QObject* window) { music_.SetCallbackWindow(window); }

bool GameAudio::LibraryUsable()
{
    if (SoundLibrary::VersionIsSupported())
        return true;
    MessageBoxes::ShowMessage(
        QCoreApplication::translate("GameAudio", "SDL_mixer version 2 was not loaded").toStdString());
    return false;
}

void GameAudio::OpenOutput()
{
    outputTried_ = true;
    if (!library_.Init()) {
        MessageBoxes::ShowMessage(NoSoundSystem());
        outputMissing_ = true;
        return;
    }
    if (!library_.CDInit())
        MessageBoxes::ShowMessage(QCoreApplication::translate("GameAudio", "Can't initialize CD system").toStdString());
    library_.Start();
    SetSoundEnabled(soundEnabled_);
}

// The playlist is built before the levels are set, and the levels before the
// first song sounds.
void GameAudio::Start(bool musicOn, std::optional<Bars> bars)
{
    if (started_)
        return;
    started_ = true;
    bars_ = bars;
    if (soundEnabled_ || musicOn)
        OpenOutput();
    music_.PrepareAtActivation();
    ApplyBars();
    if (!musicOn || outputMissing_)
        return;
    music_.PreloadStartSong();
    musicWaitsForLoad_ = sequencer_.PreloadPending();
    if (!musicWaitsForLoad_)
        SetMusicOn(true);
}

void GameAudio::OpenDeferredOutput()
{
    if (!started_ || outputTried_)
        return;
    OpenOutput();
    ApplyBars();
}

void GameAudio::ApplyBars()
{
    if (bars_ && library_.OutputOpen())
        volumes_.ApplyStartupLevels(bars_->music, bars_->sound);
}

void GameAudio::StartSongWhenLoaded()
{
    // Switched off or on by the player meanwhile: that is what counts.
    if (!musicWaitsForLoad_ || sequencer_.PreloadPending())
        return;
    RunHandler([this] { SetMusicOn(true); });
}

void GameAudio::SetSoundEnabled(bool on)
{
    soundEnabled_ = on;
    if (on)
        OpenDeferredOutput();
    if (!library_.OutputOpen())
        return;
    if (on && !streams_.Created()) {
        streams_.Create(library_, baseDir_);
    } else if (!on && streams_.Created()) {
        library_.DropStreams();
        streams_.Clear();
    }
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
    musicWaitsForLoad_ = false;
    if (on)
        OpenDeferredOutput();
    if (outputMissing_)
        return;
    if (on)
        music_.StartMusic();
    else
        music_.StopMusic();
}

bool GameAudio::IsCurrentSong(std::uint16_t device) const { return device == sequencer_.MidiDeviceId(); }

// The notice's type is registered by the module's own copy of MciNotifyEvent, so
// only the module can tell it.
bool GameAudio::IsSongNotice(const QEvent& event) const { return event.type() == MciNotifyEvent::Type(); }

bool GameAudio::IsCurrentSong(const QEvent& notice) const
{
    return IsSongNotice(notice) && IsCurrentSong(static_cast<const MciNotifyEvent&>(notice).DeviceId());
}

void GameAudio::SongEnded() { music_.OnMciNotify(); }

void GameAudio::CaptureVolumes() { volumes_.Capture(); }
void GameAudio::ApplySoundBar(int position)
{
    bars_ = bars_.value_or(Bars{});
    bars_->sound = position;
    volumes_.ApplySoundBar(position);
}

void GameAudio::ApplyMusicBar(int position)
{
    bars_ = bars_.value_or(Bars{});
    bars_->music = position;
    volumes_.ApplyMusicBar(position);
}

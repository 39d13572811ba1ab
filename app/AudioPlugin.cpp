#include "app/AudioPlugin.h"

#include "platform/MessageBoxes.h"

#include <QCoreApplication>

#include <cstdio>
#include <utility>

AudioPlugin::AudioPlugin(Loader load, std::function<void()> endRun)
    : load_(std::move(load)), endRun_(std::move(endRun))
{
}

bool AudioPlugin::Load()
{
    if (loadTried_)
        return Loaded();
    loadTried_ = true;
    AudioModule::Loaded loaded = load_();
    if (loaded.libraryTooOld) {
        endRun_();
        return false;
    }
    if (!loaded.audio) {
        std::fprintf(stderr, "glimmora: no sound: %s\n", loaded.error.toLocal8Bit().constData());
        // The same words as a start without an output: for the player it is the same.
        MessageBoxes::ShowMessage(
            QCoreApplication::translate("GameAudio", "Can't initialize digital sound system").toStdString());
        return false;
    }
    audio_ = std::move(loaded.audio);
    audio_->SetNoticeWindow(noticeWindow_);
    audio_->SetSongIndex(songIndex_);
    audio_->SetSoundEnabled(soundEnabled_);
    return true;
}

bool AudioPlugin::LoadStarted()
{
    if (!started_ || loadTried_)
        return Loaded();
    if (!Load())
        return false;
    audio_->Start(false, bars_);
    return true;
}

void AudioPlugin::SetNoticeWindow(QObject* window)
{
    noticeWindow_ = window;
    if (audio_)
        audio_->SetNoticeWindow(window);
}

void AudioPlugin::Start(bool musicOn, std::optional<Bars> bars)
{
    if (started_)
        return;
    started_ = true;
    bars_ = bars;
    if ((soundEnabled_ || musicOn) && Load())
        audio_->Start(musicOn, bars);
}

void AudioPlugin::ShutDown()
{
    if (audio_)
        audio_->ShutDown();
}

bool AudioPlugin::PlaySound(int slot)
{
    if (audio_)
        return audio_->PlaySound(slot);
    return soundEnabled_;
}

void AudioPlugin::SetSoundEnabled(bool on)
{
    soundEnabled_ = on;
    if ((on && LoadStarted()) || audio_)
        audio_->SetSoundEnabled(on);
}

void AudioPlugin::SetMusicOn(bool on)
{
    if ((on && LoadStarted()) || audio_)
        audio_->SetMusicOn(on);
}

bool AudioPlugin::IsSongNotice(const QEvent& event) const { return audio_ && audio_->IsSongNotice(event); }

bool AudioPlugin::IsCurrentSong(const QEvent& notice) const { return audio_ && audio_->IsCurrentSong(notice); }

void AudioPlugin::SongEnded()
{
    if (audio_)
        audio_->SongEnded();
}

int AudioPlugin::SongIndex() const { return audio_ ? audio_->SongIndex() : songIndex_; }

void AudioPlugin::SetSongIndex(int index)
{
    songIndex_ = index;
    if (audio_)
        audio_->SetSongIndex(index);
}

// Without the module there is no output, and so no level to capture.
void AudioPlugin::CaptureVolumes()
{
    if (audio_)
        audio_->CaptureVolumes();
}

void AudioPlugin::KeepBar(int Bars::*bar, int position)
{
    bars_ = bars_.value_or(Bars{});
    (*bars_).*bar = position;
}

void AudioPlugin::ApplySoundBar(int position)
{
    KeepBar(&Bars::sound, position);
    if (audio_)
        audio_->ApplySoundBar(position);
}

void AudioPlugin::ApplyMusicBar(int position)
{
    KeepBar(&Bars::music, position);
    if (audio_)
        audio_->ApplyMusicBar(position);
}

#pragma once

#include "audio/IGameAudio.h"

#include <QEvent>

#include <optional>
#include <string>
#include <vector>

// An audio that only notes what it is asked, in order, for the stand-in's tests and
// for the fake module. A song notice is any QEvent::User event; the current song's
// carries QEvent::User + 1.
class RecordingAudio : public IGameAudio {
public:
    std::vector<std::string> calls;
    QObject* noticeWindow = nullptr;
    bool soundEnabled = false;
    int songIndex = 0;
    std::optional<Bars> startBars;
    bool startMusic = false;
    int soundsPlayed = 0;

    void SetNoticeWindow(QObject* window) override { noticeWindow = window; }
    void Start(bool musicOn, std::optional<Bars> bars) override
    {
        calls.push_back(musicOn ? "Start music" : "Start");
        startMusic = musicOn;
        startBars = bars;
        started_ = true;
    }
    bool Started() const override { return started_; }
    void ShutDown() override { calls.push_back("ShutDown"); }
    bool PlaySound(int slot) override
    {
        calls.push_back("PlaySound " + std::to_string(slot));
        ++soundsPlayed;
        return soundEnabled;
    }
    bool SoundEnabled() const override { return soundEnabled; }
    void SetSoundEnabled(bool on) override
    {
        calls.push_back(on ? "Sound on" : "Sound off");
        soundEnabled = on;
    }
    void SetMusicOn(bool on) override { calls.push_back(on ? "Music on" : "Music off"); }
    bool IsSongNotice(const QEvent& event) const override { return event.type() >= QEvent::User; }
    bool IsCurrentSong(const QEvent& notice) const override { return notice.type() == QEvent::User + 1; }
    void SongEnded() override
    {
        calls.push_back("SongEnded");
        ++songIndex;
    }
    int SongIndex() const override { return songIndex; }
    void SetSongIndex(int index) override { songIndex = index; }
    void CaptureVolumes() override { calls.push_back("CaptureVolumes"); }
    void ApplySoundBar(int position) override { calls.push_back("Sound bar " + std::to_string(position)); }
    void ApplyMusicBar(int position) override { calls.push_back("Music bar " + std::to_string(position)); }

private:
    bool started_ = false;
};

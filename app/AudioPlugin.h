#pragma once

#include "app/AudioModule.h"
#include "audio/IGameAudio.h"

#include <functional>
#include <memory>
#include <optional>

// The program's audio until the module is needed, and the module's audio after. The
// settings and the windows set the sound switch, the song, the bars and the notice
// window long before any sound is wanted; they are kept here and handed over when the
// module loads: at Start with the effects or the music on, else at the first switch
// turned on. A run with both off never loads it.
//
// A module that cannot be loaded leaves the game silent: the player is told once, in
// the words of a start without an output, and nothing else changes.
class AudioPlugin : public IGameAudio {
public:
    using Loader = std::function<AudioModule::Loaded()>;

    // `endRun` ends the program when the module finds the sound library too old
    // (its message has been shown).
    AudioPlugin(Loader load, std::function<void()> endRun);

    void SetNoticeWindow(QObject* window) override;
    void Start(bool musicOn, std::optional<Bars> bars) override;
    bool Started() const override { return started_; }
    void ShutDown() override;
    bool PlaySound(int slot) override;
    bool SoundEnabled() const override { return soundEnabled_; }
    void SetSoundEnabled(bool on) override;
    void SetMusicOn(bool on) override;
    bool IsSongNotice(const QEvent& event) const override;
    bool IsCurrentSong(const QEvent& notice) const override;
    void SongEnded() override;
    int SongIndex() const override;
    void SetSongIndex(int index) override;
    void CaptureVolumes() override;
    void ApplySoundBar(int position) override;
    void ApplyMusicBar(int position) override;

    bool Loaded() const { return audio_ != nullptr; }

private:
    // Loads the module once; true when its audio is there. The first try is the only
    // one: a module that failed is not asked for again, nor is the player told again.
    bool Load();
    // A switch turned on after Start: the module is loaded and started as Start would
    // have with both switches off, so that the switch then opens the output.
    bool LoadStarted();
    void KeepBar(int Bars::*bar, int position);

    Loader load_;
    std::function<void()> endRun_;
    std::unique_ptr<IGameAudio> audio_;
    bool loadTried_ = false;
    QObject* noticeWindow_ = nullptr;
    bool soundEnabled_ = false;
    int songIndex_ = 0;
    std::optional<Bars> bars_;
    bool started_ = false;
};

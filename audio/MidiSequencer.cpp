#include "MidiSequencer.h"

#include "MciErrorBox.h"
#include "MciNotifyEvent.h"
#include "MixerOutput.h"

#include <QCoreApplication>
#include <QObject>

#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <fstream>
#include <iterator>
#include <mutex>

// Carries the notice from the audio thread into the main thread: it lives as long as
// the sequencer, so the audio thread never posts to a window that is being destroyed,
// and on the main thread it hands the notice to the callback window if that still
// exists.
class MciNotifyRelay : public QObject {
public:
    void SetReceiver(QObject* receiver) { receiver_ = receiver; }

    bool event(QEvent* e) override
    {
        if (e->type() != MciNotifyEvent::Type())
            return QObject::event(e);
        if (receiver_) {
            MciNotifyEvent notice(static_cast<MciNotifyEvent*>(e)->DeviceId());
            QCoreApplication::sendEvent(receiver_, &notice);
        }
        return true;
    }

private:
    QPointer<QObject> receiver_;
};

namespace {

enum MciCode {
    kMciNoError = 0,
    kMciOpenFailed = 1,
    kMciPlayFailed = 2,
    kMciCloseFailed = 3,
};

const char* const kCaption = "Information";
const char* const kNoMessage = "No message available";

// What the audio thread needs to post a notice. SDL_mixer calls the finished hook with
// its audio lock held, also from inside Mix_HaltMusic on the calling thread.
std::mutex g_hookMutex;
MciNotifyRelay* g_hookRelay = nullptr;
std::atomic<std::uint16_t> g_playingDevice{0};

void MusicFinished()
{
    std::lock_guard<std::mutex> lock(g_hookMutex);
    if (g_hookRelay != nullptr)
        QCoreApplication::postEvent(g_hookRelay, new MciNotifyEvent(g_playingDevice.load()));
}

std::uint32_t BigEndian(const std::string& bytes, std::size_t at, int length)
{
    std::uint32_t value = 0;
    for (int i = 0; i < length; ++i)
        value = (value << 8) | std::uint8_t(bytes[at + i]);
    return value;
}

// A standard MIDI file: a header chunk of format 0 to 2 with at least one track and a
// time division, followed by as many complete track chunks. The player itself accepts
// text, pictures and empty files under a ".mid" name and then plays silence.
bool IsStandardMidiFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 14 || bytes.compare(0, 4, "MThd") != 0)
        return false;
    const std::uint32_t headerLength = BigEndian(bytes, 4, 4);
    const std::uint32_t format = BigEndian(bytes, 8, 2);
    std::uint32_t tracks = BigEndian(bytes, 10, 2);
    const std::uint32_t division = BigEndian(bytes, 12, 2);
    if (headerLength < 6 || format > 2 || tracks == 0 || division == 0)
        return false;
    std::size_t at = 8 + std::size_t(headerLength);
    while (tracks > 0) {
        if (at + 8 > bytes.size())
            return false;
        const std::size_t length = BigEndian(bytes, at + 4, 4);
        if (length > bytes.size() - at - 8)
            return false;
        if (bytes.compare(at, 4, "MTrk") == 0)
            --tracks;
        at += 8 + length;
    }
    return true;
}

bool SameText(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && SDL_strcasecmp(a.c_str(), b.c_str()) == 0;
}

}  // namespace

MidiSequencer::MidiSequencer() : relay_(std::make_unique<MciNotifyRelay>())
{
    {
        std::lock_guard<std::mutex> lock(g_hookMutex);
        g_hookRelay = relay_.get();
    }
    Mix_HookMusicFinished(MusicFinished);
}

MidiSequencer::~MidiSequencer()
{
    {
        std::lock_guard<std::mutex> lock(g_hookMutex);
        if (g_hookRelay == relay_.get())
            g_hookRelay = nullptr;
    }
    FreeMusic();
    if (holdsOutput_)
        MixerOutput::Release();
}

bool MidiSequencer::OpenMidi(QObject* callbackWindow, const std::string& path, const std::string& deviceType)
{
    mciErrorShown_ = false;
    midiCallbackWindow_ = callbackWindow;
    relay_->SetReceiver(callbackWindow);
    const int code = OpenDevice(path, deviceType);
    if (code != kMciNoError) {
        ShowMciError(code);
        return false;
    }
    return true;
}

int MidiSequencer::OpenDevice(const std::string& path, const std::string& deviceType)
{
    SDL_ClearError();
    if (!SameText(deviceType, "Sequencer")) {
        SDL_SetError("Unknown device type: %s", deviceType.c_str());
        return kMciOpenFailed;
    }
    if (!holdsOutput_) {
        if (!MixerOutput::Acquire())
            return kMciOpenFailed;
        holdsOutput_ = true;
    }
    if (!IsStandardMidiFile(path)) {
        SDL_SetError("Not a valid MIDI file: %s", path.c_str());
        return kMciOpenFailed;
    }
    Mix_Music* music = Mix_LoadMUS(path.c_str());
    if (music == nullptr)
        return kMciOpenFailed;
    if (Mix_GetMusicType(music) != MUS_MID) {
        Mix_FreeMusic(music);
        SDL_SetError("Not a valid MIDI file: %s", path.c_str());
        return kMciOpenFailed;
    }
    // Only one song can be open here; an earlier one whose close failed gives way.
    FreeMusic();
    music_ = music;
    midiDeviceId_ = NextDeviceId();
    return kMciNoError;
}

bool MidiSequencer::PlayMidi()
{
    SDL_ClearError();
    if (midiDeviceId_ == 0 || music_ == nullptr) {
        ShowMciError(kMciPlayFailed);
        return false;
    }
    g_playingDevice = midiDeviceId_;
    if (Mix_PlayMusic(music_, 0) != 0) {
        ShowMciError(kMciPlayFailed);
        return false;
    }
    return true;
}

bool MidiSequencer::StopMidi()
{
    if (midiDeviceId_ != 0 && music_ != nullptr)
        Mix_HaltMusic();
    return true;
}

bool MidiSequencer::CloseMidi()
{
    SDL_ClearError();
    if (midiDeviceId_ == 0) {
        ShowMciError(kMciCloseFailed);
        return false;
    }
    FreeMusic();
    midiDeviceId_ = 0;
    return true;
}

void MidiSequencer::ShowMciError(int code)
{
    if (mciErrorShown_)
        return;
    std::string text = Mix_GetError();
    if (text.empty())
        text = kNoMessage;
    if (code != kMciNoError) {
        mciErrorShown_ = true;
        MciErrorBox::Show(text, kCaption);
    }
}

void MidiSequencer::FreeMusic()
{
    if (music_ == nullptr)
        return;
    // Freeing a playing song halts it without the finished hook.
    Mix_FreeMusic(music_);
    music_ = nullptr;
}

std::uint16_t MidiSequencer::NextDeviceId()
{
    lastDeviceId_ = std::uint16_t(lastDeviceId_ + 1);
    if (lastDeviceId_ == 0)
        lastDeviceId_ = 1;
    return lastDeviceId_;
}

#include "MidiSequencer.h"

#include "MciErrorBox.h"
#include "MciNotifyEvent.h"
#include "MidiSynth.h"
#include "MixerOutput.h"
#include "RegularFile.h"

#include <QCoreApplication>
#include <QObject>

#include <SDL.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <vector>

#include <sys/stat.h>

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

// Songs are small; a file far larger is no song, and reading it whole could take
// more memory than the machine has.
constexpr off_t kLargestSong = 16 * 1024 * 1024;

std::array<std::int64_t, 5> FileIdentity(const struct stat& info)
{
    return {std::int64_t(info.st_dev), std::int64_t(info.st_ino), std::int64_t(info.st_size),
            std::int64_t(info.st_mtim.tv_sec), std::int64_t(info.st_mtim.tv_nsec)};
}

// The whole file, read once, if it is a regular file of a size a song can have;
// otherwise the reason is left as the mixer's error.
bool ReadSongFile(const std::string& path, std::vector<char>& bytes, std::array<std::int64_t, 5>& identity)
{
    RegularFile file(path);
    if (!file.IsOpen()) {
        if (file.Error() == 0 || file.Error() == EISDIR)
            SDL_SetError("Not a valid MIDI file: %s", path.c_str());
        else
            SDL_SetError("Couldn't open %s: %s", path.c_str(), std::strerror(file.Error()));
        return false;
    }
    if (file.Size() > kLargestSong) {
        SDL_SetError("MIDI file too large: %s", path.c_str());
        return false;
    }
    // What is there; a file cut short meanwhile is read as far as it goes, and its
    // parse reports it.
    std::string read;
    file.Read(read, std::size_t(file.Size()));
    bytes.assign(read.begin(), read.end());
    identity = FileIdentity(file.Info());
    return true;
}

std::uint32_t BigEndian(const std::vector<char>& bytes, std::size_t at, int length)
{
    std::uint32_t value = 0;
    for (int i = 0; i < length; ++i)
        value = (value << 8) | std::uint8_t(bytes[at + i]);
    return value;
}

// A standard MIDI file: a header chunk of format 0 to 2 with at least one track and a
// time division, followed by as many complete track chunks. The player itself accepts
// text, pictures and empty files under a ".mid" name and then plays silence.
bool IsStandardMidiFile(const std::vector<char>& bytes)
{
    if (bytes.size() < 14 || std::memcmp(bytes.data(), "MThd", 4) != 0)
        return false;
    const std::uint32_t headerLength = BigEndian(bytes, 4, 4);
    const std::uint32_t format = BigEndian(bytes, 8, 2);
    std::uint32_t tracks = BigEndian(bytes, 10, 2);
    const std::uint32_t division = BigEndian(bytes, 12, 2);
    if (headerLength < 6 || format > 2 || tracks == 0 || division == 0 || headerLength > bytes.size() - 8)
        return false;
    std::size_t at = 8 + std::size_t(headerLength);
    while (tracks > 0) {
        if (bytes.size() - at < 8)
            return false;
        const std::size_t length = BigEndian(bytes, at + 4, 4);
        if (length > bytes.size() - at - 8)
            return false;
        if (std::memcmp(bytes.data() + at, "MTrk", 4) == 0)
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

MidiSequencer::MidiSequencer() : relay_(std::make_unique<MciNotifyRelay>()) {}

MidiSequencer::~MidiSequencer()
{
    FreeMusic();
    DropPreload();
    if (synthLoad_.valid())
        synthLoad_.get();
    // The synthesizer leaves the music stream before the output can close, and
    // before the relay that its notices go to.
    synth_.reset();
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
    LoadedSong song = TakePreloaded(path);
    if (!song.valid && !LoadSong(path, song))
        return kMciOpenFailed;
    if (!TakeSynth())
        return kMciOpenFailed;
    // Only one song can be open here; an earlier one whose close failed gives way.
    FreeMusic();
    songBytes_ = std::move(song.bytes);
    midiDeviceId_ = NextDeviceId();
    return kMciNoError;
}

// Runs on the main thread or the loader's; the error text it leaves is the calling
// thread's.
bool MidiSequencer::LoadSong(const std::string& path, LoadedSong& song)
{
    if (!ReadSongFile(path, song.bytes, song.file))
        return false;
    if (!IsStandardMidiFile(song.bytes)) {
        SDL_SetError("Not a valid MIDI file: %s", path.c_str());
        return false;
    }
    song.valid = true;
    return true;
}

bool MidiSequencer::TakeSynth()
{
    if (synth_)
        return true;
    if (synthLoad_.valid())
        synth_ = synthLoad_.get();
    // A load that failed on the loader's thread left its reason there: it is made
    // again here, for the message.
    if (!synth_)
        synth_ = MidiSynth::Create(MidiSynth::SoundfontPaths());
    if (!synth_)
        return false;
    MciNotifyRelay* relay = relay_.get();
    synth_->Attach([relay](std::uint16_t device) { QCoreApplication::postEvent(relay, new MciNotifyEvent(device)); });
    return true;
}

void MidiSequencer::PreloadMidi(const std::string& path)
{
    DropPreload();
    if (!holdsOutput_) {
        if (!MixerOutput::Acquire())
            return;
        holdsOutput_ = true;
    }
    // The synthesizer first: the soundfont is what takes the time.
    if (!synth_ && !synthLoad_.valid())
        synthLoad_ = loader_.Run([soundfonts = MidiSynth::SoundfontPaths()] { return MidiSynth::Create(soundfonts); });
    preloadPath_ = path;
    preload_ = loader_.Run([path] {
        LoadedSong song;
        LoadSong(path, song);
        return song;
    });
}

MidiSequencer::LoadedSong MidiSequencer::TakePreloaded(const std::string& path)
{
    if (!preload_.valid())
        return {};
    LoadedSong song = preload_.get();
    struct stat info {};
    // A file renamed, rewritten or replaced since is loaded afresh.
    if (path != preloadPath_ || ::stat(path.c_str(), &info) != 0 || FileIdentity(info) != song.file)
        return {};
    return song;
}

void MidiSequencer::DropPreload()
{
    if (preload_.valid())
        preload_.get();
}

bool MidiSequencer::PlayMidi()
{
    SDL_ClearError();
    if (midiDeviceId_ == 0 || !synth_ || songBytes_.empty()) {
        ShowMciError(kMciPlayFailed);
        return false;
    }
    if (!synth_->Play(songBytes_, midiDeviceId_)) {
        ShowMciError(kMciPlayFailed);
        return false;
    }
    return true;
}

bool MidiSequencer::StopMidi()
{
    if (midiDeviceId_ != 0 && synth_)
        synth_->Stop();
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
    std::string text = SDL_GetError();
    if (text.empty())
        text = kNoMessage;
    if (code != kMciNoError) {
        mciErrorShown_ = true;
        MciErrorBox::Show(text, kCaption);
    }
}

bool MidiSequencer::MidiPlaying() const { return synth_ && synth_->Playing(); }

void MidiSequencer::FreeMusic()
{
    // A song closed while it plays is silenced without a notice.
    if (synth_)
        synth_->Halt();
    songBytes_.clear();
    songBytes_.shrink_to_fit();
}

std::uint16_t MidiSequencer::NextDeviceId()
{
    lastDeviceId_ = std::uint16_t(lastDeviceId_ + 1);
    if (lastDeviceId_ == 0)
        lastDeviceId_ = 1;
    return lastDeviceId_;
}

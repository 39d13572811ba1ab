#include "audio/MidiSequencer.h"

#include "audio/MciErrorBox.h"
#include "audio/MciNotifyEvent.h"
#include "audio/MidiSong.h"
#include "audio/MidiSynth.h"
#include "audio/MixerOutput.h"
#include "platform/RegularFile.h"

#include <QCoreApplication>
#include <QObject>

#include <SDL.h>

#include <array>
#include <chrono>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>
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


// Songs are small; a file far larger is no song, and reading it whole could take
// more memory than the machine has.
constexpr off_t kLargestSong = 16 * 1024 * 1024;

std::array<std::int64_t, 5> FileIdentity(const struct stat& info)
{
    return {std::int64_t(info.st_dev), std::int64_t(info.st_ino), std::int64_t(info.st_size),
            std::int64_t(info.st_mtim.tv_sec), std::int64_t(info.st_mtim.tv_nsec)};
}

constexpr const char* kNoSong = QT_TRANSLATE_NOOP("MidiSequencer", "Not a valid MIDI file: %1");
constexpr const char* kNotOpened = QT_TRANSLATE_NOOP("MidiSequencer", "Couldn't open %1: %2");
constexpr const char* kTooLarge = QT_TRANSLATE_NOOP("MidiSequencer", "MIDI file too large: %1");

// Left as the mixer's error, which the error box shows, in the player's language.
void SetSongError(const char* text, const std::string& path, const char* cause = nullptr)
{
    QString message = QCoreApplication::translate("MidiSequencer", text).arg(QString::fromStdString(path));
    if (cause)
        message = message.arg(QString::fromLocal8Bit(cause));
    SDL_SetError("%s", message.toUtf8().constData());
}

// The whole file, read once, if it is a regular file of a size a song can have;
// otherwise the reason is left as the mixer's error.
bool ReadSongFile(const std::string& path, std::vector<char>& bytes, std::array<std::int64_t, 5>& identity)
{
    RegularFile file(path);
    if (!file.IsOpen()) {
        if (file.Error() == 0 || file.Error() == EISDIR)
            SetSongError(kNoSong, path);
        else
            SetSongError(kNotOpened, path, std::strerror(file.Error()));
        return false;
    }
    if (file.Size() > kLargestSong) {
        SetSongError(kTooLarge, path);
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

bool SameText(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && SDL_strcasecmp(a.c_str(), b.c_str()) == 0;
}

}  // namespace

MidiSequencer::MidiSequencer() : relay_(std::make_unique<MciNotifyRelay>()) {}

MidiSequencer::~MidiSequencer()
{
    ending_ = true;
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
    // The player has been told once that no song can sound this run; every song
    // after that would only repeat it.
    if (synthRefused_) {
        mciErrorShown_ = true;
        return false;
    }
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
    // The synthesizer before the song: without it no song can play, and its reason
    // is the one the player needs to hear, not the song's.
    if (!TakeSynth())
        return kMciOpenFailed;
    LoadedSong song = TakePreloaded(path);
    const bool preloaded = song.song != nullptr;
    if (!preloaded && !LoadSong(path, song))
        return kMciOpenFailed;
    if (!preloaded)
        synth_->PinPresets(song.song->Presets());
    // Only one song can be open here; an earlier one whose close failed gives way.
    FreeMusic();
    song_ = std::move(song.song);
    midiDeviceId_ = NextDeviceId();
    return kMciNoError;
}

// Runs on the main thread or the loader's; the error text it leaves is the calling
// thread's.
bool MidiSequencer::LoadSong(const std::string& path, LoadedSong& song, const std::atomic<bool>* cancel)
{
    std::vector<char> bytes;
    if (!ReadSongFile(path, bytes, song.file))
        return false;
    song.song = MidiSong::Read(bytes, cancel);
    if (!song.song) {
        SetSongError(kNoSong, path);
        return false;
    }
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
    if (!synth_) {
        // With the output open, what failed was the synthesizer itself (no soundfont):
        // that does not mend during a run. A closed output may come back.
        synthRefused_ = MixerOutput::IsOpen();
        return false;
    }
    MciNotifyRelay* relay = relay_.get();
    synth_->Attach([relay](std::uint16_t device) { QCoreApplication::postEvent(relay, new MciNotifyEvent(device)); });
    return true;
}

void MidiSequencer::PreloadMidi(const std::string& path)
{
    DropPreload();
    if (synthRefused_)
        return;
    if (!holdsOutput_) {
        if (!MixerOutput::Acquire())
            return;
        holdsOutput_ = true;
    }
    // The synthesizer first: the soundfont is what takes the time.
    if (!synth_ && !synthLoad_.valid()) {
        synthLoad_ = loader_.Run([this, path, soundfonts = MidiSynth::SoundfontPaths()] {
            std::unique_ptr<MidiSynth> synth =
                MidiSynth::Create(soundfonts, MidiSynth::kSystemSoundfont, PresetsOfSongsBeside(path));
            loadedSynth_ = synth.get();
            return synth;
        });
    }
    preloadPath_ = path;
    // The loader runs its jobs in turn, so the synthesizer's is made by the time this
    // one looks for it.
    preload_ = loader_.Run([this, path, synth = synth_.get()] {
        LoadedSong song;
        MidiSynth* target = synth != nullptr ? synth : loadedSynth_.load();
        if (LoadSong(path, song, &ending_) && target != nullptr)
            target->PinPresets(song.song->Presets());
        return song;
    });
    // A job of its own, so that the song is in the future by the time the notice is
    // read. Through the relay, which outlives the loader: a notice still queued when
    // the sequencer goes is dropped with it.
    loader_.Run([this] {
        QMetaObject::invokeMethod(
            relay_.get(),
            [this] {
                if (preloadNotice_)
                    preloadNotice_();
            },
            Qt::QueuedConnection);
    });
}

// The playlist is the folder of the songs: the presets of those beside the first song
// preloaded are what the soundfonts are cut down to. A file that is no song adds none,
// and a song past the first few, or added later, has its own loaded when it comes.
std::vector<MidiSong::Preset> MidiSequencer::PresetsOfSongsBeside(const std::string& path) const
{
    std::set<MidiSong::Preset> presets;
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::filesystem::directory_iterator entry(folder.empty() ? std::filesystem::path(".") : folder, error);
    for (int read = 0; !error && entry != std::filesystem::directory_iterator() && read < kMostSongsAhead && !ending_;
         entry.increment(error), ++read) {
        LoadedSong song;
        if (LoadSong(entry->path().string(), song, &ending_))
            presets.insert(song.song->Presets().begin(), song.song->Presets().end());
    }
    return {presets.begin(), presets.end()};
}

bool MidiSequencer::PreloadPending() const
{
    return preload_.valid() && preload_.wait_for(std::chrono::seconds(0)) != std::future_status::ready;
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
    if (midiDeviceId_ == 0 || !synth_ || !song_) {
        ShowMciError(kMciPlayFailed);
        return false;
    }
    synth_->Play(song_, midiDeviceId_);
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
        text = QCoreApplication::translate("MidiSequencer", "No message available").toStdString();
    if (code != kMciNoError) {
        mciErrorShown_ = true;
        MciErrorBox::Show(text, QCoreApplication::translate("MidiSequencer", "Information").toStdString());
    }
}

bool MidiSequencer::MidiPlaying() const { return synth_ && synth_->Playing(); }

void MidiSequencer::FreeMusic()
{
    // A song closed while it plays is silenced without a notice.
    if (synth_)
        synth_->Halt();
    song_.reset();
}

std::uint16_t MidiSequencer::NextDeviceId()
{
    lastDeviceId_ = std::uint16_t(lastDeviceId_ + 1);
    if (lastDeviceId_ == 0)
        lastDeviceId_ = 1;
    return lastDeviceId_;
}

// The music as it comes out of the mixer: its level against the music volume, its
// end, the state each song starts from, and the effects over it.
#include "audio/MciErrorBox.h"
#include "audio/MidiSequencer.h"
#include "audio/MidiSynth.h"
#include "DiskMix.h"
#include "audio/MixerOutput.h"
#include "NoticeReceiver.h"
#include "audio/SoundLibrary.h"
#include "audio/SynthLog.h"
#include "TempDir.h"
#include "TestSounds.h"

#include <QCoreApplication>

#include <SDL.h>
#include <SDL_mixer.h>
#include <fluidsynth.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>
#include <vector>

#include <stdlib.h>

namespace {

// Left channel RMS of the first 0.4 s from the onset of a piano A4 at velocity 100,
// as SDL_mixer 2.6.2's own MIDI player made it at full music volume with this
// soundfont.
constexpr double kSdlMixerLevel = 1517.5;

double Decibels(double ratio) { return 20.0 * std::log10(ratio); }

// The mix as the mixer hands it to the device, buffer by buffer, and whether the
// sequencer had a song sounding when each buffer was made: from the first such buffer on.
class MixRecorder {
public:
    explicit MixRecorder(const MidiSequencer& sequencer) : sequencer_(sequencer)
    {
        Mix_SetPostMix(&MixRecorder::Record, this);
    }
    ~MixRecorder() { Mix_SetPostMix(nullptr, nullptr); }

    // Frames recorded so far.
    std::size_t Frames() const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return left_.size();
    }
    // The left channel, once at least `frames` frames are recorded (or after 10 s).
    std::vector<std::int16_t> Left(std::size_t frames) const
    {
        std::unique_lock<std::mutex> lock(mutex_);
        recorded_.wait_for(lock, std::chrono::seconds(10), [&] { return left_.size() >= frames; });
        return left_;
    }
    // The first frame of the first buffer made without a song sounding, once that buffer
    // has passed (or 0 after 10 s). The song's end notice is posted while that buffer is
    // still being mixed, so it can reach the main thread before the buffer reaches us.
    std::size_t EndFrame() const
    {
        std::unique_lock<std::mutex> lock(mutex_);
        recorded_.wait_for(lock, std::chrono::seconds(10), [&] { return end_ != 0; });
        return end_;
    }

private:
    static void Record(void* self, Uint8* stream, int bytes)
    {
        auto* recorder = static_cast<MixRecorder*>(self);
        std::this_thread::sleep_for(std::chrono::milliseconds(15));
        const bool playing = recorder->sequencer_.MidiPlaying();
        std::lock_guard<std::mutex> lock(recorder->mutex_);
        if (recorder->left_.empty() && !playing)
            return;
        if (!playing && recorder->end_ == 0)
            recorder->end_ = recorder->left_.size();
        const auto* samples = reinterpret_cast<const std::int16_t*>(stream);
        for (int i = 0; i < bytes / 4; ++i)
            recorder->left_.push_back(samples[2 * i]);
        recorder->recorded_.notify_all();
    }

    const MidiSequencer& sequencer_;
    mutable std::mutex mutex_;
    mutable std::condition_variable recorded_;
    std::vector<std::int16_t> left_;
    std::size_t end_ = 0;
};

class MidiSynthTest : public testing::Test {
protected:
    void SetUp() override
    {
        MciErrorBox::SetSink([this](const std::string& text, const std::string&) { boxes_.push_back(text); });
    }
    void TearDown() override
    {
        Mix_VolumeMusic(MIX_MAX_VOLUME);
        MciErrorBox::SetSink({});
    }

    // The first `seconds` of the song at path as the mixer puts it out.
    std::vector<std::int16_t> Listen(const std::string& path, double seconds)
    {
        EXPECT_TRUE(sequencer_.OpenMidi(&window_, path, "Sequencer"));
        MixRecorder recorder(sequencer_);
        EXPECT_TRUE(sequencer_.PlayMidi());
        std::vector<std::int16_t> left = recorder.Left(DiskMix::Seconds(seconds));
        left.resize(std::min(left.size(), DiskMix::Seconds(seconds)));
        return left;
    }

    static std::vector<std::int16_t> Span(const std::vector<std::int16_t>& samples, std::size_t from, double seconds)
    {
        const std::size_t to = std::min(samples.size(), from + DiskMix::Seconds(seconds));
        return from < to ? std::vector<std::int16_t>(samples.begin() + from, samples.begin() + to)
                         : std::vector<std::int16_t>();
    }

    static int Peak(const std::vector<std::int16_t>& samples)
    {
        int peak = 0;
        for (std::int16_t s : samples)
            peak = std::max(peak, std::abs(int(s)));
        return peak;
    }

    DiskMix mix_{false};  // faster than real time
    TempDir dir_;
    std::vector<std::string> boxes_;
    NoticeReceiver window_;
    MidiSequencer sequencer_;
};

double NoteFrequency(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

TEST_F(MidiSynthTest, TheSongIsAsLoudAsSdlMixersOwnPlayerMadeIt)
{
    WriteMidiNote(dir_.File("a.mid"), 69);
    const std::vector<std::int16_t> played = Listen(dir_.File("a.mid"), 1.0);
    const std::size_t onset = Onset(played);
    ASSERT_LT(onset, DiskMix::Seconds(0.1)) << "the note starts with the play";
    const double level = Rms(Span(played, onset, 0.4));
    EXPECT_NEAR(Decibels(level / kSdlMixerLevel), 0.0, 1.0) << "level " << level;
    EXPECT_LT(Peak(played), 32767);
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(MidiSynthTest, TheMusicVolumeScalesTheSongWhileItPlaysAndZeroSilencesIt)
{
    WriteMidiNote(dir_.File("organ.mid"), 60, 40, 19);  // a church organ holds its level
    ASSERT_TRUE(sequencer_.OpenMidi(&window_, dir_.File("organ.mid"), "Sequencer"));
    MixRecorder recorder(sequencer_);
    ASSERT_TRUE(sequencer_.PlayMidi());
    // The level after a change, from a few buffers after it on.
    const auto levelAfter = [&](int volume) {
        Mix_VolumeMusic(volume);
        const std::size_t from = recorder.Frames() + DiskMix::Seconds(0.1);
        return Span(recorder.Left(from + DiskMix::Seconds(0.3)), from, 0.3);
    };
    const double full = Rms(levelAfter(MIX_MAX_VOLUME));
    ASSERT_GT(full, 300.0);
    EXPECT_NEAR(Decibels(Rms(levelAfter(MIX_MAX_VOLUME / 2)) / full), -6.0, 1.5);
    EXPECT_EQ(Peak(levelAfter(0)), 0);
    EXPECT_NEAR(Decibels(Rms(levelAfter(MIX_MAX_VOLUME)) / full), 0.0, 1.5);
    EXPECT_TRUE(sequencer_.MidiPlaying());
}

TEST_F(MidiSynthTest, TheEndIsPostedOnceWhenTheReleaseHasDiedAway)
{
    WriteMidiNote(dir_.File("a.mid"), 69);  // half a second
    window_.playing = [this] { return sequencer_.MidiPlaying(); };
    ASSERT_TRUE(sequencer_.OpenMidi(&window_, dir_.File("a.mid"), "Sequencer"));
    MixRecorder recorder(sequencer_);
    ASSERT_TRUE(sequencer_.PlayMidi());
    ASSERT_TRUE(window_.WaitForNotices(1));
    EXPECT_FALSE(window_.musicPlayingAtNotice);
    const std::size_t end = recorder.EndFrame();
    ASSERT_GT(end, 0u);
    const std::vector<std::int16_t> played = recorder.Left(end + DiskMix::Seconds(1.0));

    std::size_t lastHeard = 0;
    for (std::size_t i = 0; i < end; ++i) {
        if (std::abs(int(played[i])) > 30)
            lastHeard = i;
    }
    EXPECT_GT(lastHeard, DiskMix::Seconds(0.55)) << "the note's release is heard after its end";
    EXPECT_LT(lastHeard, end);
    EXPECT_LE(end, DiskMix::Seconds(0.5 + MidiSynth::kLongestTail + 0.05)) << "at most the longest tail after it";
    // The buffer that saw the end was rendered; none after it is.
    EXPECT_EQ(Peak(Span(played, end + DiskMix::Seconds(0.05), 1.0)), 0) << "nothing is rendered after the end";

    // A second of mixing later, still the one notice.
    ASSERT_TRUE(mix_.WaitForFrames(mix_.Frames() + DiskMix::Seconds(1.0)));
    QCoreApplication::processEvents();
    EXPECT_EQ(window_.notices, 1);
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(MidiSynthTest, ANoteNeverReleasedIsCutTheLongestTailAfterTheLastEvent)
{
    // An organ note still held when the track ends, half a second in: the player would
    // wait for it to die away, which it never does.
    WriteMidiTrack(dir_.File("held.mid"), std::string("\x00\xC0\x13\x00\x90\x3C\x64\x60\x80\x40\x00", 11));
    ASSERT_TRUE(sequencer_.OpenMidi(&window_, dir_.File("held.mid"), "Sequencer"));
    MixRecorder recorder(sequencer_);
    ASSERT_TRUE(sequencer_.PlayMidi());
    ASSERT_TRUE(window_.WaitForNotices(1));
    const std::size_t end = recorder.EndFrame();
    const std::size_t cut = DiskMix::Seconds(0.5 + MidiSynth::kLongestTail);
    EXPECT_GE(end + DiskMix::Seconds(0.05), cut);
    EXPECT_LE(end, cut + DiskMix::Seconds(0.05));
    EXPECT_GT(Rms(Span(recorder.Left(end), end - DiskMix::Seconds(0.2), 0.2)), 300.0) << "it sounded to the cut";
    EXPECT_FALSE(sequencer_.MidiPlaying());
}

TEST_F(MidiSynthTest, EachSongStartsOnASynthesizerAsFreshAsTheFirst)
{
    // A song that turns its channel's volume off, interrupted mid-note.
    WriteMidiTrack(dir_.File("muted.mid"), std::string("\x00\xB0\x07\x00", 4) + MidiNoteEvents(60, 40));
    WriteMidiNote(dir_.File("high.mid"), 84);
    WriteMidiNote(dir_.File("a.mid"), 69);
    EXPECT_LT(Rms(Listen(dir_.File("muted.mid"), 0.3)), 2.0);
    sequencer_.StopMidi();
    sequencer_.CloseMidi();
    std::vector<std::int16_t> next = Listen(dir_.File("high.mid"), 0.5);
    EXPECT_GT(Rms(next), 300.0) << "the channel volume is the default again";
    EXPECT_GT(ToneAmplitude(next, NoteFrequency(84)), 4 * ToneAmplitude(next, NoteFrequency(60)));
    // Closed while it plays, without a stop.
    Listen(dir_.File("muted.mid"), 0.3);
    sequencer_.CloseMidi();
    next = Listen(dir_.File("a.mid"), 0.5);
    EXPECT_GT(Rms(next), 300.0);
    EXPECT_GT(ToneAmplitude(next, NoteFrequency(69)), 4 * ToneAmplitude(next, NoteFrequency(60)));
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(MidiSynthTest, TheEffectsMixOverTheMusicWithoutClipping)
{
    WriteSineWav(dir_.File("chime.wav"), 1000, 0.5, 0.25);
    WriteMidiNote(dir_.File("organ.mid"), 60, 40, 19);
    SoundLibrary library;
    ASSERT_TRUE(library.Init());
    library.Start();
    const SoundLibrary::Handle chime = library.StreamCreateFile(dir_.File("chime.wav"));
    ASSERT_TRUE(library.Playable(chime));
    ASSERT_TRUE(sequencer_.OpenMidi(&window_, dir_.File("organ.mid"), "Sequencer"));
    MixRecorder recorder(sequencer_);
    ASSERT_TRUE(sequencer_.PlayMidi());
    const std::vector<std::int16_t> before = Span(recorder.Left(DiskMix::Seconds(0.6)), DiskMix::Seconds(0.3), 0.3);
    const std::size_t at = recorder.Frames();
    library.StreamPlay(chime);
    const std::size_t from = at + DiskMix::Seconds(0.05);
    const std::vector<std::int16_t> over = Span(recorder.Left(from + DiskMix::Seconds(0.3)), from, 0.3);

    const double organ = ToneAmplitude(before, NoteFrequency(60));
    ASSERT_GT(organ, 100.0);
    EXPECT_NEAR(ToneAmplitude(over, 1000) / (0.25 * 32767), 1.0, 0.1) << "the effect at its own level";
    EXPECT_GT(ToneAmplitude(over, NoteFrequency(60)), organ / 2) << "the music goes on under it";
    EXPECT_LT(Peak(over), 32767);
    library.Free();
}

TEST_F(MidiSynthTest, TheSoundfontIsSdlMixersOrElseTheSystemsAndTheReasonWhenNone)
{
    const std::string text = dir_.File("words.sf2");
    WriteFileBytes(text, "no soundfont");
    EXPECT_EQ(MidiSynth::Create({}), nullptr) << "no output";
    EXPECT_STREQ(SDL_GetError(), "Audio device hasn't been opened");
    ASSERT_TRUE(MixerOutput::Acquire());
    EXPECT_EQ(MidiSynth::Create({"/nowhere/a.sf2", text}, "/nowhere/b.sf2"), nullptr);
    EXPECT_EQ(std::string(SDL_GetError()), "Couldn't load the soundfont /nowhere/a.sf2 or " + text + " or /nowhere/b.sf2");
    EXPECT_EQ(MidiSynth::Create({"/nowhere/b.sf2"}, "/nowhere/b.sf2"), nullptr);
    EXPECT_STREQ(SDL_GetError(), "Couldn't load the soundfont /nowhere/b.sf2") << "each file named once";
    const bool systemSoundfont = std::filesystem::exists(MidiSynth::kSystemSoundfont);
    EXPECT_EQ(MidiSynth::Create({"/nowhere/a.sf2"}) != nullptr, systemSoundfont);

    ::setenv("SDL_SOUNDFONTS", ("/nowhere/a.sf2:" + text + ";/nowhere/c.sf2").c_str(), 1);
    const std::vector<std::string> unforced = MidiSynth::SoundfontPaths();
    EXPECT_EQ(std::count(unforced.begin(), unforced.end(), "/nowhere/a.sf2"), 0) << "only when forced";
    ::setenv("SDL_FORCE_SOUNDFONTS", "1", 1);
    EXPECT_EQ(MidiSynth::SoundfontPaths(), std::vector<std::string>({"/nowhere/a.sf2", text, "/nowhere/c.sf2"}));
    MixerOutput::Release();
    if (systemSoundfont) {
        WriteMidiNote(dir_.File("a.mid"), 69);
        EXPECT_GT(Rms(Listen(dir_.File("a.mid"), 0.5)), 300.0) << "the system's soundfont plays";
        EXPECT_TRUE(boxes_.empty());
    }
    ::unsetenv("SDL_FORCE_SOUNDFONTS");
    ::unsetenv("SDL_SOUNDFONTS");
}

// A song that piles two hundred thousand notes onto its first tick and then plays one
// note more: the synthesizer takes what it can of the pile, the later note is heard,
// the song ends, and the library's complaints, if any, stay a few lines.
TEST_F(MidiSynthTest, ASongOfNotesPiledOnOneTickPlaysOnAndEnds)
{
    std::vector<std::string> lines;
    SynthLog::SetSink([&](const std::string& line) { lines.push_back(line); });
    std::string events;
    for (int i = 0; i < 200'000; ++i)
        events += std::string("\x00\x90", 2) + char(30 + i % 60) + char(100);
    events += std::string("\x00\xB0\x7B\x00", 4);  // all notes off
    events += std::string("\x81\x40\x90\x45\x64\x60\x80\x45\x00", 9);  // A4 a second in, for half a second
    WriteMidiTrack(dir_.File("pile.mid"), events);
    window_.playing = [this] { return sequencer_.MidiPlaying(); };
    const std::vector<std::int16_t> played = Listen(dir_.File("pile.mid"), 1.5);
    ASSERT_TRUE(window_.WaitForNotices(1));
    const std::vector<std::int16_t> note = Span(played, DiskMix::Seconds(1.05), 0.4);
    EXPECT_GT(ToneAmplitude(note, NoteFrequency(69)), 100.0) << "the note after the pile";
    EXPECT_LE(lines.size(), SynthLog::kMostLines + 1);
    EXPECT_TRUE(boxes_.empty());
    SynthLog::SetSink({});
}

// The library's messages come through the game's log: each once, repeats counted,
// chatter dropped, and a bound on the whole.
TEST(SynthLogTest, RepeatsAreCountedAndTheLinesBounded)
{
    std::vector<std::string> lines;
    SynthLog::SetSink([&](const std::string& line) { lines.push_back(line); });
    SynthLog::Route();
    for (int i = 0; i < 10'000; ++i)
        fluid_log(FLUID_ERR, "Ringbuffer full, try increasing synth.polyphony!");
    fluid_log(FLUID_INFO, "Selected preset");
    fluid_log(FLUID_WARN, "Instrument not found");
    EXPECT_EQ(lines, (std::vector<std::string>{"fluidsynth: Ringbuffer full, try increasing synth.polyphony!",
                                               "fluidsynth: the message before came 9999 more times",
                                               "fluidsynth: Instrument not found"}));
    for (int i = 0; i < 1000; ++i)
        fluid_log(FLUID_ERR, "error %d", i);
    ASSERT_EQ(lines.size(), SynthLog::kMostLines + 1);
    EXPECT_EQ(lines.back(), "fluidsynth: further messages are not shown");
    SynthLog::SetSink({});
}

// The instruments of a song are read before it plays, where the synthesizer would
// look for them, and let go when a song that needs none of them plays.
TEST(MidiSynthPresetsTest, ASongsPresetsAreHeldUntilASongWithoutThemPlays)
{
    if (!std::filesystem::exists(MidiSynth::kSystemSoundfont))
        GTEST_SKIP() << "no General MIDI soundfont";
    std::unique_ptr<MidiSynth> synth = MidiSynth::CreateAt(44100, 2, {});
    ASSERT_TRUE(synth);
    using Presets = std::vector<MidiSong::Preset>;
    // Bank 100 has no organ: the first bank's is what the organ channel plays. A
    // drum kit the soundfont lacks is its standard kit.
    synth->PinPresets({{100, 19}, {0, 5}, {128, 127}});
    Presets pinned = synth->Pinned();
    std::sort(pinned.begin(), pinned.end());
    EXPECT_EQ(pinned, (Presets{{0, 5}, {0, 19}, {128, 0}}));

    const std::string events("\x00\xC0\x13\x00\x90\x3C\x64\x60\x80\x3C\x00", 11);
    const std::string track = events + std::string("\x00\xFF\x2F\x00", 4);
    std::string midi("MThd\0\0\0\x06\0\0\0\x01\0\x60MTrk\0\0\0", 21);
    midi += char(track.size());
    midi += track;
    const std::shared_ptr<const MidiSong> organ = MidiSong::Read(std::vector<char>(midi.begin(), midi.end()));
    ASSERT_TRUE(organ);
    synth->Play(organ, 1);
    EXPECT_EQ(synth->Pinned(), (Presets{{0, 19}}));
    std::vector<std::int16_t> buffer(2 * 1024);
    double energy = 0;
    for (int i = 0; i < 20; ++i) {
        synth->Render(buffer.data(), 1024);
        for (std::int16_t sample : buffer)
            energy += double(sample) * sample;
    }
    EXPECT_GT(energy, 0.0) << "it plays where it is rendered";
}

}  // namespace

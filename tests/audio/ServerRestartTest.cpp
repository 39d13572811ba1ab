#include "DiskMix.h"
#include "EventWait.h"
#include "audio/MciErrorBox.h"
#include "audio/MidiSequencer.h"
#include "audio/MixerOutput.h"
#include "NoticeReceiver.h"
#include "audio/OutputRecovery.h"
#include "PulseServer.h"
#include "audio/SoundLibrary.h"
#include "TestSounds.h"

#include <QElapsedTimer>

#include <SDL.h>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>

namespace {

// Half a second of the sink carries the song's A (and is not only the silence of
// a null sink).
bool SongHeard(const PulseServer& server) { return ToneAmplitude(server.Record(0.5), 440.0) > 100.0; }

class ServerRestartTest : public testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server_.Start());
        // Sixteen seconds of repeated A's: the restart comes early in the song.
        std::string events;
        for (int i = 0; i < 32; ++i)
            events += MidiNoteEvents(69);
        WriteMidiTrack(dir_.File("song.mid"), events);
        MciErrorBox::SetSink([](const std::string& text, const std::string&) { ADD_FAILURE() << text; });
    }

    void TearDown() override
    {
        MciErrorBox::SetSink({});
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    PulseServer server_;
    TempDir dir_;
};

TEST_P(ServerRestartTest, TheSongComesBackOnTheNewServerAndEnds)
{
    int reports = 0;
    OutputRecovery recovery([&] { ++reports; }, {std::chrono::milliseconds(100), std::chrono::seconds(30)});
    SoundLibrary effects;
    ASSERT_TRUE(effects.Init());
    NoticeReceiver window;
    MidiSequencer sequencer;
    ASSERT_TRUE(sequencer.OpenMidi(&window, dir_.File("song.mid"), "Sequencer"));
    ASSERT_TRUE(sequencer.PlayMidi());
    ASSERT_TRUE(WaitFor([&] { return server_.SinkInputs() == 1 && SongHeard(server_); }));

    QElapsedTimer sinceStop;
    sinceStop.start();
    server_.Stop(GetParam());
    ASSERT_TRUE(WaitFor([&] { return recovery.Lost(); })) << "the loss is noticed";
    const qint64 noticed = sinceStop.elapsed();
    ASSERT_TRUE(server_.Start());
    QElapsedTimer sinceStart;
    sinceStart.start();
    ASSERT_TRUE(WaitFor([&] { return !recovery.Lost() && server_.SinkInputs() == 1; }));
    const qint64 streamBack = sinceStart.elapsed();
    ASSERT_TRUE(WaitFor([&] { return SongHeard(server_); }));
    std::printf("loss noticed %lld ms after the stop; from the new server's answer: stream back %lld ms, "
                "song heard %lld ms\n",
                noticed, streamBack, sinceStart.elapsed());
    EXPECT_EQ(window.notices, 0) << "the song heard again is the one that was playing";

    ASSERT_TRUE(window.WaitForNotices(1));
    EXPECT_EQ(window.lastDeviceId, sequencer.MidiDeviceId());
    EXPECT_EQ(MixerOutput::Current()->holders, 2);
    EXPECT_EQ(reports, 0);
}

INSTANTIATE_TEST_SUITE_P(Signals, ServerRestartTest, testing::Values(SIGTERM, SIGKILL),
                         [](const auto& info) { return info.param == SIGTERM ? "Restarted" : "Killed"; });

}  // namespace

// Songs as the loading thread reads them: when each event sounds, what is refused,
// and how much of a song that piles notes up reaches the synthesizer.
#include "audio/MidiSong.h"

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <string>
#include <vector>

namespace {

std::string Big(std::uint32_t value, int bytes)
{
    std::string out;
    for (int i = bytes - 1; i >= 0; --i)
        out += char((value >> (8 * i)) & 0xFF);
    return out;
}

std::string VariableLength(std::uint32_t value)
{
    std::string out(1, char(value & 0x7F));
    while (value >>= 7)
        out.insert(out.begin(), char(0x80 | (value & 0x7F)));
    return out;
}

std::string Track(const std::string& events, bool ended = true)
{
    const std::string body = events + (ended ? std::string("\x00\xFF\x2F\x00", 4) : "");
    return "MTrk" + Big(std::uint32_t(body.size()), 4) + body;
}

std::vector<char> Song(const std::vector<std::string>& tracks, int format = 1, std::uint16_t division = 96)
{
    std::string midi = "MThd" + Big(6, 4) + Big(format, 2) + Big(std::uint32_t(tracks.size()), 2) + Big(division, 2);
    for (const std::string& track : tracks)
        midi += Track(track);
    return {midi.begin(), midi.end()};
}

std::string Bytes(std::initializer_list<int> values)
{
    std::string out;
    for (int v : values)
        out += char(v);
    return out;
}

std::vector<std::uint64_t> Times(const MidiSong& song)
{
    std::vector<std::uint64_t> times;
    for (const MidiSong::Event& event : song.Events())
        times.push_back(event.time);
    return times;
}

TEST(MidiSongTest, EventsSoundAtTheirTimeUnderTempoChangesAndTimecode)
{
    // 96 ticks a quarter: half a second at the starting tempo, then a quarter second
    // a quarter from a tempo change in the other track; the tracks merge in time.
    const std::vector<char> bytes = Song({Bytes({0x60, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90}),
                                          Bytes({0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0, 0x60, 0x90, 62, 100,
                                                 0x30, 62, 0})});
    const std::shared_ptr<const MidiSong> song = MidiSong::Read(bytes);
    ASSERT_TRUE(song);
    EXPECT_EQ(Times(*song), (std::vector<std::uint64_t>{0, 500'000, 750'000, 875'000}));
    EXPECT_EQ(song->Events()[3].status, 0x90) << "running status";
    EXPECT_EQ(song->Events()[3].data2, 0) << "a note on of velocity 0 ends the note";
    EXPECT_EQ(song->Length(), 875'000u);

    // 25 frames of 40 ticks a second: a millisecond a tick, whatever the tempo says.
    const std::shared_ptr<const MidiSong> timecode = MidiSong::Read(
        Song({Bytes({0x00, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40, 0x83, 0x74, 0x90, 60, 100})}, 0, 0xE728));
    ASSERT_TRUE(timecode);
    EXPECT_EQ(Times(*timecode), std::vector<std::uint64_t>{500'000});
    // 29 stands for 29.97 frames a second.
    const std::shared_ptr<const MidiSong> drop = MidiSong::Read(Song({Bytes({0x81, 0x00, 0x90, 60, 100})}, 0, 0xE302));
    ASSERT_TRUE(drop);
    EXPECT_NEAR(double(drop->Events()[0].time), 128 * 1e6 / (29.97 * 2), 1.0);
}

TEST(MidiSongTest, FormatTwoAndTenThousandTracksPlayTogetherInTimeOrder)
{
    std::vector<std::string> tracks;
    for (int i = 0; i < 10'000; ++i)
        tracks.push_back(VariableLength(128 * (i % 3 + 1)) + Bytes({0x90, 40 + i % 40, 100}));  // 1 to 3 quarters in
    for (int format : {1, 2}) {
        const std::shared_ptr<const MidiSong> song = MidiSong::Read(Song(tracks, format, 128));
        ASSERT_TRUE(song) << format;
        const std::vector<std::uint64_t> times = Times(*song);
        ASSERT_EQ(times.size(), 3u * MidiSong::kMostNoteOnsPerWindow) << "each instant takes its share";
        EXPECT_TRUE(std::is_sorted(times.begin(), times.end()));
        EXPECT_EQ(times.front(), 500'000u);
        EXPECT_EQ(times.back(), 1'500'000u);
        EXPECT_EQ(song->Dropped(), 10'000 - times.size());
    }
}

TEST(MidiSongTest, NotesPiledOnOneInstantAreCappedPerWindowAndTheRestPlays)
{
    // A hundred thousand notes on the first tick, then a chord and its end later on.
    std::string events;
    for (int i = 0; i < 100'000; ++i)
        events += Bytes({0x00, 0x90, 20 + i % 90, 100});
    events += Bytes({0x00, 0xB0, 7, 100});  // past the note cap, within the event cap
    events += Bytes({0x60, 0x90, 60, 100, 0x00, 0x90, 64, 100, 0x60, 0x80, 60, 0, 0x00, 0x80, 64, 0});
    const std::shared_ptr<const MidiSong> song = MidiSong::Read(Song({events}, 0));
    ASSERT_TRUE(song);
    std::map<std::uint64_t, int> noteOns;
    std::map<std::uint64_t, int> all;
    for (const MidiSong::Event& event : song->Events()) {
        ++all[event.time / MidiSong::kWindow];
        noteOns[event.time / MidiSong::kWindow] += (event.status & 0xF0) == 0x90 && event.data2 > 0;
    }
    EXPECT_EQ(noteOns[0], MidiSong::kMostNoteOnsPerWindow);
    EXPECT_EQ(all[0], MidiSong::kMostNoteOnsPerWindow + 1) << "the controller still counts";
    EXPECT_EQ(song->Dropped(), 100'000u - MidiSong::kMostNoteOnsPerWindow);
    EXPECT_EQ(song->Events().size(), std::size_t(MidiSong::kMostNoteOnsPerWindow) + 5) << "the later chord is whole";
    EXPECT_EQ(song->Length(), 1'000'000u);

    // Other events are capped too: a flood of controllers costs the synthesizer as much.
    std::string controllers;
    for (int i = 0; i < 10'000; ++i)
        controllers += Bytes({0x00, 0xB0, 1, i % 128});
    const std::shared_ptr<const MidiSong> flood = MidiSong::Read(Song({controllers}, 0));
    ASSERT_TRUE(flood);
    EXPECT_EQ(flood->Events().size(), std::size_t(MidiSong::kMostEventsPerWindow));

    // A reset of the whole synthesizer costs it as much as 64 events (General MIDI on).
    std::string resets;
    for (int i = 0; i < 100; ++i)
        resets += Bytes({0x00, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7, 0x00, 0xF0, 0x03, 0x41, 0x10, 0xF7});
    const std::shared_ptr<const MidiSong> reset = MidiSong::Read(Song({resets}, 0));
    ASSERT_TRUE(reset);
    std::size_t kept = 0;
    for (const MidiSong::Event& event : reset->Events())
        kept += reset->SysexBytes(event).size() == 4;
    EXPECT_EQ(kept, std::size_t(MidiSong::kMostEventsPerWindow / 64 - 1)) << "beside the other messages taken";
}

TEST(MidiSongTest, MalformedSongsAreRefusedWholeAndTheReadGivesUpWhenAsked)
{
    const std::vector<char> good = Song({Bytes({0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0})});
    ASSERT_TRUE(MidiSong::Read(good));
    const auto refused = [](const std::vector<char>& bytes) { return MidiSong::Read(bytes) == nullptr; };
    EXPECT_TRUE(refused(Song({Bytes({0x00, 0x90, 60, 100})}, 0, 0))) << "division 0";
    EXPECT_TRUE(refused(Song({Bytes({0x00, 0x90, 60, 100})}, 0, 0xE700))) << "no ticks a frame";
    EXPECT_TRUE(refused(Song({Bytes({0x00, 0x90, 60, 100})}, 3))) << "format 3";
    EXPECT_TRUE(refused(Song({Bytes({0x00, 60, 100})}))) << "data before any status";
    EXPECT_TRUE(refused(Song({Bytes({0x00, 0x90, 60, 0xE4})}))) << "a data byte with its top bit";
    EXPECT_TRUE(refused(Song({Bytes({0x00, 0xF8})}))) << "a real-time message";
    EXPECT_TRUE(refused(Song({Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x90, 60, 100})}))) << "a delta of five bytes";
    EXPECT_TRUE(refused(Song({Bytes({0x00, 0xFF, 0x01, 0x40, 'a'})}))) << "a meta event past the track's end";
    // A track cut short inside an event, with no end of track to say where it stops.
    std::string cut = "MThd" + Big(6, 4) + Big(0, 2) + Big(1, 2) + Big(96, 2) + Track(Bytes({0x00, 0x90, 60}), false);
    EXPECT_TRUE(refused(std::vector<char>(cut.begin(), cut.end())));
    // Chunks of other kinds are passed over; bytes after the end of track are not the track's.
    std::string extra = "MThd" + Big(6, 4) + Big(0, 2) + Big(1, 2) + Big(96, 2) + "XFIL" + Big(3, 4) + "abc"
                        + Track(Bytes({0x00, 0x90, 60, 100, 0x00, 0xFF, 0x2F, 0x00, 0x12, 0x34}));
    const std::shared_ptr<const MidiSong> skipped = MidiSong::Read(std::vector<char>(extra.begin(), extra.end()));
    ASSERT_TRUE(skipped);
    EXPECT_EQ(skipped->Events().size(), 1u);

    const std::atomic<bool> cancel{true};
    EXPECT_EQ(MidiSong::Read(good, &cancel), nullptr);
}

TEST(MidiSongTest, SysexAndTheInstrumentsTheSongSelectsAreKept)
{
    const std::vector<char> bytes = Song({
        Bytes({0x00, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7,  // general MIDI on, its F7 taken off
               0x00, 0xF0, 0x02, 0x43, 0x10,  // continued later: kept as it stands
               0x00, 0xF7, 0x01, 0xF7,  // a continuation carries nothing of its own
               0x00, 0xB1, 0x00, 0x08, 0x00, 0xC1, 0x13,  // bank 8, organ
               0x00, 0xC9, 0x10,  // the drums take their kit from bank 128
               0x00, 0x92, 60, 100,  // a channel played as it was reset: piano
               0x00, 0xC3, 0x05}),  // selected without a note: still loaded when selected
    });
    const std::shared_ptr<const MidiSong> song = MidiSong::Read(bytes);
    ASSERT_TRUE(song);
    ASSERT_GE(song->Events().size(), 2u);
    EXPECT_EQ(song->SysexBytes(song->Events()[0]), std::string_view("\x7E\x7F\x09\x01", 4));
    EXPECT_EQ(song->SysexBytes(song->Events()[1]), std::string_view("\x43\x10", 2));
    EXPECT_EQ(song->Presets(), (std::vector<MidiSong::Preset>{{0, 0}, {0, 5}, {8, 19}, {128, 16}}));

    std::string huge(MidiSong::kLongestSysex + 2, '\x01');
    huge.back() = char(0xF7);
    const std::shared_ptr<const MidiSong> big =
        MidiSong::Read(Song({Bytes({0x00, 0xF0}) + VariableLength(std::uint32_t(huge.size())) + huge + Bytes({0x00, 0x90, 60, 100})}));
    ASSERT_TRUE(big) << "a message too long for any synthesizer is passed over";
    ASSERT_EQ(big->Events().size(), 1u);
    EXPECT_EQ(big->Events()[0].status, 0x90);
}

}  // namespace

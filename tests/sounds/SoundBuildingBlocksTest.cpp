// The generator's parts that the songs and effects are built from, checked where a slip would
// not show in the output's framing: note names, bar counting, chord spelling, event order.
#include "AudioBuffer.h"
#include "Chord.h"
#include "MidiFile.h"
#include "NoteText.h"
#include "StandardMidiReader.h"
#include "Voice.h"
#include "WavFile.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(NoteText, NamesOctavesAndBarLines)
{
    EXPECT_EQ(NoteText::key("C4"), 60);
    EXPECT_EQ(NoteText::key("A4"), 69);
    EXPECT_EQ(NoteText::key("F#5"), 78);
    EXPECT_EQ(NoteText::key("Bb3"), 58);
    EXPECT_EQ(NoteText::key("Cb5"), 71);
    EXPECT_THROW(NoteText::key("H4"), std::invalid_argument);
    EXPECT_THROW(NoteText::key("C"), std::invalid_argument);

    const std::vector<MelodyNote> notes = NoteText::parse("D5:1.5 E5:0.5 r:1 F#5+A5:1 | G5:4 |", 4);
    ASSERT_EQ(notes.size(), 4u);
    EXPECT_DOUBLE_EQ(notes[2].beat, 3.0);
    EXPECT_EQ(notes[2].keys, (std::vector<int>{78, 81}));
    EXPECT_FALSE(notes[0].phraseEnd);
    EXPECT_TRUE(notes[1].phraseEnd) << "a rest follows";
    EXPECT_TRUE(notes[3].phraseEnd);
    // A bar one eighth short is caught where it is written.
    EXPECT_THROW(NoteText::parse("D5:1.5 E5:0.5 F#5:1.5 | G5:4", 4), std::invalid_argument);
    EXPECT_THROW(NoteText::parse("D5:0 | ", 4), std::invalid_argument);
}

TEST(Chord, SpellingSlashBassAndSmoothVoicing)
{
    const Chord c = Chord::parse("F#m7/A");
    EXPECT_EQ(c.root(), 6);
    EXPECT_EQ(c.bass(), 9);
    EXPECT_EQ(c.bassKey(38), 45);
    EXPECT_EQ(c.tonesFrom(60, 4), (std::vector<int>{61, 64, 66, 69}));
    EXPECT_THROW(Chord::parse("Dxyz"), std::invalid_argument);

    // From C E G, F major moves by the least: C F A, not F A C.
    const std::vector<int> f = Chord::parse("F").closestVoicing({60, 64, 67}, 55, 66, 3);
    EXPECT_EQ(f, (std::vector<int>{60, 65, 69}));

    const std::vector<ChordSpan> bars = ChordChart::parse("D | Em A7 | D", 4);
    ASSERT_EQ(bars.size(), 4u);
    EXPECT_DOUBLE_EQ(bars[2].beat, 6.0);
    EXPECT_DOUBLE_EQ(bars[2].beats, 2.0);
    EXPECT_DOUBLE_EQ(ChordChart::beats("D | Em A7 | D", 4), 12.0);
}

TEST(MidiFile, RestruckKeysAreNotCutAndLengthsRoundTrip)
{
    MidiFile file(480);
    file.conductor().tempo(0, 60.0);
    MidiTrack& t = file.addTrack();
    t.program(0, 2, 8);
    // The same key ends and starts again at tick 480: the release must come first, or a player
    // would silence the second note at once.
    t.note(0, 480, 2, 72, 90);
    t.note(480, 200000, 2, 72, 90);  // a length that needs a three-byte delta
    const std::vector<std::uint8_t> bytes = file.bytes();
    const MidiSummary s = StandardMidiReader::read(bytes);
    EXPECT_EQ(s.trackCount, 2);
    EXPECT_EQ(s.notes, 2);
    EXPECT_EQ(s.unmatchedNoteOffs, 0);
    EXPECT_EQ(s.notesLeftOn, 0);
    EXPECT_EQ(s.lastTick, 200480u);
    EXPECT_NEAR(s.seconds, 200480.0 / 480.0, 1e-9);
    EXPECT_THROW(t.note(0, 10, 16, 60, 90), std::out_of_range);
}

TEST(AudioBuffer, LevellingFadingAndWavFraming)
{
    AudioBuffer b(0.1);
    Strike s;
    s.frequency = 1000.0;
    Voice::strike(b, s, {{1.0, 1.0, 1.0}});
    b.levelPeakTo(-6.0);
    EXPECT_NEAR(b.peak(), 0.501, 0.001);
    EXPECT_DOUBLE_EQ(b.left(0), 0.0) << "the attack starts from silence";
    b.fadeOut(0.02);
    EXPECT_DOUBLE_EQ(b.left(b.frames() - 1), 0.0);
    EXPECT_DOUBLE_EQ(b.right(b.frames() - 1), 0.0);

    const std::vector<std::uint8_t> wav = WavFile::encode(b);
    ASSERT_EQ(wav.size(), 44u + 4u * b.frames());
    EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF");
    EXPECT_EQ(wav[22], 2);  // channels
    EXPECT_EQ(wav[24] | (wav[25] << 8) | (wav[26] << 16), 44100);
    EXPECT_EQ(wav[34], 16);  // bits per sample
}

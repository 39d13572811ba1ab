#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A standard MIDI file read whole into the events a synthesizer plays, each at the
// time from the song's start when it sounds, the tempo changes already applied and
// the tracks merged. Reading happens on the loading thread, so that the audio thread
// only hands ready events to the synthesizer, at most a bounded number per buffer:
// a song may pile any number of notes onto one instant, and a synthesizer that took
// them all would spend seconds on one buffer while the sound stops.
class MidiSong {
public:
    // One channel message, or a system exclusive message whose bytes (without F0 and
    // the closing F7) are SysexBytes(event).
    struct Event {
        std::uint64_t time;  // microseconds from the start
        std::uint8_t status;
        std::uint8_t data1;
        std::uint8_t data2;
        std::uint32_t sysex;  // for F0: which of the song's sysex messages
    };

    // A bank and program that the song selects, or sounds with untouched: the
    // instruments the synthesizer should have ready before the song starts.
    struct Preset {
        int bank;
        int program;
        bool operator<(const Preset& other) const
        {
            return bank != other.bank ? bank < other.bank : program < other.program;
        }
        bool operator==(const Preset& other) const { return bank == other.bank && program == other.program; }
    };

    // The events within one such stretch of time are capped: the cap is far above
    // what music plays (every key of a piano struck at once is 88 notes), and far
    // below what costs a synthesizer a buffer's time.
    static constexpr std::uint64_t kWindow = 20'000;  // microseconds
    static constexpr int kMostNoteOnsPerWindow = 128;
    static constexpr int kMostEventsPerWindow = 512;
    // A system exclusive message longer than this is no setting a synthesizer takes.
    static constexpr std::size_t kLongestSysex = 4096;
    // Times are held to this (about a day and a half): a longer song has stopped
    // being music, and later times could overflow a frame count.
    static constexpr std::uint64_t kLatestTime = std::uint64_t(1) << 37;

    // The song in bytes, or none when they are not a standard MIDI file: a header of
    // format 0 to 2 with at least one track and a time division, as many complete
    // track chunks, and well-formed events in each. A read of millions of events takes
    // a second: it gives up, with none, soon after `cancel` is set.
    static std::shared_ptr<const MidiSong> Read(const std::vector<char>& bytes,
                                                const std::atomic<bool>* cancel = nullptr);

    const std::vector<Event>& Events() const { return events_; }
    const std::vector<Preset>& Presets() const { return presets_; }
    // The bytes of an F0 event's message.
    std::string_view SysexBytes(const Event& event) const;
    // The time of the last event, tempo changes and track ends included.
    std::uint64_t Length() const { return length_; }
    // Events left out for coming too many at once.
    std::size_t Dropped() const { return dropped_; }

private:
    std::vector<Event> events_;
    std::vector<Preset> presets_;
    std::string sysex_;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> sysexSpans_;  // offset, length
    std::uint64_t length_ = 0;
    std::size_t dropped_ = 0;
};

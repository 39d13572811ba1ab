#include "audio/MidiSong.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <set>

namespace {

constexpr std::uint8_t kMeta = 0xFF;
constexpr std::uint8_t kTempo = 0x51;
constexpr std::uint8_t kEndOfTrack = 0x2F;
constexpr int kDrumChannel = 9;
constexpr int kDrumBank = 128;

// An event as a track holds it, at its tick; tempo changes and track ends are kept as
// meta events (data1 their type, extra the tempo) until the times are worked out.
struct TrackEvent {
    std::uint64_t tick;
    std::uint8_t status;
    std::uint8_t data1;
    std::uint8_t data2;
    std::uint32_t extra;
};

// How often a long read looks whether it should give up.
constexpr std::size_t kCancelCheck = 1 << 16;

bool Cancelled(const std::atomic<bool>* cancel, std::size_t count)
{
    return cancel != nullptr && count % kCancelCheck == 0 && cancel->load(std::memory_order_relaxed);
}

std::uint32_t BigEndian(const std::uint8_t* at, int length)
{
    std::uint32_t value = 0;
    for (int i = 0; i < length; ++i)
        value = (value << 8) | at[i];
    return value;
}

// Walks one track chunk's bytes; every read says whether the bytes held out.
class TrackBytes {
public:
    TrackBytes(const std::uint8_t* begin, const std::uint8_t* end) : at_(begin), end_(end) {}

    bool AtEnd() const { return at_ == end_; }
    bool Byte(std::uint8_t& value)
    {
        if (at_ == end_)
            return false;
        value = *at_++;
        return true;
    }
    bool Peek(std::uint8_t& value) const
    {
        if (at_ == end_)
            return false;
        value = *at_;
        return true;
    }
    // A variable-length quantity: at most four bytes, as the format allows.
    bool Number(std::uint32_t& value)
    {
        value = 0;
        for (int i = 0; i < 4; ++i) {
            std::uint8_t byte = 0;
            if (!Byte(byte))
                return false;
            value = (value << 7) | (byte & 0x7F);
            if ((byte & 0x80) == 0)
                return true;
        }
        return false;
    }
    bool Span(std::uint32_t length, const std::uint8_t*& data)
    {
        if (std::size_t(end_ - at_) < length)
            return false;
        data = at_;
        at_ += length;
        return true;
    }

private:
    const std::uint8_t* at_;
    const std::uint8_t* end_;
};

int DataBytes(std::uint8_t status)
{
    const int kind = status & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

// General MIDI on or off, a GS reset, XG on: each resets every channel and voice,
// which costs the synthesizer as much as dozens of notes (80 us here).
int SysexCost(const std::uint8_t* body, std::uint32_t length)
{
    constexpr int kResetCost = 64;
    const bool gm = length >= 3 && body[0] == 0x7E && body[2] == 0x09;
    const bool gs = length >= 7 && body[0] == 0x41 && body[2] == 0x42 && body[3] == 0x12 && body[4] == 0x40
                    && body[5] == 0x00 && body[6] == 0x7F;
    const bool xg = length >= 6 && body[0] == 0x43 && (body[1] & 0xF0) == 0x10 && body[2] == 0x4C && body[3] == 0
                    && body[4] == 0 && body[5] == 0x7E;
    return gm || gs || xg ? kResetCost : 1;
}

// Counts the events of one stretch of time (a window, or one tick of one track) as
// they come in time order, and says which are within its share.
class EventBudget {
public:
    // `cost` in events: a reset of the whole synthesizer costs it many.
    bool Take(std::uint64_t stretch, bool noteOn, int cost = 1)
    {
        if (stretch != stretch_) {
            stretch_ = stretch;
            events_ = 0;
            noteOns_ = 0;
        }
        if (events_ + cost > MidiSong::kMostEventsPerWindow || (noteOn && noteOns_ >= MidiSong::kMostNoteOnsPerWindow))
            return false;
        events_ += cost;
        noteOns_ += noteOn ? 1 : 0;
        return true;
    }

private:
    std::uint64_t stretch_ = ~std::uint64_t(0);
    int events_ = 0;
    int noteOns_ = 0;
};

// The track's events appended to `events`; its system exclusive messages to `sysex`.
// False when the track is not well formed.
bool ReadTrack(TrackBytes track, std::vector<TrackEvent>& events, std::string& sysex,
               std::vector<std::pair<std::uint32_t, std::uint32_t>>& spans, std::size_t& dropped,
               const std::atomic<bool>* cancel)
{
    std::uint64_t tick = 0;
    std::uint8_t running = 0;
    // Events of one tick past a window's share can never be played: they are not kept
    // even until the tracks are merged.
    EventBudget budget;
    for (std::size_t count = 0; !track.AtEnd(); ++count) {
        if (Cancelled(cancel, count))
            return false;
        std::uint32_t delta = 0;
        std::uint8_t status = 0;
        if (!track.Number(delta) || !track.Peek(status))
            return false;
        tick += delta;
        if (status & 0x80)
            track.Byte(status);
        else if (running == 0)
            return false;
        else
            status = running;

        if (status < 0xF0) {
            running = status;
            std::array<std::uint8_t, 2> data{};
            for (int i = 0; i < DataBytes(status); ++i) {
                if (!track.Byte(data[i]) || (data[i] & 0x80))
                    return false;
            }
            if (budget.Take(tick, (status & 0xF0) == 0x90 && data[1] > 0))
                events.push_back({tick, status, data[0], data[1], 0});
            else
                ++dropped;
        } else if (status == 0xF0 || status == 0xF7) {
            std::uint32_t length = 0;
            const std::uint8_t* data = nullptr;
            if (!track.Number(length) || !track.Span(length, data))
                return false;
            // A continuation (F7) or an escape carries no whole message of its own.
            const std::uint32_t body = length > 0 && data[length - 1] == 0xF7 ? length - 1 : length;
            if (status == 0xF0 && body > 0 && body <= MidiSong::kLongestSysex) {
                if (!budget.Take(tick, false, SysexCost(data, body))) {
                    ++dropped;
                    continue;
                }
                events.push_back({tick, status, 0, 0, std::uint32_t(spans.size())});
                spans.emplace_back(std::uint32_t(sysex.size()), body);
                sysex.append(reinterpret_cast<const char*>(data), body);
            }
        } else if (status == kMeta) {
            std::uint8_t type = 0;
            std::uint32_t length = 0;
            const std::uint8_t* data = nullptr;
            if (!track.Byte(type) || !track.Number(length) || !track.Span(length, data))
                return false;
            if (type == kTempo && length >= 3)
                events.push_back({tick, kMeta, kTempo, 0, BigEndian(data, 3)});
            if (type == kEndOfTrack) {
                events.push_back({tick, kMeta, kEndOfTrack, 0, 0});
                return true;  // what follows is not the track's
            }
        } else {
            return false;  // real-time and common messages have no place in a file
        }
    }
    return true;
}

// Microseconds a tick lasts under the division: ticks a quarter note (at the
// tempo), or frames a second times ticks a frame.
class TickClock {
public:
    static std::optional<TickClock> ForDivision(std::uint32_t division)
    {
        if (division == 0)
            return std::nullopt;
        if ((division & 0x8000) == 0)
            return TickClock(division, 0.0);
        const int frames = 256 - int(division >> 8);  // stored negated
        const int ticks = int(division & 0xFF);
        if (ticks == 0)
            return std::nullopt;
        const double perSecond = frames == 29 ? 29.97 : double(frames);
        return TickClock(0, 1e6 / (perSecond * ticks));
    }

    // Tempo is microseconds a quarter note; timecode ignores it.
    void SetTempo(std::uint32_t tempo)
    {
        if (quarter_ != 0)
            tick_ = double(tempo) / quarter_;
    }
    double Tick() const { return tick_; }

private:
    TickClock(std::uint32_t quarter, double tick) : quarter_(quarter), tick_(tick)
    {
        SetTempo(500'000);  // 120 beats a minute until told otherwise
    }

    std::uint32_t quarter_;
    double tick_;
};

// The instrument each channel plays, as bank selects and program changes set it.
class ChannelPresets {
public:
    void Follow(const MidiSong::Event& event)
    {
        const int channel = event.status & 0x0F;
        switch (event.status & 0xF0) {
        case 0xB0:
            if (event.data1 == 0)
                bank_[channel] = event.data2;
            break;
        case 0xC0:
            program_[channel] = event.data1;
            Note(channel);
            break;
        case 0x90:
            if (event.data2 > 0)
                Note(channel);
            break;
        default:
            break;
        }
    }
    std::vector<MidiSong::Preset> Used() const { return {used_.begin(), used_.end()}; }

private:
    void Note(int channel)
    {
        used_.insert({channel == kDrumChannel ? kDrumBank : bank_[channel], program_[channel]});
    }

    std::array<int, 16> bank_{};
    std::array<int, 16> program_{};
    std::set<MidiSong::Preset> used_;
};

}  // namespace

std::string_view MidiSong::SysexBytes(const Event& event) const
{
    if (event.status != 0xF0 || event.sysex >= sysexSpans_.size())
        return {};
    const auto& [offset, length] = sysexSpans_[event.sysex];
    return std::string_view(sysex_).substr(offset, length);
}

std::shared_ptr<const MidiSong> MidiSong::Read(const std::vector<char>& bytes, const std::atomic<bool>* cancel)
{
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const std::size_t size = bytes.size();
    if (size < 14 || std::memcmp(data, "MThd", 4) != 0)
        return nullptr;
    const std::uint32_t headerLength = BigEndian(data + 4, 4);
    std::uint32_t tracks = BigEndian(data + 10, 2);
    std::optional<TickClock> clock = TickClock::ForDivision(BigEndian(data + 12, 2));
    if (headerLength < 6 || BigEndian(data + 8, 2) > 2 || tracks == 0 || !clock || headerLength > size - 8)
        return nullptr;

    auto song = std::make_shared<MidiSong>();
    std::vector<TrackEvent> events;
    for (std::size_t at = 8 + std::size_t(headerLength); tracks > 0;) {
        if (size - at < 8)
            return nullptr;
        const std::size_t length = BigEndian(data + at + 4, 4);
        if (length > size - at - 8)
            return nullptr;
        // Chunks of other kinds are passed over, as the format asks.
        if (std::memcmp(data + at, "MTrk", 4) == 0) {
            if (!ReadTrack(TrackBytes(data + at + 8, data + at + 8 + length), events, song->sysex_, song->sysexSpans_,
                           song->dropped_, cancel))
                return nullptr;
            --tracks;
        }
        at += 8 + length;
    }
    // The tracks play together; within one tick, in the order of the file.
    std::stable_sort(events.begin(), events.end(),
                     [](const TrackEvent& a, const TrackEvent& b) { return a.tick < b.tick; });

    double time = 0;
    std::uint64_t tick = 0;
    EventBudget budget;
    ChannelPresets presets;
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (Cancelled(cancel, i))
            return nullptr;
        const TrackEvent& event = events[i];
        time += double(event.tick - tick) * clock->Tick();
        tick = event.tick;
        const std::uint64_t at = std::min(std::uint64_t(std::min(time, double(kLatestTime))), kLatestTime);
        song->length_ = std::max(song->length_, at);
        if (event.status == kMeta) {
            if (event.data1 == kTempo)
                clock->SetTempo(event.extra);
            continue;
        }
        int cost = 1;
        if (event.status == 0xF0) {
            const auto& [offset, length] = song->sysexSpans_[event.extra];
            cost = SysexCost(reinterpret_cast<const std::uint8_t*>(song->sysex_.data()) + offset, length);
        }
        if (!budget.Take(at / kWindow, (event.status & 0xF0) == 0x90 && event.data2 > 0, cost)) {
            ++song->dropped_;
            continue;
        }
        song->events_.push_back({at, event.status, event.data1, event.data2, event.extra});
        presets.Follow(song->events_.back());
    }
    song->presets_ = presets.Used();
    return song;
}

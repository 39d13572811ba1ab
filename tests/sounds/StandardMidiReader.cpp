#include "StandardMidiReader.h"

#include <algorithm>
#include <map>
#include <stdexcept>

namespace {

class Cursor {
public:
    Cursor(const std::vector<std::uint8_t>& b, std::size_t at, std::size_t end) : b_(b), at_(at), end_(end) {}

    bool atEnd() const { return at_ >= end_; }
    std::size_t position() const { return at_; }
    std::uint8_t byte()
    {
        if (at_ >= end_)
            throw std::runtime_error("read past the end of a chunk");
        return b_[at_++];
    }
    std::uint32_t big(int n)
    {
        std::uint32_t v = 0;
        while (n-- > 0)
            v = (v << 8) | byte();
        return v;
    }
    std::uint32_t variable()
    {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint8_t c = byte();
            v = (v << 7) | (c & 0x7F);
            if (!(c & 0x80))
                return v;
        }
        throw std::runtime_error("variable-length number longer than four bytes");
    }
    void skip(std::uint32_t n)
    {
        if (n > end_ - at_)
            throw std::runtime_error("event runs past the end of its chunk");
        at_ += n;
    }

private:
    const std::vector<std::uint8_t>& b_;
    std::size_t at_;
    std::size_t end_;
};

struct TempoChange {
    std::uint32_t tick;
    std::uint32_t microsPerQuarter;
};

void readTrack(Cursor& c, MidiSummary& s, std::vector<TempoChange>& tempi)
{
    std::uint32_t tick = 0;
    std::uint8_t running = 0;
    std::map<int, int> sounding;  // channel * 128 + key -> count
    bool ended = false;
    while (!c.atEnd()) {
        if (ended)
            throw std::runtime_error("events after end-of-track");
        tick += c.variable();
        std::uint8_t status = c.byte();
        if (status == 0xFF) {
            const std::uint8_t type = c.byte();
            const std::uint32_t length = c.variable();
            if (type == 0x51) {
                if (length != 3)
                    throw std::runtime_error("tempo event of wrong length");
                tempi.push_back({tick, c.big(3)});
                ++s.tempoEvents;
            } else {
                if (type == 0x2F && length != 0)
                    throw std::runtime_error("end-of-track with data");
                ended = type == 0x2F;
                c.skip(length);
            }
            continue;
        }
        if (status == 0xF0 || status == 0xF7) {
            running = 0;
            c.skip(c.variable());
            continue;
        }
        int d1 = 0;
        if (status < 0x80) {
            if (!running)
                throw std::runtime_error("running status without a status byte");
            d1 = status;
            status = running;
        } else {
            if (status > 0xEF)
                throw std::runtime_error("system message inside a track");
            running = status;
            d1 = c.byte();
        }
        const int kind = status & 0xF0;
        const int channel = status & 0x0F;
        s.channels.insert(channel);
        const int d2 = (kind == 0xC0 || kind == 0xD0) ? 0 : c.byte();
        if (d1 > 127 || d2 > 127)
            throw std::runtime_error("data byte above 127");
        if (kind == 0xC0)
            s.programs.insert(d1);
        const int slot = channel * 128 + d1;
        if (kind == 0x90 && d2 > 0) {
            ++sounding[slot];
            ++s.notes;
            s.lowestKey = std::min(s.lowestKey, d1);
            s.highestKey = std::max(s.highestKey, d1);
        } else if (kind == 0x80 || kind == 0x90) {
            if (sounding[slot] == 0)
                ++s.unmatchedNoteOffs;
            else
                --sounding[slot];
        }
    }
    if (!ended)
        throw std::runtime_error("track without end-of-track");
    for (const auto& entry : sounding)
        s.notesLeftOn += entry.second;
    s.lastTick = std::max(s.lastTick, tick);
}

double secondsTo(std::uint32_t lastTick, std::vector<TempoChange> tempi, int division)
{
    std::stable_sort(tempi.begin(), tempi.end(),
                     [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
    double seconds = 0.0;
    std::uint32_t tick = 0;
    std::uint32_t micros = 500000;  // the standard's default, 120 beats a minute
    for (const TempoChange& t : tempi) {
        if (t.tick >= lastTick)
            break;
        seconds += double(t.tick - tick) * micros / division / 1e6;
        tick = t.tick;
        micros = t.microsPerQuarter;
    }
    return seconds + double(lastTick - tick) * micros / division / 1e6;
}

}  // namespace

namespace StandardMidiReader {

MidiSummary read(const std::vector<std::uint8_t>& bytes)
{
    MidiSummary s;
    Cursor header(bytes, 0, bytes.size());
    if (header.big(4) != 0x4D546864 || header.big(4) != 6)
        throw std::runtime_error("no MThd chunk of length 6");
    s.format = int(header.big(2));
    const int declared = int(header.big(2));
    s.division = int(header.big(2));
    if (s.format > 1 || s.division <= 0 || s.division >= 0x8000)
        throw std::runtime_error("unexpected format or division");
    std::vector<TempoChange> tempi;
    std::size_t at = header.position();
    while (at < bytes.size()) {
        Cursor chunk(bytes, at, bytes.size());
        const std::uint32_t id = chunk.big(4);
        const std::uint32_t length = chunk.big(4);
        if (length > bytes.size() - chunk.position())
            throw std::runtime_error("chunk longer than the file");
        if (id == 0x4D54726B) {
            Cursor track(bytes, chunk.position(), chunk.position() + length);
            readTrack(track, s, tempi);
            ++s.trackCount;
        }
        at = chunk.position() + length;
    }
    if (s.trackCount != declared)
        throw std::runtime_error("track count differs from the header");
    s.seconds = secondsTo(s.lastTick, tempi, s.division);
    return s;
}

}  // namespace StandardMidiReader

#include "MidiFile.h"

#include "ByteSink.h"

#include <algorithm>

MidiFile::MidiFile(int ticksPerQuarter) : ticksPerQuarter_(ticksPerQuarter) { tracks_.emplace_back(); }

MidiTrack& MidiFile::addTrack() { return tracks_.emplace_back(); }

std::vector<std::uint8_t> MidiFile::bytes() const
{
    std::uint32_t end = 0;
    for (const MidiTrack& t : tracks_)
        end = std::max(end, t.lastTick());
    ByteSink out;
    out.text("MThd");
    out.be32(6);
    out.be16(1);
    out.be16(std::uint32_t(tracks_.size()));
    out.be16(std::uint32_t(ticksPerQuarter_));
    for (MidiTrack t : tracks_) {
        t.extendTo(end);
        out.append(t.chunk());
    }
    return out.bytes();
}

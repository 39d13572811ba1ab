#include "FuzzBodies.h"

#include "audio/SoundfontBytes.h"
#include "audio/SoundfontImage.h"
#include "audio/SoundfontRecords.h"
#include "audio/SoundfontSubset.h"

#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <string_view>

namespace {

using Records = SoundfontRecords;

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

std::set<MidiSong::Preset> PresetsOf(const Records& records)
{
    std::set<MidiSong::Preset> presets;
    for (std::size_t p = 0; p + 1 < records.Count(Records::kPresets); ++p)
        presets.insert({records.Word(Records::kPresets, p, Records::kBank),
                        records.Word(Records::kPresets, p, Records::kProgram)});
    return presets;
}

std::uint32_t Little32(std::string_view bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | std::uint8_t(bytes[at + i]);
    return value;
}

// The body of the third list of a soundfont that was cut, which must be the preset data.
std::string_view PresetData(std::string_view file)
{
    std::size_t at = 12;
    for (int list = 0; list < 2; ++list) {
        Require(at <= file.size() && file.size() - at >= 12);
        at += 8 + std::size_t(Little32(file, at + 4));
    }
    Require(at <= file.size() && file.size() - at >= 12 && file.substr(at, 4) == "LIST"
            && file.substr(at + 8, 4) == "pdta");
    const std::size_t size = Little32(file, at + 4);
    Require(size >= 4 && size <= file.size() - at - 8);
    return file.substr(at + 12, size - 4);
}

}  // namespace

// The input: a soundfont as the system may hold it, damaged or not, cut for a few
// presets (one of them named by the input's last bytes). A file that is cut must
// give an image that reads whole, is a RIFF of its own size, and whose preset data
// holds together and holds no preset the file did not.
void FuzzSoundfontInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::unique_ptr<SoundfontBytes> file = SoundfontBytes::InMemory(input);
    const int bank = size >= 2 ? data[size - 2] : 0;
    const int program = size >= 1 ? data[size - 1] & 0x7F : 0;
    const std::unique_ptr<SoundfontImage> image =
        SoundfontSubset::Make(*file, "fuzz.sf2", {{0, 19}, {128, 25}, {bank, program}});
    if (!image)
        return;
    std::string cut(image->Size(), '\0');
    Require(image->Read(*file, 0, cut.size(), cut.data()));
    Require(cut.size() >= 12 && Little32(cut, 4) == cut.size() - 8);
    Require(cut.compare(0, 4, "RIFF") == 0 && cut.compare(8, 4, "sfbk") == 0);
    const std::optional<Records> kept = Records::Parse(PresetData(cut));
    Require(kept.has_value());
    const std::optional<Records> all = Records::Parse(PresetData(input));
    Require(all.has_value());
    const std::set<MidiSong::Preset> before = PresetsOf(*all);
    for (const MidiSong::Preset& preset : PresetsOf(*kept))
        Require(before.count(preset) > 0);
}

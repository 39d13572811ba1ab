#include "NoteText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>

namespace {

// Splits at any of `separators`, dropping empty pieces.
std::vector<std::string_view> split(std::string_view text, std::string_view separators)
{
    std::vector<std::string_view> parts;
    std::size_t start = text.find_first_not_of(separators);
    while (start != std::string_view::npos) {
        const std::size_t end = std::min(text.find_first_of(separators, start), text.size());
        parts.push_back(text.substr(start, end - start));
        start = text.find_first_not_of(separators, end);
    }
    return parts;
}

[[noreturn]] void bad(std::string_view what, std::string_view token)
{
    throw std::invalid_argument(std::string(what) + ": \"" + std::string(token) + "\"");
}

double beatsOf(std::string_view token, std::string_view length)
{
    double v = 0.0;
    const auto [end, error] = std::from_chars(length.data(), length.data() + length.size(), v);
    if (error != std::errc() || end != length.data() + length.size() || v <= 0.0)
        bad("bad note length", token);
    return v;
}

// Semitones above C of the octave, before wrapping: Cb is -1, B# is 12.
int offsetInOctave(std::string_view name)
{
    static constexpr int kNatural[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    if (name.empty() || name[0] < 'A' || name[0] > 'G')
        bad("bad note name", name);
    int offset = kNatural[name[0] - 'A'];
    for (char c : name.substr(1)) {
        if (c == '#')
            ++offset;
        else if (c == 'b')
            --offset;
        else
            bad("bad note name", name);
    }
    return offset;
}

}  // namespace

namespace NoteText {

int pitchClass(std::string_view name) { return (offsetInOctave(name) + 12) % 12; }

int key(std::string_view name)
{
    const std::size_t digits = name.find_first_of("0123456789");
    if (digits == std::string_view::npos || digits == 0)
        bad("note needs an octave", name);
    int octave = 0;
    const auto [end, error] = std::from_chars(name.data() + digits, name.data() + name.size(), octave);
    if (error != std::errc() || end != name.data() + name.size())
        bad("bad octave", name);
    return 12 * (octave + 1) + offsetInOctave(name.substr(0, digits));
}

std::vector<MelodyNote> parse(std::string_view text, int beatsPerBar)
{
    std::vector<MelodyNote> notes;
    double beat = 0.0;
    for (std::string_view token : split(text, " \t\n")) {
        if (token == "|") {
            const double bars = beat / beatsPerBar;
            if (std::abs(bars - std::round(bars)) > 1e-9)
                bad("bar line off the bar after " + std::to_string(beat) + " beats", text.substr(0, 40));
            continue;
        }
        const std::size_t colon = token.find(':');
        if (colon == std::string_view::npos)
            bad("note needs a length", token);
        const double beats = beatsOf(token, token.substr(colon + 1));
        const std::string_view pitch = token.substr(0, colon);
        if (pitch == "r") {
            if (!notes.empty())
                notes.back().phraseEnd = true;
        } else {
            MelodyNote n{beat, beats, {}, beats >= 2.0};
            for (std::string_view name : split(pitch, "+"))
                n.keys.push_back(key(name));
            notes.push_back(std::move(n));
        }
        beat += beats;
    }
    if (!notes.empty())
        notes.back().phraseEnd = true;
    return notes;
}

}  // namespace NoteText

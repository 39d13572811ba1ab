#include "Chord.h"

#include "NoteText.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

const std::pair<std::string_view, std::vector<int>> kQualities[] = {
    {"", {0, 4, 7}},       {"m", {0, 3, 7}},     {"7", {0, 4, 7, 10}},   {"maj7", {0, 4, 7, 11}},
    {"m7", {0, 3, 7, 10}}, {"sus4", {0, 5, 7}},  {"sus2", {0, 2, 7}},    {"7sus4", {0, 5, 7, 10}},
    {"6", {0, 4, 7, 9}},   {"m6", {0, 3, 7, 9}}, {"add9", {0, 2, 4, 7}}, {"dim", {0, 3, 6}},
};

std::size_t nameLength(std::string_view s)
{
    std::size_t n = 1;
    while (n < s.size() && (s[n] == '#' || s[n] == 'b'))
        ++n;
    return n;
}

}  // namespace

Chord Chord::parse(std::string_view symbol)
{
    Chord c;
    std::string_view main = symbol;
    const std::size_t slash = symbol.find('/');
    if (slash != std::string_view::npos)
        main = symbol.substr(0, slash);
    if (main.empty())
        throw std::invalid_argument("empty chord symbol");
    const std::size_t n = nameLength(main);
    c.root_ = NoteText::pitchClass(main.substr(0, n));
    const std::string_view quality = main.substr(n);
    const auto known =
        std::find_if(std::begin(kQualities), std::end(kQualities), [&](const auto& q) { return q.first == quality; });
    if (known == std::end(kQualities))
        throw std::invalid_argument("unknown chord quality: \"" + std::string(symbol) + "\"");
    c.intervals_ = known->second;
    c.bass_ = slash == std::string_view::npos ? c.root_ : NoteText::pitchClass(symbol.substr(slash + 1));
    return c;
}

int Chord::bassKey(int lowest) const { return lowest + ((bass_ - lowest) % 12 + 12) % 12; }

bool Chord::contains(int key) const
{
    const int pc = (key % 12 + 12) % 12;
    return std::any_of(intervals_.begin(), intervals_.end(), [&](int i) { return (root_ + i) % 12 == pc; });
}

std::vector<int> Chord::tonesFrom(int lowest, int count) const
{
    std::vector<int> tones;
    for (int key = lowest; int(tones.size()) < count; ++key)
        if (contains(key))
            tones.push_back(key);
    return tones;
}

std::vector<int> Chord::closestVoicing(const std::vector<int>& previous, int lowest, int highest, int count) const
{
    std::vector<int> best;
    int bestCost = 0;
    for (int low = lowest; low <= highest; ++low) {
        if (!contains(low))
            continue;
        std::vector<int> candidate = tonesFrom(low, count);
        int cost = 0;
        for (std::size_t i = 0; i < previous.size() && i < candidate.size(); ++i)
            cost += std::abs(candidate[i] - previous[i]);
        if (previous.empty())
            cost = low - lowest;
        if (best.empty() || cost < bestCost) {
            best = std::move(candidate);
            bestCost = cost;
        }
    }
    return best.empty() ? tonesFrom(lowest, count) : best;
}

namespace ChordChart {

std::vector<ChordSpan> parse(std::string_view text, int beatsPerBar)
{
    std::vector<ChordSpan> spans;
    double barStart = 0.0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('|', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::vector<std::string_view> symbols;
        const std::string_view bar = text.substr(start, end - start);
        std::size_t at = bar.find_first_not_of(" \t\n");
        while (at != std::string_view::npos) {
            const std::size_t stop = std::min(bar.find_first_of(" \t\n", at), bar.size());
            symbols.push_back(bar.substr(at, stop - at));
            at = bar.find_first_not_of(" \t\n", stop);
        }
        if (symbols.empty())
            throw std::invalid_argument("empty bar in chord chart");
        const double share = double(beatsPerBar) / symbols.size();
        for (std::size_t i = 0; i < symbols.size(); ++i)
            spans.push_back({barStart + i * share, share, Chord::parse(symbols[i])});
        barStart += beatsPerBar;
        start = end + 1;
    }
    return spans;
}

double beats(std::string_view text, int beatsPerBar)
{
    const std::vector<ChordSpan> spans = parse(text, beatsPerBar);
    return spans.back().beat + spans.back().beats;
}

}  // namespace ChordChart

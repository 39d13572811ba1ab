#include "platform/ProfileText.h"

#include <algorithm>

namespace {

constexpr const char* Blanks = " \t";

std::string Trim(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string::npos)
        return {};
    const std::size_t last = text.find_last_not_of(Blanks);
    return text.substr(first, last - first + 1);
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size()
           && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

// "[ name ]" gives "name".
std::optional<std::string> SectionName(const std::string& line)
{
    const std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() != '[')
        return std::nullopt;
    const std::size_t close = trimmed.find(']');
    if (close == std::string::npos)
        return std::nullopt;
    return Trim(trimmed.substr(1, close - 1));
}

struct KeyLine {
    std::string key;
    std::string value;
};

std::optional<KeyLine> ParseKeyLine(const std::string& line)
{
    const std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';')
        return std::nullopt;
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string::npos)
        return std::nullopt;
    return KeyLine{Trim(trimmed.substr(0, equals)), Trim(trimmed.substr(equals + 1))};
}

}  // namespace

ProfileText::ProfileText(const std::string& fileBytes) : encoding_(ProfileEncoding::Of(fileBytes))
{
    const std::string bytes = encoding_.Decode(fileBytes);
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const bool last = end == std::string::npos;
        if (last)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines_.push_back(std::move(line));
        start = last ? end : end + 1;
    }
}

std::optional<ProfileText::Range> ProfileText::FindSection(const std::string& section) const
{
    const std::string wanted = Trim(section);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::optional<std::string> name = SectionName(lines_[i]);
        if (!name || !SameName(*name, wanted))
            continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && !SectionName(lines_[end]))
            ++end;
        return Range{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> ProfileText::FindKey(const Range& range, const std::string& key) const
{
    const std::string wanted = Trim(key);
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        const std::optional<KeyLine> parsed = ParseKeyLine(lines_[i]);
        if (parsed && SameName(parsed->key, wanted))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> ProfileText::Find(const std::string& section, const std::string& key) const
{
    std::optional<std::size_t> line;
    if (const std::optional<Range> range = FindSection(section))
        line = FindKey(*range, key);
    // Keys written with no section header above them (a file typed by hand) count
    // for the section they were meant for.
    if (!line)
        line = FindKey(Headerless(), key);
    if (!line)
        return std::nullopt;
    return ParseKeyLine(lines_[*line])->value;
}

ProfileText::Range ProfileText::Headerless() const
{
    std::size_t end = 0;
    while (end < lines_.size() && !SectionName(lines_[end]))
        ++end;
    // FindKey starts after the header line; there is none, so one before the first.
    return Range{std::size_t(-1), end};
}

void ProfileText::Set(const std::string& section, const std::string& key, const std::string& value)
{
    const std::optional<Range> range = FindSection(section);
    if (!range) {
        lines_.push_back("[" + Trim(section) + "]");
        lines_.push_back(Trim(key) + "=" + value);
        return;
    }
    if (const std::optional<std::size_t> line = FindKey(*range, key)) {
        lines_[*line] = ParseKeyLine(lines_[*line])->key + "=" + value;
        return;
    }
    // After the section's last non-blank line, so the blank lines that part it from
    // the next section stay where they are.
    std::size_t insertAt = range->end;
    while (insertAt > range->header + 1 && Trim(lines_[insertAt - 1]).empty())
        --insertAt;
    lines_.insert(lines_.begin() + std::ptrdiff_t(insertAt), Trim(key) + "=" + value);
}

std::string ProfileText::Bytes() const
{
    std::string text;
    for (const std::string& line : lines_)
        text += line + "\r\n";
    return encoding_.Encode(text);
}

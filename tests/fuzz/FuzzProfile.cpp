#include "FuzzBodies.h"

#include "platform/PrivateProfile.h"
#include "platform/ProfileText.h"
#include "platform/TIniFile.h"

#include <cstdlib>
#include <string>

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

const char* const Keys[] = {"PlayerName", "EnableSound", "EnableMusic", "RB2012", "RB1810", "RB168", "Song", "Scheme"};

// The first line of the input picks a section and a key to write, the rest is the file.
std::string LineAt(const std::string& bytes, std::size_t& at)
{
    const std::size_t end = bytes.find('\n', at);
    std::string line = bytes.substr(at, end == std::string::npos ? std::string::npos : end - at);
    at = end == std::string::npos ? bytes.size() : end + 1;
    return line;
}

}  // namespace

void FuzzProfileInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::size_t at = 0;
    const std::string key = LineAt(input, at);
    const std::string value = LineAt(input, at);
    const std::string file = input.substr(at);

    for (const char* name : Keys) {
        const std::string text = ProfileValue(file, "Options", name, "");
        Require(LimitedToCharacters(text) == text);
        int number = 0;
        TIniFile::ParseInteger(text, number);
    }
    int number = 0;
    TIniFile::ParseInteger(value, number);

    // A write of a usable key and value reads back as written, and leaves the
    // other keys' values as they were.
    ProfileText text(file);
    if (key.empty() || key.find_first_of("=[]; \t\r") != std::string::npos || value.find('\r') != std::string::npos
        || value.empty() || value.front() == ' ' || value.back() == ' ' || value.front() == '\t' || value.back() == '\t'
        || value.front() == '"')
        return;
    const std::string song = ProfileValue(file, "Options", "Song", "none");
    text.Set("Options", key, value);
    const std::string after = text.Bytes();
    Require(ProfileValue(after, "Options", key, "") == LimitedToCharacters(value));
    if (!ProfileText("[Options]\nSong=x").Find("Options", key))
        Require(ProfileValue(after, "Options", "Song", "none") == song);
    Require(ProfileText(after).Bytes() == after);
}

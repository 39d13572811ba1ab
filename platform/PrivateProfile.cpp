#include "platform/PrivateProfile.h"

#include "platform/ProfileText.h"
#include "platform/RegularFile.h"
#include "platform/SafeSave.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A UTF-8 sequence of well-formed lead and continuation bytes starting at text[at];
// its length, or 1 for a byte that starts none.
std::size_t CharacterLength(const std::string& text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0xC2 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 1;
    if (length == 1 || at + length > text.size())
        return 1;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80)
            return 1;
    return length;
}

std::string Unquoted(const std::string& value)
{
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

bool Blank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

// Names that would read back as something else once written are refused.
bool UsableNames(const std::string& section, const std::string& key, const std::string& value)
{
    if (Blank(section) || Blank(key) || !FitsOneLine(section) || !FitsOneLine(key) || !FitsOneLine(value))
        return false;
    const bool keyLooksLikeComment = key[key.find_first_not_of(" \t")] == ';';
    return section.find(']') == std::string::npos && key.find('=') == std::string::npos && !keyLooksLikeComment;
}

// A link is followed, so that the save replaces the file it points at, not the link.
}  // namespace

bool FitsOneLine(const std::string& text) { return text.find_first_of("\r\n") == std::string::npos; }

std::string LimitedToCharacters(const std::string& text)
{
    std::size_t at = 0;
    for (std::size_t count = 0; at < text.size() && count < ProfileValueLimit; ++count)
        at += CharacterLength(text, at);
    return at < text.size() ? text.substr(0, at) : text;
}

ProfileFile ReadProfileFile(const std::string& path)
{
    ProfileFile file;
    RegularFile in(path);
    // Up to one byte past the limit, so that a file that grows meanwhile is caught too.
    std::string bytes;
    if (!in.Read(bytes, ProfileFileLimit + 1))
        return file;
    if (bytes.size() > ProfileFileLimit) {
        file.tooLarge = true;
        return file;
    }
    file.bytes = std::move(bytes);
    file.found = true;
    return file;
}

std::string ProfileValue(const std::string& bytes, const std::string& section, const std::string& key,
                         const std::string& defaultValue)
{
    if (const std::optional<std::string> value = ProfileText(bytes).Find(section, key))
        return LimitedToCharacters(Unquoted(*value));
    const std::size_t end = defaultValue.find_last_not_of(" \t");
    return LimitedToCharacters(end == std::string::npos ? std::string() : defaultValue.substr(0, end + 1));
}

std::string GetPrivateProfileString(const std::string& section, const std::string& key, const std::string& defaultValue,
                                    const std::string& path)
{
    return ProfileValue(ReadProfileFile(path).bytes, section, key, defaultValue);
}

bool WritePrivateProfileString(const std::string& section, const std::string& key, const std::string& value,
                               const std::string& path)
{
    if (!UsableNames(section, key, value))
        return false;
    const std::string target = SaveTarget(path);
    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);
    // A path that cannot even be looked at (a loop of links, a folder we may not
    // enter) is no file to replace.
    if (ec && ec != std::errc::no_such_file_or_directory)
        return false;
    std::string bytes;
    if (fs::exists(status)) {
        // rename() would happily replace a file we may not write, so ask first.
        if (!MayReplace(target))
            return false;
        ProfileFile old = ReadProfileFile(target);
        if (!old.found)
            return false;
        bytes = std::move(old.bytes);
    }
    ProfileText text(bytes);
    text.Set(section, key, value);
    return SaveFileSafely(target, text.Bytes());
}

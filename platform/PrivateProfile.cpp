#include "PrivateProfile.h"

#include "ProfileText.h"
#include "SafeSave.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return bytes;
}

std::string Limited(std::string text)
{
    if (text.size() > ProfileValueLimit)
        text.resize(ProfileValueLimit);
    return text;
}

std::string Unquoted(const std::string& value)
{
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

bool HasLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

bool Blank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

// Names that would read back as something else once written are refused.
bool UsableNames(const std::string& section, const std::string& key, const std::string& value)
{
    if (Blank(section) || Blank(key) || HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value))
        return false;
    const bool keyLooksLikeComment = key[key.find_first_not_of(" \t")] == ';';
    return section.find(']') == std::string::npos && key.find('=') == std::string::npos && !keyLooksLikeComment;
}

// A link is followed, so that the save replaces the file it points at, not the link.
std::string WriteTarget(const std::string& path)
{
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(path, ec))) {
        const fs::path target = fs::weakly_canonical(path, ec);
        if (!ec)
            return target.string();
    }
    return path;
}

} // namespace

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& path)
{
    if (const std::optional<std::string> bytes = ReadWholeFile(path)) {
        if (const std::optional<std::string> value = ProfileText(*bytes).Find(section, key))
            return Limited(Unquoted(*value));
    }
    const std::size_t end = defaultValue.find_last_not_of(" \t");
    return Limited(end == std::string::npos ? std::string() : defaultValue.substr(0, end + 1));
}

bool WritePrivateProfileString(const std::string& section, const std::string& key, const std::string& value,
                               const std::string& path)
{
    if (!UsableNames(section, key, value))
        return false;
    const std::string target = WriteTarget(path);
    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);
    std::string bytes;
    if (fs::exists(status)) {
        // rename() would happily replace a file we may not write, so ask first.
        // A file without write bits is read-only for everyone, root included, as
        // a read-only file is on the system the settings format comes from.
        constexpr fs::perms anyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
        if (!fs::is_regular_file(status) || (status.permissions() & anyWrite) == fs::perms::none
            || ::access(target.c_str(), R_OK | W_OK) != 0)
            return false;
        const std::optional<std::string> old = ReadWholeFile(target);
        if (!old)
            return false;
        bytes = *old;
    }
    ProfileText text(bytes);
    text.Set(section, key, value);
    return SaveFileSafely(target, text.Bytes());
}

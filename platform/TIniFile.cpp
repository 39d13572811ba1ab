#include "platform/TIniFile.h"

#include "platform/FrameworkError.h"
#include "platform/PlayerText.h"
#include "platform/MessageBoxes.h"
#include "platform/PrivateProfile.h"
#include "platform/ProfileText.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <system_error>

namespace {

bool ParseHex(const std::string& digits, int& value)
{
    std::uint32_t parsed = 0;
    const char* end = digits.data() + digits.size();
    const auto [ptr, ec] = std::from_chars(digits.data(), end, parsed, 16);
    if (ec != std::errc() || ptr != end)
        return false;
    value = static_cast<int>(parsed);  // 0xFFFFFFFF is -1, as a 32-bit word would be
    return true;
}

bool ParseDecimal(const std::string& text, int& value)
{
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+') {
        ++begin;
        if (begin != end && *begin == '-')
            return false;  // one sign only
    }
    int parsed = 0;
    const auto [ptr, ec] = std::from_chars(begin, end, parsed, 10);
    if (ec != std::errc() || ptr != end || begin == end)
        return false;
    value = parsed;
    return true;
}

bool SameLetters(const std::string& text, const std::string& word)
{
    return text.size() == word.size() && std::equal(text.begin(), text.end(), word.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == b;
           });
}

std::string FullPath(const std::string& fileName)
{
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(fileName, ec);
    return ec ? fileName : full.string();
}

}  // namespace

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

bool TIniFile::ParseInteger(const std::string& text, int& value)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return ParseHex(text.substr(2), value);
    return ParseDecimal(text, value);
}

const std::string& TIniFile::Bytes() const
{
    if (!bytes_) {
        ProfileFile file = ReadProfileFile(fileName_);
        if (file.tooLarge)
            MessageBoxes::ShowMessage(PlayerText::Fill(
                QCoreApplication::translate("TIniFile", "The settings file %1 is larger than %2 KB and was not read; "
                                                        "the default settings are used."),
                {FullPath(fileName_), std::to_string(ProfileFileLimit / 1024)}));
        bytes_ = std::move(file.bytes);
    }
    return *bytes_;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& ident,
                                 const std::string& defaultValue) const
{
    return ProfileValue(Bytes(), section, ident, defaultValue);
}

int TIniFile::ReadInteger(const std::string& section, const std::string& ident, int defaultValue) const
{
    int value = defaultValue;
    return ParseInteger(ReadString(section, ident, ""), value) ? value : defaultValue;
}

bool TIniFile::ReadBool(const std::string& section, const std::string& ident, bool defaultValue) const
{
    // Written by hand, a switch is as often "true" as "1".
    const std::string text = ReadString(section, ident, "");
    for (const auto& [word, meaning] : {std::pair{"true", true}, std::pair{"false", false}})
        if (SameLetters(text, word))
            return meaning;
    int number = 0;
    return ParseInteger(text, number) ? number != 0 : defaultValue;
}

void TIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value) const
{
    if (!FitsOneLine(value))
        throw FrameworkError(PlayerText::Fill(
            QCoreApplication::translate("TIniFile", "Unable to write %1 to %2: the value holds a line break"),
            {ident, FullPath(fileName_)}));
    if (!WritePrivateProfileString(section, ident, value, fileName_))
        throw FrameworkError(
            PlayerText::Fill(QCoreApplication::translate("TIniFile", "Unable to write to %1"), {FullPath(fileName_)}));
    if (bytes_) {
        ProfileText text(*bytes_);
        text.Set(section, ident, value);
        bytes_ = text.Bytes();
    }
}

void TIniFile::WriteInteger(const std::string& section, const std::string& ident, int value) const
{
    WriteString(section, ident, std::to_string(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& ident, bool value) const
{
    WriteString(section, ident, value ? "1" : "0");
}

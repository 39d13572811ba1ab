#include "ProfileEncoding.h"

#include <QString>

namespace {

const std::string Utf8Mark = "\xEF\xBB\xBF";

bool StartsWith(const std::string& bytes, const char* mark) { return bytes.rfind(mark, 0) == 0; }

// Code units of UTF-16 bytes after the mark; an odd last byte is dropped.
std::u16string Utf16Units(const std::string& bytes, bool bigEndian)
{
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t at = 2; at + 1 < bytes.size(); at += 2) {
        const auto first = static_cast<unsigned char>(bytes[at]);
        const auto second = static_cast<unsigned char>(bytes[at + 1]);
        units.push_back(static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
    }
    return units;
}

}  // namespace

ProfileEncoding ProfileEncoding::Of(const std::string& bytes)
{
    if (StartsWith(bytes, Utf8Mark.c_str()))
        return ProfileEncoding(Form::Utf8);
    if (StartsWith(bytes, "\xFF\xFE"))
        return ProfileEncoding(Form::Utf16LittleEndian);
    if (StartsWith(bytes, "\xFE\xFF"))
        return ProfileEncoding(Form::Utf16BigEndian);
    return ProfileEncoding(Form::Plain);
}

std::string ProfileEncoding::Decode(const std::string& bytes) const
{
    switch (form_) {
    case Form::Plain:
        return bytes;
    case Form::Utf8:
        return bytes.substr(Utf8Mark.size());
    case Form::Utf16LittleEndian:
    case Form::Utf16BigEndian: {
        const std::u16string units = Utf16Units(bytes, form_ == Form::Utf16BigEndian);
        return QString::fromUtf16(units.data(), qsizetype(units.size())).toStdString();
    }
    }
    return bytes;
}

std::string ProfileEncoding::Encode(const std::string& text) const
{
    return form_ == Form::Plain ? text : Utf8Mark + text;
}

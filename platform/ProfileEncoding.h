#pragma once

#include <string>

// How the bytes of a settings file carry its text. Editors save INI files behind a
// UTF-8 byte-order mark, or as UTF-16 with one; the lines are read as UTF-8 all the
// same. A UTF-16 file is written back as UTF-8 behind a mark: every value a save
// writes then reads back byte for byte, whatever bytes it holds.
class ProfileEncoding {
public:
    // The encoding `bytes` announce: a mark at their start, else plain bytes.
    static ProfileEncoding Of(const std::string& bytes);

    // The text of `bytes` as UTF-8 (plain bytes as they are), without the mark.
    std::string Decode(const std::string& bytes) const;
    // The file's bytes for `text`: the text behind a UTF-8 mark when the file had a
    // mark, else as it is.
    std::string Encode(const std::string& text) const;

private:
    enum class Form { Plain, Utf8, Utf16LittleEndian, Utf16BigEndian };
    explicit ProfileEncoding(Form form) : form_(form) {}

    Form form_;
};

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The private-profile functions the settings are read and written through, one key
// at a time, each call reading (and a write rewriting) the whole file.

// The longest value a read returns, in characters; longer ones are cut between two
// characters (a well-formed UTF-8 sequence is one character, any other byte one).
constexpr std::size_t ProfileValueLimit = 2047;

// The largest settings file that is read or rewritten; a larger one is no settings
// file the program wrote, and reading it key by key would stall the game.
constexpr std::uintmax_t ProfileFileLimit = 1024 * 1024;

// The bytes of an INI file, read once.
struct ProfileFile {
    std::string bytes;
    bool found = false;  // a regular file was there and could be read
    bool tooLarge = false;  // it was larger than ProfileFileLimit and was not read
};
ProfileFile ReadProfileFile(const std::string& path);

// The value of key in section of the bytes of an INI file, by the rules of
// GetPrivateProfileString.
std::string ProfileValue(const std::string& bytes, const std::string& section, const std::string& key,
                         const std::string& defaultValue);

// Whether text can stand in one line of the file: it holds no line break.
bool FitsOneLine(const std::string& text);

// text cut to at most ProfileValueLimit characters, never inside one.
std::string LimitedToCharacters(const std::string& text);

// The value of key in section of the INI file at path, without surrounding blanks and
// without one pair of surrounding double quotes; defaultValue (less trailing blanks)
// when the file, the section or the key is missing, or the file is too large.
std::string GetPrivateProfileString(const std::string& section, const std::string& key, const std::string& defaultValue,
                                    const std::string& path);

// Sets key in section to value, creating the file, the section or the key as needed
// (a new key goes to the end of its section, a new section to the end of the file).
// The file is rewritten with CR LF line ends through a safe save. Returns false when
// the write is refused: a file or folder that cannot be written, a path that is not a
// file, a file too large to be a settings file, or names and values that would
// break the file's lines.
bool WritePrivateProfileString(const std::string& section, const std::string& key, const std::string& value,
                               const std::string& path);

#pragma once

#include <cstddef>
#include <string>

// The private-profile functions the settings are read and written through, one key
// at a time, each call reading (and a write rewriting) the whole file.

// The longest value a read returns; longer ones are cut.
constexpr std::size_t ProfileValueLimit = 2047;

// The value of key in section of the INI file at path, without surrounding blanks and
// without one pair of surrounding double quotes; defaultValue (less trailing blanks)
// when the file, the section or the key is missing.
std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& path);

// Sets key in section to value, creating the file, the section or the key as needed
// (a new key goes to the end of its section, a new section to the end of the file).
// The file is rewritten with CR LF line ends through a safe save. Returns false when
// the write is refused: a file or folder that cannot be written, a path that is not a
// file, or names and values that would break the file's lines.
bool WritePrivateProfileString(const std::string& section, const std::string& key, const std::string& value,
                               const std::string& path);

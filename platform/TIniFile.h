#pragma once

#include <optional>
#include <string>

// The framework's INI-file object: a short-lived handle on one settings file that
// reads and writes single keys. The first read takes the file in once and every
// later read of the same object is served from that copy, so loading a dozen keys
// costs one read of the file. Every write goes to the disk at once through the
// private-profile functions (a safe save of the whole file) and updates the copy.
//
// A file larger than ProfileFileLimit is refused: the first read shows a message
// saying so and every read gives its default; writes to it fail.
class TIniFile {
public:
    explicit TIniFile(std::string fileName);

    const std::string& FileName() const { return fileName_; }

    std::string ReadString(const std::string& section, const std::string& ident, const std::string& defaultValue) const;
    // Decimal with an optional sign, or hexadecimal after "0x"/"0X" when the value is
    // longer than two characters; anything else that does not parse gives the default.
    int ReadInteger(const std::string& section, const std::string& ident, int defaultValue) const;
    // "true" or "false" in any case, else read as an integer: any value other than 0
    // is true.
    bool ReadBool(const std::string& section, const std::string& ident, bool defaultValue) const;

    // A refused write throws FrameworkError("Unable to write to <full path>"); a value
    // that cannot stand in one line of the file, FrameworkError saying so.
    void WriteString(const std::string& section, const std::string& ident, const std::string& value) const;
    void WriteInteger(const std::string& section, const std::string& ident, int value) const;
    void WriteBool(const std::string& section, const std::string& ident, bool value) const;

    // The integer rules of ReadInteger, on a text of one's own.
    static bool ParseInteger(const std::string& text, int& value);

private:
    const std::string& Bytes() const;

    std::string fileName_;
    mutable std::optional<std::string> bytes_;  // the file as first read
};

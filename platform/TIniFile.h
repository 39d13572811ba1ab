#pragma once

#include <string>

// The framework's INI-file object: a short-lived handle on one settings file that
// reads and writes single keys through the private-profile functions. It holds no
// copy of the file; every call goes to the disk.
class TIniFile {
public:
    explicit TIniFile(std::string fileName);

    const std::string& FileName() const { return fileName_; }

    std::string ReadString(const std::string& section, const std::string& ident,
                           const std::string& defaultValue) const;
    // Decimal with an optional sign, or hexadecimal after "0x"/"0X" when the value is
    // longer than two characters; anything else that does not parse gives the default.
    int ReadInteger(const std::string& section, const std::string& ident, int defaultValue) const;
    // Read as an integer; any value other than 0 is true.
    bool ReadBool(const std::string& section, const std::string& ident, bool defaultValue) const;

    // A refused write throws FrameworkError("Unable to write to <full path>").
    void WriteString(const std::string& section, const std::string& ident, const std::string& value) const;
    void WriteInteger(const std::string& section, const std::string& ident, int value) const;
    void WriteBool(const std::string& section, const std::string& ident, bool value) const;

    // The integer rules of ReadInteger, on a text of one's own.
    static bool ParseInteger(const std::string& text, int& value);

private:
    std::string fileName_;
};

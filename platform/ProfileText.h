#pragma once

#include "ProfileEncoding.h"

#include <optional>
#include <string>
#include <vector>

// The lines of one INI file, kept as they are so that a write changes nothing but the
// one key it is about: other sections, keys, comments and blank lines stay in place.
// Names compare without regard to ASCII case; names and values are trimmed of blanks;
// bytes are otherwise passed through untouched.
class ProfileText {
public:
    // Lines may end with CR LF or LF; the bytes may start with a byte-order mark
    // (ProfileEncoding).
    explicit ProfileText(const std::string& fileBytes);

    // The trimmed value of the first such key in the first such section, else of
    // the first such key above every section header.
    std::optional<std::string> Find(const std::string& section, const std::string& key) const;

    // Replaces the key's value in place, or appends the key at the end of its section,
    // or appends the section at the end of the file.
    void Set(const std::string& section, const std::string& key, const std::string& value);

    // Every line ended with CR LF, in the file's encoding.
    std::string Bytes() const;

private:
    struct Range {
        std::size_t header;  // index of the "[section]" line
        std::size_t end;  // one past the section's last line
    };
    std::optional<Range> FindSection(const std::string& section) const;
    std::optional<std::size_t> FindKey(const Range& range, const std::string& key) const;
    Range Headerless() const;

    ProfileEncoding encoding_;
    std::vector<std::string> lines_;
};

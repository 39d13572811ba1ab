#pragma once

#include <array>
#include <string>
#include <vector>

class TIniFile;

// The settings of "s3d.ini", all in section "Options".
enum class Setting { PlayerName, EnableSound, EnableMusic, RB2012, RB1810, RB168, Song, Scheme };

enum class SettingType { Text, Boolean, Integer };

struct SettingKey {
    Setting setting;
    const char* key;
    SettingType type;
    int defaultValue;  // booleans as 0 or 1; a missing text is always empty
    // Where closing the options window writes it among the others (1 first); 0 for
    // "Song", which only leaving the program through Exit writes.
    int writeRank;
    // The integers the program can use; any other reads as the default.
    int lowest = 0;
    int highest = 1;
};

// A value as it goes to or comes from the file: `text` for text settings,
// `number` for booleans (0 or 1) and integers.
struct SettingValue {
    std::string text;
    int number = 0;
};

extern const char* const SettingsSection;

const SettingKey& KeyOf(Setting setting);

// Every key, in the order loading reads them.
const std::array<SettingKey, 8>& SettingKeys();

// The keys closing the options window writes, in the order it writes them.
std::vector<Setting> SettingsWriteOrder();

// A missing or unreadable value, or an integer the program cannot use, gives the
// key's default.
SettingValue ReadSetting(const TIniFile& ini, Setting setting);

// Writes one key; a refused write throws FrameworkError.
void WriteSetting(const TIniFile& ini, Setting setting, const SettingValue& value);

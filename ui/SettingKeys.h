#pragma once

#include <array>
#include <limits>
#include <string>
#include <vector>

class TIniFile;

// The settings of "s3d.ini", all in section "Options". A new setting is a name
// here and a row in kSettingKeys below; a control for it in the options window
// is one more row there (TFormOpt::BindSettings).
enum class Setting { PlayerName, EnableSound, EnableMusic, RB2012, RB1810, RB168, Song, Scheme, ParSearch };

enum class SettingType { Text, Boolean, Integer };

struct SettingKey {
    Setting setting;
    const char* key;
    SettingType type;
    int defaultValue;  // booleans as 0 or 1; a missing text is always empty
    // Where saving the options writes it among the others (1 first); 0 for
    // "Song", which only leaving the program through Exit writes.
    int writeRank;
    // The integers the program can use; any other reads as the default.
    int lowest = 0;
    int highest = 1;
};

// Indexed by Setting, in the order the file is read.
inline constexpr std::array kSettingKeys{
    SettingKey{Setting::PlayerName, "PlayerName", SettingType::Text, 0, 1},
    SettingKey{Setting::EnableSound, "EnableSound", SettingType::Boolean, 0, 2},
    SettingKey{Setting::EnableMusic, "EnableMusic", SettingType::Boolean, 0, 4},
    SettingKey{Setting::RB2012, "RB2012", SettingType::Boolean, 0, 5},
    SettingKey{Setting::RB1810, "RB1810", SettingType::Boolean, 0, 6},
    SettingKey{Setting::RB168, "RB168", SettingType::Boolean, 0, 7},
    // A song past the playlist's end starts it again at the first; one before its
    // start would be reported at every start until the index climbed back to 0.
    SettingKey{Setting::Song, "Song", SettingType::Integer, 0, 0, 0, std::numeric_limits<int>::max()},
    // "Scheme1" to "Scheme3" and "Shapes": no other leaves the pieces without a look.
    SettingKey{Setting::Scheme, "Scheme", SettingType::Integer, 0, 3, 0, 3},
    // Whether each deal's best line is searched for in the background, for the
    // score window's comparison.
    SettingKey{Setting::ParSearch, "ParSearch", SettingType::Boolean, 1, 8},
};

inline constexpr std::size_t kSettingCount = kSettingKeys.size();

// A value as it goes to or comes from the file: `text` for text settings,
// `number` for booleans (0 or 1) and integers.
struct SettingValue {
    std::string text;
    int number = 0;
};

extern const char* const SettingsSection;

const SettingKey& KeyOf(Setting setting);

// The keys saving the options writes, in the order it writes them.
std::vector<Setting> SettingsWriteOrder();

// A missing or unreadable value, or an integer the program cannot use, gives the
// key's default.
SettingValue ReadSetting(const TIniFile& ini, Setting setting);

// Writes one key; a refused write throws FrameworkError.
void WriteSetting(const TIniFile& ini, Setting setting, const SettingValue& value);

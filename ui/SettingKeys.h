#pragma once

#include <array>
#include <string>

class TIniFile;

// The settings of "s3d.ini", all in section "Options".
enum class Setting { PlayerName, EnableSound, EnableMusic, RB2012, RB1810, RB168, Song, Scheme };

enum class SettingType { Text, Boolean, Integer };

struct SettingKey {
    Setting setting;
    const char* key;
    SettingType type;
    int defaultValue;  // booleans as 0 or 1; a missing text is always empty
};

// A value as it goes to or comes from the file: `text` for text settings,
// `number` for booleans (0 or 1) and integers.
struct SettingValue {
    std::string text;
    int number = 0;
};

extern const char* const SettingsSection;

const SettingKey& KeyOf(Setting setting);

// Loading reads every key in this order.
inline constexpr std::array<Setting, 8> SettingsReadOrder{
    Setting::PlayerName, Setting::EnableSound, Setting::EnableMusic, Setting::RB2012,
    Setting::RB1810,     Setting::RB168,       Setting::Song,        Setting::Scheme};

// Closing the options window writes these, in this order. "Song" is not among
// them: only leaving the program through Exit writes it.
inline constexpr std::array<Setting, 7> SettingsWriteOrder{Setting::PlayerName,  Setting::EnableSound, Setting::Scheme,
                                                           Setting::EnableMusic, Setting::RB2012,      Setting::RB1810,
                                                           Setting::RB168};

// A missing or unreadable value gives the key's default.
SettingValue ReadSetting(const TIniFile& ini, Setting setting);

// Writes one key; a refused write throws FrameworkError.
void WriteSetting(const TIniFile& ini, Setting setting, const SettingValue& value);

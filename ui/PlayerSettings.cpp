#include "ui/PlayerSettings.h"

#include "platform/FrameworkError.h"
#include "platform/TIniFile.h"

#include <algorithm>
#include <utility>

PlayerSettings::PlayerSettings(QString iniPath, IGameAudio& audio) : iniPath_(std::move(iniPath)), audio_(audio)
{
    for (const SettingKey& key : kSettingKeys)
        values_[Index(key.setting)].number = key.defaultValue;
}

void PlayerSettings::Load()
{
    TIniFile ini(iniPath_.toStdString());
    for (const SettingKey& key : kSettingKeys)
        Set(key.setting, ReadSetting(ini, key.setting));
    if (!Flag(Setting::RB2012) && !Flag(Setting::RB1810) && !Flag(Setting::RB168))
        Set(Setting::RB168, SettingValue{{}, 1});
    audio_.SetSongIndex(Value(Setting::Song).number);
    audio_.SetSoundEnabled(Flag(Setting::EnableSound));
}

std::vector<std::string> PlayerSettings::Save() const
{
    TIniFile ini(iniPath_.toStdString());
    std::vector<std::string> causes;
    for (Setting setting : SettingsWriteOrder()) {
        try {
            WriteSetting(ini, setting, Value(setting));
        } catch (const FrameworkError& error) {
            if (std::find(causes.begin(), causes.end(), error.Text()) == causes.end())
                causes.push_back(error.Text());
        }
    }
    return causes;
}

bool PlayerSettings::sizeButtonDown(SizeButton button) const
{
    switch (button) {
    case SizeButton::rb2012:
        return Flag(Setting::RB2012);
    case SizeButton::rb1810:
        return Flag(Setting::RB1810);
    case SizeButton::rb168:
        return Flag(Setting::RB168);
    }
    return false;
}

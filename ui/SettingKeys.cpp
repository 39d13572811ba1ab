#include "ui/SettingKeys.h"

#include "platform/TIniFile.h"

#include <algorithm>
#include <iterator>
#include <limits>

const char* const SettingsSection = "Options";

namespace {
// Indexed by Setting, in the order the file is read. A new setting is a row here
// and a row of the options window's controls.
constexpr std::array<SettingKey, 8> kKeys{{
    {Setting::PlayerName, "PlayerName", SettingType::Text, 0, 1},
    {Setting::EnableSound, "EnableSound", SettingType::Boolean, 0, 2},
    {Setting::EnableMusic, "EnableMusic", SettingType::Boolean, 0, 4},
    {Setting::RB2012, "RB2012", SettingType::Boolean, 0, 5},
    {Setting::RB1810, "RB1810", SettingType::Boolean, 0, 6},
    {Setting::RB168, "RB168", SettingType::Boolean, 0, 7},
    // A song past the playlist's end starts it again at the first; one before its
    // start would be reported at every start until the index climbed back to 0.
    {Setting::Song, "Song", SettingType::Integer, 0, 0, 0, std::numeric_limits<int>::max()},
    // "Scheme1" to "Scheme3" and "Shapes": no other leaves the pieces without a look.
    {Setting::Scheme, "Scheme", SettingType::Integer, 0, 3, 0, 3},
}};

constexpr bool IndexedBySetting()
{
    for (std::size_t i = 0; i < kKeys.size(); ++i)
        if (static_cast<std::size_t>(kKeys[i].setting) != i)
            return false;
    return true;
}
static_assert(IndexedBySetting());
}  // namespace

const SettingKey& KeyOf(Setting setting) { return kKeys[static_cast<std::size_t>(setting)]; }

const std::array<SettingKey, 8>& SettingKeys() { return kKeys; }

std::vector<Setting> SettingsWriteOrder()
{
    std::vector<SettingKey> written;
    std::copy_if(kKeys.begin(), kKeys.end(), std::back_inserter(written), [](const SettingKey& k) { return k.writeRank > 0; });
    std::sort(written.begin(), written.end(), [](const SettingKey& a, const SettingKey& b) { return a.writeRank < b.writeRank; });
    std::vector<Setting> order;
    for (const SettingKey& k : written)
        order.push_back(k.setting);
    return order;
}

SettingValue ReadSetting(const TIniFile& ini, Setting setting)
{
    const SettingKey& k = KeyOf(setting);
    SettingValue value;
    switch (k.type) {
    case SettingType::Text:
        value.text = ini.ReadString(SettingsSection, k.key, "");
        break;
    case SettingType::Boolean:
        value.number = ini.ReadBool(SettingsSection, k.key, k.defaultValue != 0) ? 1 : 0;
        break;
    case SettingType::Integer:
        value.number = ini.ReadInteger(SettingsSection, k.key, k.defaultValue);
        if (value.number < k.lowest || value.number > k.highest)
            value.number = k.defaultValue;
        break;
    }
    return value;
}

void WriteSetting(const TIniFile& ini, Setting setting, const SettingValue& value)
{
    const SettingKey& k = KeyOf(setting);
    switch (k.type) {
    case SettingType::Text:
        ini.WriteString(SettingsSection, k.key, value.text);
        break;
    case SettingType::Boolean:
        ini.WriteBool(SettingsSection, k.key, value.number != 0);
        break;
    case SettingType::Integer:
        ini.WriteInteger(SettingsSection, k.key, value.number);
        break;
    }
}

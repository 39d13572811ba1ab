#include "ui/SettingKeys.h"

#include "platform/TIniFile.h"

#include <algorithm>
#include <iterator>

const char* const SettingsSection = "Options";

namespace {
constexpr bool IndexedBySetting()
{
    for (std::size_t i = 0; i < kSettingKeys.size(); ++i)
        if (static_cast<std::size_t>(kSettingKeys[i].setting) != i)
            return false;
    return true;
}
static_assert(IndexedBySetting());
}  // namespace

const SettingKey& KeyOf(Setting setting) { return kSettingKeys[static_cast<std::size_t>(setting)]; }

std::vector<Setting> SettingsWriteOrder()
{
    std::vector<SettingKey> written;
    std::copy_if(kSettingKeys.begin(), kSettingKeys.end(), std::back_inserter(written), [](const SettingKey& k) { return k.writeRank > 0; });
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

#include "OptionsSave.h"

#include "platform/TIniFile.h"

void SaveOptions(const TIniFile& ini, long round, const std::function<void()>& afterEachKey)
{
    const bool odd = round % 2 != 0;
    const auto step = [&] {
        if (afterEachKey)
            afterEachKey();
    };
    const char* const section = "Options";
    ini.WriteString(section, "PlayerName", odd ? "Second Player" : "First");
    step();
    ini.WriteBool(section, "EnableSound", odd);
    step();
    ini.WriteInteger(section, "Scheme", odd ? 2 : 0);
    step();
    ini.WriteBool(section, "EnableMusic", !odd);
    step();
    ini.WriteBool(section, "RB2012", odd);
    step();
    ini.WriteBool(section, "RB1810", !odd);
    step();
    ini.WriteBool(section, "RB168", false);
    step();
}

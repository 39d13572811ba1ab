#include "platform/ScaleFactorFloor.h"

#include "platform/PlayerText.h"

#include <QCoreApplication>

#include <cstdlib>
#include <sstream>

namespace {

// A factor as Qt reads it; one that is no number is left for Qt to ignore.
bool BelowOne(const std::string& text)
{
    char* end = nullptr;
    const double factor = std::strtod(text.c_str(), &end);
    return end != text.c_str() && *end == '\0' && factor < 1;
}

}  // namespace

std::string ScaleFactorFloor::Raised(const std::string& value, bool list, std::string& raisedFrom)
{
    if (!list) {
        if (!BelowOne(value))
            return value;
        raisedFrom = value;
        return "1";
    }
    std::string result;
    std::istringstream entries(value);
    for (std::string entry; std::getline(entries, entry, ';');) {
        const std::size_t equals = entry.find('=');
        const std::string name = equals == std::string::npos ? "" : entry.substr(0, equals + 1);
        const std::string factor = entry.substr(name.size());
        if (BelowOne(factor)) {
            if (raisedFrom.empty())
                raisedFrom = factor;
            entry = name + "1";
        }
        result += (result.empty() ? "" : ";") + entry;
    }
    return result;
}

std::string ScaleFactorFloor::Apply()
{
    std::string raisedFrom;
    for (const auto& [name, list] : {std::pair{"QT_SCALE_FACTOR", false}, std::pair{"QT_SCREEN_SCALE_FACTORS", true}}) {
        const char* value = std::getenv(name);
        if (value == nullptr)
            continue;
        const std::string raised = Raised(value, list, raisedFrom);
        if (raised != value)
            ::setenv(name, raised.c_str(), 1);
    }
    return raisedFrom;
}

std::string ScaleFactorFloor::Message(const std::string& raisedFrom)
{
    return PlayerText::Fill(QCoreApplication::translate(
                                "ScaleFactorFloor", "The scale factor %1 is too small for the game's windows: they are drawn at 1."),
                            {raisedFrom});
}

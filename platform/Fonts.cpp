#include "platform/Fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QString>
#include <QStringList>

#include <array>

namespace {

struct Mapping {
    const char* designed;
    std::array<const char*, 3> candidates;  // best first
};

// Liberation Sans shares Arial's metrics, the nearest installed match for the dialog
// faces at 8 points; Liberation Mono shares Courier New's.
constexpr std::array<Mapping, 5> Mappings{{
    {"MS Sans Serif", {"Liberation Sans", "Arimo", "Arial"}},
    {"MS Shell Dlg", {"Liberation Sans", "Arimo", "Arial"}},
    {"MS Shell Dlg 2", {"Liberation Sans", "Arimo", "Arial"}},
    {"Courier", {"Liberation Mono", "Cousine", "Courier New"}},
    {"Courier New", {"Liberation Mono", "Cousine", "Courier New"}},
}};

QString InstalledCandidate(const Mapping& mapping)
{
    for (const char* candidate : mapping.candidates) {
        if (QFontDatabase::hasFamily(QString::fromLatin1(candidate)))
            return QString::fromLatin1(candidate);
    }
    return {};
}

}  // namespace

std::string FontSubstituteFor(const std::string& designedFamily)
{
    for (const Mapping& mapping : Mappings) {
        if (QString::fromStdString(designedFamily).compare(QLatin1String(mapping.designed), Qt::CaseInsensitive) == 0)
            return InstalledCandidate(mapping).toStdString();
    }
    return {};
}

void InstallFontSubstitutes()
{
    for (const Mapping& mapping : Mappings) {
        const QString designed = QString::fromLatin1(mapping.designed);
        if (QFontDatabase::hasFamily(designed))
            continue;  // the real face is installed: use it
        const QString substitute = InstalledCandidate(mapping);
        if (!substitute.isEmpty() && !QFont::substitutes(designed).contains(substitute, Qt::CaseInsensitive))
            QFont::insertSubstitution(designed, substitute);
    }
}

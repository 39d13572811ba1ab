#include "ui/LitGroupText.h"

#include <iterator>

namespace {

constexpr const char* kKindNames[] = {
    QT_TRANSLATE_NOOP("LitGroupText", "piece"),  QT_TRANSLATE_NOOP("LitGroupText", "yellow"),
    QT_TRANSLATE_NOOP("LitGroupText", "green"),  QT_TRANSLATE_NOOP("LitGroupText", "blue"),
    QT_TRANSLATE_NOOP("LitGroupText", "cyan"),   QT_TRANSLATE_NOOP("LitGroupText", "red"),
};

}  // namespace

QString LitGroupText::KindName(int kind)
{
    const bool known = kind >= 1 && kind < int(std::size(kKindNames));
    return tr(kKindNames[known ? kind : 0]);
}

QString LitGroupText::Describe(int kind, int groupCount, int points)
{
    // The English texts need no translation to read right, so one point and many
    // are two texts; each still has every plural form a language needs.
    const QString pointText = points == 1 ? tr("%n point", nullptr, points) : tr("%n points", nullptr, points);
    if (groupCount == 1)
        return tr("%1, single piece, %2").arg(KindName(kind), pointText);
    return tr("%1, group of %2, %3").arg(KindName(kind), QString::number(groupCount), pointText);
}

#include "controls/CaptionFit.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <algorithm>
#include <climits>

QString CaptionFit::Shown(const QString& caption)
{
    QString shown;
    for (qsizetype at = 0; at < caption.size(); ++at) {
        if (caption[at] == u'&' && at + 1 < caption.size())
            ++at;
        shown += caption[at];
    }
    return shown;
}

int CaptionFit::Width(const QFont& font, const QString& caption)
{
    return QFontMetrics(font).horizontalAdvance(Shown(caption));
}

CaptionFit::Result CaptionFit::Fit(const QFont& design, const QString& caption, QSize room, bool twoLinesAllowed)
{
    const QString shown = Shown(caption);
    const int designSize = QFontInfo(design).pixelSize();
    QFont font = design;
    for (int size = designSize; size >= std::min(designSize, MinimumPixelSize); --size) {
        if (size != designSize)
            font.setPixelSize(size);
        const QFontMetrics metrics(font);
        if (metrics.horizontalAdvance(shown) <= room.width())
            return {font, false, true};
        if (twoLinesAllowed) {
            const QRect wrapped = metrics.boundingRect(QRect(0, 0, room.width(), INT_MAX), Qt::TextWordWrap, shown);
            const bool twoAtMost = wrapped.height() <= 2 * metrics.lineSpacing();
            if (twoAtMost && wrapped.width() <= room.width() && wrapped.height() <= room.height())
                return {font, true, true};
        }
    }
    return {font, false, false};
}

std::optional<QFont> CaptionFit::Largest(const QFont& design, const std::function<bool(const QFont&)>& fits)
{
    if (fits(design))
        return design;
    QFont font = design;
    for (int size = QFontInfo(design).pixelSize() - 1; size >= MinimumPixelSize; --size) {
        font.setPixelSize(size);
        if (fits(font))
            return font;
    }
    return std::nullopt;
}

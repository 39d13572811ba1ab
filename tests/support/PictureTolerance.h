#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <algorithm>
#include <cstdlib>

// Pictures that are painted (gradients, blending, smooth scaling, text) or rendered through GL
// come out a step apart on another processor: Qt and Mesa pick their vector code by what the
// processor offers at run time, and each rounds its own way. Comparisons of such pictures with
// committed files or with a second drawing allow that rounding, and no more; the numbers live
// here only.
namespace PictureTolerance {

// How far one channel of one pixel may lie from the other picture's.
inline constexpr int kMaxChannelStep = 2;
// How many pixels may differ at all, as a share of the picture.
inline constexpr double kMaxDifferingShare = 0.01;

struct Difference {
    bool sizesMatch = true;
    int worstStep = 0;  // largest difference of one channel, alpha included
    long long differing = 0;  // pixels that differ in any channel
    long long pixels = 0;

    bool withinRounding() const
    {
        return sizesMatch && worstStep <= kMaxChannelStep && differing <= kMaxDifferingShare * double(pixels);
    }
    QString describe() const
    {
        if (!sizesMatch)
            return QStringLiteral("the sizes differ");
        return QStringLiteral("%1 of %2 pixels differ, by up to %3 in a channel (allowed: %4 %, by %5)")
            .arg(differing)
            .arg(pixels)
            .arg(worstStep)
            .arg(kMaxDifferingShare * 100)
            .arg(kMaxChannelStep);
    }
};

// One pixel against another, or against the colour it should be.
inline bool Near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) <= kMaxChannelStep && std::abs(a.green() - b.green()) <= kMaxChannelStep
           && std::abs(a.blue() - b.blue()) <= kMaxChannelStep && std::abs(a.alpha() - b.alpha()) <= kMaxChannelStep;
}

inline Difference Compare(const QImage& first, const QImage& second)
{
    Difference d;
    if (first.size() != second.size() || first.isNull())
        return Difference{false};
    const QImage a = first.convertToFormat(QImage::Format_ARGB32);
    const QImage b = second.convertToFormat(QImage::Format_ARGB32);
    d.pixels = qint64(a.width()) * a.height();
    for (int y = 0; y < a.height(); ++y) {
        const auto* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* pb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (pa[x] == pb[x])
                continue;
            ++d.differing;
            d.worstStep = std::max({d.worstStep, std::abs(qRed(pa[x]) - qRed(pb[x])),
                                    std::abs(qGreen(pa[x]) - qGreen(pb[x])), std::abs(qBlue(pa[x]) - qBlue(pb[x])),
                                    std::abs(qAlpha(pa[x]) - qAlpha(pb[x]))});
        }
    }
    return d;
}

}  // namespace PictureTolerance

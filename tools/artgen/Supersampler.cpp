#include "Supersampler.h"

QImage Supersampler::render(QSize size, const std::function<void(QPainter&)>& paint, int factor)
{
    QImage big(size * factor, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.scale(factor, factor);
        paint(p);
    }
    // Exact box filter: every output pixel is the mean of its factor x factor block.
    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    const int n = factor * factor;
    for (int y = 0; y < size.height(); ++y) {
        QRgb* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            int a = 0, r = 0, g = 0, b = 0;
            for (int sy = 0; sy < factor; ++sy) {
                const QRgb* src = reinterpret_cast<const QRgb*>(big.constScanLine(y * factor + sy));
                for (int sx = 0; sx < factor; ++sx) {
                    const QRgb c = src[x * factor + sx];
                    a += qAlpha(c);
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                }
            }
            dst[x] = qRgba((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n, (a + n / 2) / n);
        }
    }
    return out;
}

QImage Supersampler::renderAt(QSize size, int scale, const std::function<void(QPainter&)>& paint, int factor)
{
    if (scale == 1)
        return render(size, paint, factor);
    return render(
        size * scale,
        [&](QPainter& p) {
            p.scale(scale, scale);
            paint(p);
        },
        factor);
}

QImage flattenWithKey(const QImage& painted, QColor background, QColor key)
{
    const QImage src = painted.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out(src.size(), QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y) {
        const QRgb* s = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        QRgb* d = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const int a = qAlpha(s[x]);
            if (a == 0) {
                d[x] = key.rgb();
                continue;
            }
            const auto mix = [&](int c, int bg) { return std::min(255, c + (bg * (255 - a) + 127) / 255); };
            d[x] = qRgb(mix(qRed(s[x]), background.red()), mix(qGreen(s[x]), background.green()),
                        mix(qBlue(s[x]), background.blue()));
        }
    }
    return out;
}

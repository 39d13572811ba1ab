#include "PaletteQuantizer.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

constexpr int kColours = 16;
constexpr int kIterations = 24;

int distance2(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return dr * dr + dg * dg + db * db;
}

int nearest(const QList<QRgb>& palette, QRgb c, int first)
{
    int best = first;
    int bestD = std::numeric_limits<int>::max();
    for (int i = first; i < palette.size(); ++i) {
        const int d = distance2(palette[i], c);
        if (d < bestD) {
            bestD = d;
            best = i;
        }
    }
    return best;
}

}  // namespace

PaletteQuantizer::PaletteQuantizer(QColor key) : key_(key.rgb()) {}

QList<QRgb> PaletteQuantizer::clusterColours(const QList<QRgb>& pixels, int count) const
{
    // Seeds spread over the pixels sorted by brightness: plain k-means then converges to the same
    // palette on every run.
    QList<QRgb> sorted = pixels;
    std::sort(sorted.begin(), sorted.end(), [](QRgb a, QRgb b) {
        const int la = qGray(a), lb = qGray(b);
        return la != lb ? la < lb : a < b;
    });
    QList<QRgb> centres;
    for (int i = 0; i < count; ++i)
        centres.append(sorted[(sorted.size() - 1) * i / std::max(1, count - 1)]);

    for (int it = 0; it < kIterations; ++it) {
        std::array<std::array<long long, 4>, kColours> sums{};
        for (QRgb p : pixels) {
            auto& s = sums[nearest(centres, p, 0)];
            s[0] += qRed(p);
            s[1] += qGreen(p);
            s[2] += qBlue(p);
            ++s[3];
        }
        for (int i = 0; i < count; ++i) {
            const auto& s = sums[i];
            if (s[3] > 0)
                centres[i] =
                    qRgb(int((s[0] + s[3] / 2) / s[3]), int((s[1] + s[3] / 2) / s[3]), int((s[2] + s[3] / 2) / s[3]));
        }
    }
    return centres;
}

QImage PaletteQuantizer::quantize(const QImage& image) const
{
    const QImage src = image.convertToFormat(QImage::Format_RGB32);
    QList<QRgb> drawn;
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x)
            if ((src.pixel(x, y) & 0xFFFFFF) != (key_ & 0xFFFFFF))
                drawn.append(src.pixel(x, y) | 0xFF000000u);

    QList<QRgb> palette{key_ | 0xFF000000u};
    if (!drawn.isEmpty())
        palette.append(clusterColours(drawn, kColours - 1));
    while (palette.size() < kColours)
        palette.append(qRgb(0, 0, 0));

    QImage out(src.size(), QImage::Format_Indexed8);
    out.setColorTable(palette);
    for (int y = 0; y < src.height(); ++y) {
        uchar* line = out.scanLine(y);
        for (int x = 0; x < src.width(); ++x) {
            const QRgb c = src.pixel(x, y);
            line[x] = (c & 0xFFFFFF) == (key_ & 0xFFFFFF) ? 0 : uchar(nearest(palette, c, 1));
        }
    }
    return out;
}

#include "ButtonArt.h"

#include "ImageFiles.h"
#include "PanelPainter.h"
#include "Shapes.h"
#include "Supersampler.h"
#include "Theme.h"

#include <QDir>
#include <QFile>
#include <QLinearGradient>
#include <QTextStream>

namespace {

using State = ButtonArt::State;

struct FaceColours {
    QColor top, middle, bottom;
};

FaceColours faceColours(State state)
{
    switch (state) {
    case State::Over:
        return {QColor(86, 128, 226), QColor(50, 70, 168), QColor(28, 32, 98)};
    case State::Pressed:
        return {QColor(18, 14, 48), QColor(36, 28, 90), QColor(58, 46, 136)};
    case State::Normal:
        break;
    }
    return {QColor(88, 72, 184), QColor(46, 36, 116), QColor(26, 20, 72)};
}

// The bevelled, faceted face shared by every plate-like picture.
void paintPlate(QPainter& p, const QRectF& r, qreal cut, State state)
{
    PanelPainter art(p);
    // Glints and glows stay on the stone: the cut-off corners are left untouched, which keeps the
    // transparent key of the caption plates out of the plate itself.
    const QPainterPath shape = Shapes::cutCorners(r, cut);
    p.setClipPath(shape);
    p.setPen(Qt::NoPen);
    p.setBrush(Theme::deepest());
    p.drawPath(shape);

    const QPolygonF outer =
        Shapes::cutCorners(r.adjusted(1, 1, -1, -1), std::max<qreal>(cut - 0.4, 0.5)).toFillPolygon();
    const QPolygonF clean = PanelPainter::inset(outer, 0);
    const QPolygonF face = PanelPainter::inset(clean, 2);
    if (state == State::Pressed)
        art.shadedBand(clean, face, QColor(14, 10, 40), QColor(120, 110, 222));
    else
        art.shadedBand(clean, face, state == State::Over ? QColor(176, 238, 255) : QColor(186, 176, 255),
                       QColor(20, 14, 52));

    const FaceColours fc = faceColours(state);
    const QRectF fr = face.boundingRect();
    QLinearGradient g(fr.topLeft(), fr.bottomLeft());
    g.setColorAt(0.0, fc.top);
    g.setColorAt(0.5, fc.middle);
    g.setColorAt(1.0, fc.bottom);
    p.setBrush(g);
    p.drawPolygon(face);

    // Light caught by the upper facet of the stone, cut off on a slant.
    p.save();
    QPainterPath clip;
    clip.addPolygon(face);
    p.setClipPath(clip);
    QPolygonF facet{fr.topLeft(), fr.topRight(), QPointF(fr.right(), fr.top() + fr.height() * 0.32),
                    QPointF(fr.left(), fr.top() + fr.height() * 0.5)};
    p.setBrush(QColor(255, 255, 255, state == State::Pressed ? 10 : state == State::Over ? 54 : 40));
    p.drawPolygon(facet);
    QPolygonF lower{QPointF(fr.left() + fr.width() * 0.62, fr.bottom()),
                    QPointF(fr.right(), fr.top() + fr.height() * 0.45), fr.bottomRight()};
    p.setBrush(QColor(150, 200, 255, state == State::Pressed ? 10 : 22));
    p.drawPolygon(lower);
    p.restore();

    if (state == State::Over) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(120, 220, 255, 150), 0.8));
        p.drawPolygon(face);
        p.setPen(Qt::NoPen);
    }
    if (state != State::Pressed) {
        const qreal s = std::min(r.width(), r.height());
        art.glint(QPointF(r.left() + cut + 2.8, r.top() + 3.6), s * (state == State::Over ? 0.2 : 0.15),
                  state == State::Over ? 1.0 : 0.75);
    }
}

void paintSymbol(QPainter& p, const QPainterPath& shape, State state)
{
    const QPointF shift(0, state == State::Pressed ? 1 : 0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(2, 2, 12, 200));
    p.drawPath(shape.translated(shift + QPointF(0.7, 0.9)));
    const QRectF b = shape.boundingRect();
    QLinearGradient g(b.topLeft(), b.bottomLeft());
    g.setColorAt(0.0, QColor(255, 255, 255));
    g.setColorAt(1.0, state == State::Over ? Theme::cyan() : Theme::paleCyan());
    p.setBrush(g);
    p.drawPath(shape.translated(shift));
}

QImage onBackground(const QImage& painted, QColor background)
{
    return flattenWithKey(painted, background, background);
}

const char* stateName(State s)
{
    switch (s) {
    case State::Over:
        return "over";
    case State::Pressed:
        return "pressed";
    case State::Normal:
        break;
    }
    return "normal";
}

}  // namespace

QImage ButtonArt::plate(QSize size, qreal cut, State state, int scale)
{
    return Supersampler::renderAt(size, scale,
                                  [&](QPainter& p) { paintPlate(p, QRectF(QPointF(0, 0), size), cut, state); });
}

QImage ButtonArt::volume(bool up, State state, int scale)
{
    return Supersampler::renderAt(QSize(25, 25), scale, [&](QPainter& p) {
        paintPlate(p, QRectF(0, 0, 25, 25), 4, state);
        QPainterPath sign;
        sign.setFillRule(Qt::WindingFill);
        sign.addRect(QRectF(7, 11, 11, 3));
        if (up)
            sign.addRect(QRectF(11, 7, 3, 11));
        paintSymbol(p, sign.simplified(), state);
    });
}

QImage ButtonArt::hintGem(State state, int scale)
{
    return Supersampler::renderAt(kHintGem.size(), scale, [&](QPainter& p) {
        if (state == State::Normal)
            return;
        // The panel's gem sits at (659.5, 348) with radius 30: the same cut,
        // lit from inside when the pointer is over it and sunk when pressed.
        PanelPainter art(p);
        const QPointF centre = QPointF(659.5, 348) - kHintGem.topLeft();
        if (state == State::Over) {
            art.gem(centre, 30, QColor(150, 104, 250));
        } else {
            art.gem(centre + QPointF(0.5, 0.5), 29, QColor(84, 52, 170));
        }
    });
}

QImage ButtonArt::radio(State state, int scale)
{
    return Supersampler::renderAt(QSize(20, 20), scale, [&](QPainter& p) {
        PanelPainter art(p);
        const QPolygonF o = PanelPainter::inset(Shapes::cutCorners(QRectF(0.5, 0.5, 19, 19), 5.5).toFillPolygon(), 0);
        const QPolygonF m = PanelPainter::inset(o, 1.5);
        const QPolygonF i = PanelPainter::inset(o, 3.2);
        art.shadedBand(o, m, QColor(170, 160, 250), QColor(20, 16, 50));
        art.shadedBand(m, i, QColor(6, 4, 18), QColor(90, 80, 190));
        p.setBrush(state == State::Over ? QColor(30, 36, 86) : QColor(8, 6, 24));
        p.drawPolygon(i);
        if (state == State::Pressed)
            art.gem(QPointF(10, 10), 5.4, QColor(70, 200, 250));
        else if (state == State::Over)
            art.gem(QPointF(10, 10), 3.2, QColor(90, 110, 200));
        else
            art.gem(QPointF(10, 10), 2.6, QColor(50, 44, 100));
    });
}

QImage ButtonArt::combo(State state, int scale)
{
    return Supersampler::renderAt(QSize(20, 20), scale, [&](QPainter& p) {
        paintPlate(p, QRectF(0, 0, 20, 20), 3, state);
        QPainterPath arrow;
        arrow.addPolygon(QPolygonF{QPointF(5.5, 8), QPointF(14.5, 8), QPointF(10, 13.5)});
        arrow.closeSubpath();
        paintSymbol(p, arrow, state);
    });
}

QImage ButtonArt::trough(int variant, int scale)
{
    return Supersampler::renderAt(QSize(160, 25), scale, [&](QPainter& p) {
        PanelPainter art(p);
        art.recess(QRectF(10, 8, 140, 9), 3.5, 1);
        // Small gems hold the trough at its ends.
        art.gem(QPointF(3.6, 12.5), 2.6, variant == 1 ? QColor(70, 170, 240) : QColor(130, 90, 230));
        art.gem(QPointF(156.4, 12.5), 2.6, variant == 1 ? QColor(70, 170, 240) : QColor(130, 90, 230));
    });
}

bool ButtonArt::writeAll(const QString& folder, const QImage& optionsPanel, const QImage& optionsPanel2x)
{
    const QDir dir(folder);
    QStringList files;
    bool ok = true;
    for (const int k : ImageFiles::kScales) {
        const auto save = [&](const QImage& img, const QString& name) {
            const QString scaled = ImageFiles::atScale(name, k);
            ok = ImageFiles::writePng(img, dir.filePath(scaled)) && ok;
            files << scaled;
        };
        // The spot behind a picture, given in window units, as the panel of the same density has it.
        const QImage& panel = k == 1 ? optionsPanel : optionsPanel2x;
        const auto behind = [&](int x, int y) { return QColor(panel.pixel(x * k, y * k)); };

        for (State s : {State::Normal, State::Over, State::Pressed}) {
            const QString st = QString::fromLatin1(stateName(s));
            save(flattenWithKey(plate(QSize(71, 25), kPlateCut, s, k), Theme::buttonBed(), Theme::key()),
                 QStringLiteral("btn71x25_%1.png").arg(st));
            save(flattenWithKey(plate(QSize(71, 24), kPlateCut, s, k), Theme::buttonBed(), Theme::key()),
                 QStringLiteral("btn71x24_%1.png").arg(st));
            save(onBackground(plate(QSize(86, 24), kPlateCut, s, k), behind(57, 340)),
                 QStringLiteral("btn86x24_%1.png").arg(st));
            save(onBackground(volume(false, s, k), behind(47, 126)), QStringLiteral("vol_down_%1.png").arg(st));
            save(onBackground(volume(true, s, k), behind(232, 126)), QStringLiteral("vol_up_%1.png").arg(st));
            save(onBackground(radio(s, k), behind(47, 213)), QStringLiteral("size_choice_%1.png").arg(st));
            save(onBackground(combo(s, k), behind(237, 285)), QStringLiteral("combo_%1.png").arg(st));
            save(hintGem(s, k), QStringLiteral("hint_gem_%1.png").arg(st));
        }
        save(onBackground(trough(1, k), behind(72, 126)), QStringLiteral("volume_trough.png"));
        save(onBackground(trough(2, k), behind(72, 179)), QStringLiteral("volume_trough_music.png"));
    }

    QFile qrc(dir.filePath(QStringLiteral("ui.qrc")));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&qrc);
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/ui\">\n";
    for (const QString& f : files)
        out << "    <file>" << f << "</file>\n";
    out << "</qresource>\n</RCC>\n";
    return ok;
}

// The controls on screens of higher density. The suite runs with QT_SCALE_FACTOR at 2 and at 1.5
// (see CMakeLists.txt): a control must show the double-density art, pixel for pixel at 2 and
// smoothly reduced at 1.5, never the plain art enlarged.
#include "controls/ControlsResources.h"
#include "controls/TBitCheckBox.h"
#include "controls/TFrogButton.h"
#include "controls/TFrogComboBox.h"
#include "controls/TOffice97Button.h"
#include "TestPictures.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace {

qreal Ratio() { return qApp->devicePixelRatio(); }

QString Source(const QString& rel)
{
    const char* root = std::getenv("GLIMMORA_SOURCE_DIR");
    return QDir(QString::fromLocal8Bit(root ? root : ".")).filePath(rel);
}

// The art file itself, read past the loader, with its key colour (if any) filled in.
QImage ArtFile(const QString& rel, std::optional<QColor> fill = std::nullopt, QRgb key = 0)
{
    QImage art = QImage(Source(rel)).convertToFormat(QImage::Format_RGB32);
    if (fill) {
        if (key == 0)
            key = art.pixel(0, art.height() - 1);
        for (int y = 0; y < art.height(); ++y)
            for (int x = 0; x < art.width(); ++x)
                if ((art.pixel(x, y) & 0xFFFFFF) == (key & 0xFFFFFF))
                    art.setPixel(x, y, fill->rgb());
    }
    return art;
}

// The control's area drawn as Qt draws a picture of the given density at `logical`: pixel for
// pixel where the densities match, reduced smoothly where the screen has fewer, enlarged block
// by block where it has more.
QImage AsDrawn(QSize pixels, const QRect& logical, QImage art, qreal artRatio)
{
    art.setDevicePixelRatio(artRatio);
    QImage canvas(pixels, QImage::Format_RGB32);
    canvas.setDevicePixelRatio(Ratio());
    canvas.fill(Qt::black);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::SmoothPixmapTransform, artRatio > Ratio());
    p.drawImage(QRectF(logical), art, QRectF(art.rect()));
    return canvas;
}

struct Spread {
    int worst = 0;  // largest difference of a channel
    double apart = 0;  // share of pixels with a channel more than 24 levels off
};

Spread Compare(const QImage& a, const QImage& b, const QRect& area)
{
    Spread s;
    int apart = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int d =
                std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
            s.worst = std::max(s.worst, d);
            apart += d > 24;
        }
    s.apart = double(apart) / (area.width() * area.height());
    return s;
}

// `logical` is where the control draws the picture; `dense` and `plain` are the two art files.
// The shot must be the dense art as drawn at the screen's density, and far from the plain art
// enlarged, which is what a loader that missed the "@2x" file (or a canvas of logical size)
// would show.
void ExpectDenseArt(QWidget& control, const QRect& logical, const QImage& dense, const QImage& plain)
{
    ASSERT_GT(Ratio(), 1.0) << "the suite must run scaled (QT_SCALE_FACTOR)";
    ASSERT_FALSE(dense.isNull());
    ASSERT_FALSE(plain.isNull());
    ASSERT_EQ(dense.size(), plain.size() * 2);
    const QImage shot = testpics::Grab(control);
    testpics::SaveShot(control,
                       qPrintable(QStringLiteral("dense-%1-%2").arg(control.metaObject()->className()).arg(Ratio())));
    ASSERT_GE(shot.width(), int(control.width() * Ratio())) << "the shot has the screen's pixels";
    const QImage want = AsDrawn(shot.size(), logical, dense, 2.0);
    const QImage fault = AsDrawn(shot.size(), logical, plain, 1.0);
    // Only whole device pixels: at 1.5 an odd logical edge falls inside a pixel.
    const QRectF exact(QPointF(logical.topLeft()) * Ratio(), QSizeF(logical.size()) * Ratio());
    const QRect area(QPoint(int(std::ceil(exact.left())), int(std::ceil(exact.top()))),
                     QPoint(int(std::floor(exact.right())) - 1, int(std::floor(exact.bottom())) - 1));
    const Spread toDense = Compare(shot, want, area), toPlain = Compare(shot, fault, area);
    // At 1.5 a see-through edge is blended into the face after the reduction, not before: a
    // level or two.
    EXPECT_LE(toDense.worst, Ratio() == 2.0 ? 0 : 3) << "off the dense art by " << toDense.worst;
    // The plain art enlarged is off by more than 100 levels at its edges, over at least 1 % of
    // the area (5 to 24 % measured at 1.5 and 2; large flat plates have the fewest edges).
    EXPECT_GT(toPlain.worst, 100);
    EXPECT_GT(toPlain.apart, 0.01) << "as close to the plain art enlarged as " << toPlain.apart;
}

TEST(DensePictures, CheckBoxDrawsItsBuiltInPictureFromTheDenseArt)
{
    const QColor plate(24, 20, 54);
    TBitCheckBox box;
    box.resize(120, 24);  // the picture at (0, 0): whole device pixels at 1.5 too
    box.setColor(plate);
    box.setChecked(true);
    EXPECT_EQ(box.pictureRect(), QRect(0, 0, 24, 24)) << "laid out in logical pixels";
    EXPECT_EQ(box.checkedGlyph().devicePixelRatio(), 2.0);
    ExpectDenseArt(box, box.pictureRect(), ArtFile("controls/res/CHECKED@2x.bmp", plate),
                   ArtFile("controls/res/CHECKED.bmp", plate));
}

TEST(DensePictures, OfficeButtonPaintsItsGlyphAtTheScreensDensity)
{
    TOffice97Button button;
    button.resize(70, 21);  // the glyph at (6, 6)
    button.setCaption(QStringLiteral("Row"));
    ASSERT_EQ(button.glyphRect(), QRect(6, 6, 10, 10)) << "laid out in logical pixels";
    const QColor face = button.color();
    // Idle push button: the fourth picture of the first set; black is its see-through colour.
    ExpectDenseArt(button, button.glyphRect(), ArtFile("controls/res/OFFICE_4@2x.bmp", face, 0xFF000000u),
                   ArtFile("controls/res/OFFICE_4.bmp", face, 0xFF000000u));
}

TEST(DensePictures, ImageButtonDrawsADesignPlateFoundBesideThePlainFile)
{
    TFrogButton button;
    button.setMainPict(LoadPicture(Source(QStringLiteral("ui/res/btn71x25_normal.png"))));
    button.resize(LogicalSize(button.mainPict()));
    EXPECT_EQ(button.size(), QSize(71, 25));
    ExpectDenseArt(button, button.rect(), ArtFile("ui/res/btn71x25_normal@2x.png"),
                   ArtFile("ui/res/btn71x25_normal.png"));
}

TEST(DensePictures, ComboButtonTakesTheWholeDenseButtonPicture)
{
    TFrogComboBox combo;
    combo.resize(120, 21);
    const QImage normal = LoadPicture(Source(QStringLiteral("ui/res/combo_normal.png")));
    combo.setMainPict(normal);
    combo.setMOverPict(normal);
    combo.setPressPict(normal);
    // The button's picture is squeezed into 19 x 19 logical pixels at every density, so no
    // density shows the art's own pixels one to one.
    ExpectDenseArt(combo, QRect(combo.width() - 20, 1, 19, 19), ArtFile("ui/res/combo_normal@2x.png"),
                   ArtFile("ui/res/combo_normal.png"));
}

TEST(DensePictures, LoaderTakesTheVariantOnlyAtTwiceTheSize)
{
    ASSERT_GT(Ratio(), 1.0);
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("a.b")));
    const auto save = [&](const QString& rel, QSize size, QColor colour) {
        ASSERT_TRUE(testpics::Solid(size, colour).save(QDir(dir.path()).filePath(rel), "PNG"));
    };
    // A dot in a folder's name is no suffix; a name without one gets "@2x" at its end.
    save(QStringLiteral("a.b/plate"), QSize(4, 3), Qt::red);
    save(QStringLiteral("a.b/plate@2x"), QSize(8, 6), Qt::blue);
    const QImage dense = LoadPicture(QDir(dir.path()).filePath(QStringLiteral("a.b/plate")));
    EXPECT_EQ(dense.size(), QSize(8, 6));
    EXPECT_EQ(dense.devicePixelRatio(), 2.0);
    EXPECT_EQ(LogicalSize(dense), QSize(4, 3));
    EXPECT_EQ(QColor(dense.pixel(7, 5)), QColor(Qt::blue));

    save(QStringLiteral("odd.png"), QSize(4, 3), Qt::red);
    save(QStringLiteral("odd@2x.png"), QSize(8, 5), Qt::blue);
    const QImage plain = LoadPicture(QDir(dir.path()).filePath(QStringLiteral("odd.png")));
    EXPECT_EQ(plain.size(), QSize(4, 3)) << "a variant of the wrong size would break the layout";
    EXPECT_EQ(plain.devicePixelRatio(), 1.0);
    EXPECT_EQ(QColor(plain.pixel(0, 0)), QColor(Qt::red));
    EXPECT_TRUE(LoadPicture(QDir(dir.path()).filePath(QStringLiteral("missing.png"))).isNull());
}

}  // namespace

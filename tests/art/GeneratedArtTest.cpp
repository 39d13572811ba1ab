// Runs the artwork generator into a scratch folder and checks what it paints against what the
// windows and the scene rely on, and against the pictures committed in the tree.
#include <gtest/gtest.h>

#include "DealPanelArt.h"
#include "IconArt.h"
#include "PanelPainter.h"
#include "../support/PictureTolerance.h"
#include "Shapes.h"
#include "scene/HudCharacters.h"

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRect>
#include <QRegion>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>

namespace {

QString env(const char* name)
{
    const char* v = std::getenv(name);
    return v ? QString::fromLocal8Bit(v) : QString();
}

struct Expected {
    const char* path;
    int width;
    int height;
    const char* format;
};

const Expected kFiles[] = {
    {"data/Pics/panel1.jpg", 715, 499, "jpeg"},        {"data/Pics/panel3.jpg", 306, 325, "jpeg"},
    {"data/Pics/panel4.jpg", 306, 386, "jpeg"},        {"data/Pics/panel5.jpg", 306, 160, "jpeg"},
    {"data/Pics/font.bmp", 512, 512, "bmp"},            {"data/Pics/panel3r.jpg", 306, 377, "jpeg"},
    {"controls/res/CHECKED.bmp", 24, 24, "bmp"},       {"controls/res/UNCHECKED.bmp", 24, 24, "bmp"},
    {"controls/res/GRAYED.bmp", 24, 24, "bmp"},        {"controls/res/OFFICE_1.bmp", 10, 10, "bmp"},
    {"controls/res/OFFICE_2.bmp", 10, 10, "bmp"},      {"controls/res/OFFICE_3.bmp", 10, 10, "bmp"},
    {"controls/res/OFFICE_4.bmp", 10, 10, "bmp"},      {"controls/res/OFFICE_5.bmp", 15, 15, "bmp"},
    {"controls/res/OFFICE_6.bmp", 15, 15, "bmp"},      {"controls/res/OFFICE_7.bmp", 15, 15, "bmp"},
    {"controls/res/OFFICE_8.bmp", 15, 15, "bmp"},      {"controls/res/OFFICE_9.bmp", 17, 9, "bmp"},
    {"controls/res/OFFICE_10.bmp", 17, 9, "bmp"},      {"controls/res/OFFICE_11.bmp", 17, 9, "bmp"},
    {"controls/res/OFFICE_12.bmp", 17, 9, "bmp"},      {"controls/res/OFFICE_13.bmp", 17, 9, "bmp"},
    {"controls/res/OFFICE_14.bmp", 17, 9, "bmp"},      {"controls/res/OFFICE_15.bmp", 17, 9, "bmp"},
    {"controls/res/OFFICE_16.bmp", 17, 9, "bmp"},      {"ui/res/btn71x25_normal.png", 71, 25, "png"},
    {"ui/res/btn71x25_over.png", 71, 25, "png"},       {"ui/res/btn71x25_pressed.png", 71, 25, "png"},
    {"ui/res/btn71x24_normal.png", 71, 24, "png"},     {"ui/res/btn71x24_over.png", 71, 24, "png"},
    {"ui/res/btn71x24_pressed.png", 71, 24, "png"},    {"ui/res/btn86x24_normal.png", 86, 24, "png"},
    {"ui/res/btn86x24_over.png", 86, 24, "png"},       {"ui/res/btn86x24_pressed.png", 86, 24, "png"},
    {"ui/res/vol_down_normal.png", 25, 25, "png"},     {"ui/res/vol_down_over.png", 25, 25, "png"},
    {"ui/res/vol_down_pressed.png", 25, 25, "png"},    {"ui/res/vol_up_normal.png", 25, 25, "png"},
    {"ui/res/vol_up_over.png", 25, 25, "png"},         {"ui/res/vol_up_pressed.png", 25, 25, "png"},
    {"ui/res/size_choice_normal.png", 20, 20, "png"},  {"ui/res/size_choice_over.png", 20, 20, "png"},
    {"ui/res/size_choice_pressed.png", 20, 20, "png"}, {"ui/res/combo_normal.png", 20, 20, "png"},
    {"ui/res/combo_over.png", 20, 20, "png"},          {"ui/res/combo_pressed.png", 20, 20, "png"},
    {"ui/res/hint_gem_normal.png", 68, 68, "png"},     {"ui/res/hint_gem_over.png", 68, 68, "png"},
    {"ui/res/hint_gem_pressed.png", 68, 68, "png"},    {"ui/res/volume_trough.png", 160, 25, "png"},      {"ui/res/volume_trough_music.png", 160, 25, "png"},
};

// Every window picture, control picture and glyph sheet comes again at twice the size, named as
// Qt looks for it ("panel1@2x.jpg").
QString atTwo(const QString& rel)
{
    const qsizetype dot = rel.lastIndexOf(QLatin1Char('.'));
    return rel.left(dot) + QStringLiteral("@2x") + rel.mid(dot);
}

struct File {
    QString path;
    QSize size;
    QByteArray format;
};

QList<File> allFiles()
{
    QList<File> files;
    for (const Expected& f : kFiles)
        files.append({QString::fromLatin1(f.path), QSize(f.width, f.height), f.format});
    for (const Expected& f : kFiles)
        files.append({atTwo(QString::fromLatin1(f.path)), QSize(f.width, f.height) * 2, f.format});
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512})
        files.append({QStringLiteral("packaging/icons/glimmora-%1.png").arg(size), QSize(size, size), "png"});
    return files;
}

int channelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

quint16 le16(const QByteArray& b, int at) { return quint16(uchar(b[at]) | (uchar(b[at + 1]) << 8)); }

class GeneratedArt : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        out_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(out_->isValid());
        const QString bin = QDir(env("GLIMMORA_BIN_DIR")).filePath(QStringLiteral("glimmora-artgen"));
        QProcess gen;
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        gen.setProcessEnvironment(e);
        gen.start(bin, {out_->path()});
        ASSERT_TRUE(gen.waitForFinished(120000)) << qPrintable(bin);
        exitCode_ = gen.exitCode();
        errors_ = QString::fromLocal8Bit(gen.readAllStandardError());
    }
    static void TearDownTestSuite() { out_.reset(); }

    static QString produced(const QString& rel) { return QDir(out_->path()).filePath(rel); }
    static QImage image(const char* rel) { return QImage(produced(QString::fromLatin1(rel))); }
    static QImage image(const QString& rel) { return QImage(produced(rel)); }
    // The picture's name at `k` times the size.
    static QString scaled(const char* rel, int k)
    {
        return k == 1 ? QString::fromLatin1(rel) : atTwo(QString::fromLatin1(rel));
    }

    static inline std::unique_ptr<QTemporaryDir> out_;
    static inline int exitCode_ = -1;
    static inline QString errors_;
};

TEST_F(GeneratedArt, GeneratorSucceedsAndWritesEveryPictureAtItsSizeAndFormat)
{
    ASSERT_EQ(exitCode_, 0) << qPrintable(errors_);
    for (const File& f : allFiles()) {
        SCOPED_TRACE(qPrintable(f.path));
        QImageReader reader(produced(f.path));
        ASSERT_TRUE(reader.canRead());
        EXPECT_EQ(reader.format(), f.format);
        EXPECT_EQ(reader.size(), f.size);
    }
}

TEST_F(GeneratedArt, BitmapsHaveTheBitDepthsTheirReadersExpect)
{
    for (const char* name : {"CHECKED", "UNCHECKED", "GRAYED"}) {
        // 24 rows of 12 bytes; at twice the size 48 rows of 24.
        for (const auto& [rel, rows] : {std::pair{QStringLiteral("controls/res/%1.bmp").arg(name), 24},
                                        std::pair{QStringLiteral("controls/res/%1@2x.bmp").arg(name), 48}}) {
            QFile f(produced(rel));
            ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << qPrintable(rel);
            const QByteArray b = f.readAll();
            EXPECT_EQ(le16(b, 28), 4) << qPrintable(rel) << ": 16 colours";
            EXPECT_EQ(b.size(), 14 + 40 + 16 * 4 + rows * rows / 2) << qPrintable(rel);
        }
    }
    for (const char* rel : {"data/Pics/font.bmp", "data/Pics/font@2x.bmp"}) {
        QFile font(produced(QString::fromLatin1(rel)));
        ASSERT_TRUE(font.open(QIODevice::ReadOnly));
        EXPECT_EQ(le16(font.readAll(), 28), 24) << rel;
    }
}

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A bitmap's headers (file and information header: size, depth, palette length) come from integer
// code alone, so they must match to the byte; its pixels and palette are painted.
QByteArray bitmapHeaders(const QByteArray& bmp) { return bmp.left(14 + 40); }

// The pictures are painted with gradients, blending and smoothing, which another processor rounds
// a step apart: they must match the committed ones within that rounding. The resource list and
// the bitmaps' headers are written by integer code and must match to the byte.
TEST_F(GeneratedArt, OutputMatchesTheCommittedPictures)
{
    const QDir source(env("GLIMMORA_SOURCE_DIR"));
    const QString rel = QStringLiteral("ui/res/ui.qrc");
    EXPECT_EQ(bytesOf(produced(rel)), bytesOf(source.filePath(rel))) << "ui.qrc differs: run `make art` and commit";
    for (const File& f : allFiles()) {
        SCOPED_TRACE(qPrintable(f.path));
        const QImage committed(source.filePath(f.path));
        ASSERT_FALSE(committed.isNull()) << "not committed";
        const PictureTolerance::Difference d = PictureTolerance::Compare(QImage(produced(f.path)), committed);
        EXPECT_TRUE(d.withinRounding()) << qPrintable(d.describe()) << ": run `make art` and commit";
        if (f.format == "bmp")
            EXPECT_EQ(bitmapHeaders(bytesOf(produced(f.path))), bitmapHeaders(bytesOf(source.filePath(f.path))));
    }
}

// The rounding allowed above still sees a change of colour.
TEST_F(GeneratedArt, OneCrystalShiftedByEightIsNotTakenForRounding)
{
    IconArt::CrystalColours crystals = IconArt::crystalColours();
    crystals[4].setRed(crystals[4].red() + 8);
    const QImage committed(QDir(env("GLIMMORA_SOURCE_DIR")).filePath(QStringLiteral("packaging/icons/glimmora-48.png")));
    EXPECT_TRUE(PictureTolerance::Compare(IconArt::paint(48), committed).withinRounding());
    EXPECT_FALSE(PictureTolerance::Compare(IconArt::paint(48, crystals), committed).withinRounding());
}

TEST_F(GeneratedArt, ResourceListNamesEveryButtonPictureUnderTheUiPrefix)
{
    QFile qrc(produced(QStringLiteral("ui/res/ui.qrc")));
    ASSERT_TRUE(qrc.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(qrc.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("prefix=\"/ui\"")));
    QStringList listed;
    for (const auto& m : QRegularExpression(QStringLiteral("<file>([^<]+)</file>")).globalMatch(text))
        listed << m.captured(1);
    QStringList expected;
    for (const File& f : allFiles())
        if (f.path.startsWith(QStringLiteral("ui/res/")))
            expected << f.path.mid(7);
    listed.sort();
    expected.sort();
    EXPECT_EQ(listed, expected);
}

TEST_F(GeneratedArt, OptionsPanelIsFlatUnderTheCheckBoxesAtThePixelTheyTakeTheirColourFrom)
{
    QRgb plain = 0;
    for (const int k : {1, 2}) {
        SCOPED_TRACE(k);
        const QImage panel = image(scaled("data/Pics/panel4.jpg", k));
        ASSERT_FALSE(panel.isNull());
        const QRgb sample = panel.pixel(42 * k, 42 * k);
        for (const QRect r : {QRect(46, 82, 209, 20), QRect(46, 106, 209, 20), QRect(46, 159, 209, 20)}) {
            int worst = 0;
            for (int y = r.top() * k; y < (r.bottom() + 1) * k; ++y)
                for (int x = r.left() * k; x < (r.right() + 1) * k; ++x)
                    worst = std::max(worst, channelDistance(panel.pixel(x, y), sample));
            EXPECT_LE(worst, 2) << "under the check box at " << r.x() << "," << r.y();
        }
        // White bold labels sit on it: it must be dark.
        EXPECT_LT(qGray(sample), 60);
        // The check boxes of either density are blended into one plate colour.
        if (k == 1)
            plain = sample;
        else
            EXPECT_LE(channelDistance(sample, plain), 2);
    }
}

TEST_F(GeneratedArt, PicturesDrawnWholeMatchThePanelBehindThem)
{
    for (const int k : {1, 2}) {
        SCOPED_TRACE(k);
        const QImage panel = image(scaled("data/Pics/panel4.jpg", k));
        const QImage close = image(scaled("ui/res/btn86x24_normal.png", k));
        ASSERT_FALSE(panel.isNull());
        ASSERT_FALSE(close.isNull());
        const QRgb behind = panel.pixel(57 * k, 340 * k);
        const int r = 86 * k - 1, b = 24 * k - 1;
        for (const QPoint c : {QPoint(0, 0), QPoint(r, 0), QPoint(0, b), QPoint(r, b)})
            EXPECT_LE(channelDistance(close.pixel(c), behind), 1) << c.x() << "," << c.y();
    }
    // The deal number window draws the same Close plate for its OK and Cancel buttons.
    for (const int k : {1, 2}) {
        SCOPED_TRACE(k);
        const QImage panel = image(scaled("data/Pics/panel5.jpg", k));
        const QImage plate = image(scaled("ui/res/btn86x24_normal.png", k));
        ASSERT_FALSE(panel.isNull());
        for (const QPoint at : {DealPanelArt::okButton(), DealPanelArt::cancelButton()}) {
            const int r = 86 * k - 1, b = 24 * k - 1;
            for (const QPoint c : {QPoint(0, 0), QPoint(r, 0), QPoint(0, b), QPoint(r, b)})
                EXPECT_LE(channelDistance(plate.pixel(c), panel.pixel(at * k + c)), 2)
                    << "button at " << at.x() << "," << at.y() << ", corner " << c.x() << "," << c.y();
        }
    }
    // The key colour belongs to transparent pictures only.
    for (const File& f : allFiles()) {
        if (!f.path.startsWith(QStringLiteral("ui/res/")) || f.path.contains(QStringLiteral("btn71x")))
            continue;
        const QImage img(produced(f.path));
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                ASSERT_NE(img.pixel(x, y) & 0xFFFFFF, 0xFF00FFu) << qPrintable(f.path) << " " << x << "," << y;
    }
}

// A transparent plate's key colour is its bottom-left pixel and must lie only in the four cut-off
// corners (cut 5, 10 pixels at twice the size): anywhere else a hole would show the panel through
// the button.
TEST_F(GeneratedArt, TransparentPlatesKeepTheirKeyColourInTheCutCornersOnly)
{
    for (const int k : {1, 2})
        for (const char* name :
             {"ui/res/btn71x25_normal.png", "ui/res/btn71x25_over.png", "ui/res/btn71x25_pressed.png",
              "ui/res/btn71x24_normal.png", "ui/res/btn71x24_over.png", "ui/res/btn71x24_pressed.png"}) {
            const QString rel = scaled(name, k);
            SCOPED_TRACE(qPrintable(rel));
            const int cut = 5 * k;
            const QImage img = image(rel).convertToFormat(QImage::Format_RGB32);
            ASSERT_FALSE(img.isNull());
            const int w = img.width(), h = img.height();
            const QRgb key = img.pixel(0, h - 1);
            for (const QPoint c : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(w - 1, h - 1)})
                EXPECT_EQ(img.pixel(c), key) << "corner " << c.x() << "," << c.y() << " is not see-through";
            int keyed = 0;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    // Distance into the picture from the nearest corner, along both axes.
                    const int dx = std::min(x, w - 1 - x), dy = std::min(y, h - 1 - y);
                    const bool inCorner = dx + dy < cut;
                    if (img.pixel(x, y) == key) {
                        ++keyed;
                        EXPECT_TRUE(inCorner) << "key colour inside the plate at " << x << "," << y;
                    } else {
                        EXPECT_FALSE(dx + dy < 2 * k) << "corner pixel " << x << "," << y << " is drawn";
                    }
                }
            EXPECT_GE(keyed, 4 * 6 * k * k);
        }
}

TEST_F(GeneratedArt, CheckBoxPicturesKeepTheirSurroundingsInTheKeyColour)
{
    for (const int k : {1, 2}) {
        SCOPED_TRACE(k);
        const int n = 24 * k;
        const QImage checked = image(scaled("controls/res/CHECKED.bmp", k)).convertToFormat(QImage::Format_RGB32);
        const QImage unchecked = image(scaled("controls/res/UNCHECKED.bmp", k)).convertToFormat(QImage::Format_RGB32);
        const QImage grayed = image(scaled("controls/res/GRAYED.bmp", k)).convertToFormat(QImage::Format_RGB32);
        for (const QImage* img : {&checked, &unchecked, &grayed}) {
            ASSERT_FALSE(img->isNull());
            const QRgb key = img->pixel(0, n - 1);
            for (int i = 0; i < n; ++i) {
                EXPECT_EQ(img->pixel(i, 0), key);
                EXPECT_EQ(img->pixel(i, n - 1), key);
                EXPECT_EQ(img->pixel(0, i), key);
                EXPECT_EQ(img->pixel(n - 1, i), key);
            }
            EXPECT_NE(img->pixel(12 * k, 12 * k), key);
            EXPECT_NE(img->pixel(4 * k, 12 * k), key) << "the box's rim is drawn";
        }
        // The states must be told apart: the mark changes the well, the greyed mark is colourless.
        int differing = 0;
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x)
                differing += channelDistance(checked.pixel(x, y), unchecked.pixel(x, y)) > 40;
        EXPECT_GT(differing, 30 * k * k);
        // The plain picture's pixel (12, 13), over all the pixels it covers.
        const auto at = [k](const QImage& img) {
            int r = 0, g = 0, b = 0;
            for (int y = 13 * k; y < 14 * k; ++y)
                for (int x = 12 * k; x < 13 * k; ++x) {
                    r += qRed(img.pixel(x, y));
                    g += qGreen(img.pixel(x, y));
                    b += qBlue(img.pixel(x, y));
                }
            return QColor(r / (k * k), g / (k * k), b / (k * k));
        };
        const QColor mark = at(checked), dim = at(grayed);
        EXPECT_GT(mark.hsvSaturation(), 60);
        EXPECT_LT(dim.hsvSaturation(), 60);
    }
}

// The office-style button leaves black out of its glyphs: it must surround each shape and appear
// nowhere inside it. Each set runs mouse-over, disabled, pressed, idle.
TEST_F(GeneratedArt, OfficeGlyphsAreShapesOnBlackInTheirFourLooks)
{
    for (const int k : {1, 2})
        for (int set = 0; set < 4; ++set) {
            QColor looks[4];
            for (int look = 0; look < 4; ++look) {
                const int number = set * 4 + look + 1;
                const QString rel = scaled(qPrintable(QStringLiteral("controls/res/OFFICE_%1.bmp").arg(number)), k);
                SCOPED_TRACE(qPrintable(rel));
                QFile f(produced(rel));
                ASSERT_TRUE(f.open(QIODevice::ReadOnly));
                EXPECT_EQ(le16(f.readAll(), 28), 4) << "16 colours";
                const QImage img = QImage(produced(rel)).convertToFormat(QImage::Format_RGB32);
                ASSERT_FALSE(img.isNull());
                const int w = img.width(), h = img.height();
                const bool ball = set < 2;
                // A ball leaves its corners out; a triangle the corners beside its apex.
                const int apexRow = set == 2 ? 0 : h - 1;
                for (const QPoint c : ball ? QList<QPoint>{{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}}
                                           : QList<QPoint>{{0, apexRow}, {w - 1, apexRow}})
                    EXPECT_EQ(img.pixel(c) & 0xFFFFFF, 0u) << c.x() << "," << c.y();
                const QPoint middle(w / 2, ball ? h / 2 + k : h / 2);
                EXPECT_NE(img.pixel(middle) & 0xFFFFFF, 0u);
                int drawn = 0;
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x)
                        drawn += (img.pixel(x, y) & 0xFFFFFF) != 0;
                EXPECT_GT(drawn, w * h / 3);
                looks[look] = QColor(img.pixel(middle));
            }
            const QColor &over = looks[0], &disabled = looks[1], &pressed = looks[2], &idle = looks[3];
            EXPECT_LT(disabled.hsvSaturation(), 40) << "disabled is grey";
            for (const QColor* c : {&over, &pressed, &idle}) {
                EXPECT_GT(c->hsvSaturation(), 70);
                EXPECT_GT(c->blue(), c->red());
            }
            EXPECT_LT(idle.value(), 180) << "idle is dark blue";
            EXPECT_GT(over.value(), idle.value() + 50) << "mouse-over is bright blue";
            EXPECT_GT(pressed.green(), 180) << "pressed is light cyan";
            EXPECT_LT(over.green(), pressed.green() - 60);
        }
}

class GlyphSheet : public GeneratedArt {
protected:
    static constexpr int kPitch = 31;
    static constexpr int kCell = 30;

    static QRect cell(const QImage& sheet, int glyph)
    {
        const int perRow = (sheet.width() + 1) / kPitch;
        return QRect((glyph % perRow) * kPitch, (glyph / perRow) * kPitch, kCell, kCell);
    }
    // Rows of the cell that hold any lit pixel: first and last, -1 when empty.
    static std::pair<int, int> inkRows(const QImage& sheet, const QRect& r)
    {
        int first = -1, last = -1;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (qGray(sheet.pixel(x, y)) > 40) {
                    if (first < 0)
                        first = y - r.top();
                    last = y - r.top();
                }
        return {first, last};
    }
};

TEST_F(GlyphSheet, EveryCharacterHasInkInItsOwnCellAndTheGapsStayBlack)
{
    const QImage sheet = image("data/Pics/font.bmp").convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(sheet.isNull());
    const int kGlyphs = int(HudCharacters::All().size());
    ASSERT_LE(cell(sheet, kGlyphs - 1).bottom(), sheet.height() - 1);
    for (int g = 0; g < kGlyphs; ++g) {
        const auto [first, last] = inkRows(sheet, cell(sheet, g));
        if (g == 0)
            EXPECT_EQ(first, -1) << "space has no ink";
        else
            EXPECT_GE(first, 0) << "character " << int(HudCharacters::All()[g]) << " has no ink";
    }
    QImage mask(sheet.size(), QImage::Format_Mono);
    mask.fill(0);
    for (int g = 0; g < kGlyphs; ++g) {
        const QRect r = cell(sheet, g);
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                mask.setPixel(x, y, 1);
    }
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x) {
            if (!mask.pixelIndex(x, y)) {
                ASSERT_EQ(sheet.pixel(x, y) & 0xFFFFFF, 0u) << "ink outside the cells at " << x << "," << y;
            }
        }
}

TEST_F(GlyphSheet, GlyphsStandInCharacterOrderAndAreLight)
{
    const QImage sheet = image("data/Pics/font.bmp").convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(sheet.isNull());
    const auto rows = [&](char c) { return inkRows(sheet, cell(sheet, c - 32)); };
    // An apostrophe hangs high, a full stop sits low, a hyphen floats in the middle.
    EXPECT_LT(rows('\'').second, 16);
    EXPECT_GT(rows('.').first, 16);
    EXPECT_GT(rows('-').first, 10);
    EXPECT_LT(rows('-').second, 22);
    // Capitals and digits fill most of the cell's height.
    for (char c : {'A', 'E', 'Z', '0', '8'})
        EXPECT_GE(rows(c).second - rows(c).first, 18) << c;
    // The brightest pixel of a glyph is near white, with no strong colour cast but cyan's.
    const QRect e = cell(sheet, 'E' - 32);
    int brightest = 0;
    for (int y = e.top(); y <= e.bottom(); ++y)
        for (int x = e.left(); x <= e.right(); ++x) {
            const QRgb c = sheet.pixel(x, y);
            brightest = std::max(brightest, qGray(c));
            if (qGray(c) > 128) {
                EXPECT_GE(qBlue(c), qRed(c)) << "light glyphs run from white to pale cyan";
            }
        }
    EXPECT_GT(brightest, 230);
}

// How far a double-density picture, averaged down two by two, lies from the plain one in `area`.
struct Likeness {
    int worst = 0;  // largest difference of a channel
    double mean = 0;  // mean difference of a channel
};

Likeness averagedDown(const QImage& plain, const QImage& dense, const QRegion& area)
{
    Likeness l;
    long long sum = 0, count = 0;
    for (const QRect& r : area)
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const QRgb a = dense.pixel(2 * x, 2 * y), b = dense.pixel(2 * x + 1, 2 * y);
                const QRgb c = dense.pixel(2 * x, 2 * y + 1), d = dense.pixel(2 * x + 1, 2 * y + 1);
                const QRgb p = plain.pixel(x, y);
                const auto mean = [](int v0, int v1, int v2, int v3) { return (v0 + v1 + v2 + v3 + 2) / 4; };
                for (const int diff : {std::abs(mean(qRed(a), qRed(b), qRed(c), qRed(d)) - qRed(p)),
                                       std::abs(mean(qGreen(a), qGreen(b), qGreen(c), qGreen(d)) - qGreen(p)),
                                       std::abs(mean(qBlue(a), qBlue(b), qBlue(c), qBlue(d)) - qBlue(p))}) {
                    l.worst = std::max(l.worst, diff);
                    sum += diff;
                    ++count;
                }
            }
    l.mean = count ? double(sum) / count : 0;
    return l;
}

// The scene cuts a glyph out of the dense sheet at the plain sheet's rectangle times two: every
// cell must hold the plain cell's glyph at twice the size, and every gap must stay black.
TEST_F(GlyphSheet, DoubleDensitySheetIsThePlainSheetAtTwiceTheSize)
{
    const QImage plain = image("data/Pics/font.bmp").convertToFormat(QImage::Format_RGB32);
    const QImage dense = image("data/Pics/font@2x.bmp").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(plain.size(), QSize(512, 512));
    ASSERT_EQ(dense.size(), QSize(1024, 1024));
    const int kGlyphs = int(HudCharacters::All().size());
    QRegion cells;
    for (int g = 0; g < kGlyphs; ++g) {
        const QRect r = cell(plain, g);
        const QRect d(r.topLeft() * 2, r.size() * 2);
        cells += d;
        const Likeness l = averagedDown(plain, dense, r);
        // Measured: at most 7 levels, a mean of at most 0.4.
        EXPECT_LE(l.worst, 24) << "character " << int(HudCharacters::All()[g]);
        EXPECT_LE(l.mean, 1.5) << "character " << int(HudCharacters::All()[g]);
        const auto [first, last] = inkRows(plain, r);
        const auto [denseFirst, denseLast] = inkRows(dense, d);
        if (first < 0) {
            EXPECT_EQ(denseFirst, -1) << "character " << int(HudCharacters::All()[g]);
            continue;
        }
        EXPECT_NEAR(denseFirst, 2 * first, 2) << "character " << int(HudCharacters::All()[g]);
        EXPECT_NEAR(denseLast, 2 * last + 1, 2) << "character " << int(HudCharacters::All()[g]);
    }
    for (int y = 0; y < dense.height(); ++y)
        for (int x = 0; x < dense.width(); ++x)
            if (!cells.contains(QPoint(x, y))) {
                ASSERT_EQ(dense.pixel(x, y) & 0xFFFFFF, 0u) << "ink outside the cells at " << x << "," << y;
            }
}

// A window on a dense screen is the same window at twice the density: everywhere inside its
// outline the dense picture, averaged down, is the plain one up to the JPEG's noise, rim included.
TEST_F(GeneratedArt, DoubleDensityWindowsArePaintedLikeThePlainOnesInsideTheirOutlines)
{
    const struct {
        const char* rel;
        QPolygon outline;
        QSize client;
    } windows[] = {{"data/Pics/panel1.jpg", Shapes::mainOutline().toPolygon(), QSize(716, 499)},
                   {"data/Pics/panel3.jpg", Shapes::smallOutline(324).toPolygon(), QSize(306, 325)},
                   {"data/Pics/panel4.jpg", Shapes::smallOutline(386).toPolygon(), QSize(303, 386)},
                   {"data/Pics/panel5.jpg", Shapes::smallOutline(160).toPolygon(), QSize(303, 160)}};
    for (const auto& w : windows) {
        SCOPED_TRACE(w.rel);
        const QImage plain = image(w.rel).convertToFormat(QImage::Format_RGB32);
        const QImage dense = image(scaled(w.rel, 2)).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(dense.size(), plain.size() * 2);
        // As the window cuts itself: the outline's region within the window.
        const QRegion inside = QRegion(w.outline, Qt::OddEvenFill) & QRect(QPoint(0, 0), w.client) & plain.rect();
        const Likeness all = averagedDown(plain, dense, inside);
        // The rim: the band of the outline's width 8 just inside it.
        QPolygon inner;
        for (const QPointF& pt : PanelPainter::inset(QPolygonF(w.outline), 8))
            inner << pt.toPoint();
        const Likeness rim = averagedDown(plain, dense, inside - QRegion(inner, Qt::OddEvenFill));
        // Measured: at most 27 levels anywhere, a mean of 2.4 on the rim. The dense picture one
        // pixel off gives 75 to 120 and a rim mean of 10; a single foreign pixel in each block
        // along the outline gives 56 to 65.
        EXPECT_LE(all.worst, 40);
        EXPECT_LE(rim.worst, 40);
        EXPECT_LE(rim.mean, 4.0);
    }
}

}  // namespace

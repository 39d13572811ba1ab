// glimmora-artgen <repository root>: repaints every picture of the game into the source tree.
#include "ButtonArt.h"
#include "CheckBoxArt.h"
#include "DealPanelArt.h"
#include "FontArt.h"
#include "IconArt.h"
#include "ImageFiles.h"
#include "MainPanelArt.h"
#include "OfficeGlyphArt.h"
#include "OptionsPanelArt.h"
#include "PreviewSheet.h"
#include "ScorePanelArt.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

namespace {

bool step(bool ok, const QString& what)
{
    if (!ok)
        std::fprintf(stderr, "glimmora-artgen: cannot write %s\n", qPrintable(what));
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    const bool preview = argc == 4 && QByteArray(argv[2]) == "--preview";
    if (argc != 2 && !preview) {
        std::fprintf(stderr, "usage: glimmora-artgen <repository root> [--preview <file.png>]\n");
        return 2;
    }
    // Text is rendered with real font faces; no window is ever opened.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir root(QString::fromLocal8Bit(argv[1]));
    const QString pics = root.filePath(QStringLiteral("data/Pics"));
    const QString controls = root.filePath(QStringLiteral("controls/res"));
    const QString ui = root.filePath(QStringLiteral("ui/res"));
    const QString icons = root.filePath(QStringLiteral("packaging/icons"));
    for (const QString& dir : {pics, controls, ui, icons})
        if (!QDir().mkpath(dir))
            return step(false, dir) ? 0 : 1;

    bool ok = step(CheckBoxArt::writeAll(controls), controls);
    const struct {
        QImage (*paint)(int);
        const char* name;
    } panels[] = {{&MainPanelArt::paint, "panel1.jpg"},
                  {&ScorePanelArt::paint, "panel3.jpg"},
                  {&ScorePanelArt::paintWithResult, "panel3r.jpg"},
                  {&OptionsPanelArt::paint, "panel4.jpg"},
                  {&DealPanelArt::paint, "panel5.jpg"}};
    for (const int scale : ImageFiles::kScales)
        for (const auto& panel : panels) {
            const QString name = ImageFiles::atScale(QString::fromLatin1(panel.name), scale);
            const QString path = QDir(pics).filePath(name);
            ok = step(ImageFiles::writeJpeg(panel.paint(scale), path), path) && ok;
        }
    ok = step(FontArt::write(pics), QStringLiteral("font.bmp")) && ok;
    const auto decoded = [&](const char* name, int scale) {
        return QImage(QDir(pics).filePath(ImageFiles::atScale(QString::fromLatin1(name), scale)));
    };
    // The options window's small pictures are matched to its background as decoded.
    const QImage options = decoded("panel4.jpg", 1), options2x = decoded("panel4.jpg", 2);
    ok = step(!options.isNull() && !options2x.isNull() && ButtonArt::writeAll(ui, options, options2x), ui) && ok;
    // The score rows are filled with the score panel's colour at (42, 42); the glyphs blend into it.
    // That pixel lies on a plate's rim, whose pixels differ by a few levels at twice the density:
    // the rows keep the plain panel's colour on every screen.
    const QImage score = decoded("panel3.jpg", 1);
    ok = step(!score.isNull() && OfficeGlyphArt::writeAll(controls, score.pixelColor(42, 42)), controls) && ok;
    ok = step(IconArt::writeAll(icons), icons) && ok;
    if (ok && preview)
        ok = step(PreviewSheet::compose(root.path()).save(QString::fromLocal8Bit(argv[3])),
                  QString::fromLocal8Bit(argv[3]));
    return ok ? 0 : 1;
}

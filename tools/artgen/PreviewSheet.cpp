#include "PreviewSheet.h"

#include <QColor>
#include <QDir>
#include <QFont>
#include <QPainter>

namespace {

class Sheet {
public:
    Sheet(QPainter& p, const QDir& root) : p_(p), root_(root) {}

    void picture(const QString& rel, int x, int y, bool keyed = false)
    {
        QImage img(root_.filePath(rel));
        if (img.isNull())
            return;
        if (keyed) {
            // As the buttons draw a transparent picture: the bottom-left colour is left out.
            img = img.convertToFormat(QImage::Format_ARGB32);
            const QRgb key = img.pixel(0, img.height() - 1);
            for (int j = 0; j < img.height(); ++j)
                for (int i = 0; i < img.width(); ++i)
                    if (img.pixel(i, j) == key)
                        img.setPixel(i, j, 0);
        }
        p_.drawImage(x, y, img);
    }

    void checkBox(const QString& rel, int x, int y, int w, int h, QColor fill, const QString& caption)
    {
        p_.fillRect(x, y, w, h, fill);
        QImage img(root_.filePath(rel));
        img = img.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = img.pixel(0, img.height() - 1);
        for (int j = 0; j < img.height(); ++j)
            for (int i = 0; i < img.width(); ++i)
                if (img.pixel(i, j) == key)
                    img.setPixel(i, j, fill.rgb());
        p_.drawImage(x, y + (h - img.height()) / 2, img);
        text(caption, x + img.width() + 4, y + 3, 11, true);
    }

    void text(const QString& s, int x, int y, int px, bool bold, QColor c = Qt::white)
    {
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPixelSize(px);
        f.setBold(bold);
        p_.setFont(f);
        p_.setPen(c);
        p_.drawText(QRect(x, y, 400, px + 6), Qt::AlignLeft | Qt::AlignTop, s);
    }

private:
    QPainter& p_;
    QDir root_;
};

void mainWindow(Sheet& s)
{
    s.picture(QStringLiteral("data/Pics/panel1.jpg"), 0, 0);
    const struct {
        int y;
        const char* caption;
        int dx;
    } buttons[] = {
        {136, "New Game", 10}, {168, "Options", 19}, {200, "Scores", 18}, {232, " Exit", 22}, {440, "Undo", 22}};
    for (const auto& b : buttons) {
        s.picture(QStringLiteral("ui/res/btn71x25_normal.png"), 624, b.y, true);
        s.text(QString::fromLatin1(b.caption), 624 + b.dx, b.y + 5, 13, false);
    }
}

void scoreWindow(Sheet& s, int ox)
{
    s.picture(QStringLiteral("data/Pics/panel3.jpg"), ox, 0);
    for (int i = 0; i < 7; ++i)
        s.text(QStringLiteral("%1. noname").arg(i + 1), ox + 72, 52 + 24 * i, 12, false);
    s.text(QStringLiteral("0"), ox + 225, 232, 16, true);
    s.picture(QStringLiteral("ui/res/btn71x24_normal.png"), ox + 61, 280, true);
    s.picture(QStringLiteral("ui/res/btn71x24_over.png"), ox + 173, 280, true);
    s.text(QStringLiteral(" Save"), ox + 61 + 19, 280 + 5, 13, false, QColor(128, 128, 128));
    s.text(QStringLiteral(" Close"), ox + 173 + 19, 280 + 5, 13, false);
}

}  // namespace

QImage PreviewSheet::compose(const QString& root)
{
    const QDir dir(root);
    QImage sheet(716 + 306 + 303 + 256 + 40, 499, QImage::Format_RGB32);
    sheet.fill(QColor(90, 90, 96));
    QPainter p(&sheet);
    Sheet s(p, dir);
    mainWindow(s);
    scoreWindow(s, 726);
    const int ox = 726 + 316;
    s.picture(QStringLiteral("data/Pics/panel4.jpg"), ox, 0);
    const QColor plate(QImage(dir.filePath(QStringLiteral("data/Pics/panel4.jpg"))).pixel(42, 42));
    s.text(QStringLiteral("Player Name:"), ox + 47, 63, 11, true);
    s.checkBox(QStringLiteral("controls/res/CHECKED.bmp"), ox + 46, 82, 209, 20, plate,
               QStringLiteral("Rotate Objects"));
    s.checkBox(QStringLiteral("controls/res/UNCHECKED.bmp"), ox + 46, 106, 209, 20, plate,
               QStringLiteral("Sound ON/OFF"));
    s.checkBox(QStringLiteral("controls/res/GRAYED.bmp"), ox + 46, 159, 209, 20, plate, QStringLiteral("Music ON/OFF"));
    for (int y : {126, 179}) {
        s.picture(QStringLiteral("ui/res/vol_down_normal.png"), ox + 47, y);
        s.picture(y == 126 ? QStringLiteral("ui/res/volume_trough.png")
                           : QStringLiteral("ui/res/volume_trough_music.png"),
                  ox + 72, y);
        p.fillRect(ox + 82, y + 8, 70, 9, QColor(70, 180, 240));
        s.picture(QStringLiteral("ui/res/vol_up_normal.png"), ox + 232, y);
    }
    s.picture(QStringLiteral("ui/res/size_choice_normal.png"), ox + 47, 213);
    s.picture(QStringLiteral("ui/res/size_choice_over.png"), ox + 47, 234);
    s.picture(QStringLiteral("ui/res/size_choice_pressed.png"), ox + 47, 255);
    s.text(QStringLiteral("20 x 12 Game Field"), ox + 81, 219, 11, true);
    s.text(QStringLiteral("18 x 10 Game Field"), ox + 80, 239, 11, true);
    s.text(QStringLiteral("16 x 08 Game Field"), ox + 80, 260, 11, true);
    s.text(QStringLiteral("Game Scheme:"), ox + 48, 287, 11, true);
    p.fillRect(ox + 136, 285, 121, 21, QColor(160, 150, 131));
    p.fillRect(ox + 137, 286, 119, 19, Qt::white);
    s.picture(QStringLiteral("ui/res/combo_normal.png"), ox + 136 + 121 - 20, 286);
    p.fillRect(ox + 126, 59, 129, 19, QColor(128, 128, 128));
    p.fillRect(ox + 127, 60, 127, 17, QColor(192, 192, 192));
    s.picture(QStringLiteral("ui/res/btn86x24_normal.png"), ox + 57, 340);
    s.text(QStringLiteral("Close"), ox + 57 + 30, 340 + 5, 11, false);
    p.fillRect(ox + 303, 0, 3, 386, QColor(90, 90, 96));
    s.picture(QStringLiteral("data/Pics/font.bmp"), ox + 303 + 20, 0);
    return sheet;
}

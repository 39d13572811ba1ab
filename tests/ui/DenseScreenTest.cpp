// The windows on a dense screen (this program runs with QT_SCALE_FACTOR=2):
// their designed size in logical pixels, painted from the 2x pictures.
#include "GameWorld.h"

#include "ui/TFormMain.h"
#include "ui/TFormOpt.h"
#include "ui/TFormScore.h"

#include <QFile>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {
// The form as it is painted, in device pixels.
QImage Painted(TSkinnedForm& form)
{
    form.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    return form.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Pixels of the picture's top band (no control lies there) that the painted form shows unchanged.
double Matching(const QImage& painted, const QImage& picture)
{
    int same = 0, all = 0;
    for (int y = 20; y < 60; ++y)
        for (int x = 40; x < picture.width() - 40; ++x, ++all)
            same += painted.pixel(x, y) == picture.pixel(x, y);
    return double(same) / all;
}

QImage Doubled(const QImage& picture) { return picture.scaled(picture.size() * 2).convertToFormat(QImage::Format_RGB32); }
}  // namespace

TEST(DenseScreen, EveryWindowIsItsDesignSizePaintedFromItsTwiceDensePicture)
{
    GameWorld world;
    world.Start();
    for (TSkinnedForm* form : {static_cast<TSkinnedForm*>(&world.main()), static_cast<TSkinnedForm*>(&world.opt()),
                               static_cast<TSkinnedForm*>(&world.score())}) {
        const std::string name = form->metaObject()->className();
        const QImage painted = Painted(*form);
        ASSERT_EQ(form->devicePixelRatioF(), 2) << "run with QT_SCALE_FACTOR=2";
        EXPECT_EQ(painted.size(), form->size() * 2) << name;
        ASSERT_FALSE(form->HiDpiPicture().isNull()) << name;
        // Sharp: the 2x picture's own pixels, which the 1x picture doubled does not have.
        EXPECT_GT(Matching(painted, form->HiDpiPicture()), 0.99) << name;
        EXPECT_LT(Matching(Doubled(form->PanelCanvas()), form->HiDpiPicture()), 0.5) << name;
        // The outline is still the design's, in logical pixels.
        EXPECT_FALSE(form->mask().contains(QPoint(1, 1))) << name;
        EXPECT_TRUE(form->mask().contains(QPoint(8, 8))) << name;
        form->hide();
    }
}

TEST(DenseScreen, ADamagedOrMissizedTwiceDensePictureLeavesThe1xOne)
{
    GameWorld world;
    QFile panel(world.Path("Pics/panel3@2x.jpg"));
    ASSERT_TRUE(panel.open(QIODevice::ReadOnly));
    const QByteArray whole = panel.readAll();
    panel.close();
    // Cut short: it would decode with grey rows.
    ASSERT_TRUE(panel.open(QIODevice::WriteOnly | QIODevice::Truncate));
    panel.write(whole.left(whole.size() / 2));
    panel.close();
    // The 1x picture under the 2x name: of the wrong size.
    QFile::remove(world.Path("Pics/panel4@2x.jpg"));
    ASSERT_TRUE(QFile::copy(world.Path("Pics/panel4.jpg"), world.Path("Pics/panel4@2x.jpg")));
    world.Start();
    for (TSkinnedForm* form : {static_cast<TSkinnedForm*>(&world.score()), static_cast<TSkinnedForm*>(&world.opt())}) {
        const QImage painted = Painted(*form);
        EXPECT_TRUE(form->HiDpiPicture().isNull());
        EXPECT_GT(Matching(painted, Doubled(form->PanelCanvas())), 0.9) << form->metaObject()->className();
        form->hide();
    }
    EXPECT_TRUE(world.messages.empty());
}

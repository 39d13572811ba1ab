// Window outlines, masks, placement and dragging.
#include "GameWorld.h"

#include "ui/TFormMain.h"
#include "ui/TFormOpt.h"
#include "ui/TFormScore.h"
#include "controls/TFrogButton.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

TEST(WindowShape, CornersAreCutAndControlsStayWhole)
{
    GameWorld world;
    world.Start();
    for (TSkinnedForm* form : {static_cast<TSkinnedForm*>(&world.main()), static_cast<TSkinnedForm*>(&world.opt()),
                               static_cast<TSkinnedForm*>(&world.score())}) {
        const QRegion r = form->WindowRegion();
        EXPECT_FALSE(r.contains(QPoint(0, 0))) << form->windowTitle().toStdString();
        EXPECT_FALSE(r.contains(QPoint(2, 1)));
        EXPECT_TRUE(r.contains(QPoint(8, 8)));
        EXPECT_TRUE(r.contains(QPoint(100, 100)));
        EXPECT_EQ(form->mask(), r);
    }
    const QRegion main = world.main().WindowRegion();
    EXPECT_FALSE(main.contains(QPoint(715, 0)));
    EXPECT_FALSE(main.contains(QPoint(0, 498)));
    EXPECT_TRUE(main.contains(QPoint(700, 250)));

    // The score window's last row is outside its outline except under controls.
    const QRegion score = world.score().WindowRegion();
    for (int x = 0; x < 306; x += 5)
        EXPECT_FALSE(score.contains(QPoint(x, 324))) << x;
    EXPECT_TRUE(score.contains(QPoint(150, 323)));

    // A control reaching past the outline stays whole.
    auto* probe = new QWidget(&world.score());
    probe->setGeometry(280, 310, 40, 30);
    world.score().RebuildWindowRgn();
    EXPECT_TRUE(world.score().WindowRegion().contains(QPoint(300, 335)));
    EXPECT_TRUE(world.score().WindowRegion().contains(QPoint(282, 324)));
    EXPECT_FALSE(world.score().WindowRegion().contains(QPoint(200, 324)));
}

TEST(WindowShape, MainWindowIsCentredAndTheOthersOverIt)
{
    GameWorld world;
    world.Start();
    const QSize screen = QGuiApplication::primaryScreen()->size();
    EXPECT_EQ(world.main().x(), screen.width() / 2 - 716 / 2);
    EXPECT_EQ(world.main().y(), screen.height() / 2 - 499 / 2);
    EXPECT_EQ(world.main().size(), QSize(716, 499));
    EXPECT_EQ(world.opt().size(), QSize(303, 386));
    EXPECT_EQ(world.score().size(), QSize(306, 325));
    EXPECT_EQ(world.opt().x(), world.main().x() + 716 / 2 - 303 / 2);
    EXPECT_EQ(world.opt().y(), world.main().y() + 499 / 2 - 386 / 2);
    EXPECT_EQ(world.score().x(), world.main().x() + 716 / 2 - 306 / 2);
    EXPECT_EQ(world.score().y(), world.main().y() + 499 / 2 - 325 / 2);
}

TEST(WindowShape, MainWindowDragsOnlyByItsStripAndMinimisesOnRightButton)
{
    GameWorld world;
    world.Start();
    TFormMain& w = world.main();
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const QPoint start = w.pos();

    // Below the strip: nothing.
    QTest::mousePress(&w, Qt::LeftButton, {}, QPoint(20, 30));
    QTest::mouseMove(&w, QPoint(60, 70));
    QTest::mouseRelease(&w, Qt::LeftButton, {}, QPoint(60, 70));
    EXPECT_EQ(w.pos(), start);

    // Inside the strip: the window follows the mouse.
    QTest::mousePress(&w, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseMove(&w, QPoint(50, 60));
    QTest::mouseRelease(&w, Qt::LeftButton, {}, QPoint(50, 60));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.pos() == start + QPoint(30, 40); })) << w.x() << "," << w.y();

    QTest::mousePress(&w, Qt::RightButton, {}, QPoint(20, 31));
    EXPECT_FALSE(w.isMinimized());
    QTest::mousePress(&w, Qt::RightButton, {}, QPoint(440, 20));
    EXPECT_TRUE(w.isMinimized());
}

TEST(WindowShape, OptionsWindowDragsByAnyPointOfItsSurface)
{
    GameWorld world;
    world.Start();
    TFormOpt& w = world.opt();
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const QPoint start = w.pos();
    QTest::mousePress(&w, Qt::RightButton, {}, QPoint(150, 320));
    QTest::mouseMove(&w, QPoint(160, 300));
    QTest::mouseRelease(&w, Qt::RightButton, {}, QPoint(160, 300));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.pos() == start + QPoint(10, -20); })) << w.x() << "," << w.y();
    EXPECT_FALSE(w.isMinimized());
    w.hide();
}

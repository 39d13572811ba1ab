// Start-up order, activation and the main window's buttons.
#include "GameWorld.h"

#include "game/Game.h"
#include "ui/MainScene.h"
#include "ui/TFormMain.h"
#include "ui/TFormOpt.h"
#include "ui/TFormScore.h"
#include "scene/TBitmapFont.h"
#include "controls/TFrogButton.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {
void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() / 2, w->height() / 2)); }
}  // namespace

TEST(Startup, FirstBoardIsDealtByTheOptionsWindowBeforeTheMainWindowShows)
{
    GameWorld world;
    world.WriteIni("[Options]\r\nRB168=1\r\nScheme=2\r\n");
    world.Start();
    const Game& game = world.main().game();
    EXPECT_TRUE(game.GameActive());
    EXPECT_EQ(game.Board().NextPiece, 129);
    EXPECT_EQ(game.Board().FieldCols, 16);
    EXPECT_FALSE(world.main().isVisible());
    EXPECT_TRUE(world.messages.empty()) << world.messages.front();
}

TEST(Startup, WithoutSettingsTheFirstBoardIsTheSmallest)
{
    GameWorld world;
    world.Start();
    const Game& game = world.main().game();
    EXPECT_TRUE(game.GameActive());
    EXPECT_EQ(game.Board().NextPiece, 129);
    EXPECT_EQ(game.Board().FieldRows, 8);
}

TEST(Startup, ActivationRunsOnceAndNotAfterAModalWindowCloses)
{
    GameWorld world;
    world.Start();
    world.main().show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return world.main().Activated(); }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return world.main().ActivationCount() == 1; }))
        << "world.main().ActivationCount() == 1";

    // Close the options window from inside its modal loop.
    QTimer::singleShot(50, [&] { Click(Control<TFrogButton>(world.opt(), "elbtClose")); });
    world.main().btOptionsClick();
    EXPECT_FALSE(world.opt().isVisible());
    QTimer::singleShot(50, [&] { Click(Control<TFrogButton>(world.score(), "elbtClose")); });
    world.main().fbHighScoresClick();
    QTest::qWait(50);
    EXPECT_EQ(world.main().ActivationCount(), 1);
}

// The clock sleeps while nothing moves; the field turning after the game keeps it going.
TEST(Startup, TheFrameClockKeepsRunningBehindAModalWindow)
{
    GameWorld world;
    world.WriteIni("[Options]\r\nRB168=1\r\n");
    world.Start();
    world.main().show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return world.main().Activated(); }));
    EndGame(world.main().session());
    QSignalSpy frames(&world.main().scene(), &MainScene::progress);
    // The window closes once the frames came, or after a time no machine
    // needs for six frames.
    QElapsedTimer open;
    QTimer poll;
    poll.callOnTimeout([&] {
        if (frames.count() > 5 || open.elapsed() > 10000) {
            poll.stop();
            Click(Control<TFrogButton>(world.opt(), "elbtClose"));
        }
    });
    open.start();
    poll.start(10);
    world.main().btOptionsClick();
    EXPECT_GT(frames.count(), 5);
}

TEST(Startup, MissingMainPictureIsReportedAndStartUpGoesOn)
{
    GameWorld world;
    world.Remove("Pics/panel1.jpg");
    world.WriteIni("[Options]\r\nRB2012=1\r\n");
    world.Start();
    ASSERT_FALSE(world.messages.empty());
    EXPECT_NE(world.messages.front().find("panel1.jpg"), std::string::npos) << world.messages.front();
    // The window keeps its plain rectangular shape; the rest starts normally.
    EXPECT_TRUE(world.main().WindowRegion().isEmpty());
    EXPECT_TRUE(world.main().mask().isEmpty());
    EXPECT_EQ(world.main().game().Board().NextPiece, 241);
    EXPECT_FALSE(world.opt().WindowRegion().isEmpty());
}

TEST(Startup, MissingFontPictureIsReportedOnActivation)
{
    GameWorld world;
    world.Remove("Pics/font.bmp");
    world.Start();
    world.main().show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return world.main().ActivationCount() == 1; }))
        << "world.main().ActivationCount() == 1";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !world.messages.empty(); }));
    EXPECT_NE(world.messages.front().find("font.bmp"), std::string::npos) << world.messages.front();
}

// A picture of another size than the design's would leave the window black and the
// texts without glyphs: each is refused as a damaged file is, naming the file.
TEST(Startup, PanelAndFontPicturesOfAnotherSizeAreRefused)
{
    GameWorld world;
    ASSERT_TRUE(QImage(1, 1, QImage::Format_RGB32).save(world.Path("Pics/panel1.jpg"), "JPG"));
    ASSERT_TRUE(QImage(1, 1, QImage::Format_RGB32).save(world.Path("Pics/font.bmp"), "BMP"));
    world.Start();
    world.main().show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return world.messages.size() >= 2; }));
    using testing::AllOf, testing::HasSubstr, testing::StartsWith;
    EXPECT_THAT(world.messages[0], AllOf(StartsWith("Cannot read picture \""),
                                         HasSubstr("Pics/panel1.jpg\": Picture is 1 x 1, not 715 x 499")));
    EXPECT_THAT(world.messages[1], AllOf(StartsWith("Cannot open file \""),
                                         HasSubstr("Pics/font.bmp\": picture is 1 x 1, not 512 x 512")));
    EXPECT_TRUE(world.main().PanelCanvas().isNull() && world.main().scene().Font().glyphImage().isNull());
}

// A burst's clicks are handled in one pass, here inside the options window's loop:
// Close, Scores; then inside the scores window's: Close, Options. Each window opens
// once the closed one's loop has ended, not inside it nor never.
TEST(MainButtons, ABurstOfClicksLeavesNoWindowUnableToOpen)
{
    GameWorld world;
    world.Start();
    world.main().show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return world.main().Activated(); }));
    TFormOpt& opt = world.opt();
    TFormScore& score = world.score();
    bool scoresOutsideOptions = false, optionsReopened = false;
    QTimer::singleShot(5000, &opt, [&] { score.hide(), opt.hide(); });  // no window stays up, whatever fails
    QTimer::singleShot(50, &opt, [&] {
        Click(Control<TFrogButton>(opt, "elbtClose"));
        Click(Control(world.main(), "fbHighScores"));
        QTimer::singleShot(50, &score, [&] {
            scoresOutsideOptions = score.isVisible() && !opt.ModalLoopUnwinding();
            Click(Control<TFrogButton>(score, "elbtClose"));
            Click(Control(world.main(), "btOptions"));
            QTimer::singleShot(50, &opt, [&] { optionsReopened = opt.isVisible(), Click(Control<TFrogButton>(opt, "elbtClose")); });
        });
    });
    world.main().btOptionsClick();
    EXPECT_TRUE(QTest::qWaitFor([&] { return optionsReopened; }, 5000)) << "the options window did not open again";
    EXPECT_TRUE(scoresOutsideOptions) << "the scores ran inside the closed window's loop";
}

TEST(MainButtons, NewGameUndoAndExit)
{
    GameWorld world;
    world.WriteIni("[Options]\r\nRB168=1\r\nSong=2\r\n");
    world.Start();
    const Game& game = world.main().game();

    // A turn on piece 1, then Undo through the button.
    world.main().session().PointerPressed(1);
    ASSERT_EQ(game.UndoDepth(), 1);
    Click(Control(world.main(), "btUndo"));
    EXPECT_EQ(game.UndoDepth(), 0);

    world.main().session().PointerPressed(1);
    Click(Control(world.main(), "btNewGame"));
    EXPECT_TRUE(game.GameActive());
    EXPECT_EQ(game.UndoDepth(), 0);
    EXPECT_EQ(game.Board().Score, 0);

    world.main().show();
    Click(Control(world.main(), "fbExit"));
    EXPECT_FALSE(world.main().isVisible());
    EXPECT_NE(world.ReadIni().find("Song=3"), std::string::npos) << world.ReadIni();
}

TEST(MainButtons, HighlightColourIsGreyWhileRunningAndRestoredOnClose)
{
    const QColor before = QApplication::palette().color(QPalette::Highlight);
    GameWorld world;
    world.Start();
    EXPECT_EQ(QApplication::palette().color(QPalette::Highlight), QColor(153, 151, 153));
    world.main().show();
    world.main().close();
    EXPECT_EQ(QApplication::palette().color(QPalette::Highlight), before);
}

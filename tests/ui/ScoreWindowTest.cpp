// The high-score window over the real table and file.
#include "GameWorld.h"

#include "game/Game.h"
#include "controls/TFlatEdit.h"
#include "ui/TFormMain.h"
#include "ui/TFormOpt.h"
#include "ui/TFormScore.h"
#include "controls/TFrogButton.h"
#include "controls/TOffice97Button.h"
#include "platform/SafeSave.h"

#include <QFile>

#include <cerrno>
#include <chrono>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
// The end of a game, its result handed over as the main window opens the
// score window.
void GameEndsWith(GameWorld& world, int score)
{
    SetScore(world.main().session(), score);
    world.pending().Offer(score);
}

QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

TEST(ScoreWindow, AFirstRunWithoutATableSaysSoOnceAndTheFirstSaveMakesTheFile)
{
    GameWorld world;
    world.Remove("hscore.dat");
    world.WriteIni("[Options]\r\nRB168=1\r\nPlayerName=Ann\r\n");
    world.Start();
    ASSERT_EQ(world.messages, std::vector<std::string>{"File not found"});
    TFormScore& s = world.score();
    for (int rank = 1; rank <= 7; ++rank)
        EXPECT_EQ(s.Row(rank)->caption(), "noname");
    EXPECT_FALSE(Control<TFrogButton>(s, "elbtSaveResult")->isEnabled());

    GameEndsWith(world, 1234);
    s.show();
    EXPECT_TRUE(Control<TFrogButton>(s, "elbtSaveResult")->isEnabled());
    EXPECT_EQ(Control<TFrogButton>(s, "elbtSaveResult")->font()->color(), QColor(Qt::white));
    EXPECT_TRUE(Control<TFlatEdit>(s, "meEnterName")->isEnabled());
    EXPECT_EQ(Control<TFlatEdit>(s, "meEnterName")->text(), "Ann");
    EXPECT_EQ(Control<QLabel>(s, "labPoints")->text(), "1234");
    EXPECT_GE(Control<QLabel>(s, "labPoints")->width(), Control<QLabel>(s, "labPoints")->sizeHint().width());  // every digit shows

    Control<TFlatEdit>(s, "meEnterName")->setText(QString::fromUtf8("Zo\xC3\xAB"));
    s.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&s));
    Control<TFlatEdit>(s, "meEnterName")->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Control<TFlatEdit>(s, "meEnterName")->hasFocus(); }));
    ClickMiddle(Control<TFrogButton>(s, "elbtSaveResult"));
    for (int rank = 1; rank <= 7; ++rank)
        EXPECT_TRUE(s.Row(rank)->isFocusFrameHidden()) << "row " << rank << " took the name field's focus";
    EXPECT_FALSE(Control<TFrogButton>(s, "elbtSaveResult")->isEnabled());
    EXPECT_EQ(Control<TFrogButton>(s, "elbtSaveResult")->font()->color(), QColor(0x80, 0x80, 0x80));
    EXPECT_FALSE(Control<TFlatEdit>(s, "meEnterName")->isEnabled());
    EXPECT_EQ(Control<TFlatEdit>(s, "meEnterName")->text(), "");
    EXPECT_EQ(s.Row(1)->caption(), QString::fromUtf8("Zo\xC3\xAB") + QString(14, ' ') + "1234");
    EXPECT_EQ(s.Row(2)->caption(), QString(17, ' ') + "   0");
    EXPECT_EQ(ReadFile(world.Path("hscore.dat")).count("\r\n"), 7);
    // Changing the name here never changes the player's name in the options.
    EXPECT_EQ(Control<TFlatEdit>(world.opt(), "edPlayerName")->text(), "Ann");

    ClickMiddle(Control<TFrogButton>(s, "elbtClose"));
    EXPECT_FALSE(s.isVisible());
    EXPECT_EQ(Control<QLabel>(s, "labPoints")->text(), "0");
    EXPECT_EQ(world.messages.size(), 1u);
}

TEST(ScoreWindow, ViewingShowsTheTableWithNothingToSaveAndClosingForgetsAnUnsavedResult)
{
    GameWorld world;
    world.WriteIni("[Options]\r\nRB168=1\r\n");
    world.Start();
    EXPECT_TRUE(world.messages.empty()) << world.messages.front();
    TFormScore& s = world.score();
    const QByteArray shipped = ReadFile(world.Path("hscore.dat"));
    const QString best = s.Row(1)->caption();
    EXPECT_NE(best, "noname");
    EXPECT_EQ(best.size(), 20);
    // Loaded rows blend into the window's picture.
    EXPECT_EQ(s.Row(7)->color(), s.PanelCanvas().pixelColor(42, 42));

    s.show();  // the Scores button
    EXPECT_FALSE(Control<TFrogButton>(s, "elbtSaveResult")->isEnabled());
    EXPECT_EQ(Control<QLabel>(s, "labPoints")->text(), "0");
    s.hide();

    GameEndsWith(world, 50000);
    s.show();
    EXPECT_TRUE(Control<TFrogButton>(s, "elbtSaveResult")->isEnabled());
    ClickMiddle(Control<TFrogButton>(s, "elbtClose"));
    s.show();
    EXPECT_FALSE(Control<TFrogButton>(s, "elbtSaveResult")->isEnabled());
    EXPECT_FALSE(Control<TFlatEdit>(s, "meEnterName")->isEnabled());
    EXPECT_EQ(s.Row(1)->caption(), best);
    EXPECT_EQ(ReadFile(world.Path("hscore.dat")), shipped);
    s.hide();
}

TEST(ScoreWindow, PressingARowLeavesNoFocusFrameOnAny)
{
    GameWorld world;
    world.WriteIni("[Options]\r\nRB168=1\r\n");
    world.Start();
    TFormScore& s = world.score();
    s.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&s));
    s.activateWindow();
    // The first row holds the focus as the window comes up, without a frame.
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.Row(1)->hasFocus(); }));
    QTest::qWait(20);
    EXPECT_TRUE(s.Row(1)->isFocusFrameHidden());
    QTest::mousePress(s.Row(3), Qt::LeftButton, {}, QPoint(100, 10));
    for (int rank = 1; rank <= 7; ++rank)
        EXPECT_TRUE(s.Row(rank)->isFocusFrameHidden()) << rank;
    QTest::mouseRelease(s.Row(3), Qt::LeftButton, {}, QPoint(100, 10));
    s.hide();
}

// A save that fails (a full disk) says so and keeps the result: Save and the
// typed name stay, and the next click saves it once.
TEST(ScoreWindow, AFailedSaveKeepsTheResultForAnotherTry)
{
    GameWorld world;
    world.Start();
    TFormScore& s = world.score();
    const QByteArray before = ReadFile(world.Path("hscore.dat"));
    GameEndsWith(world, 5000);
    s.show();
    Control<TFlatEdit>(s, "meEnterName")->setText("Keeper");
    SetSafeSaveRename([](const std::string&, const std::string&) {
        errno = ENOSPC;
        return false;
    });
    ClickMiddle(Control<TFrogButton>(s, "elbtSaveResult"));
    SetSafeSaveRename({});
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_NE(world.messages[0].find("No space left on device"), std::string::npos) << world.messages[0];
    EXPECT_EQ(ReadFile(world.Path("hscore.dat")), before);
    EXPECT_TRUE(Control<TFrogButton>(s, "elbtSaveResult")->isEnabled());
    EXPECT_TRUE(Control<TFlatEdit>(s, "meEnterName")->isEnabled());
    EXPECT_EQ(Control<TFlatEdit>(s, "meEnterName")->text(), "Keeper");

    ClickMiddle(Control<TFrogButton>(s, "elbtSaveResult"));
    EXPECT_EQ(world.messages.size(), 1u);
    EXPECT_FALSE(Control<TFrogButton>(s, "elbtSaveResult")->isEnabled());
    EXPECT_TRUE(s.Row(1)->caption().startsWith("Keeper"));
    EXPECT_FALSE(s.Row(2)->caption().startsWith("Keeper")) << "the result went in twice";
    EXPECT_TRUE(ReadFile(world.Path("hscore.dat")) != before);
    s.hide();
}

// Another copy of the game stopped in the middle of a save holds the folder's
// lock: Save waits a bounded time, says the table is busy and stays usable.
TEST(ScoreWindow, ALockHeldElsewhereMakesSaveSayBusyAndStayUsable)
{
    GameWorld world;
    world.Start();
    TFormScore& s = world.score();
    s.Table().SetLockPatience(std::chrono::milliseconds(50));
    const QByteArray before = ReadFile(world.Path("hscore.dat"));
    GameEndsWith(world, 5000);
    s.show();
    Control<TFlatEdit>(s, "meEnterName")->setText("Waiter");
    const int holder = ::open(QFile::encodeName(world.Path("")).constData(), O_RDONLY | O_DIRECTORY);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    ClickMiddle(Control<TFrogButton>(s, "elbtSaveResult"));
    ::close(holder);
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_NE(world.messages[0].find("is busy"), std::string::npos) << world.messages[0];
    EXPECT_EQ(ReadFile(world.Path("hscore.dat")), before);
    EXPECT_TRUE(Control<TFrogButton>(s, "elbtSaveResult")->isEnabled());
    EXPECT_EQ(Control<TFlatEdit>(s, "meEnterName")->text(), "Waiter");

    ClickMiddle(Control<TFrogButton>(s, "elbtSaveResult"));
    EXPECT_EQ(world.messages.size(), 1u);
    EXPECT_TRUE(s.Row(1)->caption().startsWith("Waiter"));
    s.hide();
}

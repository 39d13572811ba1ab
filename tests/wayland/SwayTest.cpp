// The real program under a headless sway, driven through one virtual
// pointer: a click plays as the replay tool says the same deal plays, and the
// title strip drags the window through the compositor, whose buttons then
// work where it stands.
#include "WaylandDesktop.h"

#include "../e2e/BoardPlay.h"
#include "../e2e/RunningGame.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include <tuple>

namespace {
const char* const kSettings = "[Options]\r\nRB168=1\r\nScheme=2\r\n";
// The SCORE line at the foot of the view, in window pixels.
const QRect kScoreLine(MainWindow::View + QPoint(12, 403), QSize(150, 14));
// A place on the window beside the view, where the pointer hides nothing that is checked.
const QPoint kBesideTheView(660, 350);

class SwayDesktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const QString why = Desktop::Missing(); !why.isEmpty())
            GTEST_SKIP() << why.toStdString();
        scale_ = Desktop::Scale();
        // The pointer comes first, so that the game finds a seat with a pointer.
        const QString why = pointer_.Start(Sway::LayoutSize());
        if (why.startsWith("glimmora-wlinput was not built"))
            GTEST_SKIP() << why.toStdString();
        ASSERT_TRUE(why.isEmpty()) << why.toStdString();

        game_.SetEnvironment("QT_QPA_PLATFORM", "wayland");
        game_.WriteFile("s3d.ini", kSettings);
        game_.Start(kFrozen);
        ASSERT_TRUE(Desktop::WaitUntil([&] { return !Sway::WindowRect(MainWindow::Title).isEmpty(); },
                                       Desktop::Deadline(20000)))
            << "sway shows no window titled " << MainWindow::Title.toStdString();
        window_ = Sway::WindowRect(MainWindow::Title);
        cmds_ = QStringList{QString("new 16x8 %1").arg(kSeed)};
        dealt_ = RunReplay(cmds_);
    }

    // A place in the window, on the screen and in the layout the pointer moves in.
    QPoint Screen(QPoint inWindow) const { return (window_.topLeft() + inWindow) * scale_; }
    DrawnField Field() const { return DrawnField{window_.topLeft() * scale_, scale_}; }
    bool MoveTo(QPoint screen) { return pointer_.Move(screen / scale_); }
    // A hand on the mouse comes to a place through others: a single jump
    // into the view would reach it as an enter alone, without a motion.
    bool ComeTo(QPoint screen) { return MoveTo(screen - QPoint(2 * scale_, 0)) && MoveTo(screen); }

    QImage ShotShowing(const ReplayState& state)
    {
        return Desktop::ScreenshotWhen([&](const QImage& shot) { return Field().Mismatches(shot, state).empty(); },
                                       Desktop::Deadline(20000));
    }

    int scale_ = 1;
    VirtualPointer pointer_;
    RunningGame game_;
    QRect window_;  // in layout coordinates
    QStringList cmds_;
    ReplayState dealt_;
};
}  // namespace

TEST_F(SwayDesktop, AClickOnAGroupRemovesItAsTheRulesSayAndScores)
{
    ASSERT_EQ(window_.size(), QSize(716, 499));
    ASSERT_TRUE(MoveTo(Screen(kBesideTheView)));
    const QImage first = ShotShowing(dealt_);
    const std::vector<std::string> unlike = Field().Mismatches(first, dealt_);
    ASSERT_TRUE(unlike.empty()) << unlike.size() << " cells do not show the deal (first: " << unlike.front()
                                << "); the screen is kept in " << Desktop::Keep(first, "sway-dealt").toStdString();

    // A group of three or more, so that it scores.
    ReplayState hovered;
    int r = 0, c = 0;
    std::tie(r, c) = CellOfScoringGroup(cmds_, dealt_, DrawnField::Rows, DrawnField::Cols, &hovered);
    ASSERT_GT(r, 0) << "no group of three in the deal";
    cmds_ << QString("move %1 %2").arg(r).arg(c) << "press";
    const ReplayState played = RunReplay(cmds_);
    ASSERT_GT(played.score, 0);
    ASSERT_NE(played.kinds, dealt_.kinds);

    // The pointer over the group lights it and shows its points; the click
    // waits for that, as a player's would.
    const QRect points = kScoreLine.translated(0, 15);
    const auto at = [&](QRect inWindow) { return QRect(Screen(inWindow.topLeft()), inWindow.size() * scale_); };
    ASSERT_TRUE(ComeTo(Field().Cell(r, c)));
    const QImage lit = Desktop::ScreenshotWhen(
        [&](const QImage& shot) { return shot.copy(at(points)) != first.copy(at(points)); }, Desktop::Deadline(10000));
    EXPECT_NE(lit.copy(at(points)), first.copy(at(points)))
        << "the POINTS text did not change over a group of " << hovered.group << "; the screen is kept in "
        << Desktop::Keep(lit, "sway-hover").toStdString();
    ASSERT_TRUE(pointer_.Click());
    ASSERT_TRUE(MoveTo(Screen(kBesideTheView)));

    // The board and the SCORE text may land in different frames.
    const QImage after = Desktop::ScreenshotWhen(
        [&](const QImage& shot) {
            return Field().Mismatches(shot, played).empty() && shot.copy(at(kScoreLine)) != first.copy(at(kScoreLine));
        },
        Desktop::Deadline(20000));
    const std::vector<std::string> wrong = Field().Mismatches(after, played);
    EXPECT_TRUE(wrong.empty()) << wrong.size() << " cells do not show the board after the click on " << r << ","
                               << c << " (first: " << wrong.front() << "); the screen is kept in "
                               << Desktop::Keep(after, "sway-click").toStdString();
    EXPECT_NE(after.copy(at(kScoreLine)), first.copy(at(kScoreLine)))
        << "the SCORE text did not change (the rules give " << played.score << ")";
    // The game has drawn the click's result: had the press asked the
    // compositor to move the window, that request would have come before.
    EXPECT_EQ(Sway::WindowRect(MainWindow::Title), window_) << "a click on the view moved the window";
}

TEST_F(SwayDesktop, DraggingTheTitleStripMovesTheWindow)
{
    ASSERT_TRUE(MoveTo(Screen(kBesideTheView)));
    const QImage before = ShotShowing(dealt_);
    ASSERT_EQ(Desktop::NonDesktopBox(before).topLeft(), window_.topLeft() * scale_)
        << "the window is not drawn where sway says it is";

    // The compositor takes the drag over when the game asks it to, a moment
    // after the press (later on a busy machine, while the game is still
    // loading its sound); from then on the window keeps its offset to the
    // pointer. The pointer trembles by a pixel until the window first follows it.
    const QPoint grab(200, 20);  // on the strip under the title
    const QPoint by(-120, 90);
    const QPoint creep(-1, 1);
    ASSERT_TRUE(MoveTo(Screen(grab)));
    ASSERT_TRUE(pointer_.Press());
    QPoint pointer = grab;
    QRect followed = window_;
    QElapsedTimer waited;
    waited.start();
    for (int step = 1; followed == window_ && waited.elapsed() < Desktop::Deadline(10000); ++step) {
        pointer = grab + creep * (step % 2 + 1);
        ASSERT_TRUE(MoveTo(Screen(pointer)));
        followed = Sway::WindowRect(MainWindow::Title);
    }
    ASSERT_NE(followed, window_) << "the window did not follow the pointer pressed on the title strip";
    const QPoint offset = window_.topLeft() + pointer - followed.topLeft();
    for (int step = 1; step <= 6; ++step)
        ASSERT_TRUE(MoveTo(Screen(grab + by * step / 6)));
    ASSERT_TRUE(pointer_.Release());

    const QRect moved(window_.topLeft() + grab + by - offset, window_.size());
    ASSERT_TRUE(Desktop::WaitUntil([&] { return Sway::WindowRect(MainWindow::Title) == moved; },
                                   Desktop::Deadline(10000)))
        << "the window stands at " << Sway::WindowRect(MainWindow::Title).x() << ","
        << Sway::WindowRect(MainWindow::Title).y() << ", not " << moved.x() << "," << moved.y();
    EXPECT_LE((moved.topLeft() - window_.topLeft() - by).manhattanLength(), 2 * 30)
        << "the drag was taken over late";

    // Drawn whole at its new place: the picture's corner and the dealt field.
    window_ = moved;
    ASSERT_TRUE(MoveTo(Screen(kBesideTheView)));
    const QImage after = ShotShowing(dealt_);
    EXPECT_EQ(Desktop::NonDesktopBox(after).topLeft(), moved.topLeft() * scale_);
    const std::vector<std::string> wrong = Field().Mismatches(after, dealt_);
    EXPECT_TRUE(wrong.empty()) << wrong.size() << " cells do not show the deal after the move (first: "
                               << wrong.front() << "); the screen is kept in "
                               << Desktop::Keep(after, "sway-moved").toStdString();

    // And it takes clicks where it now stands: Exit ends the game.
    ASSERT_TRUE(ComeTo(Screen(MainWindow::ExitButton)));
    ASSERT_TRUE(pointer_.Click());
    EXPECT_TRUE(game_.WaitForExit(Desktop::Deadline(10000))) << "Exit did not end the game";
}

// A window taken to an output of another scale draws there at that scale: the
// field where the design puts it, in the output's own pixels, from the first
// frame there on. sway shows both outputs in one screenshot at the higher scale.
TEST_F(SwayDesktop, TakenToADenserOutputTheWindowDrawsThereAtItsScale)
{
    const QString dense = qEnvironmentVariable("GLIMMORA_DENSE_OUTPUT");
    if (dense.isEmpty())
        GTEST_SKIP() << "needs a second output of another scale (with-sway --dense-output)";
    ASSERT_TRUE(MoveTo(QPoint(0, 0)));
    const auto fieldIn = [&](const QImage& shot) {
        const int s = shot.width() / Sway::LayoutSize().width();
        return DrawnField{Sway::WindowRect(MainWindow::Title).topLeft() * s, s};
    };
    const auto shows = [&](const QImage& shot) { return fieldIn(shot).Mismatches(shot, dealt_).empty(); };
    ASSERT_TRUE(shows(Desktop::ScreenshotWhen(shows, Desktop::Deadline(20000)))) << "no deal on the first output";

    RunningGame::Run("swaymsg", {QString("[title=\"%1\"] move to output %2").arg(MainWindow::Title, dense)});
    ASSERT_TRUE(Desktop::WaitUntil([&] { return Sway::WindowRect(MainWindow::Title).x() >= Sway::LayoutSize().width() / 2; },
                                   Desktop::Deadline(10000)))
        << "sway did not take the window to " << dense.toStdString();
    // The compositor shows the last frame scaled until the game draws anew: a
    // group lit under the pointer is surely drawn at the new scale.
    const QImage moved = Desktop::ScreenshotWhen(shows, Desktop::Deadline(20000));
    ReplayState hovered;
    int r = 0, c = 0;
    std::tie(r, c) = CellOfScoringGroup(cmds_, dealt_, DrawnField::Rows, DrawnField::Cols, &hovered);
    ASSERT_GT(r, 0);
    const DrawnField field = fieldIn(moved);
    const int s = field.scale;
    ASSERT_TRUE(pointer_.Move(field.Cell(r, c) / s - QPoint(2, 0)) && pointer_.Move(field.Cell(r, c) / s));
    const auto lit = [&](const QImage& shot) {
        for (auto [lr, lc] : hovered.lit)
            if (shot.pixel(field.Cell(lr, lc)) == moved.pixel(field.Cell(lr, lc)))
                return false;
        return true;
    };
    const QImage hover = Desktop::ScreenshotWhen(lit, Desktop::Deadline(20000));
    ASSERT_TRUE(lit(hover)) << "the group under the pointer did not light up; the screen is kept in "
                            << Desktop::Keep(hover, "sway-dense-hover").toStdString();
    // The pointer's picture away from the field; the group stays lit.
    ASSERT_TRUE(pointer_.Move(field.Cell(1, 1) / s + QPoint(0, -120)));
    const QImage there = Desktop::ScreenshotWhen(shows, Desktop::Deadline(10000));
    const std::vector<std::string> wrong = fieldIn(there).Mismatches(there, dealt_);
    EXPECT_TRUE(wrong.empty()) << wrong.size() << " cells do not show the deal on the dense output (first: "
                               << wrong.front() << "); the screen is kept in "
                               << Desktop::Keep(there, "sway-dense-output").toStdString();
}

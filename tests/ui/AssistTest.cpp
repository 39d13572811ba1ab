// The hint, the par and numbered deals as the windows use them: the searches'
// answers through the event loop, a hinted game's end in the score window,
// the best line shown on the field, and the deals the command line names.
#include "GameWorld.h"

#include "../game/BoardSketch.h"
#include "app/CommandLine.h"
#include "controls/TFlatEdit.h"
#include "controls/TFrogButton.h"
#include "game/DealNumber.h"
#include "solver/Board.h"
#include "solver/Line.h"
#include "solver/ParSearch.h"
#include "ui/DealAssist.h"
#include "ui/TFormDeal.h"
#include "ui/TFormMain.h"
#include "ui/TFormScore.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <chrono>

namespace {

DealNumber Numbered(const char* text)
{
    return *DealNumber::Parse(text, BoardSizes.front()).deal;
}

// The points `line` scores when played on the deal's first board: a line
// taken from another deal does not play there, or scores otherwise.
int PointsOn(const DealNumber& deal, const solver::Line& line)
{
    solver::Board board = solver::ParSearch::FirstBoard(deal);
    return solver::PlayLine(board, solver::Rules::Game, line.moves).value_or(-1);
}

}  // namespace

TEST(DealAssist, OnlyTheLastHintAskedArrivesAndTheParIsOfTheDealInPlay)
{
    DealAssist assist(300, 2000);
    const BoardState board = Sketch(Checkerboard(8, 16, {{3, 3, '1'}, {3, 4, '1'}, {6, 9, '2'}, {7, 9, '2'}}));
    QSignalSpy hints(&assist, &DealAssist::hintFound);
    assist.AskHint(board, 1);
    assist.AskHint(board, 2);  // replaces the first, whose answer may be on its way
    ASSERT_TRUE(hints.wait(20000));
    QTest::qWait(0);
    ASSERT_EQ(hints.size(), 1);
    EXPECT_EQ(hints[0][3].toULongLong(), 2u);
    const int row = hints[0][0].toInt(), column = hints[0][1].toInt();
    EXPECT_GE(board.SearchForGroup(board.PieceAt(row, column)).size(), 2u);

    // A deal replaced at once: only the second deal's line is taken.
    const DealNumber first = Numbered("16x8-1"), second = Numbered("16x8-2");
    assist.Dealt(first, true);
    assist.Dealt(second, true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return assist.ParFinished(); }, 60000));
    EXPECT_EQ(assist.Deal(), second);
    EXPECT_GT(assist.ParPoints(), 0);
    EXPECT_EQ(PointsOn(second, assist.ParLine()), assist.ParPoints());

    assist.Dealt(first, false);  // the player's setting is off: nothing is searched
    EXPECT_EQ(assist.ParPoints(), -1);
    EXPECT_FALSE(assist.ParSearching());
}

TEST(DealAssist, AHintedGameEndsInTheScoreWindowUnofferedAndShowPlaysTheParLine)
{
    GameWorld world;
    world.WriteIni("[Options]\r\nRB168=1\r\nPlayerName=Ann\r\n");
    world.Start();
    TFormMain& main = world.main();
    main.DealNumbered(Numbered("16x8-4242"));
    DealAssist& assist = world.windows().Assist();
    ASSERT_TRUE(QTest::qWaitFor([&] { return assist.ParFinished(); }, 60000));

    // One pair left on a board of singles: the hint is that pair, Space plays
    // it and the game is over.
    PlaySession& session = main.session();
    session.SetBoard(Laid(session.game().Board(), Checkerboard(8, 16, {{7, 1, '1'}, {8, 1, '1'}})));
    QSignalSpy hints(&assist, &DealAssist::hintFound);
    QTest::keyClick(&main, Qt::Key_H);
    ASSERT_TRUE(hints.wait(20000));
    ASSERT_TRUE(session.HintShown());
    EXPECT_TRUE(main.LitGroupDescription().startsWith("Hint: "));

    TFormScore& score = world.score();
    bool shownUnoffered = false;
    BoardState ended;
    QTimer::singleShot(0, &score, [&] {
        ended = session.game().Board();
        shownUnoffered = !world.pending().IsPending() && !Control<TFrogButton>(score, "elbtSaveResult")->isEnabled()
                         && Control<QLabel>(score, "labDeal")->text().contains("16x8-4242")
                         && Control<QLabel>(score, "labPar")->text().contains(QString::number(assist.ParPoints()))
                         && score.height() > 325;
        ClickMiddle(Control<TFrogButton>(score, "elbtShow"));
    });
    QTest::keyClick(&main, Qt::Key_Space);
    EXPECT_TRUE(shownUnoffered);
    EXPECT_FALSE(score.isVisible());

    // The line plays on the field from the deal's first board; a click, on a
    // button too, ends it and does nothing else: the last board comes back, the
    // game over, and the score window again.
    const std::size_t moves = assist.ParLine().moves.size();
    ASSERT_TRUE(QTest::qWaitFor([&] { return session.game().UndoDepth() >= 1; }, 10000));
    bool back = false;
    QTimer::singleShot(0, &score, [&] {
        back = score.isVisible() && Control<QLabel>(score, "labDeal")->isVisible();
        ClickMiddle(Control<TFrogButton>(score, "elbtClose"));
    });
    ClickMiddle(Control(main, "btNewGame"));
    EXPECT_TRUE(back);
    EXPECT_GT(moves, 0u);
    EXPECT_FALSE(session.game().GameActive());
    EXPECT_EQ(KindsOf(session.game().Board()), KindsOf(ended));
    EXPECT_FALSE(score.isVisible());
    EXPECT_FALSE(assist.Ending().has_value());
}

TEST(DealAssist, TheParSearchIsHeldWhileTheMainWindowIsMinimised)
{
    GameWorld world;
    world.Start();
    TFormMain& main = world.main();
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    DealAssist& assist = world.windows().Assist();
    main.setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(QTest::qWaitFor([&] { return assist.ParHeld(); }));
    main.DealNumbered(Numbered("20x12-7"));  // a deal made meanwhile starts held
    EXPECT_TRUE(assist.ParSearching());
    EXPECT_FALSE(QTest::qWaitFor([&] { return assist.ParFinished(); }, 300));
    main.setWindowState(Qt::WindowNoState);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !assist.ParHeld(); }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return assist.ParFinished(); }, 60000));
}

TEST(NumberedDeals, TheCommandLineAndTheWindowDealTheSameBoard)
{
    using namespace std::chrono;
    const auto now = sys_days{year{2026} / 12 / 9} + hours{23};
    const auto deal = [&](QStringList args) {
        args.prepend("glimmora");
        return CommandLine::DealOf(args, now);
    };
    EXPECT_EQ(deal({"--deal", "18x10-43200250"}).deal, Numbered("18x10-43200250"));
    EXPECT_EQ(deal({"--deal=43200250"}).deal, Numbered("20x12-43200250"));
    EXPECT_EQ(deal({"--daily"}).deal, DealNumber::Daily(year{2026} / 12 / 9));
    EXPECT_FALSE(deal({}).deal.has_value());
    for (const QStringList& bad : {QStringList{"--deal"}, QStringList{"--deal", "21x12-5"},
                                   QStringList{"--deal=86400000"}, QStringList{"--dael"}}) {
        const CommandLine::StartDeal refused = deal(bad);
        EXPECT_FALSE(refused.deal.has_value()) << bad.join(' ').toStdString();
        EXPECT_FALSE(refused.error.isEmpty()) << bad.join(' ').toStdString();
    }

    // The window deals a number as the rules deal it anywhere.
    GameWorld world;
    world.Start();
    world.main().DealNumbered(Numbered("18x10-43200250"));
    EXPECT_EQ(world.main().DealText(), "18x10-43200250");
    EXPECT_EQ(world.main().game().Board().FieldCols, 18);
    GameWorld other;
    other.Start();
    other.main().session().Deal(Numbered("18x10-43200250"));
    EXPECT_EQ(KindsOf(world.main().game().Board()), KindsOf(other.main().game().Board()));
    world.main().DealNumbered(Numbered("18x10-43200251"));
    EXPECT_NE(KindsOf(world.main().game().Board()), KindsOf(other.main().game().Board()));

    // Ctrl+G: the Deal number window deals what is typed there.
    QTimer::singleShot(0, &world.main(), [] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* deal = qobject_cast<TFormDeal*>(window); deal && deal->isVisible()) {
                Control<TFlatEdit>(*deal, "edDeal")->setText("18x10-43200250");
                QTest::keyClick(Control<TFlatEdit>(*deal, "edDeal"), Qt::Key_Return);
            }
    });
    QTest::keyClick(&world.main(), Qt::Key_G, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return world.main().DealText() == "18x10-43200250"; }));
    EXPECT_EQ(KindsOf(world.main().game().Board()), KindsOf(other.main().game().Board()));
}

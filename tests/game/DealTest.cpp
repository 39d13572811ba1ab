// New game: size, numbering, placement, deal from the seed, objects.
#include "GameRig.h"
#include "ReferenceBoard.h"
#include "game/SystemClock.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

std::vector<int> Row(const Game& g, int r)
{
    std::vector<int> kinds;
    for (int c = 1; c <= g.Board().FieldCols; ++c)
        kinds.push_back(g.Board().Matrix(r, c).kind);
    return kinds;
}

TEST(Deal, SeveralButtonsDownTheLastTestedWinsNoneKeepsTheOldSize)
{
    GameRig rig;
    rig.options.setDown(SizeButton::rb2012, true);
    rig.options.setDown(SizeButton::rb1810, true);
    rig.options.setDown(SizeButton::rb168, false);
    rig.Run(PlaySession::Command::NewGame);
    EXPECT_EQ(rig.game.Board().FieldCols, 18);
    rig.options.setDown(SizeButton::rb168, true);
    rig.Run(PlaySession::Command::NewGame);
    EXPECT_EQ(rig.game.Board().FieldCols, 16);
    for (SizeButton b : {SizeButton::rb2012, SizeButton::rb1810, SizeButton::rb168})
        rig.options.setDown(b, false);
    rig.Run(PlaySession::Command::NewGame);
    EXPECT_EQ(rig.game.Board().FieldCols, 16);
    EXPECT_EQ(rig.game.Board().FieldRows, 8);
}

TEST(Deal, NoButtonDownBeforeTheFirstGameGivesAnEmptyBoardWithNothingToHover)
{
    GameRig rig;
    rig.options.setDown(SizeButton::rb168, false);
    rig.Run(PlaySession::Command::NewGame);
    EXPECT_TRUE(rig.game.GameActive());
    EXPECT_EQ(rig.game.Board().NextPiece, 1);
    EXPECT_EQ(rig.game.Board().FieldRows, 0);
    EXPECT_EQ(rig.game.HoverObject(), 0);
    EXPECT_TRUE(rig.scene.Pieces().empty());
    rig.HoverPiece(1);
    rig.ClickPiece(1);
    EXPECT_EQ(rig.game.UndoDepth(), 0);
    EXPECT_TRUE(rig.outside.log.empty());
}

TEST(Deal, NumberingPlacementAndTags16x8)
{
    GameRig rig;
    rig.NewGame(16, 99);
    const Game& g = rig.game;
    EXPECT_EQ(g.Board().NextPiece, 129);
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 16; ++c) {
            const int n = (r - 1) * 16 + c;
            ASSERT_EQ(g.Board().Matrix(r, c).piece, n);
            ASSERT_GE(g.Board().Matrix(r, c).kind, 1);
            ASSERT_LE(g.Board().Matrix(r, c).kind, 5);
            EXPECT_EQ(g.Board().PieceMap(n).kind, g.Board().Matrix(r, c).kind);
            EXPECT_EQ(g.Board().PieceMap(n).row, r);
            EXPECT_EQ(g.Board().PieceMap(n).column, c);
            const NullPiece& p = rig.Obj(n);
            EXPECT_EQ(p.tag(), n);
            EXPECT_EQ(p.kind(), g.Board().Matrix(r, c).kind);
            EXPECT_EQ(p.scheme(), 0);
            EXPECT_EQ(p.x(), c - 8);
            EXPECT_EQ(p.y(), 4 - r);
        }
    EXPECT_EQ(rig.Obj(1).x(), -7);
    EXPECT_EQ(rig.Obj(1).y(), 3);
    EXPECT_EQ(g.Board().PieceMap(17).row, 2);
    EXPECT_EQ(g.Board().PieceMap(17).column, 1);
    EXPECT_EQ(rig.Obj(128).x(), 8);
    EXPECT_EQ(rig.Obj(128).y(), -4);
}

TEST(Deal, GoldenBoardsPinnedCells)
{
    // First rows worked out by hand from the generator's definition.
    GameRig rig;
    rig.NewGame(16, 1);
    EXPECT_EQ(Row(rig.game, 1), (std::vector<int>{1, 5, 2, 2, 4, 2, 1, 2, 3, 1, 3, 1, 5, 1, 2, 5}));
    rig.NewGame(20, 0);
    EXPECT_EQ(Row(rig.game, 1), (std::vector<int>{1, 1, 5, 2, 2, 4, 2, 1, 2, 3, 1, 3, 1, 5, 1, 2, 5, 2, 4, 2}));
    // 12:00:00.250 UTC
    rig.clock.ms = ((12 * 60 + 0) * 60 + 0) * 1000 + 250;
    rig.options.size(20);
    rig.Run(PlaySession::Command::NewGame);
    EXPECT_EQ(Row(rig.game, 1), (std::vector<int>{2, 5, 1, 5, 1, 3, 2, 4, 2, 1, 3, 5, 1, 5, 3, 5, 1, 4, 4, 3}));
}

TEST(Deal, WholeBoardsMatchTheGeneratorDefinition)
{
    GameRig rig;
    for (const int cols : {16, 18, 20})
        for (const std::uint32_t seed : {0u, 1u, 12345u, 86399999u, 0xFFFFFFFFu}) {
            rig.NewGame(cols, seed);
            EXPECT_EQ(rig.Kinds(), ReferenceBoard::Deal(cols, seed).Kinds()) << cols << " " << seed;
        }
}

TEST(Deal, SeedComesFromTheClockAndTheOverrideLastsOneGame)
{
    GameRig rig;
    rig.clock.ms = 4242;
    rig.options.size(18);
    rig.Run(PlaySession::Command::NewGame);
    const auto fromClock = rig.Kinds();
    EXPECT_EQ(fromClock, ReferenceBoard::Deal(18, 4242).Kinds());
    rig.Run(PlaySession::Command::NewGame);  // same millisecond, same board
    EXPECT_EQ(rig.Kinds(), fromClock);
    rig.session.SetSeedOverride(5);
    rig.Run(PlaySession::Command::NewGame);
    EXPECT_EQ(rig.Kinds(), ReferenceBoard::Deal(18, 5).Kinds());
    rig.Run(PlaySession::Command::NewGame);
    EXPECT_EQ(rig.Kinds(), fromClock);
}

TEST(Deal, SystemClockIsTheUtcTimeOfDay)
{
    using namespace std::chrono;
    const SystemClock clock;
    const auto before = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count() % 86400000;
    const std::uint32_t ms = clock.msOfDayUtc();
    const auto after = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count() % 86400000;
    EXPECT_LT(ms, 86400000u);
    if (before <= after) {  // not across midnight
        EXPECT_GE(ms, static_cast<std::uint32_t>(before));
        EXPECT_LE(ms, static_cast<std::uint32_t>(after));
    }
}

TEST(Deal, NewGameFreesTheOldBoardAndResetsTheCounters)
{
    GameRig rig;
    rig.NewGame(20, 3);
    rig.SetScore(17);
    rig.Edit([](BoardState& b) { b.ShiftSide = false; });
    rig.Play(1, 1);  // an undo level
    rig.Hover(2, 2);  // something lit
    const int resets = rig.scene.AngleResets();
    rig.NewGame(16, 3);
    EXPECT_EQ(rig.scene.AngleResets(), resets + 1);
    ASSERT_EQ(rig.scene.DestroyedTags().size(), 240u);
    for (int n = 1; n <= 240; ++n)
        EXPECT_EQ(rig.scene.DestroyedTags()[n - 1], n);  // number order
    EXPECT_EQ(rig.scene.ForeignDestroys(), 0);
    EXPECT_EQ(rig.scene.Misuse(), 0);
    EXPECT_EQ(rig.game.Board().Score, 0);
    EXPECT_EQ(rig.game.Points(), 0);
    EXPECT_TRUE(rig.game.Board().ShiftSide);
    EXPECT_EQ(rig.game.GroupCount(), 0);
    EXPECT_EQ(rig.game.UndoDepth(), 0);
    EXPECT_EQ(rig.game.Board().NextPiece, 129);
    EXPECT_EQ(rig.game.HoverObject(), 128);  // the last piece created
}

TEST(Deal, TheFirstGameHasNothingToFree)
{
    GameRig rig;
    rig.NewGame(16, 1);
    EXPECT_TRUE(rig.scene.DestroyedTags().empty());
    rig.NewGame(16, 1);
    EXPECT_EQ(rig.scene.DestroyedTags().size(), 128u);
}

TEST(Deal, SmallerFieldLeavesOutsideCellsUntouched)
{
    GameRig rig;
    rig.NewGame(20, 11);
    const BoardCell outside = rig.game.Board().Matrix(12, 20);
    const BoardCell edge = rig.game.Board().Matrix(3, 17);
    rig.NewGame(16, 12);
    EXPECT_EQ(rig.game.Board().Matrix(12, 20).kind, outside.kind);
    EXPECT_EQ(rig.game.Board().Matrix(12, 20).piece, outside.piece);
    EXPECT_EQ(rig.game.Board().Matrix(3, 17).piece, edge.piece);
}

TEST(Deal, UnknownSchemeCreatesNoObjectsAndLeavesNoHover)
{
    GameRig rig;
    rig.options.scheme = -1;
    rig.NewGame(16, 1);
    EXPECT_TRUE(rig.scene.Pieces().empty());
    EXPECT_EQ(rig.game.Board().NextPiece, 129);
    EXPECT_EQ(rig.game.HoverObject(), 0);
    EXPECT_EQ(rig.game.ObjectOf(5), nullptr);
    rig.HoverPiece(5);  // no object: nothing to light
    EXPECT_EQ(rig.game.GroupCount(), 0);
    // One past the Shapes scheme is as unknown as none.
    rig.options.scheme = 4;
    rig.NewGame(16, 1);
    EXPECT_TRUE(rig.scene.Pieces().empty());
    for (int scheme : {2, 3}) {
        rig.options.scheme = scheme;
        rig.NewGame(16, 1);
        ASSERT_FALSE(rig.scene.Pieces().empty());
        EXPECT_EQ(rig.scene.Pieces().back()->scheme(), scheme);
    }
}

TEST(Deal, SchemeAndSizeChangesWaitForTheNextNewGame)
{
    GameRig rig;
    rig.NewGame(16, 1);
    rig.options.size(20);
    rig.options.scheme = 1;
    rig.Play(8, 1);
    EXPECT_EQ(rig.game.Board().FieldCols, 16);
    EXPECT_EQ(rig.scene.Pieces().size(), 128u);
    rig.Run(PlaySession::Command::NewGame);
    EXPECT_EQ(rig.game.Board().FieldCols, 20);
    EXPECT_EQ(rig.scene.Pieces().back()->scheme(), 1);
}

}  // namespace

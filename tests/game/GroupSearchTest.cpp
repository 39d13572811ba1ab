// Hovering: the breadth-first group search, the lit pieces and Points.
#include "BoardSketch.h"
#include "GameRig.h"

#include <gtest/gtest.h>

namespace {

using Cells = std::vector<std::pair<int, int>>;

class GroupSearch : public ::testing::Test {
protected:
    void SetUp() override
    {
        rig.NewGame(16, 1);
        rig.Lay(Checkerboard(8, 16,
                             {
                                 // a plus with two arms lengthened, centre (4,4)
                                 {2, 4, '1'},
                                 {3, 4, '1'},
                                 {4, 3, '1'},
                                 {4, 4, '1'},
                                 {4, 5, '1'},
                                 {4, 6, '1'},
                                 {5, 4, '1'},
                                 // a ring of 2 round a 3
                                 {5, 9, '2'},
                                 {5, 10, '2'},
                                 {5, 11, '2'},
                                 {6, 9, '2'},
                                 {6, 10, '3'},
                                 {6, 11, '2'},
                                 {7, 9, '2'},
                                 {7, 10, '2'},
                                 {7, 11, '2'},
                                 {1, 7, '2'},
                                 {1, 8, '2'},  // a pair
                                 {1, 12, '1'},
                                 {2, 12, '1'},
                                 {2, 13, '1'},  // an L
                                 {2, 16, '3'},
                                 {3, 1, '3'},  // end of a row, start of the next
                                 {7, 2, '1'},
                                 {8, 3, '1'},  // corner to corner
                                 {8, 14, '2'},
                                 {8, 15, '.'},
                                 {8, 16, '2'},  // across an empty cell
                             }));
    }

    GameRig rig;
};

TEST_F(GroupSearch, SizesAndPointsOfSmallGroups)
{
    struct Case {
        int r, c, count, points;
    };
    for (const Case k : {Case{1, 1, 1, 0}, Case{1, 7, 2, 0}, Case{1, 8, 2, 0}, Case{2, 13, 3, 1}, Case{6, 10, 1, 0}}) {
        rig.Hover(k.r, k.c);
        EXPECT_EQ(rig.game.GroupCount(), k.count) << k.r << "," << k.c;
        EXPECT_EQ(rig.game.Points(), k.points) << k.r << "," << k.c;
        EXPECT_EQ(rig.LitCells().size(), static_cast<std::size_t>(k.count));
        EXPECT_EQ(rig.game.Group().front().piece, rig.PieceAt(k.r, k.c));
    }
}

TEST_F(GroupSearch, RingRoundAnotherKindIsFoundWhole)
{
    rig.Hover(5, 9);
    EXPECT_EQ(rig.game.GroupCount(), 8);
    EXPECT_EQ(rig.game.Points(), 36);
    EXPECT_FALSE(rig.game.SearchQueue(6, 10));
    EXPECT_EQ(rig.LitCells(), (Cells{{5, 9}, {5, 10}, {5, 11}, {6, 9}, {6, 11}, {7, 9}, {7, 10}, {7, 11}}));
}

TEST_F(GroupSearch, NoJoinAcrossRowEndsCornersOrHoles)
{
    for (const auto& [r, c] : Cells{{2, 16}, {3, 1}, {7, 2}, {8, 3}, {8, 14}, {8, 16}}) {
        rig.Hover(r, c);
        EXPECT_EQ(rig.game.GroupCount(), 1) << r << "," << c;
    }
}

TEST_F(GroupSearch, VacatedColumnsNeverMatch)
{
    auto board = Checkerboard(8, 16, {{8, 2, '1'}, {8, 4, '1'}});
    for (int r = 0; r < 8; ++r)
        board[r][2] = '#';
    rig.Lay(board);
    rig.Hover(8, 2);
    EXPECT_EQ(rig.game.GroupCount(), 1);
}

TEST_F(GroupSearch, StayingOnOnePieceDoesNotSearchAgain)
{
    rig.Hover(4, 4);
    rig.Obj(rig.PieceAt(2, 4)).setHighlighted(false);
    rig.Hover(4, 4);
    EXPECT_FALSE(rig.Obj(rig.PieceAt(2, 4)).highlighted());
    // Another piece of the same group: a fresh search from there.
    rig.Hover(2, 4);
    EXPECT_EQ(rig.game.Group()[0].row, 2);
    EXPECT_EQ(rig.game.Group()[1].row, 3);
    EXPECT_EQ(rig.game.GroupCount(), 7);
    EXPECT_EQ(rig.LitCells().size(), 7u);
}

TEST_F(GroupSearch, LeavingForNothingUnlightsAndRestsThePieces)
{
    rig.Hover(5, 9);
    for (const auto& [r, c] : rig.LitCells())
        rig.Obj(rig.PieceAt(r, c)).setRollAngle(33);  // spun by the frame update
    rig.HoverPiece(0);
    EXPECT_EQ(rig.game.Points(), 0);
    EXPECT_EQ(rig.game.GroupCount(), 0);
    EXPECT_EQ(rig.game.HoverObject(), 0);
    EXPECT_TRUE(rig.LitCells().empty());
    EXPECT_EQ(rig.Obj(rig.PieceAt(7, 11)).rollAngle(), 180);
}

// Tori, spheres and the Shapes scheme's solids spin in the screen's plane (a
// ring flips like a coin), so they rest by the turn angle.
TEST_F(GroupSearch, OtherSchemesRestByTurnAngle)
{
    for (int scheme : {1, 3}) {
        rig.options.scheme = scheme;
        rig.Hover(1, 7);
        rig.Obj(rig.PieceAt(1, 8)).setTurnAngle(40);
        rig.Hover(1, 1);
        EXPECT_EQ(rig.Obj(rig.PieceAt(1, 8)).turnAngle(), 0) << "scheme " << scheme;
        EXPECT_EQ(rig.Obj(rig.PieceAt(1, 8)).rollAngle(), 0) << "scheme " << scheme;
        EXPECT_FALSE(rig.Obj(rig.PieceAt(1, 8)).highlighted());
        EXPECT_TRUE(rig.Obj(rig.PieceAt(1, 1)).highlighted());
    }
}

TEST_F(GroupSearch, NumberThatIsNoPieceCountsAsNothing)
{
    rig.Hover(1, 7);
    rig.HoverPiece(9999);
    EXPECT_EQ(rig.game.HoverObject(), 0);
    EXPECT_TRUE(rig.LitCells().empty());
}

TEST(GroupSearchNewGame, LastCreatedPieceIsTheHoverAfterANewGame)
{
    GameRig rig;
    rig.NewGame(16, 1);
    rig.Hover(8, 16);
    EXPECT_EQ(rig.game.GroupCount(), 0);
    EXPECT_TRUE(rig.LitCells().empty());
    rig.Hover(8, 15);
    rig.Hover(8, 16);
    EXPECT_GE(rig.game.GroupCount(), 1);
    EXPECT_TRUE(rig.Obj(rig.PieceAt(8, 16)).highlighted());
}

TEST(GroupSearchFullBoard, WholeFieldOfOneKind)
{
    GameRig rig;
    rig.NewGame(20, 1);
    rig.Lay(std::vector<std::string>(12, std::string(20, '3')));
    rig.Hover(6, 10);
    EXPECT_EQ(rig.game.GroupCount(), 240);
    EXPECT_EQ(rig.game.Points(), 238 * 238);
    EXPECT_EQ(rig.LitCells().size(), 240u);
}

}  // namespace

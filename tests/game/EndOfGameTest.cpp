// The end test after every turn and the hand-over to the score window: the
// turn says the game is over, and the front end (here the rig, as the main
// window does) opens the window once the turn has returned.
#include "BoardSketch.h"
#include "GameRig.h"

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

TEST(EndOfGame, StepsInOrderWithTheScoreWindowLast)
{
    GameRig rig;
    rig.NewGame(16, 1);
    rig.Lay(Checkerboard(8, 16, {{1, 1, '1'}, {2, 1, '1'}, {3, 9, '3'}, {4, 9, '3'}, {5, 9, '3'}, {6, 9, '3'}}));
    EXPECT_FALSE(rig.Play(5, 9).gameOver);  // four in a column; one pair stays
    EXPECT_TRUE(rig.game.GameActive());
    bool stateSeen = false;
    rig.outside.onShow = [&] {
        stateSeen = !rig.game.GameActive() && rig.game.Points() == 0 && rig.game.Board().Score == 4
                    && rig.outside.log.size() >= 2 && rig.outside.log[rig.outside.log.size() - 2] == "sound 8";
    };
    const TurnResult last = rig.Play(1, 1);  // the last pair: 0 points
    EXPECT_TRUE(last.gameOver);
    EXPECT_EQ(last.kind, TurnResult::Kind::Removed);
    EXPECT_EQ(last.points, 0);
    EXPECT_TRUE(stateSeen);
    EXPECT_EQ(rig.outside.log, (Log{"sound 3", "sound 1", "sound 8", "highscores"}));
    EXPECT_EQ(rig.game.Board().Score, 4);
    EXPECT_EQ(rig.outside.shows, 1);
}

TEST(EndOfGame, ClearedBoardEndsLikeAStuckOne)
{
    GameRig rig;
    rig.NewGame(16, 1);
    rig.Lay(std::vector<std::string>(8, std::string(16, '4')));
    rig.Play(3, 3);
    Log expected{"sound 4"};
    for (int i = 0; i < 16; ++i)
        expected.push_back("sound 7");
    expected.insert(expected.end(), {"sound 8", "highscores"});
    EXPECT_EQ(rig.outside.log, expected);
    EXPECT_EQ(rig.Kinds(), std::vector<std::string>(8, std::string(16, '#')));
    EXPECT_EQ(rig.game.Board().Score, 126 * 126);
    EXPECT_FALSE(rig.game.GameActive());
}

TEST(EndOfGame, StuckDealEndsAtTheFirstClickAndThenNothingPlaysUntilANewGame)
{
    GameRig rig;
    rig.NewGame(16, 1);
    rig.Lay(Checkerboard(8, 16));
    rig.Hover(3, 3);
    EXPECT_TRUE(rig.game.GameActive());
    const TurnResult refused = rig.Click(3, 3);
    EXPECT_EQ(refused.kind, TurnResult::Kind::Refused);
    EXPECT_TRUE(refused.gameOver);
    EXPECT_EQ(rig.outside.log, (Log{"sound 6", "sound 8", "highscores"}));
    ASSERT_FALSE(rig.game.GameActive());
    const auto log = rig.outside.log;
    rig.Hover(4, 4);
    const TurnResult after = rig.Click(4, 4);
    EXPECT_FALSE(after.Played());
    EXPECT_FALSE(after.gameOver);  // no second score window
    EXPECT_EQ(rig.outside.log, log);
    EXPECT_EQ(rig.game.UndoDepth(), 1);
    EXPECT_EQ(rig.game.HoverObject(), rig.PieceAt(3, 3));
    rig.NewGame(16, 1);
    EXPECT_TRUE(rig.game.GameActive());
    rig.Hover(4, 4);
    EXPECT_GE(rig.game.GroupCount(), 1);
}

}  // namespace

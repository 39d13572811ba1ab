// A hint as the session shows it: lit as the pointer would light it, put out
// by the next input, played by Play, refused for another board; and the mark
// it leaves on the game, which undo keeps and a new deal clears.
#include "BoardSketch.h"
#include "GameRig.h"

#include <gtest/gtest.h>

namespace {

using Command = PlaySession::Command;
using Change = PlaySession::Outcome::Change;
using Cells = std::vector<std::pair<int, int>>;

// A 16 x 8 board with two groups: three 1s on the bottom row at the left
// (where the cursor starts) and two 2s in the top-right corner.
class Hinted : public ::testing::Test {
protected:
    void SetUp() override
    {
        rig.NewGame(16, 7);
        rig.Lay(Checkerboard(8, 16, {{8, 1, '1'}, {8, 2, '1'}, {8, 3, '1'}, {1, 15, '2'}, {1, 16, '2'}}));
    }
    PlaySession::Outcome Show(int row, int column)
    {
        return rig.session.ShowHint(row, column, rig.session.BoardGeneration());
    }
    const BoardState& board() const { return rig.game.Board(); }
    GameRig rig;
};

const Cells kOnes{{8, 1}, {8, 2}, {8, 3}};
const Cells kTwos{{1, 15}, {1, 16}};

TEST_F(Hinted, AHintLightsItsGroupAsThePointerWouldAndMarksTheGame)
{
    rig.Run(Command::CursorUp);  // the cursor has the lighting
    ASSERT_TRUE(rig.session.CursorLit());
    EXPECT_FALSE(rig.session.Hinted());
    EXPECT_EQ(Show(1, 16).change, Change::Lighting);
    EXPECT_TRUE(rig.session.HintShown());
    EXPECT_TRUE(rig.session.Hinted());
    EXPECT_FALSE(rig.session.CursorLit());
    EXPECT_EQ(rig.LitCells(), kTwos);
    EXPECT_EQ(rig.game.GroupCount(), 2);
    EXPECT_EQ(rig.game.Points(), 0);
    Show(8, 2);
    EXPECT_EQ(rig.LitCells(), kOnes);
    EXPECT_EQ(rig.game.Points(), 1);
}

TEST_F(Hinted, AHintForAnotherBoardALonePieceOrAnEmptyCellIsRefused)
{
    const std::uint64_t before = rig.session.BoardGeneration();
    rig.Play(8, 1);
    EXPECT_EQ(rig.session.ShowHint(1, 16, before).change, Change::None) << "an answer for the board before the turn";
    EXPECT_EQ(Show(4, 10).change, Change::None) << "a lone piece";
    EXPECT_EQ(Show(0, 0).change, Change::None);
    EXPECT_EQ(Show(9, 1).change, Change::None);
    EXPECT_FALSE(rig.session.HintShown());
    EXPECT_FALSE(rig.session.Hinted());
    EXPECT_TRUE(rig.LitCells().empty());
}

TEST_F(Hinted, PlayRemovesTheHintedGroupWhereverTheCursorIs)
{
    rig.Run(Command::CursorUp);
    Show(1, 15);
    const PlaySession::Outcome played = rig.Run(Command::Play);
    EXPECT_EQ(played.change, Change::Board);
    EXPECT_EQ(played.turn.kind, TurnResult::Kind::Removed);
    EXPECT_EQ(played.turn.pieceKind, 2);
    EXPECT_EQ(board().Matrix(1, 15).kind, 0);
    EXPECT_EQ(board().Matrix(8, 1).kind, 1) << "the cursor's group stays";
    EXPECT_FALSE(rig.session.HintShown());
    EXPECT_TRUE(rig.LitCells().empty());
    EXPECT_TRUE(rig.session.Hinted());
}

TEST_F(Hinted, AKeyPutsTheHintOutAndOnlyShowsTheCursor)
{
    Show(1, 16);
    EXPECT_EQ(rig.Run(Command::CursorRight).change, Change::Lighting);
    EXPECT_FALSE(rig.session.HintShown());
    EXPECT_TRUE(rig.session.CursorLit());
    EXPECT_EQ(rig.LitCells(), kOnes) << "the cursor, shown where it was";
    EXPECT_EQ(rig.Run(Command::Play).turn.pieceKind, 1) << "Play is the cursor's again";
}

TEST_F(Hinted, ThePointerPutsTheHintOutAndAClickActsOnWhatIsUnderIt)
{
    Show(1, 16);
    EXPECT_EQ(rig.session.PointerMoved(rig.PieceAt(4, 4)).change, Change::Lighting);
    EXPECT_FALSE(rig.session.HintShown());
    EXPECT_EQ(rig.LitCells(), (Cells{{4, 4}}));
    EXPECT_EQ(rig.Run(Command::Play).change, Change::Lighting) << "the first key only shows the cursor";
    EXPECT_EQ(board().Matrix(1, 16).kind, 2);

    Show(1, 16);
    const TurnResult clicked = rig.ClickPiece(rig.PieceAt(8, 2));
    EXPECT_EQ(clicked.pieceKind, 1) << "the group under the pointer, not the hinted one";
    EXPECT_EQ(board().Matrix(1, 16).kind, 2);
    EXPECT_FALSE(rig.session.HintShown());
}

TEST_F(Hinted, UndoAndRedoPutTheHintOutButKeepTheMarkANewDealClearsIt)
{
    Show(8, 1);
    rig.Run(Command::Play);
    rig.Undo();
    EXPECT_TRUE(rig.session.Hinted());
    Show(1, 16);
    rig.Redo();
    EXPECT_FALSE(rig.session.HintShown());
    EXPECT_TRUE(rig.session.Hinted());
    rig.Run(Command::NewGame);
    EXPECT_FALSE(rig.session.Hinted());

    rig.Lay(Checkerboard(8, 16, {{8, 1, '1'}, {8, 2, '1'}}));
    Show(8, 1);
    rig.session.Deal(*DealNumber::Make(16, 8, 7));
    EXPECT_FALSE(rig.session.Hinted());
    EXPECT_FALSE(rig.session.HintShown());
}

TEST_F(Hinted, TheTurnThatEndsAHintedGameSaysSo)
{
    rig.Lay(Checkerboard(8, 16, {{1, 1, '1'}, {2, 1, '1'}}));
    rig.SetScore(30);
    Show(2, 1);
    const PlaySession::Outcome last = rig.Run(Command::Play);
    ASSERT_TRUE(last.GameOver());
    EXPECT_EQ(last.finalScore, 30);
    EXPECT_TRUE(last.hinted);

    rig.Run(Command::NewGame);
    rig.Lay(Checkerboard(8, 16, {{1, 1, '1'}, {2, 1, '1'}}));
    rig.Hover(1, 1);
    const PlaySession::Outcome plain = rig.session.PointerPressed(rig.PieceAt(1, 1));
    ASSERT_TRUE(plain.GameOver());
    EXPECT_FALSE(plain.hinted);
}

TEST_F(Hinted, TheBoardGenerationMovesWithTheBoardAndNotWithTheLighting)
{
    std::uint64_t generation = rig.session.BoardGeneration();
    const auto moved = [&] {
        const bool changed = rig.session.BoardGeneration() != generation;
        generation = rig.session.BoardGeneration();
        return changed;
    };
    rig.Hover(8, 1);
    rig.Run(Command::CursorUp);
    Show(1, 16);
    rig.Run(Command::Redo);  // nothing to redo
    EXPECT_FALSE(moved());
    rig.Play(8, 1);
    EXPECT_TRUE(moved());
    rig.Undo();
    EXPECT_TRUE(moved());
    rig.Redo();
    EXPECT_TRUE(moved());
    rig.Run(Command::NewGame);
    EXPECT_TRUE(moved());
    rig.Lay(Checkerboard(8, 16));
    EXPECT_TRUE(moved());
}

}  // namespace

#pragma once

#include "game/IClock.h"
#include "game/IGameOptions.h"
#include "game/ISoundRequests.h"
#include "game/NullScene.h"
#include "game/PlaySession.h"

#include <functional>
#include <string>
#include <vector>

class FakeOptions : public IGameOptions {
public:
    bool sizeButtonDown(SizeButton button) const override { return down[static_cast<int>(button)]; }
    int schemeIndex() const override { return scheme; }
    // That size button alone down.
    void size(int cols)
    {
        for (const BoardSize& s : BoardSizes)
            down[static_cast<int>(s.button)] = s.cols == cols;
    }
    void setDown(SizeButton button, bool isDown) { down[static_cast<int>(button)] = isDown; }

    bool down[3] = {false, false, true};  // rb2012, rb1810, rb168
    int scheme = 0;
};

class FakeClock : public IClock {
public:
    std::uint32_t msOfDayUtc() const override { return ms; }
    std::uint32_t ms = 0;
};

// Sounds and the score window write into one log so their order shows.
class FakeOutside : public ISoundRequests {
public:
    void playSound(Sound sound) override { log.push_back("sound " + std::to_string(SlotOf(sound))); }
    void showHighScores();
    std::vector<std::string> sounds() const;  // the sound entries only
    int shows = 0;
    std::function<void()> onShow;
    std::vector<std::string> log;
};

// A play session over a scene that draws nothing, with helpers that speak in
// board cells. The score window opens when an input says the game is over.
class GameRig {
public:
    GameRig();

    void NewGame(int cols, std::uint32_t seed);
    // Rewrites the kinds of the board in play, as Laid does.
    void Lay(const std::vector<std::string>& rows);
    std::vector<std::string> Kinds() const;
    // Changes the board in play through `change`.
    template <typename Change>
    void Edit(Change change)
    {
        BoardState board = game.Board();
        change(board);
        session.SetBoard(board);
    }
    void SetScore(int score)
    {
        Edit([score](BoardState& b) { b.Score = score; });
    }

    int PieceAt(int r, int c) const { return game.Board().PieceAt(r, c); }
    NullPiece& Obj(int piece) const;
    void Hover(int r, int c) { HoverPiece(PieceAt(r, c)); }
    void HoverPiece(int piece) { session.PointerMoved(piece); }
    TurnResult Click(int r, int c) { return ClickPiece(PieceAt(r, c)); }
    TurnResult ClickPiece(int piece);
    // A command, with the score window opened as the windows open it.
    PlaySession::Outcome Run(PlaySession::Command command);
    void Undo() { Run(PlaySession::Command::Undo); }
    void Redo() { Run(PlaySession::Command::Redo); }
    // Hover then click, as a player does.
    TurnResult Play(int r, int c)
    {
        Hover(r, c);
        return Click(r, c);
    }
    std::vector<std::pair<int, int>> LitCells() const;  // visible lit pieces, row by row

    NullScene scene{NullScene::Destroyed::Keep};
    FakeOptions options;
    FakeClock clock;
    FakeOutside outside;
    PlaySession session;
    const Game& game;
};

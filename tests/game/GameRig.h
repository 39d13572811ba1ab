#pragma once

#include "Game.h"
#include "IClock.h"
#include "IGameEvents.h"
#include "IGameOptions.h"
#include "IPieceObject.h"
#include "IPieceScene.h"
#include "ISoundRequests.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// A piece object that remembers every setting and whether it was used
// after the scene destroyed it.
class FakePiece : public IPieceObject {
public:
    FakePiece(int scheme, int kind, double x, double y, int tag, int* misuse)
        : scheme(scheme), kind(kind), x(x), y(y), tag_(tag), misuse_(misuse)
    {
    }

    int tag() const override
    {
        check();
        return tag_;
    }
    void setVisible(bool v) override
    {
        check();
        shown = v;
    }
    bool visible() const override
    {
        check();
        return shown;
    }
    void setX(double v) override
    {
        check();
        x = v;
    }
    void setY(double v) override
    {
        check();
        y = v;
    }
    void setHighlighted(bool h) override
    {
        check();
        lit = h;
    }
    double rollAngle() const override
    {
        check();
        return roll;
    }
    void setRollAngle(double d) override
    {
        check();
        roll = d;
    }
    double turnAngle() const override
    {
        check();
        return turn;
    }
    void setTurnAngle(double d) override
    {
        check();
        turn = d;
    }

    int scheme;
    int kind;
    double x;
    double y;
    bool shown = true;
    bool lit = false;
    double roll = 0;
    double turn = 0;
    bool destroyed = false;

private:
    void check() const
    {
        if (destroyed)
            ++*misuse_;
    }
    int tag_;
    int* misuse_;
};

// Keeps destroyed pieces alive so that a use after destruction is counted
// instead of crashing.
class FakeScene : public IPieceScene {
public:
    IPieceObject* createPiece(int scheme, int kind, double x, double y, int tag) override;
    void destroyPiece(IPieceObject* piece) override;
    void resetFieldAngles() override { ++angleResets; }

    std::vector<std::unique_ptr<FakePiece>> all;  // in creation order
    std::vector<int> destroyedTags;  // in destruction order
    int angleResets = 0;
    int misuse = 0;
    int foreignDestroys = 0;
};

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
class FakeOutside : public ISoundRequests, public IGameEvents {
public:
    void playSound(Sound sound) override { log.push_back("sound " + std::to_string(SlotOf(sound))); }
    void showHighScores() override;
    std::vector<std::string> sounds() const;  // the sound entries only
    int shows = 0;
    std::function<void()> onShow;
    std::vector<std::string> log;
};

// A game wired to fakes, with helpers that speak in board cells.
class GameRig {
public:
    GameRig();

    void NewGame(int cols, std::uint32_t seed);
    // Rewrites the kinds of the board in play: '1'..'5' a piece, '.' empty,
    // '#' vacated. Pieces keep their numbers; empty or vacated cells hide theirs.
    void Lay(const std::vector<std::string>& rows);
    std::vector<std::string> Kinds() const;

    int PieceAt(int r, int c) const;  // 0 when the cell holds no piece
    FakePiece& Obj(int piece) const;
    void Hover(int r, int c) { game.HoverStep(PieceAt(r, c)); }
    void Click(int r, int c) { game.TurnStep(PieceAt(r, c)); }
    // Hover then click, as a player does.
    void Play(int r, int c)
    {
        Hover(r, c);
        Click(r, c);
    }
    std::vector<std::pair<int, int>> LitCells() const;  // visible lit pieces, row by row

    FakeScene scene;
    FakeOptions options;
    FakeClock clock;
    FakeOutside outside;
    Game game;
};

// Thousands of random games played to their end, checked turn by turn
// against the plain restatement of the rules and against invariants.
#include "GameRig.h"
#include "ReferenceBoard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <random>

namespace {

// Everything a player can see of the board, plus the score.
struct Seen {
    std::vector<std::string> kinds;
    std::vector<int> pieces;  // piece number of every occupied cell
    std::vector<bool> shown;  // by piece number
    std::vector<std::pair<int, int>> places;  // PieceMap row, column by piece number
    int score = 0;
    bool operator==(const Seen&) const = default;
};

Seen Look(const GameRig& rig)
{
    Seen s;
    s.kinds = rig.Kinds();
    for (int r = 1; r <= rig.game.Board().FieldRows; ++r)
        for (int c = 1; c <= rig.game.Board().FieldCols; ++c)
            s.pieces.push_back(rig.PieceAt(r, c));
    for (int n = 1; n < rig.game.Board().NextPiece; ++n) {
        s.shown.push_back(rig.Obj(n).visible());
        s.places.emplace_back(rig.game.Board().PieceMap(n).row, rig.game.Board().PieceMap(n).column);
    }
    s.score = rig.game.Board().Score;
    return s;
}

// Pieces sit where their cells say; vacated columns only at the edges;
// nothing floats over a hole.
void ExpectConsistent(const GameRig& rig)
{
    const Game& g = rig.game;
    int occupied = 0;
    for (int r = 1; r <= g.Board().FieldRows; ++r)
        for (int c = 1; c <= g.Board().FieldCols; ++c) {
            const int n = rig.PieceAt(r, c);
            if (!n)
                continue;
            ++occupied;
            ASSERT_EQ(g.Board().PieceMap(n).row, r);
            ASSERT_EQ(g.Board().PieceMap(n).column, c);
            ASSERT_EQ(g.Board().PieceMap(n).kind, g.Board().Matrix(r, c).kind);
            ASSERT_TRUE(rig.Obj(n).visible());
            ASSERT_EQ(rig.Obj(n).x(), c - g.HalfCols());
            ASSERT_EQ(rig.Obj(n).y(), g.HalfRows() - r);
        }
    int shown = 0;
    for (int n = 1; n < g.Board().NextPiece; ++n)
        shown += rig.Obj(n).visible();
    ASSERT_EQ(shown, occupied);

    const auto kinds = rig.Kinds();
    std::string columnClass;  // per column: '#' vacated, 'p' in play
    for (int c = 0; c < g.Board().FieldCols; ++c) {
        bool vacated = true, seenPiece = false;
        for (int r = 0; r < g.Board().FieldRows; ++r) {
            vacated = vacated && kinds[r][c] == '#';
            if (kinds[r][c] != '.' && kinds[r][c] != '#') {
                seenPiece = true;
            } else if (kinds[r][c] == '.') {
                ASSERT_FALSE(seenPiece) << "hole under a piece in column " << c + 1;
            }
        }
        if (!vacated) {
            ASSERT_TRUE(seenPiece) << "empty column " << c + 1 << " left open";
        }
        columnClass += vacated ? '#' : 'p';
    }
    const auto first = columnClass.find('p');
    if (first != std::string::npos) {
        const auto last = columnClass.rfind('p');
        ASSERT_EQ(columnClass.find('#', first), columnClass.find('#', last))
            << "vacated column between columns in play: " << columnClass;
    }
}

struct Stats {
    int games = 0;
    long clicks = 0;
    int longGames = 0;  // more clicks than the stack holds
    long deepRedos = 0;  // redos with three or more turns still undone
};

struct Level {
    Seen seen;
    ReferenceBoard model;
};

// Before the game's last turn, while undo still works: every level held,
// newest first, then nothing more; then Redo all the way forward again.
// `dealt` is the first board when the stack has never dropped a level.
void WalkTheHistory(GameRig& rig, const std::vector<Level>& history, const Seen* dealt, Stats& stats)
{
    const Seen last = Look(rig);
    for (auto it = history.rbegin(); it != history.rend(); ++it) {
        rig.Undo();
        ASSERT_EQ(Look(rig), it->seen);
    }
    ASSERT_EQ(rig.game.UndoDepth(), 0);
    const Seen oldest = Look(rig);
    rig.Undo();
    ASSERT_EQ(Look(rig), oldest);
    if (dealt) {
        ASSERT_EQ(oldest, *dealt);
        ASSERT_EQ(rig.game.Board().Score, 0);
    } else {
        ++stats.longGames;
    }
    ASSERT_GE(rig.game.RedoDepth(), static_cast<int>(history.size()));
    for (std::size_t i = 0; i < history.size(); ++i)
        rig.Redo();
    ASSERT_EQ(Look(rig), last);
}

void PlayOneGame(std::mt19937& rng, Stats& stats)
{
    static const int sizes[] = {16, 18, 20};
    const int cols = sizes[rng() % 3];
    const std::uint32_t seed = rng();
    const double refuseRate = std::uniform_real_distribution<double>(0.0, 0.9)(rng);
    GameRig rig;
    rig.NewGame(cols, seed);
    ReferenceBoard model = ReferenceBoard::Deal(cols, seed);
    ASSERT_EQ(rig.Kinds(), model.Kinds());
    const Seen dealt = Look(rig);

    std::vector<Level> history;  // before each click still undoable
    std::vector<Level> undone;  // before each undo still redoable
    int clicks = 0;
    int removedPoints = 0;
    bool trimmed = false;  // the stack dropped its oldest level at least once
    const auto keepLevel = [&](Level level) {
        history.push_back(std::move(level));
        if (history.size() > Game::MaxUndo) {
            history.erase(history.begin());
            trimmed = true;
        }
    };
    while (rig.game.GameActive()) {
        ASSERT_LT(clicks, 5000);
        // Now and then take a turn back, or replay one, as the buttons would,
        // with a group lit that they must put out. Undos come in runs, so
        // that runs of redos replay several turns in order.
        const unsigned step = rng() % 20;
        const bool undo = !history.empty() && step < (undone.empty() ? 1u : 7u);
        if (undo || (!undone.empty() && step < 14)) {
            rig.Hover(1 + static_cast<int>(rng() % model.Rows()), 1 + static_cast<int>(rng() % model.Cols()));
            Level left{Look(rig), model};
            std::vector<Level>& from = undo ? history : undone;
            stats.deepRedos += !undo && undone.size() >= 3;
            undo ? rig.Undo() : rig.Redo();
            ASSERT_EQ(Look(rig), from.back().seen);
            model = from.back().model;
            from.pop_back();
            if (undo) {
                model.shiftSide = left.model.shiftSide;  // Undo keeps the closing side; Redo brings back its own.
                undone.push_back(std::move(left));
            } else {
                keepLevel(std::move(left));
            }
            ASSERT_EQ(rig.Kinds(), model.Kinds());
            ASSERT_EQ(rig.game.Board().ShiftSide, model.shiftSide);
            ASSERT_EQ(rig.game.UndoDepth(), static_cast<int>(history.size()));
            ASSERT_EQ(rig.game.RedoDepth(), static_cast<int>(undone.size()));
            ASSERT_EQ(rig.game.Points(), 0);
            ASSERT_TRUE(rig.LitCells().empty());
            ExpectConsistent(rig);
            ASSERT_FALSE(::testing::Test::HasFatalFailure());
            removedPoints = rig.game.Board().Score;
            continue;
        }
        std::vector<ReferenceBoard::Cell> singles, movable;
        for (int r = 1; r <= model.Rows(); ++r)
            for (int c = 1; c <= model.Cols(); ++c)
                if (model.At(r, c) > 0)
                    (model.GroupAt(r, c).size() > 1 ? movable : singles).emplace_back(r, c);
        const bool refuse = movable.empty() || (!singles.empty() && std::bernoulli_distribution(refuseRate)(rng));
        const auto& from = refuse ? singles : movable;
        ASSERT_FALSE(from.empty());
        const auto [r, c] = from[rng() % from.size()];
        ReferenceBoard next = model;
        next.Play(r, c);
        if (!next.HasMove()) {
            WalkTheHistory(rig, history, trimmed ? nullptr : &dealt, stats);
            ASSERT_FALSE(::testing::Test::HasFatalFailure());
        }

        keepLevel({Look(rig), model});
        // Every click, refused or not, adds a level and so ends the redo chain.
        undone.clear();
        const Seen& before = history.back().seen;
        const int shownBefore = static_cast<int>(std::count(before.shown.begin(), before.shown.end(), true));
        rig.outside.log.clear();
        rig.HoverPiece(0);
        rig.Hover(r, c);
        ASSERT_EQ(rig.game.GroupCount(), static_cast<int>(model.GroupAt(r, c).size()));
        rig.Click(r, c);
        ++clicks;

        const ReferenceBoard::TurnResult turn = model.Play(r, c);
        std::vector<std::string> sounds;
        if (turn.removed == 0)
            sounds.push_back("sound 6");
        else
            sounds.push_back("sound " + std::to_string(turn.kind));
        sounds.insert(sounds.end(), turn.closings, "sound 7");
        if (!model.HasMove())
            sounds.insert(sounds.end(), {"sound 8", "highscores"});
        ASSERT_EQ(rig.outside.log, sounds);
        ASSERT_EQ(rig.Kinds(), model.Kinds());
        ASSERT_EQ(rig.game.Board().ShiftSide, model.shiftSide);
        ASSERT_EQ(rig.game.GameActive(), model.HasMove());
        ASSERT_EQ(rig.game.GroupCount(), 0);
        const Seen now = Look(rig);
        const int removed = shownBefore - static_cast<int>(std::count(now.shown.begin(), now.shown.end(), true));
        ASSERT_EQ(removed, turn.removed);
        removedPoints += GroupPoints(removed);
        ASSERT_EQ(rig.game.Board().Score, removedPoints);
        ASSERT_EQ(rig.game.Board().Score, model.score);
        ASSERT_EQ(rig.game.UndoDepth(), static_cast<int>(history.size()));
        ASSERT_EQ(rig.game.RedoDepth(), 0);
        ExpectConsistent(rig);
        ASSERT_FALSE(::testing::Test::HasFatalFailure());
    }

    // Over: Undo and Redo change nothing.
    const Seen over = Look(rig);
    rig.Undo();
    rig.Redo();
    ASSERT_EQ(Look(rig), over);
    ASSERT_EQ(rig.game.UndoDepth(), static_cast<int>(history.size()));
    ASSERT_EQ(rig.scene.Misuse(), 0);
    ++stats.games;
    stats.clicks += clicks;
}

TEST(RandomGames, PlayedToTheEndAgreeWithTheRulesAndUndoAllTheWay)
{
    // The sanitizer run plays fewer: each game costs it ten times as much.
    const char* wanted = std::getenv("GLIMMORA_RANDOM_GAMES");
    const int games = wanted ? std::max(100, std::atoi(wanted)) : 2000;
    std::mt19937 rng(20240611);
    Stats stats;
    for (int i = 0; i < games; ++i) {
        PlayOneGame(rng, stats);
        ASSERT_FALSE(HasFatalFailure()) << "game " << i;
    }
    std::cout << stats.games << " games, " << stats.clicks << " clicks, " << stats.longGames
              << " games beyond the stack's depth, " << stats.deepRedos << " redos three or more turns deep\n";
    EXPECT_EQ(stats.games, games);
    // The bounded stack is exercised, not just possible.
    EXPECT_GT(stats.longGames, games / 100);
    EXPECT_GT(stats.deepRedos, games / 2);
}

}  // namespace

// Costs of the rules core: the group search on the worst board, and whole
// turns as a game plays them.
#include "game/Game.h"
#include "game/IClock.h"
#include "game/IGameOptions.h"
#include "game/ISoundRequests.h"
#include "game/NullScene.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

class Outside : public IGameOptions, public ISoundRequests, public IClock {
public:
    bool sizeButtonDown(SizeButton button) const override { return button == SizeButton::rb2012; }
    int schemeIndex() const override { return 0; }
    void playSound(Sound sound) override { benchmark::DoNotOptimize(sound); }
    std::uint32_t msOfDayUtc() const override { return 0; }
};

struct Bench {
    Bench(std::uint32_t seed)
    {
        game.SetSeedOverride(seed);
        game.InitGame();
    }
    NullScene scene;
    Outside outside;
    Game game{scene, outside, outside, outside};
};

void BM_SearchForGroup_Full20x12OneKind(benchmark::State& state)
{
    Bench b(1);
    BoardState board = b.game.Board();
    for (int r = 1; r <= 12; ++r)
        for (int c = 1; c <= 20; ++c) {
            board.LayCell(r, c, 1, board.Matrix(r, c).piece);
        }
    const int picked = board.PieceAt(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    std::size_t found = 0;
    for (auto _ : state) {
        const PieceGroup group = board.SearchForGroup(picked);
        found = group.size();
        benchmark::DoNotOptimize(found);
    }
    if (found != 240)
        state.SkipWithError("the search did not find the whole board");
    state.SetItemsProcessed(state.iterations() * 240);
}
BENCHMARK(BM_SearchForGroup_Full20x12OneKind)->Args({6, 10})->Args({1, 1})->Args({12, 20});

// The pieces a player takes in one whole game from `seed`: always the first
// removable group in reading order.
std::vector<int> RecordGame(std::uint32_t seed)
{
    Bench b(seed);
    Game& g = b.game;
    std::vector<int> picks;
    while (g.GameActive()) {
        const BoardState& board = g.Board();
        int pick = 0;
        for (int r = 1; r <= board.FieldRows && !pick; ++r)
            for (int c = 1; c <= board.FieldCols && !pick; ++c) {
                const int k = board.Matrix(r, c).kind;
                if (k > 0
                    && ((r < board.FieldRows && board.Matrix(r + 1, c).kind == k)
                        || (c < board.FieldCols && board.Matrix(r, c + 1).kind == k)))
                    pick = board.Matrix(r, c).piece;
            }
        g.HoverStep(0);
        g.HoverStep(pick);
        g.TurnStep(pick);
        picks.push_back(pick);
    }
    return picks;
}

// Pointer onto a piece (search and light its group), press (undo level,
// removal, fall, closing, score, end test), as one game goes on 20 x 12.
void BM_WholeTurn_20x12Game(benchmark::State& state)
{
    constexpr std::uint32_t seed = 4242;
    const std::vector<int> picks = RecordGame(seed);
    Bench b(seed);
    std::size_t next = 0;
    for (auto _ : state) {
        if (next == picks.size()) {
            state.PauseTiming();
            b.game.SetSeedOverride(seed);
            b.game.InitGame();
            next = 0;
            state.ResumeTiming();
        }
        const int pick = picks[next++];
        b.game.HoverStep(0);
        b.game.HoverStep(pick);
        b.game.TurnStep(pick);
        benchmark::DoNotOptimize(b.game.Board().Score);
    }
    state.counters["turns_per_game"] = static_cast<double>(picks.size());
}
BENCHMARK(BM_WholeTurn_20x12Game);

// The first turn of a fresh 20 x 12 board and the Undo that takes it back.
void BM_TurnAndUndo_20x12(benchmark::State& state)
{
    const std::uint32_t seed = 4242;
    const int pick = RecordGame(seed).front();
    Bench b(seed);
    for (auto _ : state) {
        b.game.HoverStep(0);
        b.game.HoverStep(pick);
        b.game.TurnStep(pick);
        b.game.RestoreUndo();
        benchmark::DoNotOptimize(b.game.Board().Score);
    }
}
BENCHMARK(BM_TurnAndUndo_20x12);

}  // namespace

BENCHMARK_MAIN();

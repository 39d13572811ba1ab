// The search engine: its board against the game's BoardState and against a
// plain restatement of the benchmark's rules, the lines it reports replayed
// on both, determinism, cancellation, and small boards solved exactly.
#include "BenchReference.h"
#include "solver/Board.h"
#include "game/BoardState.h"
#include "solver/GameBoard.h"
#include "solver/Line.h"
#include "solver/Position.h"
#include "ReferenceBoard.h"
#include "solver/Search.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <random>
#include <sstream>
#include <thread>

namespace {

using namespace solver;

// Rows from the top as BenchReference reads them.
std::vector<std::string> Rows(const Board& board)
{
    std::vector<std::string> rows;
    for (int r = board.FieldRows() - 1; r >= 0; --r) {
        std::string row;
        for (int c = 0; c < board.LiveCols(); ++c)
            row += r < board.Height(c) ? static_cast<char>('0' + board.KindAt(c, r)) : '.';
        rows.push_back(row);
    }
    return rows;
}

Board RandomBoard(int cols, int rows, int kinds, std::mt19937& random)
{
    Board board(cols, rows);
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < rows; ++r)
            board.Set(c, r, static_cast<int>(random() % static_cast<unsigned>(kinds)) + 1);
    board.Seal();
    return board;
}

Board FromText(const std::string& text)
{
    std::istringstream in(text);
    std::string error;
    std::vector<Board> boards = ReadPositions(in, &error);
    EXPECT_EQ(error, "");
    EXPECT_EQ(boards.size(), 1u);
    return boards.empty() ? Board() : boards.front();
}

// Plays the line as the game does (the piece under the pointer, its group,
// the turn); the score at the end, or -1 at a move the game refuses.
int PlayOnBoardState(BoardState state, const Line& line, bool& over)
{
    for (const Move& move : line.moves) {
        const int piece = state.PieceAt(move.row, move.column);
        if (state.TakeTurn(state.SearchForGroup(piece)).kind != TurnResult::Kind::Removed)
            return -1;
    }
    over = state.CheckForTheEnd();
    return state.Score;
}

// The same on the benchmark's rules restated (rows counted from the bottom there).
int PlayOnReference(const Board& start, const Line& line, bool& over)
{
    BenchReference reference(Rows(start));
    for (const Move& move : line.moves)
        if (reference.Play(move.column, RowFromBottom(start, move)) < 2)
            return -1;
    over = !reference.HasMove();
    return reference.Points();
}

std::vector<Line> ReportedLines(const Board& board, Rules rules, std::uint64_t playouts, std::uint64_t seed = 1)
{
    Search search(board, rules, seed);
    std::vector<Line> lines;
    search.OnImprove([&](const Line& line) { lines.push_back(line); });
    const SearchReport report = search.Run(Budget::Playouts(playouts));
    EXPECT_FALSE(lines.empty());
    EXPECT_EQ(report.best, lines.back());
    EXPECT_EQ(report.playouts, playouts);
    return lines;
}

TEST(SolverBoard, PlaysAsBoardStateOverRandomGames)
{
    std::mt19937 random(11);
    for (const auto& [cols, rows] : {std::pair{20, 12}, std::pair{18, 10}, std::pair{16, 8}})
        for (std::uint32_t seed = 1; seed <= 40; ++seed) {
            Board board = Deal(cols, rows, seed);
            const ReferenceBoard dealt = ReferenceBoard::Deal(cols, seed);
            for (int r = 1; r <= rows; ++r)
                for (int c = 1; c <= cols; ++c)
                    ASSERT_EQ(board.KindAt(c - 1, rows - r), dealt.At(r, c));
            BoardState state = ToBoardState(board);
            ASSERT_EQ(FromBoardState(state), board);
            Group groups[kMaxGroups];
            for (int n = board.Groups(groups); n > 0; n = board.Groups(groups)) {
                for (int i = 0; i < n; ++i) {
                    const Move at = MoveOfCell(board, groups[i].anchor);
                    ASSERT_EQ(state.SearchForGroup(state.PieceAt(at.row, at.column)).size(), groups[i].size);
                }
                const Group& g = groups[random() % static_cast<unsigned>(n)];
                const Move move = MoveOfCell(board, g.anchor);
                const TurnResult turn = state.TakeTurn(state.SearchForGroup(state.PieceAt(move.row, move.column)));
                ASSERT_EQ(board.Remove(g.anchor, Rules::Game), g.size);
                ASSERT_EQ(turn.points, GroupScore(g.size));
                // Vacated columns, the side of the next closing and every piece alike.
                ASSERT_EQ(FromBoardState(state), board) << cols << "x" << rows << " deal " << seed;
                ASSERT_EQ(turn.gameOver, !board.HasMoves());
            }
        }
}

TEST(SolverBoard, PlaysAsTheBenchmarkRulesOverRandomGames)
{
    std::mt19937 random(12);
    for (int game = 0; game < 300; ++game) {
        const int cols = game < 100 ? 15 : 1 + static_cast<int>(random() % kMaxCols);
        const int rows = game < 100 ? 15 : 1 + static_cast<int>(random() % kMaxRows);
        Board board = RandomBoard(cols, rows, 1 + game % 5, random);
        BenchReference reference(Rows(board));
        Group groups[kMaxGroups];
        int n = board.Groups(groups);
        while (n > 0) {
            const Group& g = groups[random() % static_cast<unsigned>(n)];
            const Move move = MoveOfCell(board, g.anchor);
            ASSERT_EQ(reference.Play(move.column, RowFromBottom(board, move)), g.size);
            int changed = 0;
            board.Remove(g.anchor, Rules::Bench, changed);
            // The groups carried over and searched again are all the board's.
            const int carried = board.Regroup(groups, n, changed, 0);
            Group fresh[kMaxGroups];
            n = board.Groups(fresh);
            ASSERT_EQ(carried, n);
            for (int c = 1; c <= kMaxCols; ++c)
                for (int r = 1; r <= kMaxRows; ++r)
                    ASSERT_EQ(c <= board.LiveCols() && r <= board.Height(c - 1) ? board.KindAt(c - 1, r - 1) : 0,
                              reference.At(c, r));
        }
        ASSERT_FALSE(reference.HasMove());
        ASSERT_EQ(board.Empty(), reference.Empty());
    }
}

TEST(SolverPositions, ReadsTheBenchmarkFormat)
{
    std::istringstream in("0 1 2\n3 4 0\n\n012\n340\n");
    std::string error = "x";
    const std::vector<Board> boards = ReadPositions(in, &error);
    EXPECT_EQ(error, "");
    ASSERT_EQ(boards.size(), 2u);
    EXPECT_EQ(boards[0], boards[1]);
    EXPECT_EQ(Rows(boards[0]), (std::vector<std::string>{"123", "451"}));
    EXPECT_EQ(FormatPosition(boards[0]), "0 1 2\n3 4 0\n");
    for (const char* bad : {"0 1 5\n", "0 1\n0\n", "012345678901234567890\n"}) {
        std::istringstream wrong(bad);
        ReadPositions(wrong, &error);
        EXPECT_NE(error, "") << bad;
    }
}

TEST(SolverSearch, EveryReportedLineReplaysToItsPoints)
{
    for (const auto& [cols, rows] : {std::pair{20, 12}, std::pair{18, 10}, std::pair{16, 8}})
        for (std::uint32_t seed : {3u, 4u}) {
            const Board deal = Deal(cols, rows, seed);
            for (const Line& line : ReportedLines(deal, Rules::Game, 2000, seed)) {
                bool over = false;
                EXPECT_EQ(PlayOnBoardState(ToBoardState(deal), line, over), line.points);
                EXPECT_TRUE(over);
            }
        }
    std::mt19937 random(13);
    for (int i = 0; i < 6; ++i) {
        const Board board = i < 4 ? RandomBoard(15, 15, 5, random) : RandomBoard(6, 5, 2, random);
        for (const Line& line : ReportedLines(board, Rules::Bench, 2000, static_cast<std::uint64_t>(i))) {
            bool over = false;
            EXPECT_EQ(PlayOnReference(board, line, over), line.points);
            EXPECT_TRUE(over);
        }
    }
}

TEST(SolverSearch, SameSeedAndPlayoutsSameLine)
{
    std::mt19937 random(14);
    const Board board = RandomBoard(15, 15, 5, random);
    for (Rules rules : {Rules::Bench, Rules::Game}) {
        const Line once = Search(board, rules, 7).Run(Budget::Playouts(3000)).best;
        EXPECT_EQ(Search(board, rules, 7).Run(Budget::Playouts(3000)).best, once);
        Search inTwo(board, rules, 7);
        inTwo.Run(Budget::Playouts(1234));
        EXPECT_EQ(inTwo.Run(Budget::Playouts(3000 - 1234)).best, once);
        SearchSettings two{rules, 7, 2, {}};
        EXPECT_EQ(Search(board, two).Run(Budget::Playouts(3000)).best,
                  Search(board, two).Run(Budget::Playouts(3000)).best);
    }
}

TEST(SolverSearch, SameLineOnEveryBuild)
{
    // Pinned with gcc 12 and clang 14, from -O0 to -O2 and under the
    // sanitizers: the search uses no libm function and no fused multiply-add.
    // A change here is a change of the search itself.
    const Line line = Search(Deal(20, 12, 1), Rules::Game, 1).Run(Budget::Playouts(3000)).best;
    EXPECT_EQ(line.points, 1873);
    ASSERT_EQ(line.moves.size(), 67u);
    EXPECT_EQ(line.moves.front(), (Move{11, 12}));
    EXPECT_EQ(line.moves.back(), (Move{14, 12}));
}

TEST(SolverSearch, CancelIsSeenBeforeTheNextPlayout)
{
    std::mt19937 random(15);
    const Board board = RandomBoard(20, 15, 5, random);
    Search search(board, Rules::Bench, 1);
    search.OnImprove([&](const Line&) { search.Cancel(); });
    SearchReport report = search.Run(Budget{});
    EXPECT_EQ(report.playouts, 1u);
    EXPECT_TRUE(report.cancelled);
    EXPECT_EQ(search.Run(Budget{}).playouts, 0u);

    Search stopped(board, Rules::Bench, 1);
    std::stop_source source;
    stopped.OnImprove([&](const Line&) { source.request_stop(); });
    EXPECT_EQ(stopped.Run(Budget{}, source.get_token()).playouts, 1u);
}

TEST(SolverSearch, CancelFromAnotherThreadEndsTheRunAtOnce)
{
    std::mt19937 random(16);
    Search search(RandomBoard(20, 15, 5, random), Rules::Bench, 1);
    auto run = std::async(std::launch::async, [&] { return search.Run(Budget{}); });
    while (search.Playouts() < 200)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const auto asked = std::chrono::steady_clock::now();
    search.Cancel();
    const SearchReport report = run.get();
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - asked).count();
    RecordProperty("cancel_ms", std::to_string(ms));
    std::printf("cancelled after %.3f ms (%llu playouts of %.1f us each on the searching thread)\n", ms,
                static_cast<unsigned long long>(report.playouts), report.seconds / report.playouts * 1e6);
    EXPECT_TRUE(report.cancelled);
    // The flag is read before every playout (the test above); a playout on the
    // largest board takes a small fraction of 10 ms of CPU. The wall clock here
    // also holds the scheduler's delays on a loaded machine, so it is bounded loosely.
    EXPECT_LT(report.seconds / static_cast<double>(report.playouts), 0.002);
    EXPECT_LT(ms, 1000);
}

TEST(SolverSearch, HandMadeBoardSolvedExactly)
{
    // Taking the middle column first joins the two outer ones: 1 + 16 points,
    // and the bonus. Taking an outer one first scores 1 + 1 + 1.
    const Board board = FromText("0 1 0\n0 1 0\n0 1 0\n");
    EXPECT_EQ(BenchReference(Rows(board)).Exhaustive(true), 1017);
    const Line bench = Search(board, Rules::Bench, 1).Run(Budget::Playouts(500)).best;
    EXPECT_EQ(bench, (Line{1017, {Move{2, 3}, Move{1, 3}}}));
    // Under the game's rules the first closing slides the left column in: the
    // joined group stands in columns 2 and 3.
    const Line game = Search(board, Rules::Game, 1).Run(Budget::Playouts(500)).best;
    EXPECT_EQ(game, (Line{17, {Move{2, 3}, Move{2, 3}}}));
}

TEST(SolverSearch, SmallBoardsSolvedAsExhaustiveSearchDoes)
{
    std::mt19937 random(17);
    for (int i = 0; i < 12; ++i) {
        const Board board = RandomBoard(4 + i % 3, 4, 3, random);
        const BenchReference reference(Rows(board));
        EXPECT_EQ(Search(board, Rules::Bench, 1).Run(Budget::Playouts(20000)).best.points, reference.Exhaustive(true))
            << FormatPosition(board);
        EXPECT_EQ(Search(board, Rules::Game, 1).Run(Budget::Playouts(20000)).best.points, reference.Exhaustive(false))
            << FormatPosition(board);
    }
}

TEST(SolverSearch, PositionWithoutMoves)
{
    const Board board = FromText("0 1\n1 0\n");
    Search search(board, Rules::Bench, 1);
    const SearchReport report = search.Run(Budget::Seconds(5));
    EXPECT_EQ(report.playouts, 0u);
    EXPECT_EQ(report.best, (Line{0, {}}));
}

}  // namespace

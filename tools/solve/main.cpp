// glimmora-solve: the best line the search engine finds for each position.
//
//   glimmora-solve [--rules game|bench] [--seconds S | --playouts N] [--seed K]
//                  [--threads T] [--verbose] FILE
//   glimmora-solve [options] --deal COLSxROWS SEED [--deal ...]
//
// FILE holds positions as the benchmark's std20-positions.txt does (blocks of
// rows, the top row first, kinds 0-4, a blank line between blocks; "-" reads
// standard input); --deal takes the game's own deal of that size and number.
// For each position one line goes to standard output: the points, a tab, and
// the moves separated by blanks, each "column,row" of one cell of the group,
// counted from the bottom-left cell 1,1 of the field as it stands before
// that move. Progress goes to standard error. The exit status is 0, or 2 for
// a usage error or a file that cannot be read.
#include "solver/Position.h"
#include "solver/Search.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

int Usage(const std::string& why)
{
    std::cerr << "glimmora-solve: " << why << "\n"
              << "usage: glimmora-solve [--rules game|bench] [--seconds S | --playouts N] [--seed K] [--threads T]\n"
              << "                      [--verbose] FILE | --deal COLSxROWS SEED ...\n";
    return 2;
}

template <typename T>
bool Parse(const std::string& text, T& value)
{
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

bool ParseSeconds(const std::string& text, double& value)
{
    try {
        std::size_t used = 0;
        value = std::stod(text, &used);
        return used == text.size() && value > 0;
    } catch (...) {
        return false;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    solver::SearchSettings settings;
    settings.rules = solver::Rules::Bench;
    solver::Budget budget = solver::Budget::Seconds(10);
    bool haveBudget = false;
    bool verbose = false;
    std::string file;
    std::vector<solver::Board> positions;
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> const std::string* { return i + 1 < args.size() ? &args[++i] : nullptr; };
        if (a == "--rules") {
            const std::string* v = value();
            if (!v || (*v != "game" && *v != "bench"))
                return Usage("--rules takes game or bench");
            settings.rules = *v == "game" ? solver::Rules::Game : solver::Rules::Bench;
        } else if (a == "--seconds") {
            const std::string* v = value();
            double s = 0;
            if (haveBudget || !v || !ParseSeconds(*v, s))
                return Usage("--seconds takes a number of seconds above 0, and excludes --playouts");
            budget = solver::Budget::Seconds(s);
            haveBudget = true;
        } else if (a == "--playouts") {
            const std::string* v = value();
            std::uint64_t n = 0;
            if (haveBudget || !v || !Parse(*v, n) || n == 0)
                return Usage("--playouts takes a whole number above 0, and excludes --seconds");
            budget = solver::Budget::Playouts(n);
            haveBudget = true;
        } else if (a == "--seed") {
            const std::string* v = value();
            if (!v || !Parse(*v, settings.seed))
                return Usage("--seed takes a whole number");
        } else if (a == "--threads") {
            const std::string* v = value();
            if (!v || !Parse(*v, settings.threads) || settings.threads < 1 || settings.threads > 64)
                return Usage("--threads takes a number from 1 to 64");
        } else if (a == "--verbose") {
            verbose = true;
        } else if (a == "--deal") {
            const std::string* size = value();
            const std::string* seed = value();
            int cols = 0;
            int rows = 0;
            std::uint32_t number = 0;
            const std::size_t x = size ? size->find('x') : std::string::npos;
            if (!seed || x == std::string::npos || !Parse(size->substr(0, x), cols) || !Parse(size->substr(x + 1), rows)
                || !Parse(*seed, number) || cols < 1 || cols > solver::kMaxCols || rows < 1 || rows > solver::kMaxRows)
                return Usage("--deal takes COLSxROWS (at most 20x15) and a seed");
            positions.push_back(solver::Deal(cols, rows, number));
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            return Usage("unknown option " + a);
        } else if (file.empty()) {
            file = a;
        } else {
            return Usage("one FILE only");
        }
    }
    if (file.empty() == positions.empty())
        return Usage(file.empty() ? "no FILE and no --deal" : "FILE or --deal, not both");
    if (!file.empty()) {
        std::string error;
        if (file == "-") {
            positions = solver::ReadPositions(std::cin, &error);
        } else {
            std::ifstream in(file);
            if (!in) {
                std::cerr << "glimmora-solve: cannot read " << file << "\n";
                return 2;
            }
            positions = solver::ReadPositions(in, &error);
        }
        if (!error.empty()) {
            std::cerr << "glimmora-solve: " << file << ": " << error << "\n";
            return 2;
        }
        if (positions.empty()) {
            std::cerr << "glimmora-solve: " << file << ": no position\n";
            return 2;
        }
    }
    const int count = static_cast<int>(positions.size());
    for (int p = 0; p < count; ++p) {
        const solver::Board& board = positions[static_cast<std::size_t>(p)];
        solver::Search search(board, settings);
        if (verbose)
            search.OnImprove([&](const solver::Line& line) {
                std::fprintf(stderr, "glimmora-solve: position %d: %d points after %llu playouts\n", p + 1,
                             line.points, static_cast<unsigned long long>(search.Playouts()));
            });
        const solver::SearchReport report = search.Run(budget);
        std::string text = std::to_string(report.best.points) + "\t";
        for (std::size_t m = 0; m < report.best.moves.size(); ++m) {
            const solver::Move& move = report.best.moves[m];
            text += (m ? " " : "") + std::to_string(move.column) + "," + std::to_string(solver::RowFromBottom(board, move));
        }
        std::cout << text << "\n" << std::flush;
        std::fprintf(stderr, "glimmora-solve: position %d of %d (%dx%d): %d points, %llu playouts, %.2f s\n", p + 1,
                     count, board.FieldCols(), board.FieldRows(), report.best.points,
                     static_cast<unsigned long long>(report.playouts), report.seconds);
    }
    return 0;
}

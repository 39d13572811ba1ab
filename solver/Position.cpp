#include "solver/Position.h"

#include "game/RandomGen.h"

#include <istream>
#include <sstream>

namespace solver {

namespace {

Board FromRows(const std::vector<std::vector<int>>& rows)
{
    const int height = static_cast<int>(rows.size());
    const int width = static_cast<int>(rows.front().size());
    Board board(width, height);
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c)
            board.Set(c, height - 1 - r, rows[r][c] + 1);
    board.Seal();
    return board;
}

}  // namespace

std::vector<Board> ReadPositions(std::istream& in, std::string* error)
{
    std::vector<Board> out;
    std::vector<std::vector<int>> rows;
    int lineNo = 0;
    auto fail = [&](const std::string& why) {
        if (error)
            *error = "line " + std::to_string(lineNo) + ": " + why;
        return out;
    };
    auto finish = [&]() -> bool {
        if (rows.empty())
            return true;
        if (static_cast<int>(rows.size()) > kMaxRows)
            return false;
        out.push_back(FromRows(rows));
        rows.clear();
        return true;
    };
    for (std::string line; std::getline(in, line);) {
        ++lineNo;
        std::vector<int> row;
        bool blank = true;
        for (char ch : line) {
            if (ch == ' ' || ch == '\t' || ch == '\r')
                continue;
            blank = false;
            if (ch < '0' || ch > '4')
                return fail(std::string("not a kind 0-4: '") + ch + "'");
            row.push_back(ch - '0');
        }
        if (blank) {
            if (!finish())
                return fail("more than 15 rows");
            continue;
        }
        if (static_cast<int>(row.size()) > kMaxCols)
            return fail("more than 20 columns");
        if (!rows.empty() && row.size() != rows.front().size())
            return fail("a row of another width than the first");
        rows.push_back(std::move(row));
        if (static_cast<int>(rows.size()) > kMaxRows)
            return fail("more than 15 rows");
    }
    if (!finish())
        return fail("more than 15 rows");
    if (error)
        error->clear();
    return out;
}

Board Deal(int cols, int rows, std::uint32_t seed)
{
    RandomGen random;
    random.seed(seed);
    Board board(cols, rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            board.Set(c, rows - 1 - r, static_cast<int>(random.next(5)) + 1);
    board.Seal();
    return board;
}

std::string FormatPosition(const Board& board)
{
    std::ostringstream out;
    for (int r = board.FieldRows() - 1; r >= 0; --r) {
        for (int c = 0; c < board.LiveCols(); ++c) {
            const int k = r < board.Height(c) ? board.KindAt(c, r) : 0;
            out << (c ? " " : "") << (k ? static_cast<char>('0' + k - 1) : '.');
        }
        out << '\n';
    }
    return out.str();
}

}  // namespace solver

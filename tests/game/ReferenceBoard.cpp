#include "ReferenceBoard.h"

#include <algorithm>

ReferenceBoard ReferenceBoard::Deal(int cols, std::uint32_t seed)
{
    ReferenceBoard b;
    b.rows_ = cols == 20 ? 12 : cols == 18 ? 10 : 8;
    b.columns_.assign(cols, std::vector<int>(b.rows_, 0));
    std::uint64_t s = seed;
    for (int r = 0; r < b.rows_; ++r)
        for (int c = 0; c < cols; ++c) {
            s = (s * 134775813ull + 1ull) % (1ull << 32);
            b.columns_[c][r] = static_cast<int>((s * 5ull) / (1ull << 32)) + 1;
        }
    return b;
}

std::vector<ReferenceBoard::Cell> ReferenceBoard::GroupAt(int r, int c) const
{
    std::vector<Cell> found;
    const int kind = At(r, c);
    if (kind <= 0)
        return found;
    std::vector<std::vector<bool>> seen(Cols() + 2, std::vector<bool>(rows_ + 2, false));
    std::vector<Cell> stack{{r, c}};
    seen[c][r] = true;
    while (!stack.empty()) {
        const auto [row, col] = stack.back();
        stack.pop_back();
        found.emplace_back(row, col);
        const Cell next[] = {{row - 1, col}, {row + 1, col}, {row, col - 1}, {row, col + 1}};
        for (const auto& [nr, nc] : next)
            if (nr >= 1 && nr <= rows_ && nc >= 1 && nc <= Cols() && !seen[nc][nr] && At(nr, nc) == kind) {
                seen[nc][nr] = true;
                stack.emplace_back(nr, nc);
            }
    }
    std::sort(found.begin(), found.end());
    return found;
}

ReferenceBoard::TurnResult ReferenceBoard::Play(int r, int c)
{
    TurnResult result;
    const std::vector<Cell> group = GroupAt(r, c);
    if (group.size() < 2)
        return result;
    result.removed = static_cast<int>(group.size());
    result.kind = At(r, c);
    for (const auto& [row, col] : group)
        columns_[col - 1][row - 1] = 0;
    Settle();
    CloseEmptyColumns(result);
    score += (result.removed - 2) * (result.removed - 2);
    return result;
}

void ReferenceBoard::Settle()
{
    for (auto& column : columns_) {
        if (column[0] == -1)
            continue;
        std::vector<int> pieces;
        std::copy_if(column.begin(), column.end(), std::back_inserter(pieces), [](int k) { return k > 0; });
        std::fill(column.begin(), column.end(), 0);
        std::copy(pieces.begin(), pieces.end(), column.end() - static_cast<long>(pieces.size()));
    }
}

void ReferenceBoard::CloseEmptyColumns(TurnResult& result)
{
    const std::vector<int> vacated(rows_, -1);
    for (std::size_t i = 0; i < columns_.size();) {
        const bool empty = std::all_of(columns_[i].begin(), columns_[i].end(), [](int k) { return k == 0; });
        if (!empty) {
            ++i;
            continue;
        }
        // The left part slides right (a vacated column enters at the left)
        // or the right part slides left (it enters at the right).
        columns_.erase(columns_.begin() + static_cast<long>(i));
        if (shiftSide)
            columns_.insert(columns_.begin(), vacated);
        else
            columns_.push_back(vacated);
        shiftSide = !shiftSide;
        ++result.closings;
    }
}

bool ReferenceBoard::HasMove() const
{
    for (int r = 1; r <= rows_; ++r)
        for (int c = 1; c <= Cols(); ++c)
            if (At(r, c) > 0 && ((r < rows_ && At(r + 1, c) == At(r, c)) || (c < Cols() && At(r, c + 1) == At(r, c))))
                return true;
    return false;
}

std::vector<std::string> ReferenceBoard::Kinds() const
{
    std::vector<std::string> rows;
    for (int r = 1; r <= rows_; ++r) {
        std::string row;
        for (int c = 1; c <= Cols(); ++c) {
            const int k = At(r, c);
            row += k == 0 ? '.' : k == -1 ? '#' : static_cast<char>('0' + k);
        }
        rows.push_back(row);
    }
    return rows;
}

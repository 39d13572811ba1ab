#include "BenchReference.h"

#include <algorithm>
#include <map>
#include <utility>

BenchReference::BenchReference(const std::vector<std::string>& rows)
{
    const int height = static_cast<int>(rows.size());
    const int width = height ? static_cast<int>(rows.front().size()) : 0;
    columns_.assign(static_cast<std::size_t>(width), {});
    for (int c = 0; c < width; ++c)
        for (int r = height - 1; r >= 0; --r) {
            const char ch = rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            if (ch >= '1' && ch <= '5')
                columns_[static_cast<std::size_t>(c)].push_back(ch - '0');
        }
    std::erase_if(columns_, [](const std::vector<int>& column) { return column.empty(); });
}

int BenchReference::At(int column, int row) const
{
    if (column < 1 || column > Cols())
        return 0;
    const std::vector<int>& col = columns_[static_cast<std::size_t>(column - 1)];
    return row >= 1 && row <= static_cast<int>(col.size()) ? col[static_cast<std::size_t>(row - 1)] : 0;
}

int BenchReference::Play(int column, int row)
{
    const int kind = At(column, row);
    if (!kind)
        return 0;
    std::vector<std::pair<int, int>> group{{column, row}};
    std::vector<std::pair<int, int>> stack{{column, row}};
    while (!stack.empty()) {
        const auto [c, r] = stack.back();
        stack.pop_back();
        for (const auto& [nc, nr] : {std::pair{c + 1, r}, std::pair{c - 1, r}, std::pair{c, r + 1}, std::pair{c, r - 1}})
            if (At(nc, nr) == kind && std::find(group.begin(), group.end(), std::pair{nc, nr}) == group.end()) {
                group.emplace_back(nc, nr);
                stack.emplace_back(nc, nr);
            }
    }
    const int n = static_cast<int>(group.size());
    if (n < 2)
        return 0;
    for (const auto& [c, r] : group)
        columns_[static_cast<std::size_t>(c - 1)][static_cast<std::size_t>(r - 1)] = 0;
    for (auto& col : columns_)
        std::erase(col, 0);
    std::erase_if(columns_, [](const std::vector<int>& col) { return col.empty(); });
    score += (n - 2) * (n - 2);
    return n;
}

bool BenchReference::HasMove() const
{
    for (int c = 1; c <= Cols(); ++c)
        for (int r = 1; r <= static_cast<int>(columns_[static_cast<std::size_t>(c - 1)].size()); ++r)
            if (At(c, r) == At(c + 1, r) || At(c, r) == At(c, r + 1))
                return true;
    return false;
}

int BenchReference::Exhaustive(bool bonus) const
{
    std::map<std::vector<std::vector<int>>, int> memo;  // the best points still to come
    auto best = [&](auto&& self, const BenchReference& b) -> int {
        if (auto it = memo.find(b.columns_); it != memo.end())
            return it->second;
        int most = bonus && b.Empty() ? 1000 : 0;
        for (int c = 1; c <= b.Cols(); ++c)
            for (int r = 1; r <= static_cast<int>(b.columns_[static_cast<std::size_t>(c - 1)].size()); ++r) {
                BenchReference next = b;
                next.score = 0;
                if (next.Play(c, r) < 2)
                    continue;
                most = std::max(most, next.score + self(self, next));
            }
        memo.emplace(b.columns_, most);
        return most;
    };
    return score + best(best, *this);
}

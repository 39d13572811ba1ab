#include "solver/Board.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace solver {

namespace {

// For every live column j (1-based in the array): bit i of up[j] says that
// the piece in row i has a like piece above it, bit i of right[j] that it has
// one on its right. Empty cells never pair.
inline void PairMasks(const std::uint8_t* cells, int live, std::uint16_t* up, std::uint16_t* right)
{
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    __m128i cur = _mm_load_si128(reinterpret_cast<const __m128i*>(cells + kStride));
    for (int j = 1; j <= live; ++j) {
        const __m128i next = _mm_load_si128(reinterpret_cast<const __m128i*>(cells + (j + 1) * kStride));
        const __m128i above = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cells + j * kStride + 1));
        const __m128i empty = _mm_cmpeq_epi8(cur, zero);
        up[j] = static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_andnot_si128(empty, _mm_cmpeq_epi8(cur, above))));
        right[j] = static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_andnot_si128(empty, _mm_cmpeq_epi8(cur, next))));
        cur = next;
    }
#else
    for (int j = 1; j <= live; ++j) {
        const std::uint8_t* col = cells + j * kStride;
        std::uint16_t u = 0;
        std::uint16_t r = 0;
        for (int i = 0; i < kStride - 1; ++i) {
            if (col[i] && col[i] == col[i + 1])
                u |= static_cast<std::uint16_t>(1u << i);
            if (col[i] && col[i] == col[i + kStride])
                r |= static_cast<std::uint16_t>(1u << i);
        }
        up[j] = u;
        right[j] = r;
    }
#endif
}

inline int LowBit(unsigned v) { return __builtin_ctz(v); }

}  // namespace

Board::Board(int cols, int rows)
    : live_(static_cast<std::int8_t>(std::clamp(cols, 0, kMaxCols))),
      rows_(static_cast<std::int8_t>(std::clamp(rows, 0, kMaxRows))),
      fieldCols_(live_)
{
}

void Board::Set(int column, int rowFromBottom, int kind)
{
    if (column < 0 || column >= live_ || rowFromBottom < 0 || rowFromBottom >= rows_ || kind < 0 || kind > kMaxKinds)
        return;
    cells_[CellAt(column, rowFromBottom)] = static_cast<std::uint8_t>(kind);
    if (kind && rowFromBottom + 1 > height_[column + 1])
        height_[column + 1] = static_cast<std::uint8_t>(rowFromBottom + 1);
}

void Board::PlaceOnField(int fieldCols, int vacatedLeft, bool nextFromLeft)
{
    fieldCols_ = static_cast<std::int8_t>(std::clamp(fieldCols, static_cast<int>(live_), kMaxCols));
    left_ = static_cast<std::int8_t>(std::clamp(vacatedLeft, 0, fieldCols_ - live_));
    shiftLeft_ = nextFromLeft;
}

void Board::Seal()
{
    std::fill(std::begin(count_), std::end(count_), 0);
    pieces_ = 0;
    for (int j = 1; j <= live_; ++j)
        for (int i = 0; i < height_[j]; ++i) {
            ++count_[cells_[j * kStride + i]];
            ++pieces_;
        }
    count_[0] = 0;
}

int Board::GroupsReaching(int first, Group* out, int skip) const
{
    std::uint16_t up[kMaxCols + 2];
    std::uint16_t right[kMaxCols + 2];
    std::uint16_t seen[kMaxCols + 2] = {};
    right[0] = 0;
    PairMasks(cells_, live_, up, right);
    int n = 0;
    Cell stack[kMaxCols * kMaxRows + 4];
#if defined(__SSE2__)
    const __m128i skipKind = _mm_set1_epi8(static_cast<char>(skip ? skip : 0xff));
#endif
    for (int j = first < 1 ? 1 : first; j <= live_; ++j) {
        unsigned cand = (up[j] | (up[j] << 1) | right[j] | right[j - 1]) & 0xffffu;
        if (skip) {
#if defined(__SSE2__)
            const __m128i col = _mm_load_si128(reinterpret_cast<const __m128i*>(cells_ + j * kStride));
            cand &= ~static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(col, skipKind)));
#else
            for (int i = 0; i < kStride; ++i)
                if (cells_[j * kStride + i] == skip)
                    cand &= ~(1u << i);
#endif
        }
        cand &= ~static_cast<unsigned>(seen[j]);
        while (cand) {
            const int i = LowBit(cand);
            const Cell start = static_cast<Cell>(j * kStride + i);
            Cell anchor = start;
            int last = j;
            int top = 0;
            int size = 0;
            stack[top++] = start;
            seen[j] |= static_cast<std::uint16_t>(1u << i);
            while (top) {
                const Cell c = stack[--top];
                ++size;
                anchor = c < anchor ? c : anchor;
                const int cj = c / kStride;
                const int ci = c % kStride;
                last = cj > last ? cj : last;
                const unsigned bit = 1u << ci;
                if ((up[cj] & bit) && !(seen[cj] & (bit << 1))) {
                    seen[cj] |= static_cast<std::uint16_t>(bit << 1);
                    stack[top++] = static_cast<Cell>(c + 1);
                }
                if (ci > 0 && (up[cj] & (bit >> 1)) && !(seen[cj] & (bit >> 1))) {
                    seen[cj] |= static_cast<std::uint16_t>(bit >> 1);
                    stack[top++] = static_cast<Cell>(c - 1);
                }
                if ((right[cj] & bit) && !(seen[cj + 1] & bit)) {
                    seen[cj + 1] |= static_cast<std::uint16_t>(bit);
                    stack[top++] = static_cast<Cell>(c + kStride);
                }
                if ((right[cj - 1] & bit) && !(seen[cj - 1] & bit)) {
                    seen[cj - 1] |= static_cast<std::uint16_t>(bit);
                    stack[top++] = static_cast<Cell>(c - kStride);
                }
            }
            out[n++] = Group{anchor, static_cast<std::uint16_t>(size), cells_[start], static_cast<std::uint8_t>(last)};
            cand &= ~static_cast<unsigned>(seen[j]);
        }
    }
    return n;
}

int Board::Regroup(Group* groups, int n, int changed, int skip) const
{
    int kept = 0;
    for (int i = 0; i < n; ++i)
        if (groups[i].lastColumn < changed - 1)
            groups[kept++] = groups[i];
    return kept + GroupsReaching(changed - 1, groups + kept, skip);
}

bool Board::HasMoves() const
{
    std::uint16_t up[kMaxCols + 2];
    std::uint16_t right[kMaxCols + 2];
    PairMasks(cells_, live_, up, right);
    unsigned any = 0;
    for (int j = 1; j <= live_; ++j)
        any |= up[j] | right[j];
    return any != 0;
}

// Collects the group of cell c as one bit mask per column; returns its size
// and the range of columns it touches.
int Board::flood(Cell c, std::uint16_t* masks, int& lo, int& hi) const
{
    const std::uint8_t kind = cells_[c];
    if (!kind)
        return 0;
    Cell stack[kMaxCols * kMaxRows];
    int top = 0;
    int size = 0;
    lo = hi = c / kStride;
    stack[top++] = c;
    masks[c / kStride] |= static_cast<std::uint16_t>(1u << (c % kStride));
    auto visit = [&](Cell n) {
        if (cells_[n] != kind)
            return;
        const std::uint16_t bit = static_cast<std::uint16_t>(1u << (n % kStride));
        std::uint16_t& m = masks[n / kStride];
        if (m & bit)
            return;
        m |= bit;
        stack[top++] = n;
    };
    while (top) {
        const Cell cur = stack[--top];
        ++size;
        const int j = cur / kStride;
        lo = std::min(lo, j);
        hi = std::max(hi, j);
        visit(static_cast<Cell>(cur + 1));
        if (cur % kStride)
            visit(static_cast<Cell>(cur - 1));
        visit(static_cast<Cell>(cur + kStride));
        visit(static_cast<Cell>(cur - kStride));
    }
    return size;
}

int Board::Remove(Cell c, Rules rules, int& changed)
{
    changed = kMaxCols + 2;
    if (c >= kCells || c / kStride < 1 || c / kStride > live_)
        return 0;
    std::uint16_t masks[kMaxCols + 2] = {};
    int lo = 0;
    int hi = 0;
    const int size = flood(c, masks, lo, hi);
    if (size < 2)
        return 0;
    changed = lo;
    const std::uint8_t kind = cells_[c];
    count_[kind] = static_cast<std::uint16_t>(count_[kind] - size);
    pieces_ = static_cast<std::int16_t>(pieces_ - size);
    bool emptied = false;
    for (int j = lo; j <= hi; ++j) {
        const unsigned m = masks[j];
        if (!m)
            continue;
        std::uint8_t* col = cells_ + j * kStride;
        const int h = height_[j];
        int w = LowBit(m);
        for (int r = w + 1; r < h; ++r)
            if (!((m >> r) & 1u))
                col[w++] = col[r];
        std::memset(col + w, 0, static_cast<std::size_t>(h - w));
        height_[j] = static_cast<std::uint8_t>(w);
        emptied |= w == 0;
    }
    if (emptied) {
        int dst = lo;
        for (int j = lo; j <= live_; ++j) {
            if (!height_[j])
                continue;
            if (dst != j) {
                std::memcpy(cells_ + dst * kStride, cells_ + j * kStride, kStride);
                height_[dst] = height_[j];
            }
            ++dst;
        }
        const int closed = live_ + 1 - dst;
        std::memset(cells_ + dst * kStride, 0, static_cast<std::size_t>(closed * kStride));
        std::memset(height_ + dst, 0, static_cast<std::size_t>(closed));
        live_ = static_cast<std::int8_t>(live_ - closed);
        if (rules == Rules::Game) {
            left_ = static_cast<std::int8_t>(left_ + (shiftLeft_ ? (closed + 1) / 2 : closed / 2));
            if (closed & 1)
                shiftLeft_ = !shiftLeft_;
        }
    }
    return size;
}

bool Board::operator==(const Board& o) const
{
    return std::memcmp(cells_, o.cells_, sizeof cells_) == 0 && std::memcmp(height_, o.height_, sizeof height_) == 0
           && live_ == o.live_ && rows_ == o.rows_ && fieldCols_ == o.fieldCols_ && left_ == o.left_
           && shiftLeft_ == o.shiftLeft_ && pieces_ == o.pieces_;
}

}  // namespace solver

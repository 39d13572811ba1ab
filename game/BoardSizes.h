#pragma once

#include <array>

// The three field-size buttons of the options window.
enum class SizeButton { rb2012, rb1810, rb168 };

struct BoardSize {
    SizeButton button;
    int rows;
    int cols;
    int halfRows;
    int halfCols;
};

// In the order a new game tests the buttons: when several are down, the last
// one down wins; when none is, the field keeps its size.
inline constexpr std::array<BoardSize, 3> BoardSizes{{
    {SizeButton::rb2012, 12, 20, 6, 10},
    {SizeButton::rb1810, 10, 18, 5, 9},
    {SizeButton::rb168, 8, 16, 4, 8},
}};

// The size with that many columns, or nullptr.
inline const BoardSize* BoardSizeWithCols(int cols)
{
    for (const BoardSize& size : BoardSizes)
        if (size.cols == cols)
            return &size;
    return nullptr;
}

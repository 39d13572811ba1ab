#pragma once

#include <vector>

// One empty column closed by a turn: the columns on `side` of it slid in.
struct ColumnClosing {
    int column = 0;
    int side = 0;  // 1: from the left (lower numbers), 0: from the right
    bool operator==(const ColumnClosing&) const = default;
};

// What one click did to the board, for the front end to show and sound.
struct TurnResult {
    enum class Kind {
        None,  // no turn: the game is over or the click found no piece
        Refused,  // a lone piece, or no group lit: the board is unchanged
        Removed,  // a group went
    };

    Kind kind = Kind::None;
    int pieceKind = 0;  // of the removed group
    std::vector<int> removed;  // piece numbers, in the group's search order
    std::vector<ColumnClosing> closings;  // in the order they happened
    int points = 0;  // added to the score
    bool gameOver = false;  // no two like pieces touch any more

    bool Played() const { return kind != Kind::None; }
};

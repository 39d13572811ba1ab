#pragma once

#include "ReplayOracle.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QStringList>

#include <utility>

// The deal every play test uses: the clock is frozen, so the replay tool
// deals the same board as the program.
inline const char* const kFrozen = "2026-01-01 12:00:00.250";
inline const char* const kSeed = "43200250";  // the UTC time of day above, in ms

// The main window's field of rows x cols on the screen.
struct Board {
    QRect window;
    int rows, cols;
    // Screen pixels per window pixel of the design (QT_SCALE_FACTOR).
    double scale = 1;
    QPoint Screen(int r, int c) const;
};

// Cells whose colour on the screen is not the replay tool's kind.
int Mismatches(const QImage& shot, const Board& board, const ReplayState& s);
// Adds a failure for each such cell and keeps the screenshot.
void ExpectBoardShows(const QImage& shot, const Board& board, const ReplayState& s, const char* when);
// A cell whose piece has a like neighbour, or (0, 0).
std::pair<int, int> CellWithPartner(const ReplayState& s, int rows, int cols, int skip = 0);
// The first cell, in CellWithPartner's order, of a group of three or more after
// the commands (a group that scores), with the replay tool's state with the
// pointer on it; (0, 0) where the board has none.
std::pair<int, int> CellOfScoringGroup(const QStringList& cmds, const ReplayState& s, int rows, int cols,
                                       ReplayState* hovered);

// Clicks groups with the real mouse until no move is left, checking the
// screen against the replay tool every few turns. cmds starts as the deal
// and ends as every command played; the final state is returned.
ReplayState PlayToTheEnd(const Board& board, QStringList& cmds);

#include "BoardPlay.h"

#include "FieldProjection.h"
#include "RunningGame.h"

#include "../support/PieceColours.h"

#include <QDir>
#include <QThread>
#include <gtest/gtest.h>

#include <algorithm>

QPoint Board::Screen(int r, int c) const
{
    const QPointF p = (QPointF(MainWindow::View) + ProjectCell(r, c, rows, cols)) * scale;
    return window.topLeft() + QPoint(qRound(p.x()), qRound(p.y()));
}

int Mismatches(const QImage& shot, const Board& board, const ReplayState& s)
{
    int wrong = 0;
    for (int r = 1; r <= board.rows; ++r)
        for (int c = 1; c <= board.cols; ++c)
            wrong += KindOfColour(shot.pixelColor(board.Screen(r, c))) != std::max(0, s.kinds[r - 1][c - 1]);
    return wrong;
}

void ExpectBoardShows(const QImage& shot, const Board& board, const ReplayState& s, const char* when)
{
    int wrong = 0;
    for (int r = 1; r <= board.rows; ++r)
        for (int c = 1; c <= board.cols; ++c) {
            const int expected = std::max(0, s.kinds[r - 1][c - 1]);
            const int seen = KindOfColour(shot.pixelColor(board.Screen(r, c)));
            if (seen != expected) {
                ++wrong;
                ADD_FAILURE() << when << ": cell " << r << "," << c << " shows " << seen << ", expected " << expected;
            }
        }
    if (wrong > 0) {
        const QString kept = QDir::tempPath() + "/glimmora-e2e-" + QString(when).replace(' ', '-') + ".png";
        shot.save(kept);
        ADD_FAILURE() << "the screen is kept in " << kept.toStdString();
    }
}

std::pair<int, int> CellOfScoringGroup(const QStringList& cmds, const ReplayState& s, int rows, int cols,
                                       ReplayState* hovered)
{
    for (int skip = 0;; ++skip) {
        const auto [r, c] = CellWithPartner(s, rows, cols, skip);
        if (r == 0)
            return {0, 0};
        *hovered = RunReplay(cmds + QStringList{QString("move %1 %2").arg(r).arg(c)});
        if (hovered->group >= 3)
            return {r, c};
    }
}

std::pair<int, int> CellWithPartner(const ReplayState& s, int rows, int cols, int skip)
{
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c) {
            const int k = s.kinds[r - 1][c - 1];
            if (k <= 0)
                continue;
            const bool partner = (r < rows && s.kinds[r][c - 1] == k) || (c < cols && s.kinds[r - 1][c] == k);
            if (partner && skip-- == 0)
                return {r, c};
        }
    return {0, 0};
}

ReplayState PlayToTheEnd(const Board& board, QStringList& cmds)
{
    ReplayState state = RunReplay(cmds);
    std::pair<int, int> lastCell{0, 0};
    for (int turn = 0; state.active && turn < board.rows * board.cols; ++turn) {
        std::pair<int, int> cell{0, 0};
        for (int skip = 0;; ++skip) {
            cell = CellWithPartner(state, board.rows, board.cols, skip);
            if (cell.first == 0) {
                ADD_FAILURE() << "the replay tool says a move is left but none is found";
                return state;
            }
            if (RunReplay(cmds + QStringList{QString("move %1 %2").arg(cell.first).arg(cell.second)}).group >= 2)
                break;
        }
        if (cell == lastCell) {
            // X reports no motion to where the pointer already is: pass over
            // the backdrop first, as a hand on the mouse would.
            cmds << "move none";
            RunningGame::MoveMouse(board.window.topLeft() + MainWindow::View + QPoint(10, 10));
        }
        lastCell = cell;
        cmds << QString("move %1 %2").arg(cell.first).arg(cell.second) << "press";
        RunningGame::MoveMouse(board.Screen(cell.first, cell.second));
        RunningGame::Run("xdotool", {"click", "1"});
        QThread::msleep(120);
        state = RunReplay(cmds);
        if (state.active && turn % 8 == 0)
            ExpectBoardShows(
                RunningGame::ScreenshotWhen([&](const QImage& shot) { return Mismatches(shot, board, state) == 0; }),
                board, state, "while playing");
    }
    return state;
}

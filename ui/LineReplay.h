#pragma once

#include "game/BoardState.h"
#include "game/DealNumber.h"
#include "solver/Line.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <cstddef>

class PlaySession;

// Plays a line on the main field at a steady pace, from the deal's first
// board, as a player's turns are played (the pieces fall, the columns close,
// the sounds come); Stop puts the board the player's game ended on back.
class LineReplay : public QObject {
    Q_OBJECT
public:
    LineReplay(PlaySession& session, std::chrono::milliseconds step, QObject* parent = nullptr);

    void Start(const DealNumber& deal, const solver::Line& line, const BoardState& endBoard);
    void Stop();
    bool Running() const { return running_; }
    // How many of the line's moves have been played.
    std::size_t Played() const { return next_; }

signals:
    // After each move and once stopped, for the window to show it.
    void stepped();
    void stopped();

private:
    void PlayNext();

    PlaySession& session_;
    QTimer timer_;
    solver::Line line_;
    BoardState endBoard_;
    std::size_t next_ = 0;
    bool running_ = false;
};

#include "ui/LineReplay.h"

#include "game/PlaySession.h"

LineReplay::LineReplay(PlaySession& session, std::chrono::milliseconds step, QObject* parent)
    : QObject(parent), session_(session)
{
    timer_.setInterval(step);
    connect(&timer_, &QTimer::timeout, this, [this] { PlayNext(); });
}

void LineReplay::Start(const DealNumber& deal, const solver::Line& line, const BoardState& endBoard)
{
    line_ = line;
    endBoard_ = endBoard;
    next_ = 0;
    running_ = true;
    session_.Deal(deal);
    timer_.start();
    emit stepped();
}

void LineReplay::Stop()
{
    if (!running_)
        return;
    timer_.stop();
    running_ = false;
    session_.ShowFinished(endBoard_);
    emit stopped();
}

// The line's moves are cells of the board as it stands before each: the piece
// there is lit as the pointer would light it, then pressed.
void LineReplay::PlayNext()
{
    if (next_ >= line_.moves.size()) {
        timer_.stop();  // the last board stays until the player ends the showing
        return;
    }
    const solver::Move move = line_.moves[next_++];
    const int piece = session_.game().Board().PieceAt(move.row, move.column);
    session_.PointerMoved(piece);
    session_.PointerPressed(piece);
    emit stepped();
}

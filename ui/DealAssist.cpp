#include "ui/DealAssist.h"

#include "solver/HintSearch.h"
#include "solver/ParSearch.h"

#include <QMetaObject>
#include <QPointer>

DealAssist::DealAssist(std::uint64_t hintPlayouts, std::uint64_t parPlayouts, QObject* parent)
    : QObject(parent), hintPlayouts_(hintPlayouts), parPlayouts_(parPlayouts)
{
}

// The workers are cancelled and joined before the rest goes.
DealAssist::~DealAssist()
{
    hint_.reset();
    par_.reset();
}

void DealAssist::AskHint(const BoardState& board, std::uint64_t token)
{
    CancelHint();
    QPointer<DealAssist> self(this);
    const std::uint64_t serial = hintSerial_;
    hint_ = solver::HintSearch::Start(
        board, token,
        [self, serial](const solver::Hint& hint) {
            // From the worker: the answer goes to the main thread as an event,
            // dropped there if the window went meanwhile.
            QMetaObject::invokeMethod(
                self.data(),
                [self, serial, hint] {
                    if (!self || !self->hint_ || serial != self->hintSerial_)
                        return;
                    self->hint_.reset();
                    emit self->hintFound(hint.move.row, hint.move.column, hint.points, hint.token);
                },
                Qt::QueuedConnection);
        },
        hintPlayouts_);
}

// Cancel returns only once no callback can start; a hint posted before it is
// dropped on arrival by its serial.
void DealAssist::CancelHint()
{
    hint_.reset();
    ++hintSerial_;
}

void DealAssist::Dealt(const std::optional<DealNumber>& deal, bool search)
{
    par_.reset();
    ++parGeneration_;
    deal_ = deal;
    parPoints_ = -1;
    parFinished_ = false;
    parLine_ = {};
    if (!deal || !search || parPlayouts_ == 0)
        return;
    const std::uint64_t generation = parGeneration_;
    QPointer<DealAssist> self(this);
    const auto post = [self, generation](const solver::Line& line, bool finished) {
        QMetaObject::invokeMethod(
            self.data(),
            [self, generation, line, finished] {
                if (self)
                    self->TakeParLine(generation, line, finished);
            },
            Qt::QueuedConnection);
    };
    solver::BackgroundCallbacks callbacks;
    callbacks.improved = [post](const solver::Line& line) { post(line, false); };
    callbacks.finished = [post](const solver::Line& line) { post(line, true); };
    par_ = std::make_unique<solver::ParSearch>(*deal, std::move(callbacks), parPlayouts_);
    if (parHeld_)
        par_->Pause();
}

void DealAssist::SetParHeld(bool held)
{
    parHeld_ = held;
    if (!par_)
        return;
    if (held)
        par_->Pause();
    else
        par_->Resume();
}

void DealAssist::TakeParLine(std::uint64_t generation, const solver::Line& line, bool finished)
{
    if (generation != parGeneration_ || parFinished_)
        return;
    // The lines come one at a time, each better than the last; the finished
    // one is the best.
    if (line.points >= parPoints_) {
        parPoints_ = line.points;
        parLine_ = line;
    }
    if (finished) {
        parFinished_ = true;
        // The worker has spent its budget: it goes, and with it its thread.
        par_.reset();
    }
    emit parChanged();
}

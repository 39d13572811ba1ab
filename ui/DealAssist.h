#pragma once

#include "game/DealNumber.h"
#include "solver/Line.h"

#include <QObject>

#include <cstdint>
#include <memory>
#include <optional>
#include <utility>

#include "game/BoardState.h"

namespace solver {
class HintSearch;
class ParSearch;
struct Hint;
}  // namespace solver

// How a player's game ended, for the score window.
struct GameEnding {
    int score = 0;
    bool hinted = false;  // a hint was shown in it: it does not enter the table
    std::optional<DealNumber> deal;
    BoardState board;  // the last board, put back after the best line was shown
};

// What the windows share of the deal in play beyond the rules. The searches a
// player can ask of the game run on worker threads: the hint for the board in
// play and the par of the deal (the best line found from its first board).
// Their answers reach the main thread as signals; an answer for a board or
// deal no longer in play never arrives. And how the last game ended, until
// the score window is done with it.
class DealAssist : public QObject {
    Q_OBJECT
public:
    // Budgets in playouts; the tests pass small ones.
    DealAssist(std::uint64_t hintPlayouts, std::uint64_t parPlayouts, QObject* parent = nullptr);
    ~DealAssist() override;

    // Searches a hint for `board`; `token` comes back with it. A hint asked
    // while one is searched replaces it.
    void AskHint(const BoardState& board, std::uint64_t token);
    void CancelHint();
    bool HintSearching() const { return hint_ != nullptr; }

    // A new deal: the last one's par search ends, and this one's starts when
    // `search` (the player's setting) allows.
    void Dealt(const std::optional<DealNumber>& deal, bool search);
    // While the main window is minimised the par search takes no CPU.
    void SetParHeld(bool held);
    bool ParHeld() const { return parHeld_; }

    // The par of the deal in play: the best line found so far, its points
    // (-1 before any), and whether the budget is spent.
    int ParPoints() const { return parPoints_; }
    bool ParFinished() const { return parFinished_; }
    const solver::Line& ParLine() const { return parLine_; }
    bool ParSearching() const { return par_ != nullptr && !parFinished_; }
    const std::optional<DealNumber>& Deal() const { return deal_; }

    void SetEnding(GameEnding ending) { ending_ = std::move(ending); }
    const std::optional<GameEnding>& Ending() const { return ending_; }
    void ClearEnding() { ending_.reset(); }
    // The score window's Show: the main window plays the par line.
    void RequestShowLine() { emit showLineRequested(); }

signals:
    void showLineRequested();
    void hintFound(int row, int column, int points, quint64 token);
    // The par's points changed, or its search finished.
    void parChanged();

private:
    void TakeParLine(std::uint64_t generation, const solver::Line& line, bool finished);

    std::uint64_t hintPlayouts_;
    std::uint64_t parPlayouts_;
    std::unique_ptr<solver::HintSearch> hint_;
    // Counts the hints asked and cancelled, so that one posted just before
    // its search was replaced is dropped on arrival.
    std::uint64_t hintSerial_ = 0;
    std::unique_ptr<solver::ParSearch> par_;
    std::optional<DealNumber> deal_;
    // Counts the deals, so that a line posted for the last one is dropped.
    std::uint64_t parGeneration_ = 0;
    int parPoints_ = -1;
    bool parFinished_ = false;
    bool parHeld_ = false;
    solver::Line parLine_;
    std::optional<GameEnding> ending_;
};

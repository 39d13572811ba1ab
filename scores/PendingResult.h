#pragma once

#include <QString>

#include <cstdint>
#include <string>

class ScoreTable;

// The result of the game that has just ended, offered for the table until it is
// saved once or the high-score window closes. A newer game's end replaces it.
class PendingResult {
public:
    // A game has ended: its final score is offered as the score window opens.
    void Offer(std::int32_t score);
    // The window closes: a result not saved by then is gone.
    void Discard() { pending_ = false; }

    bool IsPending() const { return pending_; }
    std::int32_t Score() const { return score_; }

    // The Save button: enters the offer under `name` in the table as `path` holds
    // it now and rewrites the file (ScoreTable::SaveResult). Returns the rank it
    // took, 0 when it did not enter. When the file cannot be written, FrameworkError
    // says why and the offer stays, with the table as it was, for another try; with
    // nothing pending it changes nothing and returns 0.
    int Save(ScoreTable& table, const QString& name, const std::string& path);

private:
    bool pending_ = false;
    std::int32_t score_ = 0;
};

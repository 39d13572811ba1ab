#include "scores/PendingResult.h"

#include "scores/ScoreTable.h"

void PendingResult::Offer(std::int32_t score)
{
    pending_ = true;
    score_ = score;
}

int PendingResult::Save(ScoreTable& table, const QString& name, const std::string& path)
{
    if (!pending_)
        return 0;
    const int rank = table.SaveResult(score_, name, path);
    pending_ = false;
    return rank;
}

#include "PendingResult.h"

#include "ScoreTable.h"

void PendingResult::Offer(std::int32_t score)
{
    pending_ = true;
    score_ = score;
}

int PendingResult::Save(ScoreTable& table, const QString& name, const std::string& path)
{
    if (!pending_)
        return 0;
    pending_ = false;
    const int rank = table.AnalyzePoints(score_, name);
    table.Save(path);
    return rank;
}

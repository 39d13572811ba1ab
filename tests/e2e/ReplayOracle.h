#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// What the replay tool says the rules core does with a sequence of
// commands: the board and counters of its last "print".
struct ReplayState {
    std::vector<std::vector<int>> kinds;  // [row][column], 0-based
    int score = 0;
    int points = 0;
    int group = 0;
    bool active = false;
    std::vector<std::pair<int, int>> lit;  // 1-based (row, column)
    QStringList sounds;
};

ReplayState RunReplay(const QStringList& commands);

// The seven row texts of the score table after the commands, the replay
// tool running in folder (where it reads and writes hscore.dat).
QStringList ReplayTable(const QStringList& commands, const QString& folder);

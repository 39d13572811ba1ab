#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// What the replay tool says a play session does with a sequence of
// commands: the board and counters of its last "print", and its cursor.
struct ReplayState {
    std::vector<std::vector<int>> kinds;  // [row][column], 0-based
    int score = 0;
    int points = 0;
    int group = 0;
    bool active = false;
    std::vector<std::pair<int, int>> lit;  // 1-based (row, column)
    int cursorRow = 0;  // the keyboard's cursor, 1-based; 0 when on no piece
    int cursorColumn = 0;
    QStringList sounds;
};

ReplayState RunReplay(const QStringList& commands);

// The seven row texts of the score table after the commands, the replay
// tool running in folder (where it reads and writes hscore.dat).
QStringList ReplayTable(const QStringList& commands, const QString& folder);

#pragma once

#include <QString>

#include <cstdint>

// One rank of the score table. The name is Latin-1 text (every character fits a
// byte of the file): at most 15 characters from a typed name, exactly 15 with
// their trailing spaces when loaded from the file.
struct ScoreEntry {
    QString name;
    std::int32_t points = 0;
};

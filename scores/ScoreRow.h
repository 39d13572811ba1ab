#pragma once

#include <QString>

// What the window's row of one rank shows.
struct ScoreRow {
    enum class Colour {
        Design,  // the row's own design colour: the file never reached this row
        Background  // the window picture's colour, given while the table is loaded
    };

    Colour colour = Colour::Design;
    QString text = QStringLiteral("noname");
};

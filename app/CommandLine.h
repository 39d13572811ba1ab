#pragma once

#include "game/DealNumber.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>

// What the command line can ask of the program before any window exists: its help
// (--help, -h) and a launcher message in the player's language (--launcher-message).
// Both are answered without a display, in the desktop's language.
class CommandLine {
public:
    // The exit code when the command line was such a request (answered on standard
    // output), nothing when the game is to start.
    static std::optional<int> Answer(int argc, char* argv[]);

    // The deal the game starts on: "--deal 20x12-43200250" (or --deal=...; a bare
    // number is a 20 x 12 deal), "--daily" the day's deal at `now`. `error` says
    // what is wrong with an argument the game does not take.
    struct StartDeal {
        std::optional<DealNumber> deal;
        QString error;
    };
    static StartDeal DealOf(const QStringList& arguments, std::chrono::system_clock::time_point now);
};

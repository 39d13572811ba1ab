#pragma once

#include <optional>

// What the command line can ask of the program before any window exists: its help
// (--help, -h) and a launcher message in the player's language (--launcher-message).
// Both are answered without a display, in the desktop's language.
class CommandLine {
public:
    // The exit code when the command line was such a request (answered on standard
    // output), nothing when the game is to start.
    static std::optional<int> Answer(int argc, char* argv[]);
};

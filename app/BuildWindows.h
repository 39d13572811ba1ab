#pragma once

#include <memory>

class AudioSounds;
class GameAudio;
class PendingResult;
class ScoreTable;
class TFormMain;
class TFormOpt;
class TFormScore;
struct RunState;

// The three windows and what joins them to the rest of the program, destroyed
// in the reverse of their order here: the score and options windows refer to
// the main window, the main window to the sounds.
struct Windows {
    Windows();
    Windows(Windows&&) noexcept;
    ~Windows();

    std::unique_ptr<AudioSounds> sounds;
    std::unique_ptr<TFormMain> main;
    // Left empty when the main window must end the program at once.
    std::unique_ptr<TFormOpt> opt;
    std::unique_ptr<TFormScore> score;
};

// Creates the windows in their fixed order, each running its creation handler
// while it is created: the main window, the options window (which reads the
// settings and deals the first board) and the score window. The arguments
// outlive the windows, which hold references to them.
Windows BuildWindows(const RunState& run, GameAudio& audio, ScoreTable& table, PendingResult& pending);

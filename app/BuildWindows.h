#pragma once

#include "game/DealNumber.h"
#include "solver/Search.h"

#include <cstdint>
#include <memory>
#include <optional>

class AudioSounds;
class DealAssist;
class IGameAudio;
class PendingResult;
class PlayerSettings;
class ScoreTable;
class TFormMain;
class TFormDeal;
class TFormOpt;
class TFormScore;
struct RunState;

// How much the hint and the par may search, in playouts.
struct AssistBudgets {
    std::uint64_t hint = solver::kHintPlayouts;
    std::uint64_t par = solver::kParPlayouts;
};

// How the run starts: on a numbered deal, or on one the clock picks.
struct StartChoices {
    std::optional<DealNumber> deal;
    AssistBudgets budgets;
};

// The three windows and what joins them to the rest of the program. The main
// window and the settings are made at once (the first board is dealt from the
// settings file, without the options window); the options and score windows
// when first opened. They go in the reverse order: the score and options
// windows refer to the main window, the main window to the sounds and settings.
class Windows {
public:
    // The arguments outlive the windows, which hold references to them.
    Windows(const RunState& run, IGameAudio& audio, ScoreTable& table, PendingResult& pending,
            const StartChoices& start = {});
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    TFormMain& Main() const { return *main_; }
    // Built at the first call.
    TFormOpt& Options();
    TFormScore& Scores();
    TFormDeal& DealDialog();
    bool OptionsBuilt() const { return opt_ != nullptr; }
    bool ScoresBuilt() const { return score_ != nullptr; }
    const PlayerSettings& Settings() const { return *settings_; }
    DealAssist& Assist() const { return *assist_; }

private:
    const RunState& run_;
    IGameAudio& audio_;
    ScoreTable& table_;
    PendingResult& pending_;
    std::unique_ptr<PlayerSettings> settings_;
    std::unique_ptr<DealAssist> assist_;
    std::unique_ptr<AudioSounds> sounds_;
    std::unique_ptr<TFormMain> main_;
    std::unique_ptr<TFormOpt> opt_;
    std::unique_ptr<TFormScore> score_;
    std::unique_ptr<TFormDeal> deal_;
};

// Creates the main window, reads the settings and deals the first board (the
// numbered one, if the run was started on one).
std::unique_ptr<Windows> BuildWindows(const RunState& run, IGameAudio& audio, ScoreTable& table,
                                      PendingResult& pending, const StartChoices& start = {});

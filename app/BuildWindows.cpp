#include "app/BuildWindows.h"

#include "app/AudioSounds.h"
#include "ui/TFormMain.h"
#include "ui/TFormOpt.h"
#include "ui/TFormScore.h"

Windows::Windows() = default;
Windows::Windows(Windows&&) noexcept = default;
Windows::~Windows() = default;

Windows BuildWindows(const RunState& run, GameAudio& audio, ScoreTable& table, PendingResult& pending)
{
    Windows w;
    w.sounds = std::make_unique<AudioSounds>(audio);
    w.main = std::make_unique<TFormMain>(run, audio, *w.sounds, pending);
    if (w.main->EndsAtOnce())
        return w;
    // The options read, the main window takes them and deals the first board.
    TFormMain* main = w.main.get();
    w.opt = std::make_unique<TFormOpt>(run, audio, *main, [main](const IPlayerSettings& settings) {
        main->UseSettings(settings);
        main->InitGame();
    });
    w.score = std::make_unique<TFormScore>(run, table, pending, *w.opt, *main);
    main->UseWindows(w.opt.get(), w.score.get());
    return w;
}

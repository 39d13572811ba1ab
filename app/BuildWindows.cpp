#include "app/BuildWindows.h"

#include "app/AudioSounds.h"
#include "platform/HandlerGuard.h"
#include "scores/ScoreTable.h"
#include "ui/DealAssist.h"
#include "ui/PlayerSettings.h"
#include "ui/RunState.h"
#include "ui/TFormMain.h"
#include "ui/TFormDeal.h"
#include "ui/TFormOpt.h"
#include "ui/TFormScore.h"

Windows::Windows(const RunState& run, IGameAudio& audio, ScoreTable& table, PendingResult& pending,
                 const StartChoices& start)
    : run_(run),
      audio_(audio),
      table_(table),
      pending_(pending),
      settings_(std::make_unique<PlayerSettings>(run.IniPath(), audio)),
      assist_(std::make_unique<DealAssist>(start.budgets.hint, start.budgets.par)),
      sounds_(std::make_unique<AudioSounds>(audio)),
      main_(std::make_unique<TFormMain>(run, audio, *sounds_, pending))
{
    main_->UseSettings(*settings_);
    main_->UseAssist(*assist_);
    main_->UseDealDialog([this] {
        const std::optional<DealNumber> deal = main_->game().Deal();
        DealDialog().Ask(deal ? deal->Size() : BoardSizes.front(), main_->DealText());
    });
    main_->UseWindows([this]() -> TSkinnedForm& { return Options(); },
                      [this]() -> TSkinnedForm& { return Scores(); });
    RunHandler([this, &start] {
        settings_->Load();
        if (start.deal)
            main_->DealNumbered(*start.deal);
        else
            main_->InitGame();
    });
    // A missing or damaged table is told as the program starts, not when the
    // score window first opens.
    RunHandler([this] { table_.Load(); });
}

Windows::~Windows() = default;

TFormOpt& Windows::Options()
{
    if (!opt_)
        opt_ = std::make_unique<TFormOpt>(run_, audio_, *settings_, *main_);
    return *opt_;
}

TFormScore& Windows::Scores()
{
    if (!score_)
        score_ = std::make_unique<TFormScore>(run_, table_, pending_, *settings_, *assist_, *main_);
    return *score_;
}

TFormDeal& Windows::DealDialog()
{
    if (!deal_)
        deal_ = std::make_unique<TFormDeal>(run_, *main_, [this](const DealNumber& deal) { main_->DealNumbered(deal); });
    return *deal_;
}

std::unique_ptr<Windows> BuildWindows(const RunState& run, IGameAudio& audio, ScoreTable& table,
                                      PendingResult& pending, const StartChoices& start)
{
    return std::make_unique<Windows>(run, audio, table, pending, start);
}

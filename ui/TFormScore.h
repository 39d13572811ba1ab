#pragma once

#include "scores/PendingResult.h"
#include "scores/ScoreTable.h"
#include "ui/TSkinnedForm.h"

#include <QColor>

#include <array>
#include <memory>

class DealAssist;
class IPlayerSettings;
class QLabel;
class TFont;
struct RunState;
class TFlatEdit;
class TFrogButton;
class TOffice97Button;

// The high-score window: the seven best results, and after a game has ended
// the place to enter a name and save its score.
class TFormScore : public TSkinnedForm {
    Q_OBJECT
public:
    static constexpr int Rows = ScoreTable::Ranks;

    // Shows `table` (read before) and follows its changes, and offers the result `pending`
    // holds when it opens; the name offered is the player's from `settings`.
    // Centred over `owner`.
    // After a game, the window comes taller, with the deal's number and the
    // best line found for it from `assist`, and Show, which plays that line.
    TFormScore(const RunState& run, ScoreTable& table, PendingResult& pending, const IPlayerSettings& settings,
               DealAssist& assist, const QWidget& owner, QWidget* parent = nullptr);
    ~TFormScore() override;

    void FormCreate();
    void FormActivate();
    void FormClose();
    void elbtSaveResultClick();
    void elbtCloseClick();
    void ob1MouseDown();

    ScoreTable& Table() { return table_; }
    TOffice97Button* Row(int rank) const { return rows_.at(rank - 1); }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    TOffice97Button* AddRow(int rank);
    TFrogButton* AddButton(const char* name, int left, const QString& text, void (TFormScore::*handler)());
    void ShowRow(int rank);
    void SetSaveUsable(bool usable);
    void SetPoints(int points);
    void CreateResultControls();
    // The designed window, or the taller one with the result bed.
    void ShowResultBed(bool shown);
    void ShowEnding();
    void ShowPar();
    static void ShowLine(QLabel& line, const QString& text);
    void elbtShowClick();

    const RunState& run_;
    ScoreTable& table_;
    // The ended game's result, from the game's end until it is saved or this
    // window closes.
    PendingResult& pending_;
    const IPlayerSettings& settings_;
    DealAssist& assist_;
    bool resultBed_ = false;
    bool showingLine_ = false;  // hidden for Show: the result stays
    const QWidget& owner_;
    // The Save button's caption shows it usable (white) or not (grey).
    std::unique_ptr<TFont> enabledLookFont_;
    std::unique_ptr<TFont> disabledLookFont_;
    std::array<TOffice97Button*, Rows> rows_{};
    QColor rowColour_{192, 192, 192};  // silver until the picture gives its own

    TOffice97Button* ob1 = nullptr;
    TOffice97Button* ob2 = nullptr;
    TOffice97Button* ob3 = nullptr;
    TOffice97Button* ob4 = nullptr;
    TOffice97Button* ob5 = nullptr;
    TOffice97Button* ob6 = nullptr;
    TOffice97Button* ob7 = nullptr;
    QLabel* labPoints = nullptr;
    TFlatEdit* meEnterName = nullptr;
    TFrogButton* elbtSaveResult = nullptr;
    TFrogButton* elbtClose = nullptr;
    QLabel* labDeal = nullptr;
    QLabel* labPar = nullptr;
    TFrogButton* elbtShow = nullptr;
};

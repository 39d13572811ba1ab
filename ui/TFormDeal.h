#pragma once

#include "game/DealNumber.h"
#include "ui/TSkinnedForm.h"

#include <functional>
#include <optional>

class QLabel;
class TFlatEdit;
class TFrogButton;
struct RunState;

// The window that asks for a deal by its number ("20x12-43200250", or the seed
// alone for the field's present size). A number it cannot take is explained in
// the window, which stays open with the text as typed.
class TFormDeal : public TSkinnedForm {
    Q_OBJECT
public:
    using DealHandler = std::function<void(const DealNumber&)>;

    // The window is centred over `owner` each time it opens; `onDeal` receives
    // the deal accepted with OK.
    TFormDeal(const RunState& run, const QWidget& owner, DealHandler onDeal, QWidget* parent = nullptr);
    ~TFormDeal() override;

    // Shows the window modally with `currentDealText` selected in the field; a bare
    // seed is read for `current`. Returns when the window is closed, after handing an
    // accepted deal to onDeal.
    void Ask(const BoardSize& current, const QString& currentDealText);

    // What the window says about a text it refused, in the player's language.
    static QString ErrorText(DealError error);

    void elbtOkClick();
    void elbtCancelClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    TFrogButton* AddButton(const char* name, QPoint at, const QString& caption, void (TFormDeal::*handler)());
    void ShowError(const QString& text);

    const RunState& run_;
    const QWidget& owner_;
    DealHandler onDeal_;
    BoardSize current_ = BoardSizes.front();
    std::optional<DealNumber> accepted_;

    QLabel* labDeal = nullptr;
    TFlatEdit* edDeal = nullptr;
    QLabel* labError = nullptr;
    TFrogButton* elbtOk = nullptr;
    TFrogButton* elbtCancel = nullptr;
};

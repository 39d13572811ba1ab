#include "ui/TFormDeal.h"

#include "controls/TFlatEdit.h"
#include "controls/TFrogButton.h"
#include "platform/HandlerGuard.h"
#include "ui/RunState.h"
#include "ui/UiResources.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QStringList>
#include <QTimer>

#include <utility>

namespace {

constexpr QSize kClientSize(303, 160);
// The picture is wider than the window, as the options window's is: its rim follows the 303
// columns shown.
constexpr QSize kPanelSize(306, 160);
constexpr QSize kButtonSize(86, 24);
// Amber reads on the violet plate and is not taken for one of the white labels.
const QColor kWarning(255, 190, 70);

QFont FormFont(bool bold)
{
    QFont f("MS Sans Serif");
    f.setPixelSize(11);  // 8 points at 96 dpi, as in the other windows
    f.setBold(bold);
    return f;
}

QString SizeList()
{
    QStringList sizes;
    for (const BoardSize& size : BoardSizes)
        sizes << QStringLiteral("%1x%2").arg(size.cols).arg(size.rows);
    return sizes.join(QStringLiteral(", "));
}

}  // namespace

TFormDeal::TFormDeal(const RunState& run, const QWidget& owner, DealHandler onDeal, QWidget* parent)
    : TSkinnedForm(parent, kClientSize, SmallOutline(kClientSize.height()), std::nullopt, false),
      run_(run),
      owner_(owner),
      onDeal_(std::move(onDeal))
{
    setWindowTitle(tr("Deal number"));
    setFont(FormFont(false));
    CreateControls();
    RunHandler([this] { PrepareBackground(run_.DataFile("PICS\\panel5.jpg"), kPanelSize); });
}

TFormDeal::~TFormDeal() = default;

TFrogButton* TFormDeal::AddButton(const char* name, QPoint at, const QString& caption, void (TFormDeal::*handler)())
{
    auto* b = new TFrogButton(this);
    b->setObjectName(name);
    b->setGeometry(QRect(at, kButtonSize));
    ApplyPlates(*b, Plate::OptionsClose);
    b->setText(caption);
    b->setAccessibleName(caption);
    // Centred on the plate: the captions differ in length from language to language.
    const int width = QFontMetrics(TFrogButton::captionFace()).horizontalAdvance(caption);
    b->setXOffset(std::max(4, (kButtonSize.width() - width) / 2));
    b->setYOffset(7);
    connect(b, &TFrogButton::clicked, this, [this, handler] { RunHandler([&] { (this->*handler)(); }); });
    return b;
}

void TFormDeal::CreateControls()
{
    labDeal = new QLabel(tr("Deal number:"), this);
    labDeal->setObjectName("labDeal");
    labDeal->setFont(FormFont(true));
    labDeal->setStyleSheet("color: white; background: transparent;");
    labDeal->setGeometry(47, 43, 209, 14);

    edDeal = new TFlatEdit(this);
    edDeal->setObjectName("edDeal");
    edDeal->setGeometry(47, 58, 209, 19);
    edDeal->setFont(FormFont(true));
    edDeal->setColorBorder(QColor(128, 128, 128));
    edDeal->setAccessibleName(tr("Deal number"));
    // A deal number is digits, an "x" and a dash; more than this is no deal number either way.
    edDeal->setMaxLength(40);
    connect(edDeal, &TFlatEdit::textEdited, this, [this] { ShowError({}); });

    labError = new QLabel(this);
    labError->setObjectName("labError");
    labError->setFont(FormFont(false));
    labError->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(kWarning.name()));
    labError->setWordWrap(true);
    labError->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    labError->setGeometry(47, 80, 216, 40);

    elbtOk = AddButton("elbtOk", QPoint(57, 122), tr("OK"), &TFormDeal::elbtOkClick);
    elbtCancel = AddButton("elbtCancel", QPoint(160, 122), tr("Cancel"), &TFormDeal::elbtCancelClick);
    SetCancelButton(elbtCancel);
    setTabOrder(edDeal, elbtOk);
    setTabOrder(elbtOk, elbtCancel);
}

QString TFormDeal::ErrorText(DealError error)
{
    switch (error) {
    case DealError::Empty:
        return tr("Type a deal number, such as 20x12-43200250.");
    case DealError::Malformed:
        return tr("This is not a deal number. Write it as 20x12-43200250, or the number after the dash alone.");
    case DealError::UnknownSize:
        return tr("The game has no field of that size. The sizes are %1.").arg(SizeList());
    case DealError::SeedOutOfRange:
        return tr("The number after the dash is too large: it goes up to %L1.").arg(DealNumber::SeedCount - 1);
    }
    return {};
}

void TFormDeal::ShowError(const QString& text)
{
    labError->setText(text);
    // A screen reader hears why nothing happened.
    labError->setAccessibleName(text);
}

void TFormDeal::Ask(const BoardSize& current, const QString& currentDealText)
{
    current_ = current;
    accepted_.reset();
    ShowError({});
    edDeal->setText(currentDealText);
    edDeal->selectAll();
    CentreOver(owner_);
    // The field takes the focus once the window is up, so typing replaces the number.
    QTimer::singleShot(0, edDeal, [this] { edDeal->setFocus(Qt::OtherFocusReason); });
    ShowModal();
    // Handed on only after the modal loop has ended: the new deal may open other
    // windows, which must not start inside a loop that is still unwinding.
    if (accepted_ && onDeal_)
        onDeal_(*accepted_);
}

void TFormDeal::elbtOkClick()
{
    const ParsedDeal parsed = DealNumber::Parse(edDeal->text().toStdString(), current_);
    if (!parsed) {
        ShowError(ErrorText(parsed.error));
        edDeal->setFocus(Qt::OtherFocusReason);
        return;
    }
    accepted_ = parsed.deal;
    hide();
}

void TFormDeal::elbtCancelClick()
{
    accepted_.reset();
    hide();
}

void TFormDeal::keyPressEvent(QKeyEvent* event)
{
    // The field passes Return on; a focused button takes it itself.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        RunHandler([this] { elbtOkClick(); });
        return;
    }
    TSkinnedForm::keyPressEvent(event);
}

#include "ui/TFormScore.h"

#include "platform/HandlerGuard.h"
#include "ui/IPlayerSettings.h"
#include "ui/RunState.h"
#include "controls/TFlatEdit.h"
#include "controls/TFont.h"
#include "controls/TFrogButton.h"
#include "controls/TOffice97Button.h"
#include "ui/UiResources.h"

#include <QFocusEvent>
#include <QLabel>
#include <QTimer>

namespace {
QFont PixelFont(const QString& face, int pixels, bool bold = false)
{
    QFont f(face);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

std::unique_ptr<TFont> MakeLookFont(QColor color)
{
    QFont font;  // the default face
    font.setPixelSize(13);  // 10 points at 96 dpi
    font.setStyleStrategy(QFont::PreferDefault);
    return std::make_unique<TFont>(font, color, 204);  // Cyrillic, as designed
}
}  // namespace

TFormScore::TFormScore(const RunState& run, ScoreTable& table, PendingResult& pending,
                       const IPlayerSettings& settings, const QWidget& owner, QWidget* parent)
    : TSkinnedForm(parent, QSize(306, 325), SmallOutline(324), std::nullopt, false),
      run_(run),
      table_(table),
      pending_(pending),
      settings_(settings),
      owner_(owner),
      enabledLookFont_(MakeLookFont(QColor(0xFF, 0xFF, 0xFF))),
      disabledLookFont_(MakeLookFont(QColor(0x80, 0x80, 0x80)))
{
    setWindowTitle("HighScores");
    setFont(PixelFont("MS Sans Serif", 11));
    CreateControls();
    table_.SetRowObserver([this](int rank) { ShowRow(rank); });
    RunHandler([this] { FormCreate(); });
}

TFormScore::~TFormScore()
{
    table_.SetRowObserver({});
}

TOffice97Button* TFormScore::AddRow(int rank)
{
    auto* row = new TOffice97Button(this);
    row->setObjectName(QString("ob%1").arg(rank));
    row->setGeometry(51, 48 + 24 * (rank - 1), 201, 23);
    row->setControlType(bsButton);
    row->setPosition(bsLeft);
    row->setFont(TFont(PixelFont("Courier", 12), Qt::white));
    row->setInactiveColor(QColor(128, 128, 128));
    row->setColor(rowColour_);
    row->setCaption("noname");
    connect(row, &TOffice97Button::mouseDown, this, [this] { RunHandler([this] { ob1MouseDown(); }); });
    rows_[rank - 1] = row;
    return row;
}

TFrogButton* TFormScore::AddButton(const char* name, int left, const QString& text, void (TFormScore::*handler)())
{
    auto* b = new TFrogButton(this);
    b->setObjectName(name);
    b->setGeometry(left, 280, 71, 24);
    b->setTransparent(true);
    ApplyPlates(*b, Plate::Score);
    b->setText(text);
    b->setXOffset(19);
    b->setYOffset(7);
    connect(b, &TFrogButton::clicked, this, [this, handler] { RunHandler([&] { (this->*handler)(); }); });
    return b;
}

void TFormScore::CreateControls()
{
    ob1 = AddRow(1);
    ob1->installEventFilter(this);
    ob2 = AddRow(2);
    ob3 = AddRow(3);
    ob4 = AddRow(4);
    ob5 = AddRow(5);
    ob6 = AddRow(6);
    ob7 = AddRow(7);

    labPoints = new QLabel("0", this);
    labPoints->setObjectName("labPoints");
    labPoints->setFont(PixelFont("MS Sans Serif", 16, true));
    labPoints->setStyleSheet("color: white; background: transparent;");
    labPoints->setGeometry(225, 232, 11, 20);
    SetPoints(0);

    meEnterName = new TFlatEdit(this);
    meEnterName->setObjectName("meEnterName");
    meEnterName->setGeometry(53, 234, 162, 19);
    meEnterName->setColorBorder(QColor(128, 128, 128));
    meEnterName->setColorFlat(QColor(192, 192, 192));
    meEnterName->setFont(PixelFont("MS Sans Serif", 11));
    QPalette namePalette = meEnterName->palette();
    namePalette.setColor(QPalette::Text, Qt::black);
    meEnterName->setPalette(namePalette);

    elbtSaveResult = AddButton("elbtSaveResult", 61, " Save", &TFormScore::elbtSaveResultClick);
    elbtClose = AddButton("elbtClose", 173, " Close", &TFormScore::elbtCloseClick);
    SetCancelButton(elbtClose);
    meEnterName->setAccessibleName("Your name");
    labPoints->setAccessibleName("Points");

    for (int i = 0; i + 1 < Rows; ++i)
        setTabOrder(rows_[i], rows_[i + 1]);
    setTabOrder(ob7, meEnterName);
}

void TFormScore::SetSaveUsable(bool usable)
{
    elbtSaveResult->setFont(usable ? enabledLookFont_.get() : disabledLookFont_.get());
    elbtSaveResult->setEnabled(usable);
}

// Every digit shows, however high the score.
void TFormScore::SetPoints(int points)
{
    labPoints->setText(QString::number(points));
    labPoints->resize(std::max(11, labPoints->sizeHint().width()), 20);
}

void TFormScore::ShowRow(int rank)
{
    const ScoreRow& row = table_.Row(rank);
    TOffice97Button* button = Row(rank);
    button->setColor(row.colour == ScoreRow::Colour::Background ? rowColour_ : QColor(192, 192, 192));
    button->setCaption(row.text);
}

void TFormScore::FormCreate()
{
    SetSaveUsable(false);
    CentreOver(owner_);
    PrepareBackground(run_.DataFile("\\pics\\panel3.jpg"), QSize(306, 325));
    rowColour_ = PanelCanvas().pixelColor(42, 42);
    // The table was read as the program started.
    for (int rank = 1; rank <= Rows; ++rank)
        ShowRow(rank);
}

void TFormScore::showEvent(QShowEvent* event)
{
    TSkinnedForm::showEvent(event);
    RunHandler([this] { FormActivate(); });
}

void TFormScore::FormActivate()
{
    ob1->clearFocusLook();
    if (!pending_.IsPending())
        return;
    meEnterName->setEnabled(true);
    meEnterName->setText(settings_.playerName());
    QTimer::singleShot(0, meEnterName, [this] { meEnterName->setFocus(Qt::OtherFocusReason); });
    SetPoints(pending_.Score());
    SetSaveUsable(true);
}

void TFormScore::elbtSaveResultClick()
{
    SetSaveUsable(false);
    const QString name = meEnterName->text();
    // Qt hands a disabled control's focus on to the next in tab order, and
    // the first row would light its focus frame; the focus just leaves.
    meEnterName->clearFocus();
    meEnterName->setEnabled(false);
    meEnterName->clear();
    try {
        pending_.Save(table_, name, ScoreTable::FileName);
    } catch (...) {
        // The result is kept for another try once the disk has room again.
        meEnterName->setEnabled(true);
        meEnterName->setText(name);
        SetSaveUsable(true);
        throw;
    }
}

void TFormScore::elbtCloseClick() { hide(); }

void TFormScore::hideEvent(QHideEvent* event)
{
    RunHandler([this] { FormClose(); });
    TSkinnedForm::hideEvent(event);
}

void TFormScore::FormClose()
{
    pending_.Discard();
    SetSaveUsable(false);
    SetPoints(0);
    meEnterName->setEnabled(false);
    meEnterName->clear();
}

// The first row takes the keyboard focus when the window comes up, after its
// activation handler ran: that focus shows no frame either. A row reached with
// Tab shows it, as a focused control should.
bool TFormScore::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ob1 && event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason)
            QTimer::singleShot(0, ob1, [this] { ob1->clearFocusLook(); });
    }
    return TSkinnedForm::eventFilter(watched, event);
}

void TFormScore::ob1MouseDown()
{
    for (TOffice97Button* row : rows_)
        row->clearFocusLook();
}

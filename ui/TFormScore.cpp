#include "ui/TFormScore.h"

#include "controls/CaptionFit.h"
#include "platform/HandlerGuard.h"
#include "ui/DealAssist.h"
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
constexpr QSize kDesignSize(306, 325);
// The result bed makes the window this much taller; the buttons move down by it.
constexpr int kResultExtra = 52;
constexpr int kButtonsTop = 280;
const QRect kDealLine(55, 270, 140, 16);
const QRect kShowButton(198, 268, 52, 20);
const QRect kParLine(55, 290, 197, 16);
}  // namespace

TFormScore::TFormScore(const RunState& run, ScoreTable& table, PendingResult& pending,
                       const IPlayerSettings& settings, DealAssist& assist, const QWidget& owner, QWidget* parent)
    : TSkinnedForm(parent, kDesignSize, SmallOutline(kDesignSize.height() - 1), std::nullopt, false),
      run_(run),
      table_(table),
      pending_(pending),
      settings_(settings),
      assist_(assist),
      owner_(owner),
      enabledLookFont_(MakeLookFont(QColor(0xFF, 0xFF, 0xFF))),
      disabledLookFont_(MakeLookFont(QColor(0x80, 0x80, 0x80)))
{
    setWindowTitle(tr("HighScores"));
    setFont(PixelFont("MS Sans Serif", 11));
    CreateControls();
    table_.SetRowObserver([this](int rank) { ShowRow(rank); });
    connect(&assist_, &DealAssist::parChanged, this, [this] { ShowPar(); });
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
    b->setGeometry(left, kButtonsTop, 71, 24);
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

    //: The space before the word is the English plate's layout: leave it out.
    elbtSaveResult = AddButton("elbtSaveResult", 61, tr(" Save"), &TFormScore::elbtSaveResultClick);
    //: The space before the word is the English plate's layout: leave it out.
    elbtClose = AddButton("elbtClose", 173, tr(" Close"), &TFormScore::elbtCloseClick);
    SetCancelButton(elbtClose);
    meEnterName->setAccessibleName(tr("Your name"));
    labPoints->setAccessibleName(tr("Points"));

    for (int i = 0; i + 1 < Rows; ++i)
        setTabOrder(rows_[i], rows_[i + 1]);
    setTabOrder(ob7, meEnterName);
    CreateResultControls();
}

void TFormScore::CreateResultControls()
{
    const auto line = [this](const char* name, QRect where) {
        auto* label = new QLabel(this);
        label->setObjectName(name);
        label->setFont(PixelFont("MS Sans Serif", 11, true));
        label->setStyleSheet("color: white; background: transparent;");
        label->setGeometry(where);
        label->hide();
        return label;
    };
    labDeal = line("labDeal", kDealLine);
    labPar = line("labPar", kParLine);
    elbtShow = new TFrogButton(this);
    elbtShow->setObjectName("elbtShow");
    elbtShow->setGeometry(kShowButton);
    elbtShow->setTransparent(true);
    elbtShow->setStretch(true);
    ApplyPlates(*elbtShow, Plate::Score);
    elbtShow->setText(tr("Show"));
    elbtShow->setXOffset(12);
    elbtShow->setYOffset(5);
    elbtShow->setToolTip(tr("Plays the best line found on the field; a click or a key ends it"));
    elbtShow->hide();
    connect(elbtShow, &TFrogButton::clicked, this, [this] { RunHandler([this] { elbtShowClick(); }); });
}

void TFormScore::ShowResultBed(bool shown)
{
    if (shown == resultBed_)
        return;
    resultBed_ = shown;
    const int extra = shown ? kResultExtra : 0;
    Reshape(kDesignSize + QSize(0, extra), SmallOutline(kDesignSize.height() - 1 + extra),
            run_.DataFile(shown ? "\\pics\\panel3r.jpg" : "\\pics\\panel3.jpg"));
    elbtSaveResult->move(elbtSaveResult->x(), kButtonsTop + extra);
    elbtClose->move(elbtClose->x(), kButtonsTop + extra);
    for (QWidget* w : std::initializer_list<QWidget*>{labDeal, labPar, elbtShow})
        w->setVisible(shown);
    RebuildWindowRgn();
    CentreOver(owner_);
}

void TFormScore::ShowEnding()
{
    const std::optional<GameEnding>& ending = assist_.Ending();
    const QString deal = ending && ending->deal ? QString::fromStdString(ending->deal->Text()) : QString();
    const bool hinted = ending && ending->hinted;
    ShowLine(*labDeal, hinted ? tr("Deal %1, with a hint").arg(deal) : tr("Deal %1").arg(deal));
    if (hinted) {
        SetPoints(ending->score);
        meEnterName->setEnabled(false);
        meEnterName->setText(tr("Not entered: a hint was used"));
    }
    ShowPar();
}

// A line of the result bed: shrunk to fit its room, whole in its tooltip.
void TFormScore::ShowLine(QLabel& line, const QString& text)
{
    line.setText(text);
    line.setToolTip(text);
    line.setFont(CaptionFit::Fit(PixelFont("MS Sans Serif", 11, true), text, line.size()).font);
}

void TFormScore::ShowPar()
{
    if (!resultBed_)
        return;
    const int points = assist_.ParPoints();
    QString text;
    if (!settings_.parSearch() && points < 0)
        text = tr("The search for the best line is off");
    else if (points < 0)
        text = tr("Searching for the best line...");
    else if (assist_.ParFinished())
        text = tr("Best line found for this deal: %n points", nullptr, points);
    else
        text = tr("Best line so far: %n points...", nullptr, points);
    ShowLine(*labPar, text);
    elbtShow->setEnabled(assist_.ParFinished() && !assist_.ParLine().moves.empty());
}

void TFormScore::elbtShowClick()
{
    showingLine_ = true;
    hide();
    showingLine_ = false;
    assist_.RequestShowLine();
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
    PrepareBackground(run_.DataFile("\\pics\\panel3.jpg"), kDesignSize);
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
    ShowResultBed(assist_.Ending().has_value());
    if (resultBed_)
        ShowEnding();
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
    // Hidden for Show, the window comes back with its result once the line has been shown.
    if (showingLine_)
        return;
    assist_.ClearEnding();
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

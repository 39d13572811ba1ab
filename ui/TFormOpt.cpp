#include "ui/TFormOpt.h"

#include "audio/IGameAudio.h"
#include "controls/CaptionFit.h"
#include "platform/FrameworkError.h"
#include "platform/HandlerGuard.h"
#include "platform/MessageBoxes.h"
#include "ui/RunState.h"
#include "ui/SettingKeys.h"
#include "controls/TBitCheckBox.h"
#include "controls/TFlatEdit.h"
#include "controls/TFont.h"
#include "controls/TFrogButton.h"
#include "controls/TFrogComboBox.h"
#include "platform/TIniFile.h"

#include <algorithm>
#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include <utility>

namespace {
QFont FormFont(bool bold)
{
    QFont f("MS Sans Serif");
    f.setPixelSize(11);
    f.setBold(bold);
    return f;
}
// The labels' neighbours: a label ends before them.
constexpr int kNameEditLeft = 126;
constexpr int kSchemeComboLeft = 136;
// The right edge of the check boxes, the column's edge on the panel.
constexpr int kControlsRight = 255;
}  // namespace

TFormOpt::TFormOpt(const RunState& run, IGameAudio& audio, PlayerSettings& settings, const QWidget& owner,
                   QWidget* parent)
    : TSkinnedForm(parent, QSize(303, 386), SmallOutline(386), std::nullopt, false),
      run_(run),
      audio_(audio),
      options_(settings),
      owner_(owner)
{
    setWindowTitle(tr("Options"));
    setFont(FormFont(false));
    CreateControls();
    BindSettings();
    RunHandler([this] { FormCreate(); });
}

TFormOpt::~TFormOpt() = default;

// A translated label longer than the room up to its neighbour shrinks, as the
// controls' captions do; an English one keeps the design font.
QLabel* TFormOpt::AddLabel(int left, int top, const QString& text, int room)
{
    auto* label = new QLabel(text, this);
    label->setFont(CaptionFit::Fit(FormFont(true), text, QSize(room, height() - top)).font);
    label->setStyleSheet("color: white; background: transparent;");
    label->move(left, top);
    label->adjustSize();
    return label;
}

TBitCheckBox* TFormOpt::AddCheckBox(const char* name, int top, const QString& caption)
{
    auto* box = new TBitCheckBox(this);
    box->setObjectName(name);
    box->setGeometry(46, top, 209, 20);
    box->setCaption(caption);
    QFont f("MS Sans Serif");
    f.setPixelSize(11);  // 8 points at 96 dpi; the window is never scaled
    f.setBold(true);
    box->setFont(TFont(f, Qt::white));
    connect(box, &TBitCheckBox::mouseUp, this, [this] { RunHandler([this] { bcbCalcMovesMouseUp(); }); });
    return box;
}

TFrogButton* TFormOpt::AddImageButton(const char* name, QRect geometry, Plate plate, void (TFormOpt::*handler)())
{
    auto* b = new TFrogButton(this);
    b->setObjectName(name);
    b->setGeometry(geometry);
    ApplyPlates(*b, plate);
    connect(b, &TFrogButton::clicked, this, [this, handler] { RunHandler([&] { (this->*handler)(); }); });
    return b;
}

QProgressBar* TFormOpt::AddVolumeBar(const char* name, int top)
{
    auto* bar = new QProgressBar(this);
    bar->setObjectName(name);
    bar->setGeometry(82, top, 140, 9);
    bar->setRange(0, 60);
    bar->setValue(30);
    bar->setTextVisible(false);
    bar->setStyleSheet("QProgressBar { border: 1px solid #8c86c8; background: #120c2c; }"
                       "QProgressBar::chunk { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                       " stop:0 #d8f4ff, stop:0.5 #6fb4ff, stop:1 #3a52d8); }");
    return bar;
}

void TFormOpt::CreateControls()
{
    Label1 = AddLabel(47, 63, tr("Player Name:"), kNameEditLeft - 47 - 2);
    edPlayerName = new TFlatEdit(this);
    edPlayerName->setObjectName("edPlayerName");
    edPlayerName->setGeometry(kNameEditLeft, 59, 129, 19);
    QFont nameFont = FormFont(true);
    nameFont.setItalic(true);
    edPlayerName->setFont(nameFont);
    QPalette namePalette = edPlayerName->palette();
    namePalette.setColor(QPalette::Text, QColor(128, 128, 128));
    edPlayerName->setPalette(namePalette);
    edPlayerName->setColorBorder(QColor(128, 128, 128));
    edPlayerName->setText("Player1");
    connect(edPlayerName, &TFlatEdit::mouseDown, this, [this] { RunHandler([this] { edPlayerNameMouseDown(); }); });

    cbRotate = AddCheckBox("cbRotate", 82, tr("Rotate Objects"));
    cbRotate->setChecked(true);
    connect(cbRotate, &TBitCheckBox::stateChanged, this,
            [this](TCheckBoxState state) { options_.SetRotate(state == cbChecked); });
    CreateVolumeControls();
    CreateSizeControls();

    Label2 = AddLabel(48, 287, tr("Game Scheme:"), kSchemeComboLeft - 48 - 2);
    cbGameScheme = new TFrogComboBox(this);
    cbGameScheme->setObjectName("cbGameScheme");
    cbGameScheme->setGeometry(kSchemeComboLeft, 285, 121, 21);
    cbGameScheme->setStyle(csDropDownList);
    QFont comboFont = FormFont(false);
    comboFont.setItalic(true);
    cbGameScheme->setFont(comboFont);
    cbGameScheme->addItems({tr("Scheme1"), tr("Scheme2"), tr("Scheme3"), tr("Shapes")});
    cbGameScheme->setCurrentIndex(-1);
    ApplyComboPictures(*cbGameScheme);
    // The field behind the window spins the lit group by these two as they change.
    connect(cbGameScheme, &TFrogComboBox::currentIndexChanged, this,
            [this](int index) { options_.Set(Setting::Scheme, SettingValue{{}, index}); });

    elbtClose = AddImageButton("elbtClose", QRect(57, 340, 86, 24), Plate::OptionsClose, &TFormOpt::elbtCloseClick);
    elbtClose->setText(tr("Close"));
    elbtClose->setXOffset(30);
    elbtClose->setYOffset(7);
    SetCancelButton(elbtClose);
    NameForAssistiveTechnology();

    setTabOrder(bcbEnableSounds, bcbEnableMusic);
    setTabOrder(bcbEnableMusic, cbRotate);
    setTabOrder(cbRotate, edPlayerName);
    setTabOrder(edPlayerName, cbGameScheme);
}

void TFormOpt::CreateVolumeControls()
{
    bcbEnableSounds = AddCheckBox("bcbEnableSounds", 106, tr("Sound ON/OFF"));
    btSoundLow = AddImageButton("btSoundLow", QRect(47, 126, 25, 25), Plate::VolumeDown, &TFormOpt::btSoundLowClick);
    Image1 = new QLabel(this);
    Image1->setGeometry(72, 126, 160, 25);
    Image1->setPixmap(QPixmap::fromImage(DesignImage("volume_trough")));
    ProgressBar2 = AddVolumeBar("ProgressBar2", 134);
    btSoundHigh = AddImageButton("btSoundHigh", QRect(232, 126, 25, 25), Plate::VolumeUp, &TFormOpt::btSoundHighClick);

    bcbEnableMusic = AddCheckBox("bcbEnableMusic", 159, tr("Music ON/OFF"));
    connect(bcbEnableMusic, &TBitCheckBox::clicked, this, [this] { RunHandler([this] { bcbEnableMusicClick(); }); });
    btMusicLow = AddImageButton("btMusicLow", QRect(47, 179, 25, 25), Plate::VolumeDown, &TFormOpt::btMusicLowClick);
    Image2 = new QLabel(this);
    Image2->setGeometry(72, 179, 160, 25);
    Image2->setPixmap(QPixmap::fromImage(DesignImage("volume_trough_music")));
    ProgressBar1 = AddVolumeBar("ProgressBar1", 187);
    btMusicHigh = AddImageButton("btMusicHigh", QRect(232, 179, 25, 25), Plate::VolumeUp, &TFormOpt::btMusicHighClick);
}

void TFormOpt::CreateSizeControls()
{
    rb2012 = AddImageButton("rb2012", QRect(47, 213, 20, 20), Plate::SizeChoice, &TFormOpt::rb2012Click);
    rb2012->setToolTip(tr("Place worker to desired position"));
    labWorker = AddLabel(81, 219, tr("20 x 12 Game Field"), kControlsRight - 81);
    rb1810 = AddImageButton("rb1810", QRect(47, 234, 20, 20), Plate::SizeChoice, &TFormOpt::rb1810Click);
    rb1810->setToolTip(tr("Choose wall primitive"));
    labBox = AddLabel(80, 239, tr("18 x 10 Game Field"), kControlsRight - 80);
    rb168 = AddImageButton("rb168", QRect(47, 255, 20, 20), Plate::SizeChoice, &TFormOpt::rb168Click);
    rb168->setToolTip(tr("Choose Box primitive"));
    rb168->setDown(true);
    labWall = AddLabel(80, 260, tr("16 x 08 Game Field"), kControlsRight - 80);
}

// The controls whose caption is a picture or a label beside them.
void TFormOpt::NameForAssistiveTechnology()
{
    edPlayerName->setAccessibleName(tr("Player Name"));
    btSoundLow->setAccessibleName(tr("Sound volume down"));
    btSoundHigh->setAccessibleName(tr("Sound volume up"));
    ProgressBar2->setAccessibleName(tr("Sound volume"));
    btMusicLow->setAccessibleName(tr("Music volume down"));
    btMusicHigh->setAccessibleName(tr("Music volume up"));
    ProgressBar1->setAccessibleName(tr("Music volume"));
    for (auto [button, label] : {std::pair{rb2012, labWorker}, {rb1810, labBox}, {rb168, labWall}}) {
        button->setAccessibleRole(QAccessible::RadioButton);
        button->setAccessibleName(label->text());
    }
    cbGameScheme->setAccessibleName(tr("Game Scheme"));
}

void TFormOpt::FormCreate()
{
    CentreOver(owner_);
    PrepareBackground(run_.DataFile("PICS\\panel4.jpg"), QSize(306, 386));
    ShowOptions();
    const QColor behind = PanelCanvas().pixelColor(42, 42);
    for (TBitCheckBox* box : {bcbEnableSounds, bcbEnableMusic, cbRotate})
        box->setColor(behind);
}

void TFormOpt::showEvent(QShowEvent* event)
{
    TSkinnedForm::showEvent(event);
    // Runs before the player can touch anything: the modal loop starts
    // after the queued call.
    RunHandler([this] { FormActivate(); });
}

void TFormOpt::FormActivate()
{
    ReadOptions();
    audio_.CaptureVolumes();
    QTimer::singleShot(0, cbGameScheme, [this] { cbGameScheme->setFocus(Qt::OtherFocusReason); });
}

void TFormOpt::ReadOptions()
{
    options_.Load();
    ShowOptions();
}

void TFormOpt::ShowOptions()
{
    for (const SettingControl& control : settings_)
        control.load(options_.Value(control.setting));
    cbRotate->setChecked(options_.rotateObjects());
    ProgressBar2->setValue(options_.volumeBars().sound);
    ProgressBar1->setValue(options_.volumeBars().music);
}

// The window closes even when the file refuses the save: a player kept in a
// modal window that can never be left has no way to go on.
void TFormOpt::elbtCloseClick()
{
    WriteOptions();
    audio_.SetSoundEnabled(options_.Flag(Setting::EnableSound));
    hide();
}

// A cause that refuses several keys (a read-only file) is told once.
void TFormOpt::WriteOptions()
{
    for (const SettingControl& control : settings_)
        options_.Set(control.setting, control.current());
    options_.SetRotate(cbRotate->isChecked());
    for (const std::string& cause : options_.Save())
        MessageBoxes::ShowMessage(cause);
}

// The window manager's close (Alt+F4, a title bar's button) is the player
// leaving the window: it saves as Close does, or the choices made would rule the
// next deal and then be lost at the next showing.
void TFormOpt::closeEvent(QCloseEvent* event)
{
    if (!isVisible())
        return TSkinnedForm::closeEvent(event);
    event->ignore();
    RunHandler([this] { elbtCloseClick(); });
}

namespace {

SettingValue Number(int number) { return SettingValue{{}, number}; }

}  // namespace

// The one place a setting meets its control; the keys' own table (kSettingKeys)
// says how the file holds it.
void TFormOpt::BindSettings()
{
    const auto checkBox = [](Setting setting, TBitCheckBox* box) {
        return SettingControl{setting, [box](const SettingValue& v) { box->setChecked(v.number != 0); },
                              [box] { return Number(box->isChecked()); }};
    };
    const auto sizeButton = [](Setting setting, TFrogButton* button) {
        return SettingControl{setting, [button](const SettingValue& v) { button->setDown(v.number != 0); },
                              [button] { return Number(button->isDown()); }};
    };
    settings_ = {
        {Setting::PlayerName,
         [this](const SettingValue& v) {
             edPlayerName->setText(QString::fromStdString(v.text));
             storedNameShown_ = edPlayerName->text();
         },
         // A name the player did not touch goes back byte for byte, even when it is
         // no valid UTF-8 (written by another program or an older file).
         [this] {
             return edPlayerName->text() == storedNameShown_ ? options_.Value(Setting::PlayerName)
                                                             : SettingValue{edPlayerName->text().toStdString(), 0};
         }},
        checkBox(Setting::EnableSound, bcbEnableSounds),
        checkBox(Setting::EnableMusic, bcbEnableMusic),
        sizeButton(Setting::RB2012, rb2012),
        sizeButton(Setting::RB1810, rb1810),
        sizeButton(Setting::RB168, rb168),
        {Setting::Scheme,
         [this](const SettingValue& v) { cbGameScheme->setCurrentIndex(v.number); },
         [this] { return Number(cbGameScheme->currentIndex()); }},
    };
}

void TFormOpt::ChooseSize(TFrogButton* chosen)
{
    rb2012->setDown(chosen == rb2012);
    rb1810->setDown(chosen == rb1810);
    rb168->setDown(chosen == rb168);
}

void TFormOpt::rb2012Click() { ChooseSize(rb2012); }
void TFormOpt::rb1810Click() { ChooseSize(rb1810); }
void TFormOpt::rb168Click() { ChooseSize(rb168); }

void TFormOpt::bcbEnableMusicClick()
{
    audio_.SetMusicOn(bcbEnableMusic->isChecked());
}

void TFormOpt::bcbCalcMovesMouseUp() { cbGameScheme->setFocus(Qt::MouseFocusReason); }

void TFormOpt::edPlayerNameMouseDown() {}

void TFormOpt::StepBar(QProgressBar& bar, int step)
{
    bar.setValue(std::clamp(bar.value() + step, bar.minimum(), bar.maximum()));
}

void TFormOpt::StepSoundVolume(int step)
{
    StepBar(*ProgressBar2, step);
    KeepBars();
    audio_.ApplySoundBar(ProgressBar2->value());
}

void TFormOpt::StepMusicVolume(int step)
{
    StepBar(*ProgressBar1, step);
    KeepBars();
    audio_.ApplyMusicBar(ProgressBar1->value());
}

void TFormOpt::KeepBars() { options_.SetBars({ProgressBar2->value(), ProgressBar1->value()}); }

void TFormOpt::btSoundLowClick() { StepSoundVolume(-3); }
void TFormOpt::btSoundHighClick() { StepSoundVolume(3); }
void TFormOpt::btMusicLowClick() { StepMusicVolume(-3); }
void TFormOpt::btMusicHighClick() { StepMusicVolume(3); }

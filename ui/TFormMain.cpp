#include "TFormMain.h"

#include "DataPath.h"
#include "Game.h"
#include "GameAudio.h"
#include "HandlerGuard.h"
#include "IPieceObject.h"
#include "MainScene.h"
#include "MciNotifyEvent.h"
#include "MessageBoxes.h"
#include "SettingKeys.h"
#include "SystemClock.h"
#include "TBitCheckBox.h"
#include "TFormOpt.h"
#include "TFormScore.h"
#include "TFrogButton.h"
#include "TFrogComboBox.h"
#include "TIniFile.h"
#include "TSession.h"
#include "UiResources.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPalette>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>

#include <limits>

TFormMain* FormMain = nullptr;

namespace {
// The index the next run starts with. Past the last song the playlist starts
// again at 0, so the largest index wraps to that instead of overflowing.
int NextSongIndex(int index) { return index == std::numeric_limits<int>::max() ? 0 : index + 1; }

const QRect kMainDragZone(QPoint(10, 10), QPoint(450, 30));  // bounds excluded
}  // namespace

TFormMain::TFormMain(QWidget* parent)
    : TSkinnedForm(parent, QSize(716, 499), MainOutline(), kMainDragZone, true), clock_(std::make_unique<SystemClock>())
{
    FormMain = this;
    setWindowTitle("Glimmora! Game");
    QFont f("MS Sans Serif");
    f.setPixelSize(11);
    setFont(f);
    scene_ = std::make_unique<MainScene>(this, QRect(13, 43, 588, 442));
    ISoundRequests& sounds = *this;
    IGameOptions& options = *this;
    game_ = std::make_unique<Game>(*scene_, sounds, options, *clock_);
    CreateControls();
    connect(scene_.get(), &MainScene::progress, this,
            [this](double dt, double t) { RunHandler([&] { GLCadencer1Progress(dt, t); }); });
    connect(scene_.get(), &MainScene::mouseDown, this,
            [this](Qt::MouseButton b, Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) {
                RunHandler([&] { GLSceneViewer1MouseDown(b, x, y); });
            });
    connect(scene_.get(), &MainScene::mouseMove, this,
            [this](Qt::MouseButtons b, Qt::KeyboardModifiers m, int x, int y) {
                RunHandler([&] { GLSceneViewer1MouseMove(b, m, x, y); });
            });
    RunHandler([this] { FormCreate(); });
}

TFormMain::~TFormMain()
{
    // The audio calls back into this window; it goes first.
    Session.Audio.reset();
    if (FormMain == this)
        FormMain = nullptr;
}

TFrogButton* TFormMain::AddButton(int left, int top, const QString& text, int xOffset, void (TFormMain::*handler)())
{
    auto* b = new TFrogButton(this);
    b->setGeometry(left, top, 71, 25);
    b->setTransparent(true);
    ApplyPlates(*b, Plate::Main);
    b->setText(text);
    b->setXOffset(xOffset);
    b->setYOffset(7);
    connect(b, &TFrogButton::clicked, this, [this, handler] { RunHandler([&] { (this->*handler)(); }); });
    return b;
}

void TFormMain::CreateControls()
{
    btNewGame = AddButton(624, 136, "New Game", 10, &TFormMain::btNewGameClick);
    btOptions = AddButton(624, 168, "Options", 19, &TFormMain::btOptionsClick);
    fbHighScores = AddButton(624, 200, "Scores", 18, &TFormMain::fbHighScoresClick);
    fbExit = AddButton(624, 232, " Exit", 22, &TFormMain::btExitClick);
    btUndo = AddButton(624, 440, "Undo", 22, &TFormMain::btUndoClick);
    btUndo->setStretch(true);
}

void TFormMain::FormCreate()
{
    Session.SoundEnabled = true;
    QPalette palette = QApplication::palette();
    Session.SavedHighlightColor = palette.color(QPalette::Highlight);
    palette.setColor(QPalette::Highlight, QColor(153, 151, 153));
    QApplication::setPalette(palette);
    Session.CreateLookFonts();
    Session.BaseDir = QString::fromStdString(CurrentBaseDir());
    Session.Audio = std::make_unique<GameAudio>(this, Session.BaseDir, Session.SongIndex);
    const QSize screen = QGuiApplication::primaryScreen()->size();
    move(screen.width() / 2 - width() / 2, screen.height() / 2 - height() / 2);
    game_->FirstGame = true;
    PrepareBackground(Session.DataFile("\\Pics\\panel1.jpg"), QSize(715, 499));
    StartSoundLibrary();
}

// Any of these messages comes before a window is on the screen.
void TFormMain::StartSoundLibrary()
{
    GameAudio& audio = *Session.Audio;
    if (!SoundLibrary::VersionIsSupported()) {
        MessageBoxes::ShowMessage("SDL_mixer version 2 was not loaded");
        endsAtOnce_ = true;
        return;
    }
    if (!audio.Library.Init()) {
        MessageBoxes::ShowMessage("Can't initialize digital sound system");
        Session.SoundEnabled = false;
        audio.OutputMissing = true;
    }
    if (!audio.Library.CDInit()) {
        MessageBoxes::ShowMessage("Can't initialize CD system");
        Session.SoundEnabled = false;
    }
    audio.Library.Start();
    audio.Streams.Create(audio.Library, Session.BaseDir.toStdString());
}

void TFormMain::PrepareFirstShowing()
{
    GameAudio& audio = *Session.Audio;
    if (!activated_ && FormOpt && FormOpt->bcbEnableMusic->isChecked() && !audio.OutputMissing)
        audio.Music.PreloadStartSong();
}

void TFormMain::showEvent(QShowEvent* event)
{
    TSkinnedForm::showEvent(event);
    // Only the first showing activates: a modal window closing, or a switch
    // to another program and back, must not run FormActivate again.
    if (activated_)
        return;
    activated_ = true;
    QTimer::singleShot(0, this, [this] { RunHandler([this] { FormActivate(); }); });
}

void TFormMain::FormActivate()
{
    ++activationCount_;
    scene_->LoadFont(Session.DataFile("\\Pics\\font.bmp"));
    GameAudio& audio = *Session.Audio;
    audio.Music.PrepareAtActivation();
    if (FormOpt)
        audio.Volumes.ApplyStartupLevels(FormOpt->ProgressBar1->value(), FormOpt->ProgressBar2->value());
    if (FormOpt && FormOpt->bcbEnableMusic->isChecked())
        StartMusic();
}

void TFormMain::StartMusic()
{
    GameAudio& audio = *Session.Audio;
    if (!audio.OutputMissing)
        audio.Music.StartMusic();
}

bool TFormMain::event(QEvent* event)
{
    if (event->type() != MciNotifyEvent::Type())
        return TSkinnedForm::event(event);
    // A notice of a song that is no longer open (it ended just as the player
    // switched the music off and on again) must not skip the song now playing.
    const auto* notice = static_cast<MciNotifyEvent*>(event);
    if (Session.Audio && notice->DeviceId() == Session.Audio->Sequencer.MidiDeviceId())
        RunHandler([this] { OnMciNotify(); });
    return true;
}

void TFormMain::OnMciNotify() { Session.Audio->Music.OnMciNotify(); }

void TFormMain::closeEvent(QCloseEvent* event)
{
    if (!closed_) {
        closed_ = true;
        RunHandler([this] { FormClose(); });
    }
    event->accept();
}

void TFormMain::FormClose()
{
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Highlight, Session.SavedHighlightColor);
    QApplication::setPalette(palette);
    GameAudio& audio = *Session.Audio;
    audio.Library.Stop();
    audio.Library.Free();
    audio.Music.StopMusic();
    audio.Volumes.Restore();
}

void TFormMain::InitGame() { game_->InitGame(); }

void TFormMain::RestoreUndo() { game_->RestoreUndo(); }

void TFormMain::btNewGameClick() { InitGame(); }

void TFormMain::btOptionsClick()
{
    if (FormOpt)
        FormOpt->ShowModal();
}

void TFormMain::fbHighScoresClick()
{
    if (FormScore)
        FormScore->ShowModal();
}

void TFormMain::btUndoClick()
{
    if (game_->GameActive)
        RestoreUndo();
}

void TFormMain::btExitClick()
{
    // A refused write is reported, and the program ends all the same: there
    // is no other way out of it.
    RunHandler([] {
        TIniFile ini(TFormOpt::IniPath().toStdString());
        WriteSetting(ini, Setting::Song, SettingValue{{}, NextSongIndex(Session.SongIndex)});
    });
    close();
}

void TFormMain::GLCadencer1Progress(double, double)
{
    Game& g = *game_;
    if (!g.GameActive)
        scene_->SetFieldTurnAngle(scene_->FieldTurnAngle() + 1);
    scene_->SetHudTexts(QString::asprintf("SCORE:  %3d", g.Board().Score), QString::asprintf("POINTS: %3d", g.Points));
    if (!(FormOpt && FormOpt->RotateObjects()) || g.GroupCount() <= 1)
        return;
    const bool scheme1 = schemeIndex() == 0;
    for (const GroupCell& cell : g.Group()) {
        IPieceObject* piece = g.ObjectOf(cell.piece);
        if (!piece)
            continue;
        if (scheme1)
            piece->setRollAngle(piece->rollAngle() + 1);
        else
            piece->setTurnAngle(piece->turnAngle() + 2);
    }
}

void TFormMain::GLSceneViewer1MouseDown(Qt::MouseButton, int x, int y)
{
    if (!game_->GameActive)
        return;
    LastMouseX = x;
    LastMouseY = y;
    // The score window opens once the turn is over, its sounds requested and
    // its pieces in place: the rules never wait on a window.
    if (game_->TurnStep(scene_->PieceAt(x, y)).gameOver)
        showHighScores();
}

void TFormMain::GLSceneViewer1MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, int x, int y)
{
    if (!game_->GameActive)
        return;
    game_->HoverStep(scene_->PieceAt(x, y));
    if (buttons == Qt::RightButton && mods == Qt::NoModifier) {
        scene_->OrbitCamera(LastMouseY - y, LastMouseX - x);
        LastMouseX = x;
        LastMouseY = y;
    }
}

bool TFormMain::sizeButtonDown(SizeButton button) const { return FormOpt && FormOpt->SizeButtonDown(button); }

int TFormMain::schemeIndex() const { return FormOpt ? FormOpt->cbGameScheme->currentIndex() : -1; }

void TFormMain::playSound(Sound sound)
{
    if (!Session.SoundEnabled)
        return;
    GameAudio& audio = *Session.Audio;
    audio.Library.StreamPlay(audio.Streams.Handle(SlotOf(sound)));
    emit soundRequested(SlotOf(sound));
}

void TFormMain::showHighScores()
{
    if (FormScore)
        FormScore->ShowModal();
}

#include "ui/TFormMain.h"

#include "audio/IGameAudio.h"
#include "platform/HandlerGuard.h"
#include "game/IPieceObject.h"
#include "ui/DealAssist.h"
#include "ui/IPlayerSettings.h"
#include "ui/LineReplay.h"
#include "ui/LitGroupText.h"
#include "ui/PieceObject.h"
#include "ui/MainScene.h"
#include "platform/MessageBoxes.h"
#include "scores/PendingResult.h"
#include "ui/RunState.h"
#include "ui/SettingKeys.h"
#include "game/SystemClock.h"
#include "controls/TFrogButton.h"
#include "scene/TGLSceneViewer.h"
#include "platform/TIniFile.h"
#include "ui/UiResources.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPalette>
#include <QScreen>
#include <QTimer>
#include <QHelpEvent>
#include <QToolTip>

#include <chrono>
#include <cmath>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <string>

namespace {
// The index the next run starts with. Past the last song the playlist starts
// again at 0, so the largest index wraps to that instead of overflowing.
int NextSongIndex(int index) { return index == std::numeric_limits<int>::max() ? 0 : index + 1; }

const QRect kMainDragZone(QPoint(10, 10), QPoint(450, 30));  // bounds excluded

using Command = PlaySession::Command;

struct KeyCommand {
    QKeyCombination keys;
    Command command;
};

// The arrows move the cursor and Space or Return plays at it; Undo, Redo and
// New Game have the shortcuts players bring from other programs.
const KeyCommand kKeyTable[] = {
    {QKeyCombination(Qt::ControlModifier, Qt::Key_Z), Command::Undo},
    {QKeyCombination(Qt::ControlModifier, Qt::Key_Y), Command::Redo},
    {QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z), Command::Redo},
    {QKeyCombination(Qt::ControlModifier, Qt::Key_N), Command::NewGame},
    {QKeyCombination(Qt::Key_F2), Command::NewGame},
    {QKeyCombination(Qt::Key_Left), Command::CursorLeft},
    {QKeyCombination(Qt::Key_Right), Command::CursorRight},
    {QKeyCombination(Qt::Key_Up), Command::CursorUp},
    {QKeyCombination(Qt::Key_Down), Command::CursorDown},
    {QKeyCombination(Qt::Key_Space), Command::Play},
    {QKeyCombination(Qt::Key_Return), Command::Play},
    {QKeyCombination(Qt::Key_Enter), Command::Play},
};
// The pace of a line shown on the field: slow enough to follow each group.
constexpr std::chrono::milliseconds kLineStep{700};

struct WindowKey {
    QKeyCombination keys;
    void (TFormMain::*action)();
};

// The row of `table` for the key pressed, nullptr for none; the keypad's
// keys count as the main keyboard's.
template <typename Row, std::size_t N>
const Row* RowOfKey(const Row (&table)[N], const QKeyEvent& event)
{
    const QKeyCombination pressed(event.modifiers() & ~Qt::KeypadModifier, Qt::Key(event.key()));
    const auto row = std::find_if(std::begin(table), std::end(table), [&](const Row& k) { return k.keys == pressed; });
    return row == std::end(table) ? nullptr : row;
}
}  // namespace

TFormMain::TFormMain(const RunState& run, IGameAudio& audio, ISoundRequests& sounds, PendingResult& pending,
                     QWidget* parent)
    : TSkinnedForm(parent, QSize(716, 499), MainOutline(), kMainDragZone, true),
      run_(run),
      audio_(audio),
      pending_(pending),
      clock_(std::make_unique<SystemClock>())
{
    audio_.SetNoticeWindow(this);
    setWindowTitle(tr("Glimmora! Game"));
    QFont f("MS Sans Serif");
    f.setPixelSize(11);
    setFont(f);
    scene_ = std::make_unique<MainScene>(this, QRect(13, 43, 588, 442));
    IGameOptions& options = *this;
    session_ = std::make_unique<PlaySession>(*scene_, sounds, options, *clock_);
    CreateControls();
    connect(scene_.get(), &MainScene::progress, this,
            [this](double dt, double t) { RunHandler([&] { GLCadencer1Progress(dt, t); }); });
    connect(scene_.get(), &MainScene::mouseDown, this,
            [this](Qt::MouseButton b, Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) {
                RunHandler([&] { GLSceneViewer1MouseDown(b, x, y); });
            });
    // After the frame that found it, not inside it: the message box runs an event loop.
    connect(scene_.get(), &MainScene::glUnavailable, this, [this] { GLUnavailable(); }, Qt::QueuedConnection);
    // After the frame, not inside it: nothing of the audio may hold up the first screen.
    // A timer, not a posted call: posted calls go before the window system's events, and
    // the audio module's load (about 20 ms) would then keep the window's exposure, and the
    // frame that answers it, waiting (the screen settled 30 ms later in measurements).
    connect(scene_.get(), &MainScene::firstFrameShown, this, [this] {
        firstFrameShown_ = true;
        QTimer::singleShot(0, this, [this] { RunHandler([this] { StartAudio(); }); });
    }, Qt::QueuedConnection);
    connect(scene_.get(), &MainScene::mouseMove, this,
            [this](Qt::MouseButtons b, Qt::KeyboardModifiers m, int x, int y) {
                RunHandler([&] { GLSceneViewer1MouseMove(b, m, x, y); });
            });
    RunHandler([this] { FormCreate(); });
}

TFormMain::~TFormMain()
{
    // The audio outlives the windows; a song's notice finds no window now.
    audio_.SetNoticeWindow(nullptr);
}

TFrogButton* TFormMain::AddButton(const char* name, QPoint at, const QString& text, int xOffset,
                                  void (TFormMain::*handler)())
{
    auto* b = new TFrogButton(this);
    b->setObjectName(name);
    b->setGeometry(at.x(), at.y(), 71, 25);
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
    AddButton("btNewGame", {624, 136}, tr("New Game"), 10, &TFormMain::btNewGameClick);
    AddButton("btOptions", {624, 168}, tr("Options"), 19, &TFormMain::btOptionsClick);
    AddButton("fbHighScores", {624, 200}, tr("Scores"), 18, &TFormMain::fbHighScoresClick);
    //: The space before the word is the English plate's layout: leave it out.
    const QString exit = tr(" Exit");
    AddButton("fbExit", {624, 232}, exit, 22, &TFormMain::btExitClick);
    AddButton("btUndo", {624, 440}, tr("Undo"), 22, &TFormMain::btUndoClick)->setStretch(true);
    // The lower gem asks for a hint; untouched it is the panel's own gem.
    auto* hint = new TFrogButton(this);
    hint->setObjectName("btHint");
    hint->setGeometry(626, 314, 68, 68);
    ApplyPlates(*hint, Plate::HintGem);
    hint->setAccessibleName(tr("Hint"));
    hint->setToolTip(tr("Hint (H)"));
    connect(hint, &TFrogButton::clicked, this, [this] { RunHandler([this] { AskHint(); }); });
    TGLSceneViewer* view = &scene_->View();
    view->setAccessibleName(tr("Game field"));
    // In the Tab order before the buttons: Space and Return play there.
    view->setFocusPolicy(Qt::StrongFocus);
}

void TFormMain::UseWindows(std::function<TSkinnedForm&()> options, std::function<TSkinnedForm&()> scores)
{
    makeOptions_ = std::move(options);
    makeScores_ = std::move(scores);
}

TSkinnedForm* TFormMain::OptionsWindow()
{
    if (!optionsWindow_ && makeOptions_)
        optionsWindow_ = &makeOptions_();
    return optionsWindow_;
}

TSkinnedForm* TFormMain::ScoreWindow()
{
    if (!scoreWindow_ && makeScores_)
        scoreWindow_ = &makeScores_();
    return scoreWindow_;
}

void TFormMain::FormCreate()
{
    audio_.SetSoundEnabled(true);
    QPalette palette = QApplication::palette();
    savedHighlightColor_ = palette.color(QPalette::Highlight);
    palette.setColor(QPalette::Highlight, QColor(153, 151, 153));
    QApplication::setPalette(palette);
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QSize screen = primary->size();
    PlaceOn(primary, QPoint(screen.width() / 2 - width() / 2, screen.height() / 2 - height() / 2));
    PrepareBackground(run_.DataFile("\\Pics\\panel1.jpg"), QSize(715, 499));
}

void TFormMain::showEvent(QShowEvent* event)
{
    TSkinnedForm::showEvent(event);
    // Only the first showing activates: a modal window closing, or a switch
    // to another program and back, must not run FormActivate again.
    if (activated_)
        return;
    activated_ = true;
    // The keyboard plays here from the start, where no window manager hands
    // the new window the focus.
    activateWindow();
    QTimer::singleShot(0, this, [this] { RunHandler([this] { FormActivate(); }); });
}

void TFormMain::FormActivate()
{
    ++activationCount_;
    scene_->LoadFont(run_.DataFile("\\Pics\\font.bmp"));
    StartAudio();
}

void TFormMain::StartAudio()
{
    if (!firstFrameShown_ || activationCount_ == 0 || audio_.Started())
        return;
    if (settings_)
        audio_.Start(settings_->musicOn(), settings_->volumeBars());
    else
        audio_.Start(false, std::nullopt);
}

bool TFormMain::event(QEvent* event)
{
    // The title strip tells the number of the deal in play.
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (!kMainDragZone.contains(help->pos()) || DealText().isEmpty())
            return TSkinnedForm::event(event);
        QToolTip::showText(help->globalPos(), tr("Deal %1").arg(DealText()), this);
        return true;
    }
    if (!audio_.IsSongNotice(*event))
        return TSkinnedForm::event(event);
    // A notice of a song that is no longer open (it ended just as the player
    // switched the music off and on again) must not skip the song now playing.
    if (audio_.IsCurrentSong(*event))
        RunHandler([this] { OnMciNotify(); });
    return true;
}

void TFormMain::OnMciNotify() { audio_.SongEnded(); }

void TFormMain::GLUnavailable()
{
    if (closed_)
        return;
    // Without a context the field stays black for good: a game nobody can see. A
    // display that offers no GL may not let the box paint either (8-bit colour):
    // the terminal hears it too.
    const std::string text =
        tr("Can't initialize OpenGL: this display offers no OpenGL context for the game's field").toStdString();
    std::fprintf(stderr, "%s\n", text.c_str());
    MessageBoxes::ShowMessage(text);
    close();
    QCoreApplication::exit(1);
}

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
    palette.setColor(QPalette::Highlight, savedHighlightColor_);
    QApplication::setPalette(palette);
    audio_.ShutDown();
}

void TFormMain::UseAssist(DealAssist& assist)
{
    assist_ = &assist;
    connect(assist_, &DealAssist::hintFound, this, [this](int row, int column, int, quint64 token) {
        RunHandler([&] { TakeHint(row, column, token); });
    });
    connect(assist_, &DealAssist::showLineRequested, this, [this] { RunHandler([this] { ShowParLine(); }); });
    replay_ = std::make_unique<LineReplay>(*session_, kLineStep);
}

void TFormMain::InitGame() { Apply(session_->Run(Command::NewGame)); }

void TFormMain::DealNumbered(const DealNumber& deal)
{
    if (!EndedLineShow())
        Apply(session_->Deal(deal));
}

void TFormMain::DealDaily()
{
    DealNumbered(DealNumber::Daily(DealNumber::UtcDate(std::chrono::system_clock::now())));
}

QString TFormMain::DealText() const
{
    const std::optional<DealNumber> deal = session_->game().Deal();
    return deal ? QString::fromStdString(deal->Text()) : QString();
}

void TFormMain::AskHint()
{
    if (!assist_ || !session_->TakesPointer() || (replay_ && replay_->Running()))
        return;
    assist_->AskHint(session_->game().Board(), session_->BoardGeneration());
}

void TFormMain::TakeHint(int row, int column, std::uint64_t token)
{
    session_->ShowHint(row, column, token);
}

void TFormMain::BoardChanged()
{
    if (!assist_)
        return;
    assist_->CancelHint();
    const std::optional<DealNumber> deal = session_->game().Deal();
    if (deal != assist_->Deal())
        assist_->Dealt(deal, settings_ && settings_->parSearch());
    const QString text = DealText();
    setAccessibleDescription(text.isEmpty() ? QString() : tr("Deal %1").arg(text));
}

void TFormMain::btNewGameClick()
{
    if (!EndedLineShow())
        InitGame();
}

void TFormMain::btOptionsClick()
{
    if (!EndedLineShow())
        OpenModal(OptionsWindow());
}

void TFormMain::fbHighScoresClick()
{
    if (!EndedLineShow())
        OpenModal(ScoreWindow());
}

// A burst of clicks can close a window and click a button again in one pass over the
// queued input, all inside the closed window's loop, which ends only when that pass
// does. Opened there, a window would nest its loop inside it; the closed one could
// not open again until both had ended, and every round of the burst would nest one
// loop deeper. So the opening waits for the loop to end, as the next event.
void TFormMain::OpenModal(TSkinnedForm* window)
{
    if (!window)
        return;
    const auto unwinding = [](const TSkinnedForm* w) { return w && w->ModalLoopUnwinding(); };
    if (!unwinding(optionsWindow_) && !unwinding(scoreWindow_)) {
        window->ShowModal();
        return;
    }
    QTimer::singleShot(0, this, [this, window] {
        // A window shown meanwhile blocks this one's button, as it would block the click.
        if (!QApplication::activeModalWidget())
            OpenModal(window);
    });
}

void TFormMain::btUndoClick()
{
    if (!EndedLineShow())
        Apply(session_->Run(Command::Undo));
}

// A click on a button while the best line is shown ends the showing, as a
// click on the field does, and does nothing else.
bool TFormMain::EndedLineShow()
{
    if (!replay_ || !replay_->Running())
        return false;
    EndParLine();
    return true;
}

void TFormMain::btExitClick()
{
    // A refused write is reported, and the program ends all the same: there
    // is no other way out of it.
    RunHandler([this] {
        TIniFile ini(run_.IniPath().toStdString());
        WriteSetting(ini, Setting::Song, SettingValue{{}, NextSongIndex(audio_.SongIndex())});
    });
    close();
}

void TFormMain::GLCadencer1Progress(double, double newTime)
{
    const Game& g = session_->game();
    if (!g.GameActive())
        scene_->SetFieldTurnAngle(scene_->FieldTurnAngle() + 1);
    // The numbers right-aligned in three places, as the HUD was laid out for.
    //: The HUD's score; the spaces line the number up under POINTS.
    const QString score = tr("SCORE:  %1").arg(g.Board().Score, 3);
    //: The HUD's points of the lit group.
    const QString points = tr("POINTS: %1").arg(g.Points(), 3);
    scene_->SetHudTexts(score, points);
    PulseHint(newTime);
    if (const QString description = LitGroupDescription(); description != scene_->View().accessibleDescription())
        scene_->View().setAccessibleDescription(description);
    if (!(settings_ && settings_->rotateObjects()) || g.GroupCount() <= 1)
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

void TFormMain::PulseHint(double time)
{
    const Game& g = session_->game();
    if (!session_->HintShown()) {
        EndPulse();
        return;
    }
    // Between the lit glow and twice it, once every 1.6 s.
    const double level = 1.5 + 0.5 * std::sin(time * 2 * M_PI / 1.6);
    for (const GroupCell& cell : g.Group()) {
        if (auto* piece = dynamic_cast<PieceObject*>(g.ObjectOf(cell.piece))) {
            piece->setGlow(level);
            if (std::find(pulsed_.begin(), pulsed_.end(), cell.piece) == pulsed_.end())
                pulsed_.push_back(cell.piece);
        }
    }
}

// The rules light and unlight pieces as they always do; a piece the pulse
// left brighter or dimmer is put back to what they made of it.
void TFormMain::EndPulse()
{
    const Game& g = session_->game();
    for (const int piece : pulsed_) {
        if (IPieceObject* object = g.ObjectOf(piece)) {
            const auto& group = g.Group();
            const bool lit = std::any_of(group.begin(), group.end(), [piece](const GroupCell& c) { return c.piece == piece; });
            object->setHighlighted(lit);
        }
    }
    pulsed_.clear();
}

void TFormMain::GLSceneViewer1MouseDown(Qt::MouseButton, int x, int y)
{
    if (replay_ && replay_->Running()) {
        EndParLine();
        return;
    }
    if (!session_->TakesPointer())
        return;
    LastMouseX = x;
    LastMouseY = y;
    Apply(session_->PointerPressed(scene_->PieceAt(x, y)));
}

void TFormMain::GLSceneViewer1MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, int x, int y)
{
    if (!session_->TakesPointer() || (replay_ && replay_->Running()))
        return;
    session_->PointerMoved(scene_->PieceAt(x, y));
    if (buttons == Qt::RightButton && mods == Qt::NoModifier) {
        scene_->OrbitCamera(LastMouseY - y, LastMouseX - x);
        LastMouseX = x;
        LastMouseY = y;
    }
}

bool TFormMain::sizeButtonDown(SizeButton button) const { return settings_ && settings_->sizeButtonDown(button); }

int TFormMain::schemeIndex() const { return settings_ ? settings_->schemeIndex() : -1; }

void TFormMain::Apply(const PlaySession::Outcome& outcome)
{
    if (outcome.change == PlaySession::Outcome::Change::Board)
        BoardChanged();
    if (!outcome.GameOver())
        return;
    // A game played with a hint is shown, not offered to the table.
    if (!outcome.hinted)
        pending_.Offer(outcome.finalScore);
    if (assist_)
        assist_->SetEnding({outcome.finalScore, outcome.hinted, session_->game().Deal(), session_->game().Board()});
    if (TSkinnedForm* scores = ScoreWindow())
        OpenModal(scores);
}

// The score window's Show: it has hidden itself, keeping the result; the
// field plays the par line until a click or a key, then the score window
// comes back over the board the game ended on.
void TFormMain::ShowParLine()
{
    if (!assist_ || !assist_->Ending() || !assist_->Ending()->deal || assist_->ParLine().moves.empty())
        return;
    EndPulse();
    replay_->Start(*assist_->Ending()->deal, assist_->ParLine(), assist_->Ending()->board);
}

void TFormMain::EndParLine()
{
    replay_->Stop();
    if (TSkinnedForm* scores = ScoreWindow())
        OpenModal(scores);
}

// ---------------------------------------------------------------- keyboard

void TFormMain::keyPressEvent(QKeyEvent* event)
{
    if (replay_ && replay_->Running() && !event->isAutoRepeat()) {
        event->accept();
        RunHandler([this] { EndParLine(); });
        return;
    }
    bool handled = false;
    RunHandler([&] { handled = RunWindowKey(*event) || RunKey(*event); });
    if (handled)
        event->accept();
    else
        TSkinnedForm::keyPressEvent(event);
}

// Keys of the window's own, beside the session's commands.
bool TFormMain::RunWindowKey(const QKeyEvent& event)
{
    static const WindowKey kWindowKeys[] = {
        {QKeyCombination(Qt::Key_H), &TFormMain::AskHint},
        {QKeyCombination(Qt::ControlModifier, Qt::Key_D), &TFormMain::DealDaily},
        {QKeyCombination(Qt::ControlModifier, Qt::Key_G), &TFormMain::AskDealNumber},
    };
    const WindowKey* row = RowOfKey(kWindowKeys, event);
    if (!row)
        return false;
    if (!event.isAutoRepeat())
        (this->*row->action)();
    return true;
}

void TFormMain::AskDealNumber()
{
    if (askDealNumber_)
        askDealNumber_();
}

bool TFormMain::RunKey(const QKeyEvent& event)
{
    const KeyCommand* row = RowOfKey(kKeyTable, event);
    if (!row)
        return false;
    // A held key plays once: the next group lights under the cursor at once,
    // and the repeat would take it before the player has seen it.
    if (row->command != Command::Play || !event.isAutoRepeat())
        Apply(session_->Run(row->command));
    return true;
}

void TFormMain::changeEvent(QEvent* event)
{
    // A minimised game takes no CPU for the par.
    if (event->type() == QEvent::WindowStateChange && assist_)
        assist_->SetParHeld(isMinimized());
    TSkinnedForm::changeEvent(event);
}

QString TFormMain::LitGroupDescription() const
{
    const Game& g = session_->game();
    if (g.GroupCount() == 0)
        return {};
    const int kind = g.Board().PieceMap(g.Group().front().piece).kind;
    const QString group = LitGroupText::Describe(kind, g.GroupCount(), g.Points());
    return session_->HintShown() ? tr("Hint: %1").arg(group) : group;
}

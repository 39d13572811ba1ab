#pragma once

#include "ui/TSkinnedForm.h"

#include "game/IGameOptions.h"
#include "game/PlaySession.h"

#include <QColor>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class DealAssist;
class IGameAudio;
class LineReplay;
class ISoundRequests;
class IPlayerSettings;
class MainScene;
class PendingResult;
class SystemClock;
class TFrogButton;
struct RunState;

// The main window: owns the play session, the 3D view and its scene, and
// turns keys, clicks and pointer moves into the session's inputs.
class TFormMain : public TSkinnedForm, private IGameOptions {
    Q_OBJECT
public:
    // `pending` takes a finished game's score for the score window; the rules'
    // sound requests go to `sounds`.
    TFormMain(const RunState& run, IGameAudio& audio, ISoundRequests& sounds, PendingResult& pending,
              QWidget* parent = nullptr);
    ~TFormMain() override;

    // The options in force, from the options window once it has read them;
    // until then the rules see no size chosen and no scheme.
    void UseSettings(const IPlayerSettings& settings) { settings_ = &settings; }
    // The windows the Options and Scores buttons open (and the end of a game).
    // They are built when first opened: `options` and score windows are built when first opened: `options`
    // and `scores` build one (once) and give it.
    void UseWindows(std::function<TSkinnedForm&()> options, std::function<TSkinnedForm&()> scores);

    // The searches behind the hint and the par, and what the score window
    // learns of a game's end; before the first deal.
    void UseAssist(DealAssist& assist);

    // A new deal, as the New Game button does.
    void InitGame();
    // A new game of a numbered deal (--deal, the Deal number dialog), and the
    // day's deal (--daily, Ctrl+D).
    void DealNumbered(const DealNumber& deal);
    void DealDaily();
    // H and the lower gem: the engine's suggestion for the board in play
    // lights when it comes.
    void AskHint();
    // The number of the deal in play, "20x12-43200250"; empty before the first.
    QString DealText() const;
    // The Ctrl+G dialog; set by whoever builds it.
    void UseDealDialog(std::function<void()> ask) { askDealNumber_ = std::move(ask); }
    PlaySession& session() { return *session_; }
    const Game& game() const { return session_->game(); }
    MainScene& scene() { return *scene_; }

    // Handlers.
    void FormCreate();
    void FormActivate();
    void FormClose();
    void btNewGameClick();
    void btOptionsClick();
    void fbHighScoresClick();
    void btUndoClick();
    void btExitClick();
    void GLCadencer1Progress(double deltaTime, double newTime);
    void GLSceneViewer1MouseDown(Qt::MouseButton button, int x, int y);
    void GLSceneViewer1MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, int x, int y);

    void OnMciNotify();
    // The 3D view cannot draw at all: the player is told, and the program ends.
    void GLUnavailable();

    // What the view tells assistive technology of the lit group.
    QString LitGroupDescription() const;

    bool Activated() const { return activated_; }
    int ActivationCount() const { return activationCount_; }


protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void CreateControls();
    // The audio, once the first frame is on the screen and the activation has run.
    void StartAudio();
    bool RunKey(const QKeyEvent& event);
    // The button is found by its object name, `name`.
    TFrogButton* AddButton(const char* name, QPoint at, const QString& text, int xOffset, void (TFormMain::*handler)());

    bool sizeButtonDown(SizeButton button) const override;
    int schemeIndex() const override;
    // A game that the input ended hands its score to the score window, which
    // opens modal: returns when it has been closed.
    void Apply(const PlaySession::Outcome& outcome);
    // Shows one of the modal windows; while one closed by the input being handled
    // has not yet left its loop, once it has (a window opened inside that loop would
    // hold it there).
    void OpenModal(TSkinnedForm* window);
    // After every input that changed the board: a hint searched goes, a new
    // deal starts its par search, and the window tells the deal's number.
    void BoardChanged();
    void TakeHint(int row, int column, std::uint64_t token);
    // The hinted group glows slowly brighter and dimmer until the hint goes.
    void PulseHint(double time);
    void EndPulse();
    void ShowParLine();
    void EndParLine();
    bool EndedLineShow();
    bool RunWindowKey(const QKeyEvent& event);
    void AskDealNumber();

    const RunState& run_;
    IGameAudio& audio_;
    PendingResult& pending_;
    const IPlayerSettings* settings_ = nullptr;
    TSkinnedForm* OptionsWindow();
    TSkinnedForm* ScoreWindow();

    int LastMouseX = 0;
    int LastMouseY = 0;
    std::function<TSkinnedForm&()> makeOptions_;
    std::function<TSkinnedForm&()> makeScores_;
    TSkinnedForm* optionsWindow_ = nullptr;
    TSkinnedForm* scoreWindow_ = nullptr;
    QColor savedHighlightColor_;  // the desktop's, put back at close
    std::unique_ptr<SystemClock> clock_;
    std::unique_ptr<MainScene> scene_;
    std::unique_ptr<PlaySession> session_;
    DealAssist* assist_ = nullptr;
    std::unique_ptr<LineReplay> replay_;
    std::function<void()> askDealNumber_;
    std::vector<int> pulsed_;  // the pieces the hint's pulse has touched
    bool activated_ = false;
    bool firstFrameShown_ = false;
    int activationCount_ = 0;
    bool closed_ = false;
};

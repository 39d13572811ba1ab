#pragma once

#include "TSkinnedForm.h"

#include "FieldCursor.h"
#include "IGameOptions.h"
#include "ISoundRequests.h"

#include <QColor>
#include <QString>

#include <memory>

class Game;
class GameAudio;
class IPlayerSettings;
class MainScene;
class PendingResult;
class SystemClock;
class TFrogButton;
struct RunState;

// The main window: owns the game, the 3D view and its scene.
class TFormMain : public TSkinnedForm, private IGameOptions, private ISoundRequests {
    Q_OBJECT
public:
    // `pending` takes a finished game's score for the score window.
    TFormMain(const RunState& run, GameAudio& audio, PendingResult& pending, QWidget* parent = nullptr);
    ~TFormMain() override;

    // The options in force, from the options window once it has read them;
    // until then the rules see no size chosen and no scheme.
    void UseSettings(const IPlayerSettings& settings) { settings_ = &settings; }
    // The windows the Options and Scores buttons open (and the end of a game).
    void UseWindows(TSkinnedForm* options, TSkinnedForm* scores);

    // The rules, as methods of the main window.
    void InitGame();
    void RestoreUndo();
    void RestoreRedo();
    Game& game() { return *game_; }
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

    // Called once every window exists and before the first showing: the song
    // that the activation will start begins to load on another thread, while
    // the showing loads the GL driver.
    void PrepareFirstShowing();

    // Set when the sound library's version test failed: the program must end
    // at once, before any other window is made.
    bool EndsAtOnce() const { return endsAtOnce_; }

    // The keyboard's place on the field, and whether it (not the pointer)
    // lights the group now.
    const FieldCursor& Cursor() const { return cursor_; }
    bool CursorLit() const { return cursorLit_; }
    // What the view tells assistive technology of the lit group.
    QString LitGroupDescription() const;

    bool Activated() const { return activated_; }
    int ActivationCount() const { return activationCount_; }

    TFrogButton* btNewGame = nullptr;
    TFrogButton* btOptions = nullptr;
    TFrogButton* fbHighScores = nullptr;
    TFrogButton* fbExit = nullptr;
    TFrogButton* btUndo = nullptr;

    int LastMouseX = 0;
    int LastMouseY = 0;

signals:
    // A sound effect was requested while sound effects are on.
    void soundRequested(int slot);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    void CreateControls();
    bool RunKey(const QKeyEvent& event);
    // A key takes the lighting from the pointer: false when the cursor did not
    // have it, so that the key only shows where the cursor is.
    bool TakeLighting();
    void MoveCursor(FieldCursor::Direction direction);
    void PlayAtCursor();
    // The board changed under the cursor (undo, redo, a new game): it lights
    // the group it lands on, if it has the lighting.
    void FollowBoard();
    void LightCursorPiece();
    TFrogButton* AddButton(int left, int top, const QString& text, int xOffset, void (TFormMain::*handler)());

    bool sizeButtonDown(SizeButton button) const override;
    int schemeIndex() const override;
    void playSound(Sound sound) override;
    // The finished game's score goes to the score window, which opens modal:
    // returns when it has been closed.
    void showHighScores();
    // Shows one of the modal windows; while one closed by the input being handled
    // has not yet left its loop, once it has (a window opened inside that loop would
    // hold it there).
    void OpenModal(TSkinnedForm* window);

    const RunState& run_;
    GameAudio& audio_;
    PendingResult& pending_;
    const IPlayerSettings* settings_ = nullptr;
    TSkinnedForm* optionsWindow_ = nullptr;
    TSkinnedForm* scoreWindow_ = nullptr;
    QColor savedHighlightColor_;  // the desktop's, put back at close
    std::unique_ptr<SystemClock> clock_;
    std::unique_ptr<MainScene> scene_;
    std::unique_ptr<Game> game_;
    bool activated_ = false;
    int activationCount_ = 0;
    bool closed_ = false;
    bool endsAtOnce_ = false;
    FieldCursor cursor_;
    bool cursorLit_ = false;
};

// The single instance, alive for the whole run.
extern TFormMain* FormMain;

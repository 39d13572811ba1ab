#pragma once

#include <QString>
#include <QWidget>
#include <QTemporaryDir>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/BuildWindows.h"

class GameAudio;
class PendingResult;
class PlaySession;
class QWidget;
class ScoreTable;
struct RunState;

// A left click in the middle of a control, as the player makes it.
void ClickMiddle(QWidget* widget);

// The control of `window` by its object name; throws when there is none or it
// is of another class.
template <class T = QWidget>
T* Control(const QWidget& window, const char* name)
{
    auto* control = window.findChild<T*>(name);
    if (!control)
        throw std::logic_error(std::string("no control named ") + name);
    return control;
}

// Puts `score` on the board in play, as if the turns had brought it.
void SetScore(PlaySession& session, int score);
// Lays a board on which no two like pieces touch: the next click ends the game.
void StickBoard(PlaySession& session);
// Ends the game in play as a stuck board does, at its first click; the score
// window is not opened.
void EndGame(PlaySession& session);

// The three windows built by the program's own BuildWindows, with the run's
// state, audio, score table and pending result of their own, in a temporary
// copy of the data folder that is the current directory.
class GameWorld {
public:
    GameWorld();
    ~GameWorld();

    // Before Start(): shape the data folder.
    void WriteIni(const std::string& text);
    std::string ReadIni() const;
    void Remove(const QString& relative);
    QString Path(const QString& relative) const;

    void Start();

    TFormMain& main() const { return windows_->Main(); }
    // Built at the first call, as the program builds them at their first opening.
    TFormOpt& opt() const { return windows_->Options(); }
    TFormScore& score() const { return windows_->Scores(); }
    Windows& windows() const { return *windows_; }
    GameAudio& audio() const { return *audio_; }
    PendingResult& pending() const { return *pending_; }

    std::vector<std::string> messages;

private:
    QTemporaryDir dir_;
    QString oldCwd_;
    std::unique_ptr<RunState> run_;
    std::unique_ptr<GameAudio> audio_;
    std::unique_ptr<ScoreTable> table_;
    std::unique_ptr<PendingResult> pending_;
    std::unique_ptr<Windows> windows_;
};

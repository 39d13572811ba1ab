#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

class Game;
class GameAudio;
class PendingResult;
class QWidget;
class ScoreTable;
class TFormMain;
class TFormOpt;
class TFormScore;
struct RunState;

// A left click in the middle of a control, as the player makes it.
void ClickMiddle(QWidget* widget);

// Puts `score` on the board in play, as if the turns had brought it.
void SetScore(Game& game, int score);

// The three windows started the way the program starts them, with the run's
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

    void StartMain();
    void StartOpt();
    void StartScore();
    void Start();

    TFormMain& main() const { return *main_; }
    TFormOpt& opt() const { return *opt_; }
    TFormScore& score() const { return *score_; }
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
    std::unique_ptr<TFormMain> main_;
    std::unique_ptr<TFormOpt> opt_;
    std::unique_ptr<TFormScore> score_;
};

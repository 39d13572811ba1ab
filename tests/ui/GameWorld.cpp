#include "GameWorld.h"

#include "DataPath.h"
#include "Game.h"
#include "GameAudio.h"
#include "MciErrorBox.h"
#include "MessageBoxes.h"
#include "PendingResult.h"
#include "RunState.h"
#include "ScoreTable.h"
#include "TFormMain.h"
#include "TFormOpt.h"
#include "TFormScore.h"

#include "../support/DataCopy.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>
#include <QWidget>

#include <fstream>
#include <sstream>
#include <stdexcept>

void ClickMiddle(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(widget->width() / 2, widget->height() / 2));
}

GameWorld::GameWorld()
{
    const QByteArray source = qgetenv("GLIMMORA_SOURCE_DIR");
    if (source.isEmpty())
        throw std::runtime_error("GLIMMORA_SOURCE_DIR is not set");
    CopyTree(QString::fromLocal8Bit(source) + "/data", dir_.path());
    QFile::remove(Path("s3d.ini"));
    // A player's folder as the launcher makes it: the shipped score table,
    // no settings yet.
    QFile::remove(Path("hscore.dat"));
    QFile::copy(Path("defaults/hscore.dat"), Path("hscore.dat"));
    oldCwd_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());
    MessageBoxes::SetMessageSink([this](const std::string& text) { messages.push_back(text); });
    MciErrorBox::SetSink(
        [this](const std::string& text, const std::string& caption) { messages.push_back(caption + ": " + text); });
    run_ = std::make_unique<RunState>(RunState{QString::fromStdString(CurrentBaseDir())});
    audio_ = std::make_unique<GameAudio>(run_->BaseDir.toStdString());
    table_ = std::make_unique<ScoreTable>();
    pending_ = std::make_unique<PendingResult>();
}

GameWorld::~GameWorld()
{
    score_.reset();
    opt_.reset();
    main_.reset();
    audio_.reset();
    MessageBoxes::SetMessageSink({});
    MciErrorBox::SetSink({});
    QDir::setCurrent(oldCwd_);
}

QString GameWorld::Path(const QString& relative) const { return dir_.path() + "/" + relative; }

void GameWorld::WriteIni(const std::string& text)
{
    std::ofstream(Path("s3d.ini").toStdString(), std::ios::binary) << text;
}

std::string GameWorld::ReadIni() const
{
    std::ifstream in(Path("s3d.ini").toStdString(), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void GameWorld::Remove(const QString& relative) { QFile::remove(Path(relative)); }

// As the program wires them: see its entry.
void GameWorld::StartMain() { main_ = std::make_unique<TFormMain>(*run_, *audio_, *pending_); }
void GameWorld::StartOpt()
{
    opt_ = std::make_unique<TFormOpt>(*run_, *audio_, *main_, [this](const IPlayerSettings& settings) {
        main_->UseSettings(settings);
        main_->InitGame();
    });
}
void GameWorld::StartScore()
{
    score_ = std::make_unique<TFormScore>(*run_, *table_, *pending_, *opt_, *main_);
    main_->UseWindows(opt_.get(), score_.get());
}

void GameWorld::Start()
{
    StartMain();
    StartOpt();
    StartScore();
}

void SetScore(Game& game, int score)
{
    BoardState board = game.Board();
    board.Score = score;
    game.SetBoard(board);
}

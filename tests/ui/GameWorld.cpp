#include "GameWorld.h"

#include "BoardSketch.h"
#include "platform/DataPath.h"
#include "audio/GameAudio.h"
#include "audio/MciErrorBox.h"
#include "platform/MessageBoxes.h"
#include "scores/PendingResult.h"
#include "game/PlaySession.h"
#include "ui/RunState.h"
#include "scores/ScoreTable.h"
#include "ui/TFormMain.h"
#include "ui/TFormOpt.h"
#include "ui/TFormScore.h"

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
    windows_.reset();
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

// Small search budgets: the windows' tests are about the wiring, and a full
// par search in every world would keep a core busy throughout.
void GameWorld::Start()
{
    windows_ = BuildWindows(*run_, *audio_, *table_, *pending_, StartChoices{std::nullopt, AssistBudgets{300, 3000}});
}

void SetScore(PlaySession& session, int score)
{
    BoardState board = session.game().Board();
    board.Score = score;
    session.SetBoard(board);
}

void StickBoard(PlaySession& session)
{
    const BoardState& board = session.game().Board();
    session.SetBoard(Laid(board, Checkerboard(board.FieldRows, board.FieldCols)));
}

void EndGame(PlaySession& session)
{
    StickBoard(session);
    session.PointerMoved(1);
    session.PointerPressed(1);
}

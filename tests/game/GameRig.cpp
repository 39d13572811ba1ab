#include "GameRig.h"

#include "BoardSketch.h"

#include <algorithm>
#include <stdexcept>

void FakeOutside::showHighScores()
{
    ++shows;
    log.push_back("highscores");
    if (onShow)
        onShow();
}

std::vector<std::string> FakeOutside::sounds() const
{
    std::vector<std::string> out;
    std::copy_if(log.begin(), log.end(), std::back_inserter(out),
                 [](const std::string& s) { return s.rfind("sound ", 0) == 0; });
    return out;
}

GameRig::GameRig() : session(scene, outside, options, clock), game(session.game()) {}

void GameRig::NewGame(int cols, std::uint32_t seed)
{
    options.size(cols);
    session.SetSeedOverride(seed);
    Run(PlaySession::Command::NewGame);
}

void GameRig::Lay(const std::vector<std::string>& rows) { session.SetBoard(Laid(game.Board(), rows)); }

std::vector<std::string> GameRig::Kinds() const { return KindsOf(game.Board()); }

TurnResult GameRig::ClickPiece(int piece)
{
    const PlaySession::Outcome outcome = session.PointerPressed(piece);
    if (outcome.GameOver())
        outside.showHighScores();
    return outcome.turn;
}

PlaySession::Outcome GameRig::Run(PlaySession::Command command)
{
    const PlaySession::Outcome outcome = session.Run(command);
    if (outcome.GameOver())
        outside.showHighScores();
    return outcome;
}

NullPiece& GameRig::Obj(int piece) const
{
    auto* p = dynamic_cast<NullPiece*>(game.ObjectOf(piece));
    if (!p)
        throw std::logic_error("no object for piece " + std::to_string(piece));
    return *p;
}

std::vector<std::pair<int, int>> GameRig::LitCells() const
{
    std::vector<std::pair<int, int>> cells;
    for (int r = 1; r <= game.Board().FieldRows; ++r)
        for (int c = 1; c <= game.Board().FieldCols; ++c)
            if (PieceAt(r, c) && Obj(PieceAt(r, c)).visible() && Obj(PieceAt(r, c)).highlighted())
                cells.emplace_back(r, c);
    return cells;
}

#include "GameRig.h"

#include <algorithm>
#include <stdexcept>

IPieceObject* FakeScene::createPiece(int scheme, int kind, double x, double y, int tag)
{
    if (scheme < 0 || scheme > 2)
        return nullptr;
    all.push_back(std::make_unique<FakePiece>(scheme, kind, x, y, tag, &misuse));
    return all.back().get();
}

void FakeScene::destroyPiece(IPieceObject* piece)
{
    const auto it = std::find_if(all.begin(), all.end(), [&](const auto& p) { return p.get() == piece; });
    if (it == all.end() || (*it)->destroyed) {
        ++foreignDestroys;
        return;
    }
    destroyedTags.push_back(piece->tag());
    (*it)->destroyed = true;
}

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

GameRig::GameRig() : game(scene, outside, options, outside, clock) {}

void GameRig::NewGame(int cols, std::uint32_t seed)
{
    options.size(cols);
    game.SetSeedOverride(seed);
    game.InitGame();
}

void GameRig::Lay(const std::vector<std::string>& rows)
{
    if (static_cast<int>(rows.size()) != game.FieldRows)
        throw std::invalid_argument("Lay: wrong number of rows");
    for (int r = 1; r <= game.FieldRows; ++r) {
        const std::string& row = rows[r - 1];
        if (static_cast<int>(row.size()) != game.FieldCols)
            throw std::invalid_argument("Lay: wrong row length");
        for (int c = 1; c <= game.FieldCols; ++c) {
            const int piece = (r - 1) * game.FieldCols + c;
            BoardCell& cell = game.Matrix[r][c];
            const char ch = row[c - 1];
            cell.kind = ch == '.' ? 0 : ch == '#' ? -1 : ch - '0';
            cell.piece = ch == '#' ? 0 : piece;
            if (cell.kind > 0)
                game.PieceMap[piece].kind = cell.kind;
            Obj(piece).shown = cell.kind > 0;
        }
    }
}

std::vector<std::string> GameRig::Kinds() const
{
    std::vector<std::string> rows;
    for (int r = 1; r <= game.FieldRows; ++r) {
        std::string row;
        for (int c = 1; c <= game.FieldCols; ++c) {
            const int k = game.Matrix[r][c].kind;
            row += k == 0 ? '.' : k == -1 ? '#' : static_cast<char>('0' + k);
        }
        rows.push_back(row);
    }
    return rows;
}

int GameRig::PieceAt(int r, int c) const
{
    if (r < 1 || r > game.FieldRows || c < 1 || c > game.FieldCols)
        return 0;
    const BoardCell& cell = game.Matrix[r][c];
    return cell.kind > 0 ? cell.piece : 0;
}

FakePiece& GameRig::Obj(int piece) const
{
    auto* p = dynamic_cast<FakePiece*>(game.ObjectOf(piece));
    if (!p)
        throw std::logic_error("no object for piece " + std::to_string(piece));
    return *p;
}

std::vector<std::pair<int, int>> GameRig::LitCells() const
{
    std::vector<std::pair<int, int>> cells;
    for (int r = 1; r <= game.FieldRows; ++r)
        for (int c = 1; c <= game.FieldCols; ++c)
            if (PieceAt(r, c) && Obj(PieceAt(r, c)).shown && Obj(PieceAt(r, c)).lit)
                cells.emplace_back(r, c);
    return cells;
}

#include "ReplaySession.h"

#include "FrameworkError.h"
#include "SoundFiles.h"

#include <charconv>
#include <filesystem>
#include <limits>
#include <ostream>
#include <sstream>

namespace {

std::vector<std::string> Words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

template <typename T>
bool ParseWhole(const std::string& text, T& value)
{
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

// What follows the command word and the one blank after it, kept as typed.
std::string RestOfLine(const std::string& line, const std::string& word)
{
    const std::size_t start = line.find(word) + word.size();
    return start < line.size() ? line.substr(start + 1) : std::string();
}

}  // namespace

ReplaySession::ReplaySession(std::ostream& out, std::ostream& err)
    : out_(out), err_(err), game_(scene_, *this, *this, *this)
{
}

bool ReplaySession::Execute(const std::string& line)
{
    const std::vector<std::string> words = Words(line);
    if (words.empty())
        return true;
    const std::string& cmd = words[0];
    const std::vector<std::string> args(words.begin() + 1, words.end());
    if (cmd == "save")
        return Save(line);
    // The main window takes input again only once the score window is closed, which
    // discards a result not saved; a rejected line changes nothing.
    const PendingResult before = pending_;
    if (cmd == "new" || cmd == "move" || cmd == "press" || cmd == "undo" || cmd == "redo")
        pending_.Discard();
    if (!Play(cmd, args, line)) {
        pending_ = before;
        return false;
    }
    return true;
}

bool ReplaySession::Play(const std::string& cmd, const std::vector<std::string>& args, const std::string& line)
{
    if (cmd == "new")
        return New(args) || Fail(line, "expected: new 20x12|18x10|16x8 SEED");
    if (cmd == "move")
        return Move(args) || Fail(line, "expected: move R C | move none");
    if (!args.empty())
        return Fail(line, "unexpected arguments");
    if (cmd == "press") {
        if (game_.TurnStep(PieceUnderPointer()).gameOver)
            ShowHighScores();
    } else if (cmd == "undo") {
        if (game_.GameActive)
            game_.RestoreUndo();
    } else if (cmd == "redo") {
        game_.RestoreRedo();
    } else if (cmd == "print") {
        Print();
    } else if (cmd == "table") {
        PrintTable();
    } else {
        return Fail(line, "unknown command");
    }
    return true;
}

bool ReplaySession::New(const std::vector<std::string>& args)
{
    if (args.size() != 2)
        return false;
    int size = 0;
    if (args[0] == "20x12")
        size = 20;
    else if (args[0] == "18x10")
        size = 18;
    else if (args[0] == "16x8")
        size = 16;
    std::uint32_t seed = 0;
    if (size == 0 || !ParseWhole(args[1], seed))
        return false;
    size_ = size;
    pointerRow_ = pointerCol_ = 0;
    game_.SetSeedOverride(seed);
    game_.InitGame();
    return true;
}

bool ReplaySession::Move(const std::vector<std::string>& args)
{
    if (args.size() == 1 && args[0] == "none") {
        pointerRow_ = pointerCol_ = 0;
    } else {
        int row = 0;
        int col = 0;
        if (args.size() != 2 || !ParseWhole(args[0], row) || !ParseWhole(args[1], col))
            return false;
        // A cell off the field is a spot where the pointer finds nothing.
        const bool onField = row >= 1 && row <= game_.Board().FieldRows && col >= 1 && col <= game_.Board().FieldCols;
        pointerRow_ = onField ? row : 0;
        pointerCol_ = onField ? col : 0;
    }
    game_.HoverStep(PieceUnderPointer());
    return true;
}

int ReplaySession::PieceUnderPointer() const
{
    return game_.Board().PieceAt(pointerRow_, pointerCol_);
}

void ReplaySession::Print() const
{
    const BoardState& board = game_.Board();
    out_ << "kinds\n";
    for (int r = 1; r <= board.FieldRows; ++r) {
        for (int c = 1; c <= board.FieldCols; ++c)
            out_ << (c > 1 ? " " : "") << board.Matrix[r][c].kind;
        out_ << '\n';
    }
    out_ << "score " << board.Score << " points " << game_.Points << " group " << game_.GroupCount() << " active "
         << (game_.GameActive ? 1 : 0) << " undo " << game_.UndoDepth() << " shift " << (board.ShiftSide ? 1 : 0)
         << '\n';
    out_ << "lit";
    for (int r = 1; r <= board.FieldRows; ++r)
        for (int c = 1; c <= board.FieldCols; ++c) {
            const NullPiece* piece = scene_.Find(game_.ObjectOf(board.PieceAt(r, c)));
            if (piece && piece->visible() && piece->highlighted())
                out_ << ' ' << r << ',' << c;
        }
    out_ << '\n';
}

void ReplaySession::LoadScores()
{
    std::error_code ec;
    if (!std::filesystem::exists(ScoreTable::FileName, ec))
        return;
    try {
        scores_.Load();
    } catch (const FrameworkError& error) {
        err_ << "glimmora-replay: " << error.Text() << '\n';
    }
}

bool ReplaySession::Save(const std::string& line)
{
    if (!pending_.IsPending())
        return Fail(line, "no result to save");
    try {
        pending_.Save(scores_, QString::fromUtf8(RestOfLine(line, "save")), ScoreTable::FileName);
    } catch (const FrameworkError& error) {
        return Fail(line, error.Text());
    }
    return true;
}

void ReplaySession::PrintTable() const
{
    for (int rank = 1; rank <= ScoreTable::Ranks; ++rank)
        out_ << scores_.Row(rank).text.toStdString() << '\n';
}

bool ReplaySession::sizeButtonDown(SizeButton button) const
{
    const BoardSize* size = BoardSizeWithCols(size_);
    return size && size->button == button;
}

void ReplaySession::playSound(Sound sound)
{
    const int slot = SlotOf(sound);
    if (const char* file = SoundFileOfSlot(slot))
        out_ << "sound " << file << '\n';
    else
        err_ << "glimmora-replay: sound request for unknown slot " << slot << '\n';
}

void ReplaySession::ShowHighScores()
{
    out_ << "highscores " << game_.Board().Score << '\n';
    // The window's activation takes the result over.
    game_.ResultPending = false;
    pending_.Offer(game_.Board().Score);
}

bool ReplaySession::Fail(const std::string& line, const std::string& why) const
{
    err_ << "glimmora-replay: bad line \"" << line << "\": " << why << '\n';
    return false;
}

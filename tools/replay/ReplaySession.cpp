#include "ReplaySession.h"

#include "platform/FrameworkError.h"
#include "audio/SoundFiles.h"
#include "solver/HintSearch.h"
#include "solver/ParSearch.h"

#include <future>

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
    : out_(out), err_(err), session_(scene_, *this, *this, *this)
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
    if (cmd == "new" || cmd == "deal" || cmd == "move" || cmd == "press" || cmd == "undo" || cmd == "redo" || cmd == "key")
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
    if (cmd == "deal")
        return Deal(args) || Fail(line, "expected: deal 20x12|18x10|16x8-SEED, SEED below 86400000");
    if (cmd == "par")
        return Par(args) || Fail(line, "expected: par [PLAYOUTS], in a game dealt by a seed below 86400000");
    if (cmd == "move")
        return Move(args) || Fail(line, "expected: move R C | move none");
    if (cmd == "key")
        return Key(args) || Fail(line, "expected: key left|right|up|down|play");
    if (!args.empty())
        return Fail(line, "unexpected arguments");
    if (cmd == "press") {
        Ended(session_.PointerPressed(PieceUnderPointer()));
    } else if (cmd == "undo") {
        session_.Run(PlaySession::Command::Undo);
    } else if (cmd == "redo") {
        session_.Run(PlaySession::Command::Redo);
    } else if (cmd == "hint") {
        return Hint() || Fail(line, "no hint: the game is over");
    } else if (cmd == "print") {
        Print();
    } else if (cmd == "cursor") {
        PrintCursor();
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
    session_.SetSeedOverride(seed);
    session_.Run(PlaySession::Command::NewGame);
    return true;
}

bool ReplaySession::Deal(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return false;
    const BoardSize* size = BoardSizeWithCols(size_);
    const ParsedDeal parsed = DealNumber::Parse(args[0], size ? *size : BoardSizes.front());
    if (!parsed)
        return false;
    size_ = parsed.deal->Cols();
    pointerRow_ = pointerCol_ = 0;
    session_.Deal(*parsed.deal);
    return true;
}

// Searches on a worker and shows the answer as the main window does.
bool ReplaySession::Hint()
{
    std::promise<solver::Hint> answer;
    const auto search = solver::HintSearch::Start(session_.game().Board(), session_.BoardGeneration(),
                                                  [&answer](const solver::Hint& hint) { answer.set_value(hint); });
    if (!search || !session_.game().GameActive())
        return false;
    const solver::Hint hint = answer.get_future().get();
    if (session_.ShowHint(hint.move.row, hint.move.column, hint.token).change == PlaySession::Outcome::Change::None)
        return false;
    out_ << "hint " << hint.move.row << ' ' << hint.move.column << ' ' << hint.points << '\n';
    return true;
}

bool ReplaySession::Par(const std::vector<std::string>& args)
{
    std::uint64_t playouts = solver::kParPlayouts;
    if (args.size() > 1 || (args.size() == 1 && (!ParseWhole(args[0], playouts) || playouts == 0)))
        return false;
    const std::optional<DealNumber> deal = session_.game().Deal();
    if (!deal)
        return false;
    std::promise<solver::Line> best;
    solver::BackgroundCallbacks callbacks;
    callbacks.finished = [&best](const solver::Line& line) { best.set_value(line); };
    const solver::ParSearch par(*deal, callbacks, playouts);
    const solver::Line line = best.get_future().get();
    out_ << "par " << line.points;
    for (const solver::Move& move : line.moves)
        out_ << ' ' << move.row << ',' << move.column;
    out_ << '\n';
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
        const bool onField = row >= 1 && row <= session_.game().Board().FieldRows && col >= 1 && col <= session_.game().Board().FieldCols;
        pointerRow_ = onField ? row : 0;
        pointerCol_ = onField ? col : 0;
    }
    session_.PointerMoved(PieceUnderPointer());
    return true;
}

bool ReplaySession::Key(const std::vector<std::string>& args)
{
    using Command = PlaySession::Command;
    static const std::pair<const char*, Command> keys[] = {
        {"left", Command::CursorLeft}, {"right", Command::CursorRight}, {"up", Command::CursorUp},
        {"down", Command::CursorDown}, {"play", Command::Play},
    };
    if (args.size() != 1)
        return false;
    for (const auto& [name, command] : keys)
        if (args[0] == name) {
            Ended(session_.Run(command));
            return true;
        }
    return false;
}

int ReplaySession::PieceUnderPointer() const
{
    return session_.game().Board().PieceAt(pointerRow_, pointerCol_);
}

void ReplaySession::Print() const
{
    const Game& game = session_.game();
    const BoardState& board = game.Board();
    out_ << "kinds\n";
    for (int r = 1; r <= board.FieldRows; ++r) {
        for (int c = 1; c <= board.FieldCols; ++c)
            out_ << (c > 1 ? " " : "") << board.Matrix(r, c).kind;
        out_ << '\n';
    }
    out_ << "score " << board.Score << " points " << game.Points() << " group " << game.GroupCount() << " active "
         << (game.GameActive() ? 1 : 0) << " undo " << game.UndoDepth() << " shift " << (board.ShiftSide ? 1 : 0)
         << '\n';
    out_ << "lit";
    for (int r = 1; r <= board.FieldRows; ++r)
        for (int c = 1; c <= board.FieldCols; ++c) {
            const NullPiece* piece = scene_.Find(game.ObjectOf(board.PieceAt(r, c)));
            if (piece && piece->visible() && piece->highlighted())
                out_ << ' ' << r << ',' << c;
        }
    out_ << '\n';
}

void ReplaySession::PrintCursor() const
{
    const FieldCursor& cursor = session_.Cursor();
    out_ << "cursor " << cursor.Row() << ' ' << cursor.Column() << (session_.CursorLit() ? " lit" : "") << '\n';
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

void ReplaySession::Ended(const PlaySession::Outcome& outcome)
{
    if (!outcome.GameOver())
        return;
    // A game played with a hint is shown its score but not offered for the table.
    out_ << "highscores " << outcome.finalScore << (outcome.hinted ? " hinted" : "") << '\n';
    if (!outcome.hinted)
        pending_.Offer(outcome.finalScore);
}

bool ReplaySession::Fail(const std::string& line, const std::string& why) const
{
    err_ << "glimmora-replay: bad line \"" << line << "\": " << why << '\n';
    return false;
}

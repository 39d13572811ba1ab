// The built glimmora-replay, fed whole games whose output the plain
// restatement of the rules predicts line by line.
#include "game/Game.h"
#include "ReferenceBoard.h"
#include "ReplayRun.h"
#include "audio/SoundFiles.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <sstream>

namespace {

std::string Board(const ReferenceBoard& b)
{
    std::string text = "kinds\n";
    for (int r = 1; r <= b.Rows(); ++r) {
        for (int c = 1; c <= b.Cols(); ++c)
            text += (c > 1 ? " " : "") + std::to_string(b.At(r, c));
        text += '\n';
    }
    return text;
}

std::string Status(const ReferenceBoard& b, int points, int group, bool active, int undo,
                   const std::vector<ReferenceBoard::Cell>& lit)
{
    std::string text = "score " + std::to_string(b.score) + " points " + std::to_string(points) + " group "
                       + std::to_string(group) + " active " + (active ? "1" : "0") + " undo " + std::to_string(undo)
                       + " shift " + (b.shiftSide ? "1" : "0") + "\nlit";
    for (const auto& [r, c] : lit)
        text += " " + std::to_string(r) + "," + std::to_string(c);
    return text + "\n";
}

// Writes a whole game as a script and the output it must produce.
void WriteGame(int cols, std::uint32_t seed, std::mt19937& rng, std::string& script, std::string& expected)
{
    const char* size = cols == 20 ? "20x12" : cols == 18 ? "18x10" : "16x8";
    script += "new " + std::string(size) + " " + std::to_string(seed) + "\nprint\n";
    ReferenceBoard b = ReferenceBoard::Deal(cols, seed);
    expected += Board(b) + Status(b, 0, 0, true, 0, {});
    std::vector<ReferenceBoard> history;
    std::vector<ReferenceBoard> undone;
    const auto keepLevel = [&history](const ReferenceBoard& level) {
        history.push_back(level);
        if (history.size() > Game::MaxUndo)
            history.erase(history.begin());
    };
    bool active = true;
    int points = 0;
    while (active) {
        const unsigned step = rng() % 8;
        const bool undo = step == 0 && !history.empty();
        if (undo || (step < 3 && !undone.empty())) {
            script += undo ? "undo\nprint\n" : "redo\nprint\n";
            const ReferenceBoard left = b;
            std::vector<ReferenceBoard>& from = undo ? history : undone;
            b = from.back();
            from.pop_back();
            if (undo) {
                undone.push_back(left);
                b.shiftSide = left.shiftSide;  // Undo keeps the closing side; Redo brings back its own.
            } else {
                keepLevel(left);
            }
            points = 0;
            expected += Board(b) + Status(b, 0, 0, true, static_cast<int>(history.size()), {});
            continue;
        }
        const int r = 1 + static_cast<int>(rng() % b.Rows());
        const int c = 1 + static_cast<int>(rng() % b.Cols());
        script += "move none\nmove " + std::to_string(r) + " " + std::to_string(c) + "\nprint\npress\nprint\n";
        const auto group = b.GroupAt(r, c);
        const int n = static_cast<int>(group.size());
        points = n > 1 ? (n - 2) * (n - 2) : 0;
        if (n == 0)
            points = 0;
        expected += Board(b) + Status(b, points, n, true, static_cast<int>(history.size()), group);
        if (n == 0) {  // the press finds nothing under the pointer
            expected += Board(b) + Status(b, 0, 0, true, static_cast<int>(history.size()), {});
            continue;
        }
        keepLevel(b);
        undone.clear();
        const auto turn = b.Play(r, c);
        expected += std::string("sound ") + SoundFileOfSlot(turn.removed ? turn.kind : 6) + "\n";
        for (int i = 0; i < turn.closings; ++i)
            expected += "sound erase.mp3\n";
        active = b.HasMove();
        if (!active) {
            points = 0;
            expected += "sound win.mp3\nhighscores " + std::to_string(b.score) + "\n";
        }
        const std::vector<ReferenceBoard::Cell> stillLit =
            turn.removed ? std::vector<ReferenceBoard::Cell>{} : std::vector<ReferenceBoard::Cell>{{r, c}};
        expected += Board(b) + Status(b, points, 0, active, static_cast<int>(history.size()), stillLit);
    }
    // Once over, Undo and Redo do nothing.
    script += "undo\nredo\nprint\n";
    expected += Board(b) + Status(b, 0, 0, false, static_cast<int>(history.size()), {});
}

TEST(ReplayTool, WholeGamesPrintExactlyWhatTheRulesPredict)
{
    std::mt19937 rng(77);
    std::string script, expected;
    for (const int cols : {16, 18, 20, 16})
        WriteGame(cols, rng(), rng, script, expected);
    const ToolRun run = RunTool(script);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    ASSERT_EQ(run.out.size(), expected.size());
    EXPECT_EQ(run.out, expected);
}

TEST(ReplayTool, FirstMoveOntoTheLastDealtPieceLightsNothing)
{
    const ReferenceBoard b = ReferenceBoard::Deal(16, 1);
    const ToolRun run = RunTool("new 16x8 1\nmove 8 16\nprint\n");
    EXPECT_EQ(run.out, Board(b) + Status(b, 0, 0, true, 0, {}));
}

std::vector<std::string> Lines(const std::string& text);

// The keys go through the same session as the windows' (its own tests say what
// they do); the tool shows the cursor where the session has it.
TEST(ReplayTool, KeysMoveTheCursorAndPlayAtIt)
{
    ReferenceBoard b = ReferenceBoard::Deal(16, 1);
    const ToolRun run = RunTool("new 16x8 1\ncursor\nkey down\ncursor\nkey up\nkey right\ncursor\nkey play\n"
                                "key sideways\nkey\ncursor now\nprint\n");
    EXPECT_EQ(run.status, 1);
    const auto lines = Lines(run.out);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "cursor 8 1");
    EXPECT_EQ(lines[1], "cursor 8 1 lit");
    EXPECT_EQ(lines[2], "cursor 7 2 lit");
    b.Play(7, 2);
    EXPECT_NE(run.out.find(Board(b)), std::string::npos);
    EXPECT_NE(run.out.find(" undo 1 "), std::string::npos);
    EXPECT_EQ(Lines(run.err).size(), 3u);
}

TEST(ReplayTool, BadLinesGoToStandardErrorAndPlayGoesOn)
{
    const ReferenceBoard b = ReferenceBoard::Deal(18, 9);
    const ToolRun run = RunTool("print\nfly away\nnew 17x9 1\nnew 18x10 nine\nnew 18x10 9\nmove 3\nmove x y\n"
                                "print now\n\nmove 99 99\nprint\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              "kinds\n" + Status(ReferenceBoard(), 0, 0, false, 0, {}) + Board(b) + Status(b, 0, 0, true, 0, {}));
    std::istringstream err(run.err);
    int lines = 0;
    for (std::string line; std::getline(err, line); ++lines)
        EXPECT_NE(line.find("glimmora-replay"), std::string::npos) << line;
    EXPECT_EQ(lines, 6);
}

// The score window of the tool: start-up loading, save NAME and table.

std::vector<std::string> Lines(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The last `n` lines of the tool's output.
std::vector<std::string> LastLines(const std::string& text, std::size_t n)
{
    const std::vector<std::string> all = Lines(text);
    return std::vector<std::string>(all.end() - static_cast<std::ptrdiff_t>(std::min(n, all.size())), all.end());
}

// A game played to its end, always on the first group of two or more; its final
// score in `score`.
std::string PlayedToTheEnd(std::uint32_t seed, int& score)
{
    std::string script = "new 16x8 " + std::to_string(seed) + "\n";
    ReferenceBoard b = ReferenceBoard::Deal(16, seed);
    while (b.HasMove()) {
        bool played = false;
        for (int r = 1; r <= b.Rows() && !played; ++r)
            for (int c = 1; c <= b.Cols() && !played; ++c)
                if (b.GroupAt(r, c).size() >= 2) {
                    script += "move " + std::to_string(r) + " " + std::to_string(c) + "\npress\n";
                    b.Play(r, c);
                    played = true;
                }
    }
    score = b.score;
    return script;
}

// The score file restated: filler, the payload stored 5 lower, filler, CR LF.
std::string ScoreLine(const std::string& payload)
{
    std::string line(10, 'f');
    for (const char c : payload)
        line += static_cast<char>((static_cast<unsigned char>(c) + 251) % 256);
    return line + std::string(10, 'f') + "\r\n";
}

std::string Padded(const std::string& text, std::size_t width, bool behind)
{
    const std::string spaces(width > text.size() ? width - text.size() : 0, ' ');
    return behind ? text + spaces : spaces + text;
}

std::vector<std::string> Payloads(const std::string& bytes)
{
    std::vector<std::string> payloads;
    for (std::string line : Lines(bytes)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::string payload;
        for (const char c : line.substr(10, line.size() - 20))
            payload += static_cast<char>((static_cast<unsigned char>(c) + 5) % 256);
        payloads.push_back(payload);
    }
    return payloads;
}

TEST(ReplayToolScores, SaveEntersTheEndedGameAndTheNextRunLoadsIt)
{
    int score = 0;
    const std::string game = PlayedToTheEnd(3, score);
    ASSERT_GT(score, 0);
    const ToolRun first = RunTool(game + "table\nsave Zoë Łuk\ntable\n");
    EXPECT_EQ(first.status, 0);
    EXPECT_EQ(first.err, "");
    EXPECT_NE(first.out.find("highscores " + std::to_string(score) + "\n"), std::string::npos);
    const std::size_t width = std::max<std::size_t>(3, std::to_string(score).size());
    std::vector<std::string> expected(7, "noname");
    expected.push_back("Zoë ?uk" + std::string(10, ' ') + Padded(std::to_string(score), width, false));
    for (int rank = 2; rank <= 7; ++rank)
        expected.push_back(std::string(17, ' ') + Padded("0", width, false));
    EXPECT_EQ(LastLines(first.out, 14), expected);

    ASSERT_TRUE(first.scoreFile);
    const std::vector<std::string> payloads = Payloads(*first.scoreFile);
    ASSERT_EQ(payloads.size(), 7u);
    EXPECT_EQ(payloads[0], "Zo\xEB ?uk" + std::string(10, ' ') + Padded(std::to_string(score), 3, false));
    EXPECT_EQ(payloads[6], std::string(17, ' ') + "  0");

    const ToolRun second = RunTool("table\n", first.scoreFile);
    EXPECT_EQ(second.status, 0);
    EXPECT_EQ(second.err, "");
    EXPECT_EQ(Lines(second.out), std::vector<std::string>(expected.begin() + 7, expected.end()));
}

TEST(ReplayToolScores, AnEmptyNameIsSavedAsABlankNameColumn)
{
    int score = 0;
    const ToolRun run = RunTool(PlayedToTheEnd(11, score) + "save\ntable\n");
    EXPECT_EQ(run.status, 0);
    const std::size_t width = std::max<std::size_t>(3, std::to_string(score).size());
    EXPECT_EQ(LastLines(run.out, 7)[0], std::string(17, ' ') + Padded(std::to_string(score), width, false));
}

TEST(ReplayToolScores, WithoutAPendingResultSaveIsABadLineAndWritesNothing)
{
    int score = 0;
    const std::string game = PlayedToTheEnd(3, score);
    // Before any game ends; a second save of the same result; after a new game has
    // closed the score window.
    for (const std::string& script : {std::string("save Bob\n"), game + "save Ann\nsave Ann\n",
                                      game + "new 16x8 4\nsave Ann\n", game + "undo\nsave Ann\n",
                                      game + "redo\nsave Ann\n"}) {
        const ToolRun run = RunTool(script + "table\n");
        EXPECT_EQ(run.status, 1) << script;
        const std::vector<std::string> err = Lines(run.err);
        ASSERT_EQ(err.size(), 1u) << run.err;
        EXPECT_NE(err[0].find("glimmora-replay"), std::string::npos);
        EXPECT_NE(err[0].find("save "), std::string::npos);
        const std::vector<std::string> rows = LastLines(run.out, 7);
        const bool savedOnce = script.find("save Ann\nsave Ann") != std::string::npos;
        EXPECT_EQ(rows[0].substr(0, 3), savedOnce ? "Ann" : "non") << script;
        EXPECT_EQ(run.scoreFile.has_value(), savedOnce) << script;
    }
    // A rejected line does not close the window.
    const ToolRun run = RunTool(game + "new 17x9 1\nsave Cy\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.scoreFile.has_value());
}

TEST(ReplayToolScores, ABrokenFileAtStartIsReportedAndPlayGoesOn)
{
    const std::string file = ScoreLine("Ruth Ames         70") + ScoreLine("Sol Ibarra        6x");
    const ReferenceBoard b = ReferenceBoard::Deal(16, 1);
    const ToolRun run = RunTool("table\nnew 16x8 1\nprint\n", file);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "glimmora-replay: ' 6x' is not a valid integer value\n");
    // The bad row keeps its text below every other; the file's end shows as a blank row.
    EXPECT_EQ(run.out, "Ruth Ames         70\n" + std::string(20, ' ') + "\nnoname\nnoname\nnoname\nnoname\nSol Ibarra        6x\n"
                           + Board(b) + Status(b, 0, 0, true, 0, {}));
}

TEST(ReplayToolScores, AResultBelowTheTableLeavesItButRewritesTheFileWithNewFiller)
{
    std::string file;
    std::vector<std::string> rows;
    for (int i = 0; i < 7; ++i) {
        const std::string name = "Wide " + std::to_string(i + 1);
        const std::string points = std::to_string(56644 - 1000 * i);
        file += ScoreLine(Padded(name, 17, true) + points);
        rows.push_back(Padded(name, 17, true) + points);
    }
    int score = 0;
    const ToolRun run = RunTool("table\n" + PlayedToTheEnd(5, score) + "save Low\ntable\n", file);
    ASSERT_LT(score, 50644);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> all = Lines(run.out);
    ASSERT_GE(all.size(), 14u);
    EXPECT_EQ(std::vector<std::string>(all.begin(), all.begin() + 7), rows);
    EXPECT_EQ(LastLines(run.out, 7), rows);
    ASSERT_TRUE(run.scoreFile);
    EXPECT_NE(*run.scoreFile, file);
    EXPECT_EQ(Payloads(*run.scoreFile), rows);
    EXPECT_EQ(run.scoreFile->size(), 7u * 44u) << "42 bytes of a five-digit line and CR LF";
}

}  // namespace

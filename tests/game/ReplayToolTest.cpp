// The built glimmora-replay, fed whole games whose output the plain
// restatement of the rules predicts line by line.
#include "ReferenceBoard.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace {

namespace fs = std::filesystem;

struct ToolRun {
    std::string out;
    std::string err;
    int status = -1;
};

std::string Slurp(const fs::path& path)
{
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

ToolRun RunTool(const std::string& script)
{
    const char* bin = std::getenv("GLIMMORA_BIN_DIR");
    const fs::path tool = fs::path(bin ? bin : "bin") / "glimmora-replay";
    const fs::path dir = fs::temp_directory_path() / ("glimmora-replay-test-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "in.txt") << script;
    const std::string cmd = tool.string() + " < " + (dir / "in.txt").string() + " > " + (dir / "out.txt").string()
                            + " 2> " + (dir / "err.txt").string();
    ToolRun run;
    const int raw = std::system(cmd.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = Slurp(dir / "out.txt");
    run.err = Slurp(dir / "err.txt");
    fs::remove_all(dir);
    return run;
}

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
                       + std::to_string(group) + " active " + (active ? "1" : "0") + " undo "
                       + std::to_string(undo) + " shift " + (b.shiftSide ? "1" : "0") + "\nlit";
    for (const auto& [r, c] : lit)
        text += " " + std::to_string(r) + "," + std::to_string(c);
    return text + "\n";
}

const char* const kFiles[] = {"", "1.mp3", "2.mp3", "3.mp3", "4.mp3", "5.mp3", "not.mp3", "erase.mp3", "win.mp3"};

// Writes a whole game as a script and the output it must produce.
void WriteGame(int cols, std::uint32_t seed, std::mt19937& rng, std::string& script, std::string& expected)
{
    const char* size = cols == 20 ? "20x12" : cols == 18 ? "18x10" : "16x8";
    script += "new " + std::string(size) + " " + std::to_string(seed) + "\nprint\n";
    ReferenceBoard b = ReferenceBoard::Deal(cols, seed);
    expected += Board(b) + Status(b, 0, 0, true, 0, {});
    std::vector<ReferenceBoard> history;
    bool active = true;
    int points = 0;
    while (active) {
        if (!history.empty() && rng() % 8 == 0) {
            script += "undo\nprint\n";
            const bool side = b.shiftSide;
            b = history.back();
            b.shiftSide = side;
            history.pop_back();
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
        if (n == 0) {   // the press finds nothing under the pointer
            expected += Board(b) + Status(b, 0, 0, true, static_cast<int>(history.size()), {});
            continue;
        }
        history.push_back(b);
        const auto turn = b.Play(r, c);
        expected += std::string("sound ") + kFiles[turn.removed ? turn.kind : 6] + "\n";
        for (int i = 0; i < turn.closings; ++i)
            expected += "sound erase.mp3\n";
        active = b.HasMove();
        if (!active) {
            points = 0;
            expected += "sound win.mp3\nhighscores " + std::to_string(b.score) + "\n";
        }
        const std::vector<ReferenceBoard::Cell> stillLit = turn.removed ? std::vector<ReferenceBoard::Cell>{}
                                                                        : std::vector<ReferenceBoard::Cell>{{r, c}};
        expected += Board(b) + Status(b, points, 0, active, static_cast<int>(history.size()), stillLit);
    }
    // Once over, Undo does nothing.
    script += "undo\nprint\n";
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

TEST(ReplayTool, BadLinesGoToStandardErrorAndPlayGoesOn)
{
    const ReferenceBoard b = ReferenceBoard::Deal(18, 9);
    const ToolRun run = RunTool("print\nfly away\nnew 17x9 1\nnew 18x10 nine\nnew 18x10 9\nmove 3\nmove x y\n"
                            "print now\n\nmove 99 99\nprint\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "kinds\n" + Status(ReferenceBoard(), 0, 0, false, 0, {}) + Board(b)
                           + Status(b, 0, 0, true, 0, {}));
    std::istringstream err(run.err);
    int lines = 0;
    for (std::string line; std::getline(err, line); ++lines)
        EXPECT_NE(line.find("glimmora-replay"), std::string::npos) << line;
    EXPECT_EQ(lines, 6);
}

}  // namespace

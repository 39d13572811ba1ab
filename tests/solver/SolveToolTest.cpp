// The built glimmora-solve: its output, and its lines played through the
// built glimmora-replay on the game's own deals.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct ToolRun {
    std::string out;
    int status = -1;
};

fs::path Tool(const char* name)
{
    const char* bin = std::getenv("GLIMMORA_BIN_DIR");
    return fs::absolute(fs::path(bin ? bin : "bin") / name);
}

fs::path Scratch(const std::string& name)
{
    const fs::path dir = fs::temp_directory_path() / ("glimmora-solve-test-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    return dir / name;
}

ToolRun Shell(const std::string& cmd)
{
    const fs::path out = Scratch("out.txt");
    const int raw = std::system((cmd + " > " + out.string() + " 2> " + Scratch("err.txt").string()).c_str());
    std::ifstream in(out);
    std::stringstream text;
    text << in.rdbuf();
    return ToolRun{text.str(), WIFEXITED(raw) ? WEXITSTATUS(raw) : -1};
}

TEST(SolveTool, PrintsOneLinePerPosition)
{
    const fs::path file = Scratch("two.txt");
    std::ofstream(file) << "0 1 0\n0 1 0\n0 1 0\n\n1 1\n0 2\n";
    const ToolRun bench = Shell(Tool("glimmora-solve").string() + " --playouts 500 " + file.string());
    EXPECT_EQ(bench.status, 0);
    EXPECT_EQ(bench.out, "1017\t2,1 1,1\n0\t1,2\n");
    const ToolRun game = Shell(Tool("glimmora-solve").string() + " --rules game --playouts 500 --seed 3 " + file.string());
    EXPECT_EQ(game.out, "17\t2,1 2,1\n0\t1,2\n");
    EXPECT_EQ(Shell(Tool("glimmora-solve").string() + " --seconds 1 --playouts 5 " + file.string()).status, 2);
    EXPECT_EQ(Shell(Tool("glimmora-solve").string() + " " + Scratch("missing.txt").string()).status, 2);
    fs::remove_all(file.parent_path());
}

TEST(SolveTool, LinesOnTheGamesDealsPlayInTheReplayTool)
{
    for (const char* size : {"20x12", "16x8"}) {
        const ToolRun solve = Shell(Tool("glimmora-solve").string() + " --rules game --playouts 3000 --deal " + size + " 77");
        ASSERT_EQ(solve.status, 0);
        std::smatch m;
        ASSERT_TRUE(std::regex_match(solve.out, m, std::regex("([0-9]+)\t([0-9, ]+)\n")));
        const int rows = std::string(size) == "20x12" ? 12 : 8;
        std::ostringstream script;
        script << "new " << size << " 77\n";
        std::istringstream moves(m[2].str());
        for (std::string move; moves >> move;) {
            const std::size_t comma = move.find(',');
            const int column = std::stoi(move.substr(0, comma));
            const int row = std::stoi(move.substr(comma + 1));
            script << "move " << rows + 1 - row << " " << column << "\npress\n";
        }
        script << "print\n";
        const fs::path in = Scratch("script.txt");
        std::ofstream(in) << script.str();
        const ToolRun replay = Shell("cd " + in.parent_path().string() + " && " + Tool("glimmora-replay").string() + " < " + in.string());
        EXPECT_EQ(replay.status, 0);
        EXPECT_NE(replay.out.find("highscores " + m[1].str() + "\n"), std::string::npos) << replay.out;
        EXPECT_NE(replay.out.find("score " + m[1].str() + " "), std::string::npos);
        fs::remove_all(in.parent_path());
    }
}

}  // namespace

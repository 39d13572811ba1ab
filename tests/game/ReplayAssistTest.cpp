// The replay tool's numbered deals, hints and par, each checked by playing
// what it printed through the same tool.
#include "GameRig.h"
#include "ReplayRun.h"
#include "solver/HintSearch.h"

#include <gtest/gtest.h>

#include <future>
#include <regex>
#include <sstream>

namespace {

// The line of `out` that starts with `word`, or "".
std::string LineOf(const std::string& out, const std::string& word)
{
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(word + " ", 0) == 0)
            return line;
    return "";
}

TEST(ReplayDeal, ADealIsTheNewGameOfItsSizeAndSeed)
{
    for (const char* size : {"20x12", "18x10", "16x8"}) {
        const ToolRun deal = RunTool(std::string("deal ") + size + "-86399999\nprint\n");
        const ToolRun seeded = RunTool(std::string("new ") + size + " 86399999\nprint\n");
        EXPECT_EQ(deal.status, 0) << deal.err;
        EXPECT_EQ(deal.out, seeded.out);
    }
    // A bare seed takes the size in play.
    EXPECT_EQ(RunTool("new 18x10 1\ndeal 4321\nprint\n").out, RunTool("new 18x10 1\nnew 18x10 4321\nprint\n").out);
}

TEST(ReplayDeal, ANumberNamingNoDealIsABadLineAndChangesNothing)
{
    const ToolRun run = RunTool("new 16x8 3\ndeal 16x8-86400000\ndeal 10x10-1\ndeal 16x8\ndeal\nprint\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, RunTool("new 16x8 3\nprint\n").out);
    EXPECT_NE(run.err.find("\"deal 10x10-1\""), std::string::npos) << run.err;
}

// The hint of a deal, as `hint R C P`.
struct Printed {
    int row = 0;
    int column = 0;
    int points = -1;
};

Printed HintOf(const std::string& out)
{
    std::smatch m;
    const std::string line = LineOf(out, "hint");
    if (!std::regex_match(line, m, std::regex("hint ([0-9]+) ([0-9]+) ([0-9]+)")))
        return {};
    return {std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3])};
}

TEST(ReplayHint, TheHintedCellIsAGroupWorthThePointsPrintedAndPlayPlaysIt)
{
    for (const char* deal : {"20x12-43200250", "16x8-5", "18x10-777"}) {
        const std::string start = std::string("deal ") + deal + "\n";
        const ToolRun hinted = RunTool(start + "hint\nkey play\nprint\n");
        ASSERT_EQ(hinted.status, 0) << hinted.err;
        const Printed hint = HintOf(hinted.out);
        ASSERT_GE(hint.points, 0) << hinted.out;
        EXPECT_EQ(hinted.out, RunTool(start + "hint\nkey play\nprint\n").out) << "the same hint every time";

        // The pointer on the hinted cell: a group, worth what the hint said.
        const std::string at = "move " + std::to_string(hint.row) + " " + std::to_string(hint.column) + "\n";
        const ToolRun hovered = RunTool(start + at + "print\npress\nprint\n");
        std::smatch m;
        const std::string status = LineOf(hovered.out, "score");
        ASSERT_TRUE(std::regex_search(status, m, std::regex("points ([0-9]+) group ([0-9]+)"))) << hovered.out;
        const int group = std::stoi(m[2]);
        EXPECT_GE(group, 2);
        EXPECT_EQ(std::stoi(m[1]), hint.points);
        // Play after the hint removed that group: the same board as the click.
        const std::string afterHint = hinted.out.substr(hinted.out.find("sound "));
        const std::string afterClick = hovered.out.substr(hovered.out.find("sound "));
        EXPECT_EQ(afterHint, afterClick);
    }
}

TEST(ReplayHint, TheToolsHintIsTheGamesHintWorkersAnswer)
{
    GameRig rig;
    rig.session.Deal(*DealNumber::Make(20, 12, 4242));
    std::promise<solver::Hint> answer;
    const auto search = solver::HintSearch::Start(rig.game.Board(), 0, [&](const solver::Hint& h) { answer.set_value(h); });
    ASSERT_TRUE(search);
    const solver::Hint hint = answer.get_future().get();
    const Printed printed = HintOf(RunTool("deal 20x12-4242\nhint\n").out);
    EXPECT_EQ(printed.row, hint.move.row);
    EXPECT_EQ(printed.column, hint.move.column);
    EXPECT_EQ(printed.points, hint.points);
}

TEST(ReplayHint, AnEndedGameHasNoHint)
{
    const ToolRun run = RunTool("hint\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
}

// The par line as the tool prints it, and the script that plays it.
struct ParLine {
    int score = -1;
    std::string script;
};

ParLine ParOf(const std::string& out)
{
    ParLine par;
    std::istringstream in(LineOf(out, "par"));
    std::string word;
    in >> word >> par.score;
    for (std::string move; in >> move;) {
        const std::size_t comma = move.find(',');
        par.script += "move " + move.substr(0, comma) + " " + move.substr(comma + 1) + "\npress\n";
    }
    return par;
}

TEST(ReplayPar, TheParLinePlayedMoveByMoveReachesTheParScore)
{
    for (const char* deal : {"16x8-12345", "20x12-2"}) {
        const std::string start = std::string("deal ") + deal + "\n";
        // The par is of the deal's first board, whatever was played since.
        const ToolRun run = RunTool(start + "move 8 1\npress\npar 3000\n");
        ASSERT_EQ(run.status, 0) << run.err;
        const ParLine par = ParOf(run.out);
        ASSERT_GT(par.score, 0) << run.out;
        EXPECT_EQ(RunTool(start + "par 3000\n").out, LineOf(run.out, "par") + "\n");

        const ToolRun played = RunTool(start + par.script + "print\n");
        EXPECT_EQ(played.status, 0) << played.err;
        EXPECT_NE(played.out.find("highscores " + std::to_string(par.score) + "\n"), std::string::npos) << played.out;
    }
}

TEST(ReplayPar, AGameWithAHintEndsOutOfTheTable)
{
    const std::string start = "deal 16x8-12345\n";
    const ParLine par = ParOf(RunTool(start + "par 2000\n").out);
    const ToolRun run = RunTool(start + "hint\n" + par.script + "save Ann\n");
    EXPECT_NE(run.out.find("highscores " + std::to_string(par.score) + " hinted\n"), std::string::npos) << run.out;
    EXPECT_EQ(run.status, 1) << "nothing to save";
    EXPECT_FALSE(run.scoreFile);
}

TEST(ReplayPar, AGameSeededPastTheDayHasNoPar)
{
    EXPECT_EQ(RunTool("new 16x8 86400000\npar 10\n").status, 1);
    EXPECT_EQ(RunTool("deal 16x8-1\npar 0\n").status, 1);
}

}  // namespace

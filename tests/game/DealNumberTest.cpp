// Deal numbers: their text both ways, the day's deal, and the game dealing
// the deal a number names.
#include "GameRig.h"
#include "game/DealNumber.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace std::chrono;

const BoardSize& Size(int cols) { return *BoardSizeWithCols(cols); }

TEST(DealNumberText, EverySizeAndTheEndsOfTheDayGoThereAndBack)
{
    for (const BoardSize& size : BoardSizes)
        for (std::uint32_t seed : {0u, 1u, 43'200'250u, DealNumber::SeedCount - 1}) {
            const std::optional<DealNumber> deal = DealNumber::Make(size.cols, size.rows, seed);
            ASSERT_TRUE(deal);
            EXPECT_EQ(deal->Size().button, size.button);
            const ParsedDeal back = DealNumber::Parse(deal->Text(), Size(16));
            ASSERT_TRUE(back) << deal->Text();
            EXPECT_EQ(*back.deal, *deal);
        }
    EXPECT_EQ(DealNumber::Make(20, 12, 43'200'250)->Text(), "20x12-43200250");
}

TEST(DealNumberText, BlanksAroundItAndABareSeedOfTheCurrentSizeAreTaken)
{
    EXPECT_EQ(*DealNumber::Parse("  18x10-77\t\n", Size(20)).deal, *DealNumber::Make(18, 10, 77));
    EXPECT_EQ(*DealNumber::Parse("16X8-5", Size(20)).deal, *DealNumber::Make(16, 8, 5));
    EXPECT_EQ(*DealNumber::Parse(" 77 ", Size(18)).deal, *DealNumber::Make(18, 10, 77));
    EXPECT_EQ(*DealNumber::Parse("0086399999", Size(16)).deal, *DealNumber::Make(16, 8, 86'399'999));
}

TEST(DealNumberText, AnythingElseIsRefusedWithItsReason)
{
    const std::pair<const char*, DealError> cases[] = {
        {"", DealError::Empty},
        {" \t ", DealError::Empty},
        {"abc", DealError::Malformed},
        {"20x12-", DealError::Malformed},
        {"-5", DealError::Malformed},
        {"20x12--5", DealError::Malformed},
        {"20x12-5-6", DealError::Malformed},
        {"20 x 12-5", DealError::Malformed},
        {"20x12 - 5", DealError::Malformed},
        {"+5", DealError::Malformed},
        {"5.0", DealError::Malformed},
        {"20x-5", DealError::Malformed},
        {"20x12-5 6", DealError::Malformed},
        {"10x10-5", DealError::UnknownSize},
        {"12x20-5", DealError::UnknownSize},  // columns first
        {"20x10-5", DealError::UnknownSize},
        {"99999999999999x12-5", DealError::UnknownSize},
        {"86400000", DealError::SeedOutOfRange},
        {"20x12-4294967296", DealError::SeedOutOfRange},
        {"20x12-99999999999999999999999999", DealError::SeedOutOfRange},
    };
    for (const auto& [text, error] : cases) {
        const ParsedDeal parsed = DealNumber::Parse(text, Size(20));
        EXPECT_FALSE(parsed) << '"' << text << '"';
        EXPECT_EQ(parsed.error, error) << '"' << text << '"';
    }
    EXPECT_FALSE(DealNumber::Make(20, 12, DealNumber::SeedCount));
    EXPECT_FALSE(DealNumber::Make(12, 20, 1));
}

TEST(DailyDeal, OneDateGivesOneDealForEveryone)
{
    // Published in the README: a change here deals everyone another board that day.
    EXPECT_EQ(DealNumber::Daily(2026y / December / 9).Text(), "20x12-43679408");
    EXPECT_EQ(DealNumber::Daily(2026y / December / 9), DealNumber::Daily(2026y / 12 / 9d));
}

TEST(DailyDeal, NeighbouringDaysGetUnrelatedDealsOfTheDay)
{
    std::set<std::uint32_t> seeds;
    const sys_days first = 2025y / January / 1;
    for (sys_days day = first; day < first + days(3 * 366); day += days(1)) {
        const DealNumber deal = DealNumber::Daily(year_month_day{day});
        EXPECT_EQ(deal.Cols(), 20);
        EXPECT_EQ(deal.Rows(), 12);
        seeds.insert(deal.Seed());
    }
    EXPECT_EQ(seeds.size(), 3u * 366u);
    // Mixed, not counted up: a day's seed says nothing of the next one's.
    const auto a = DealNumber::Daily(2026y / March / 1).Seed();
    const auto b = DealNumber::Daily(2026y / March / 2).Seed();
    EXPECT_GT(a > b ? a - b : b - a, 1000u);
}

TEST(DailyDeal, TheDateIsUtcsWholeDay)
{
    const sys_days day = 2026y / December / 9;
    EXPECT_EQ(DealNumber::UtcDate(day), 2026y / December / 9);
    EXPECT_EQ(DealNumber::UtcDate(day + hours(23) + minutes(59) + seconds(59)), 2026y / December / 9);
    EXPECT_EQ(DealNumber::UtcDate(day + days(1)), 2026y / December / 10);
    EXPECT_EQ(DealNumber::UtcDate(day - milliseconds(1)), 2026y / December / 8);
}

TEST(NumberedDeals, ANewGameIsNumberedByTheClocksMillisecond)
{
    GameRig rig;
    rig.options.size(18);
    rig.clock.ms = 45'296'789;
    rig.Run(PlaySession::Command::NewGame);
    EXPECT_EQ(rig.game.Deal(), DealNumber::Make(18, 10, 45'296'789));
    rig.NewGame(16, DealNumber::SeedCount);
    EXPECT_FALSE(rig.game.Deal()) << "a seed set past the day names no deal";
}

TEST(NumberedDeals, ADealIsTheBoardOfThatSeedAndSizeWhateverTheOptionsSay)
{
    GameRig byNumber;
    byNumber.options.size(16);
    const DealNumber deal = *DealNumber::Make(20, 12, 86'399'999);
    EXPECT_EQ(byNumber.session.Deal(deal).change, PlaySession::Outcome::Change::Board);
    GameRig bySeed;
    bySeed.NewGame(20, 86'399'999);
    EXPECT_EQ(byNumber.game.Board(), bySeed.game.Board());
    EXPECT_EQ(byNumber.game.Deal(), deal);
    EXPECT_EQ(byNumber.scene.Pieces().size(), 240u);
    // The options' size is back for the next new game.
    byNumber.Run(PlaySession::Command::NewGame);
    EXPECT_EQ(byNumber.game.Board().FieldCols, 16);
}

}  // namespace

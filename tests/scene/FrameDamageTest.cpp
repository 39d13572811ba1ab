#include "scene/TFrameDamage.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace {
using Plan = TFrameDamage::Plan;
using Indices = std::vector<std::size_t>;

// A view of still solids in a row, each 10 x 10 pixels, 20 pixels apart, and
// the bookkeeping that watches them frame after frame, as the renderer would.
class FrameDamage : public ::testing::Test {
protected:
    static constexpr int kSolids = 20;

    void SetUp() override
    {
        for (int i = 0; i < kSolids; ++i) {
            solids.push_back({&ids[i], 0});
            rects.push_back({20 * i, 100, 20 * i + 10, 110});
        }
        epoch = TFrameDamage::kQuietFrames;  // everything has stood still long enough
    }

    TFrameDamage::Frame frame() const
    {
        TFrameDamage::Frame f;
        f.w = w;
        f.h = h;
        f.target = target;
        f.epoch = epoch;
        f.viewRevision = viewRevision;
        f.background = background;
        f.solids = solids;
        f.rectOf = [this](std::size_t i) {
            asked.insert(i);
            return rects[i];
        };
        f.texts = texts;
        f.textKey = {textKey};
        f.backBufferKept = backBufferKept;
        f.caching = caching;
        f.still = still;
        return f;
    }
    // One frame planned; the scene then moves on to its next epoch.
    Plan next()
    {
        asked.clear();
        const Plan p = damage.plan(frame(), [this] {
            ++imagesMade;
            return imageAvailable;
        });
        ++epoch;
        return p;
    }
    void change(int i) { solids[i].epoch = epoch; }
    // Drawn and presented whole, not over the last frame.
    void ExpectWhole(const Plan& p) const
    {
        EXPECT_FALSE(p.partial);
        EXPECT_EQ(p.presented, (TScreenRect{0, 0, w, h}));
    }
    // Frames until every solid has gone into the image and nothing is left to present.
    void settle()
    {
        for (int i = 0; i < 4; ++i)
            next();
    }

    TFrameDamage damage;
    std::array<char, 64> ids{};
    std::vector<TFrameDamage::Solid> solids;
    std::vector<TScreenRect> rects;
    int w = 588, h = 442;
    unsigned target = 7;
    std::uint64_t epoch = 0;
    std::uint64_t viewRevision = 1;
    Color4 background{0.5f, 0.5f, 0.5f, 1};
    TScreenRect texts{12, 20, 120, 40};
    QString textKey = "SCORE: 0";
    bool backBufferKept = true;
    bool still = false;
    bool caching = true;
    bool imageAvailable = true;
    int imagesMade = 0;
    mutable std::set<std::size_t> asked;
};

Indices All(int n)
{
    Indices all;
    for (int i = 0; i < n; ++i)
        all.push_back(i);
    return all;
}
}  // namespace

TEST_F(FrameDamage, FirstFrameIsWholeAndPutsEveryStillSolidIntoANewImage)
{
    const Plan p = next();
    EXPECT_EQ(imagesMade, 1);
    EXPECT_TRUE(p.usesImage);
    EXPECT_TRUE(p.rebuildImage);
    EXPECT_EQ(p.imageSolids, All(kSolids));
    ExpectWhole(p);
    EXPECT_TRUE(p.drawSolids.empty()) << "all of them come with the image";
    EXPECT_TRUE(p.drawTexts);
}

TEST_F(FrameDamage, AFreshSceneIsDrawnWholeUntilItHasStoodStill)
{
    epoch = 0;  // every solid was made in this very epoch
    Plan p = next();
    EXPECT_EQ(imagesMade, 0);
    EXPECT_FALSE(p.usesImage);
    EXPECT_EQ(p.drawSolids, All(kSolids));
    ExpectWhole(p);
    next();
    p = next();
    EXPECT_TRUE(p.rebuildImage);
    EXPECT_EQ(imagesMade, 1);
}

TEST_F(FrameDamage, AnImageBuiltWhileNothingChangesPresentsNothingOverAKeptFrame)
{
    epoch = 0;  // fresh solids: the first frames are drawn whole, without an image
    next();
    still = true;
    Plan p = next();
    ASSERT_TRUE(p.rebuildImage);
    EXPECT_TRUE(p.presented.empty()) << "the screen already shows the scene";
    // The image serves the next change as usual.
    still = false;
    change(3);
    p = next();
    EXPECT_FALSE(p.rebuildImage);
    EXPECT_TRUE(p.partial);
    EXPECT_FALSE(p.presented.empty());

    // Where the last frame is not kept, the frame that builds the image is drawn whole.
    TFrameDamage other;
    backBufferKept = false;
    still = false;
    epoch = 0;
    for (auto& s : solids)
        s.epoch = 0;
    other.plan(frame(), [] { return true; });
    ++epoch;
    still = true;
    p = other.plan(frame(), [] { return true; });
    ASSERT_TRUE(p.rebuildImage);
    ExpectWhole(p);
}

TEST_F(FrameDamage, AStillFramePresentsNothingAndProjectsNoBox)
{
    next();
    const Plan p = next();
    EXPECT_TRUE(p.usesImage);
    EXPECT_FALSE(p.rebuildImage);
    EXPECT_TRUE(p.partial);
    EXPECT_TRUE(p.presented.empty());
    EXPECT_TRUE(p.drawSolids.empty());
    EXPECT_FALSE(p.drawTexts);
    EXPECT_TRUE(p.repairs.empty());
    EXPECT_TRUE(p.imageSolids.empty());
    // The places of solids in the image are known: a still frame must stay cheap.
    EXPECT_TRUE(asked.empty());
}

TEST_F(FrameDamage, AChangedSolidLeavesTheImageWhereItLayAndIsDrawnOverIt)
{
    settle();
    change(5);
    const TScreenRect before = rects[5];
    rects[5] = {100, 200, 130, 230};  // it moved
    const Plan p = next();
    EXPECT_FALSE(p.rebuildImage) << "one solid is mended, not a new image of all";
    EXPECT_EQ(p.evicted, 1);
    ASSERT_EQ(p.repairs.size(), 1u);
    EXPECT_EQ(p.repairs[0].rect, before);
    EXPECT_TRUE(p.repairs[0].solids.empty()) << "no neighbour reaches into its old place";
    EXPECT_EQ(p.drawSolids, Indices{5});
    EXPECT_TRUE(p.partial);
    EXPECT_EQ(p.presented, before.united(rects[5]));
}

TEST_F(FrameDamage, RepairRedrawsTheImageSolidsItsRectangleReaches)
{
    rects[6] = {25, 100, 45, 110};  // reaches into solids 1 (20..30) and 2 (40..50)
    settle();
    change(6);
    const Plan p = next();
    ASSERT_EQ(p.repairs.size(), 1u);
    EXPECT_EQ(p.repairs[0].solids, (Indices{1, 2}));
}

TEST_F(FrameDamage, ASolidStillForLongEnoughGoesBackIntoTheImage)
{
    settle();
    change(3);
    EXPECT_EQ(next().drawSolids, Indices{3});
    // Standing still again: drawn over the image until it has been still for kQuietFrames.
    Plan p;
    int frames = 0;
    do {
        p = next();
        ++frames;
    } while (p.imageSolids.empty() && frames < 10);
    EXPECT_EQ(frames, static_cast<int>(TFrameDamage::kQuietFrames));
    EXPECT_EQ(p.imageSolids, Indices{3});
    EXPECT_FALSE(p.rebuildImage);
    p = next();
    EXPECT_TRUE(p.drawSolids.empty());
    EXPECT_TRUE(p.presented.empty());
}

TEST_F(FrameDamage, ASpinningSolidIsPresentedWhereItLayAndWhereItLies)
{
    settle();
    change(2);
    next();
    change(2);
    const TScreenRect before = rects[2];
    rects[2] = {38, 98, 52, 112};
    const Plan p = next();
    EXPECT_EQ(p.evicted, 0) << "it left the image a frame ago";
    EXPECT_EQ(p.drawSolids, Indices{2});
    EXPECT_EQ(p.presented, before.united(rects[2]));
}

TEST_F(FrameDamage, OverlappingRectanglesMergeIntoOneAndOthersStayApart)
{
    const std::vector<TScreenRect> merged =
        TFrameDamage::MergeOverlapping({{0, 0, 10, 10}, {100, 0, 110, 10}, {5, 5, 15, 15}, {300, 300, 310, 310}});
    ASSERT_EQ(merged.size(), 3u);
    EXPECT_EQ(merged[0], (TScreenRect{100, 0, 110, 10}));
    EXPECT_EQ(merged[1], (TScreenRect{0, 0, 15, 15}));
    EXPECT_EQ(merged[2], (TScreenRect{300, 300, 310, 310}));
}

TEST_F(FrameDamage, AUnionThatReachesAnEarlierRectangleTakesItInToo)
{
    // The third meets only the second, but their union covers the first.
    const std::vector<TScreenRect> merged =
        TFrameDamage::MergeOverlapping({{0, 0, 10, 10}, {5, 20, 15, 30}, {12, 5, 20, 25}});
    ASSERT_EQ(merged.size(), 1u);
    EXPECT_EQ(merged[0], (TScreenRect{0, 0, 20, 30}));
    EXPECT_TRUE(TFrameDamage::MergeOverlapping({}).empty());
    // Touching edges do not overlap: nothing is mended twice and nothing more than needed.
    EXPECT_EQ(TFrameDamage::MergeOverlapping({{0, 0, 10, 10}, {10, 0, 20, 10}}).size(), 2u);
}

TEST_F(FrameDamage, NeighboursOfAGroupAreMendedInOnePass)
{
    rects[1] = {5, 100, 32, 110};
    rects[2] = {30, 100, 47, 110};
    settle();
    change(1);
    change(2);
    change(9);
    const Plan p = next();
    EXPECT_EQ(p.evicted, 3);
    ASSERT_EQ(p.repairs.size(), 2u);
    EXPECT_EQ(p.repairs[0].rect, (TScreenRect{5, 100, 47, 110}));
    EXPECT_EQ(p.repairs[0].solids, Indices{0}) << "0 reaches into 5..10; 1 and 2 left the image";
    EXPECT_EQ(p.repairs[1].rect, rects[9]);
}

TEST_F(FrameDamage, ASolidThatDisappearsLeavesTheImageAndIsPresented)
{
    settle();
    const TScreenRect gone = rects[4];
    solids.erase(solids.begin() + 4);
    rects.erase(rects.begin() + 4);
    const Plan p = next();
    EXPECT_EQ(p.evicted, 1);
    ASSERT_EQ(p.repairs.size(), 1u);
    EXPECT_EQ(p.repairs[0].rect, gone);
    EXPECT_EQ(p.presented, gone);
    EXPECT_TRUE(p.drawSolids.empty());
}

TEST_F(FrameDamage, AMovingSolidThatDisappearsIsPresentedWhereItWasDrawn)
{
    settle();
    change(4);
    next();
    const TScreenRect last = rects[4];
    solids.erase(solids.begin() + 4);
    rects.erase(rects.begin() + 4);
    const Plan p = next();
    EXPECT_EQ(p.evicted, 0);
    EXPECT_EQ(p.presented, last);
    EXPECT_TRUE(p.drawSolids.empty());
}

TEST_F(FrameDamage, ChangedTextsArePresentedWhereTheyWereAndAre)
{
    settle();
    const TScreenRect before = texts;
    texts = {12, 20, 150, 40};
    textKey = "SCORE: 12";
    Plan p = next();
    EXPECT_EQ(p.presented, before.united(texts));
    EXPECT_TRUE(p.drawTexts);
    // Unchanged texts are neither presented nor drawn where a solid changes elsewhere.
    change(15);
    p = next();
    EXPECT_FALSE(p.presented.intersects(texts));
    EXPECT_FALSE(p.drawTexts);
}

TEST_F(FrameDamage, TooManyChangesMakeANewImageAndAWholeFrame)
{
    const int n = TFrameDamage::kMaxEvicted + 2;
    for (int i = kSolids; i < n; ++i) {
        solids.push_back({&ids[i], 0});
        rects.push_back({0, 300, 10, 310});
    }
    settle();
    // The field turned and came to rest: every solid changed since it went into the image.
    for (int i = 0; i < n; ++i)
        solids[i].epoch = epoch - TFrameDamage::kQuietFrames;
    const int made = imagesMade;
    const Plan p = next();
    EXPECT_EQ(p.evicted, n);
    EXPECT_TRUE(p.rebuildImage);
    EXPECT_TRUE(p.repairs.empty());
    EXPECT_EQ(imagesMade, made + 1);
    ExpectWhole(p);
}

TEST_F(FrameDamage, WithMostOfTheSceneMovingNoImageIsMade)
{
    for (int i = 0; i < kSolids / 2 + 1; ++i)
        solids[i].epoch = epoch;
    const Plan p = next();
    EXPECT_EQ(imagesMade, 0);
    EXPECT_FALSE(p.usesImage);
    EXPECT_EQ(p.drawSolids, All(kSolids));
    // Fewer than a handful of still solids do not pay for the copy either.
    solids.resize(TFrameDamage::kMinQuietSolids - 1);
    for (auto& s : solids)
        s.epoch = 0;
    EXPECT_FALSE(next().usesImage);
    EXPECT_EQ(imagesMade, 0);
}

TEST_F(FrameDamage, WithoutAnImageEveryFrameIsWholeAndTheNextOneTriesAgain)
{
    imageAvailable = false;
    Plan p = next();
    EXPECT_FALSE(p.usesImage);
    EXPECT_FALSE(p.rebuildImage);
    EXPECT_EQ(p.drawSolids, All(kSolids));
    ExpectWhole(p);
    imageAvailable = true;
    p = next();
    EXPECT_EQ(imagesMade, 2);
    EXPECT_TRUE(p.rebuildImage);
    EXPECT_FALSE(p.partial) << "the last frame was not drawn over the image";
}

TEST_F(FrameDamage, CachingOffDrawsEverythingAndMakesNoImage)
{
    caching = false;
    const Plan p = next();
    EXPECT_EQ(imagesMade, 0);
    EXPECT_FALSE(p.usesImage);
    ExpectWhole(p);
    EXPECT_EQ(p.drawSolids, All(kSolids));
    EXPECT_TRUE(p.drawTexts);
}

TEST_F(FrameDamage, AResizeMakesANewImageOfTheNewSizeAndAWholeFrame)
{
    settle();
    w = 700;
    h = 500;
    const Plan p = next();
    EXPECT_TRUE(p.rebuildImage);
    EXPECT_EQ(imagesMade, 2);
    ExpectWhole(p);
    EXPECT_TRUE(next().partial);
}

TEST_F(FrameDamage, AViewWideChangeMakesANewImage)
{
    settle();
    ++viewRevision;
    EXPECT_TRUE(next().rebuildImage);
    background = {0, 0, 0, 1};
    EXPECT_TRUE(next().rebuildImage);
    settle();
    EXPECT_EQ(imagesMade, 3);
    damage.dropImage();
    EXPECT_TRUE(next().rebuildImage) << "the image's GL objects were freed";
}

TEST_F(FrameDamage, AFrameIsPartialOnlyOverTheLastFrameOfTheSameTarget)
{
    settle();
    backBufferKept = false;
    change(1);
    Plan p = next();
    ExpectWhole(p);
    EXPECT_EQ(p.drawSolids, Indices{1}) << "the rest comes from the image";
    backBufferKept = true;
    EXPECT_TRUE(next().partial);
    target = 8;
    EXPECT_FALSE(next().partial);
    EXPECT_TRUE(next().partial);
}

// At a screen scale of 2 everything is in device pixels: a solid beyond the
// view's designed 588 x 442 is presented where it lies, cut only at the
// device size.
TEST_F(FrameDamage, DevicePixelsAtTwiceTheDensity)
{
    w = 1176;
    h = 884;
    rects[7] = {900, 700, 960, 760};
    rects[8] = {1150, 860, 1190, 900};  // over the corner
    settle();
    change(7);
    change(8);
    const Plan p = next();
    EXPECT_TRUE(p.partial);
    EXPECT_EQ(p.presented, (TScreenRect{900, 700, 1176, 884}));
    ASSERT_EQ(p.repairs.size(), 2u);
    EXPECT_EQ(p.repairs[1].rect, rects[8]) << "the scissor cuts what lies outside";
    EXPECT_EQ(p.drawSolids, (Indices{7, 8}));
}

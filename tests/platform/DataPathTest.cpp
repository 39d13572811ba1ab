#include "platform/DataPath.h"
#include "platform/FrameworkError.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// A data tree laid out with the letter case of the installed game folder.
class DataPathTest : public testing::Test {
protected:
    void SetUp() override
    {
        base_ = dir_.Path();
        fs::create_directories(base_ + "/Pics");
        fs::create_directories(base_ + "/Music");
        for (const char* name : {"panel1.jpg", "panel3.jpg", "panel4.jpg"})
            WriteFileBytes(base_ + "/Pics/" + name, "x");
        saved_ = fs::current_path();
    }
    void TearDown() override { fs::current_path(saved_); }

    TempDir dir_;
    std::string base_;
    fs::path saved_;
};

TEST_F(DataPathTest, ExactNamesJoinBaseDirAndBackslashPath)
{
    EXPECT_EQ(ResolveDataPath(base_, "\\Pics\\panel1.jpg"), base_ + "/Pics/panel1.jpg");
    EXPECT_EQ(ResolveDataPath(base_ + "/", "\\Pics\\panel1.jpg"), base_ + "/Pics/panel1.jpg");
    EXPECT_EQ(ResolveDataPath(base_, "Pics/panel1.jpg"), base_ + "/Pics/panel1.jpg");
}

TEST_F(DataPathTest, ComponentsInAnotherCaseFindTheFolder)
{
    EXPECT_EQ(ResolveDataPath(base_, "\\pics\\panel3.jpg"), base_ + "/Pics/panel3.jpg");
    EXPECT_EQ(ResolveDataPath(base_, "\\PICS\\PANEL3.JPG"), base_ + "/Pics/panel3.jpg");
    EXPECT_EQ(ResolveDataPath(base_, "\\music\\"), base_ + "/Music");
}

TEST_F(DataPathTest, PathRelativeToTheCurrentDirectory)
{
    fs::current_path(base_);
    EXPECT_EQ(ResolveDataPath("PICS\\panel4.jpg"), "Pics/panel4.jpg");
    EXPECT_TRUE(fs::exists(ResolveDataPath("PICS\\panel4.jpg")));
    EXPECT_EQ(ResolveDataPath("", "\\Pics"), "/Pics");  // a leading separator is the root
}

TEST_F(DataPathTest, MissingPartsAreKeptAsWrittenSoErrorsCanNameThem)
{
    EXPECT_EQ(ResolveDataPath(base_, "\\pics\\Missing.jpg"), base_ + "/Pics/Missing.jpg");
    EXPECT_EQ(ResolveDataPath(base_, "\\Nowhere\\pics\\panel1.jpg"), base_ + "/Nowhere/pics/panel1.jpg");
}

TEST_F(DataPathTest, ExactMatchWinsAndCaseVariantsPickTheSmallestName)
{
    fs::create_directories(base_ + "/sounds");
    fs::create_directories(base_ + "/Sounds");
    fs::create_directories(base_ + "/SOUNDS");
    EXPECT_EQ(ResolveDataPath(base_, "\\sounds"), base_ + "/sounds");
    EXPECT_EQ(ResolveDataPath(base_, "\\Sounds"), base_ + "/Sounds");
    EXPECT_EQ(ResolveDataPath(base_, "\\sOUNDS"), base_ + "/SOUNDS");  // 'S' < 's', "SO" < "So"
}

TEST_F(DataPathTest, NonAsciiNamesCompareWithoutCase)
{
    fs::create_directories(base_ + "/\xC3\x84rger");  // "Ärger"
    EXPECT_EQ(ResolveDataPath(base_, "\\\xC3\xA4RGER"), base_ + "/\xC3\x84rger");
}

TEST_F(DataPathTest, CurrentBaseDirHasNoTrailingSeparator)
{
    fs::current_path(base_);
    EXPECT_EQ(CurrentBaseDir(), fs::canonical(base_).string());
    fs::current_path("/");
    EXPECT_EQ(CurrentBaseDir(), "");
    EXPECT_EQ(ResolveDataPath(CurrentBaseDir(), "\\tmp"), "/tmp");
}

TEST_F(DataPathTest, DeletedStartFolderIsRefusedInsteadOfNamingTheRoot)
{
    const std::string gone = base_ + "/gone";
    fs::create_directories(gone);
    fs::current_path(gone);
    fs::remove(gone);
    const std::string problem = StartFolderProblem();
    EXPECT_EQ(problem.rfind("The folder the game was started in cannot be used", 0), 0u) << problem;
    EXPECT_THROW(CurrentBaseDir(), FrameworkError);
    fs::current_path(base_);
    EXPECT_EQ(StartFolderProblem(), "");
}

TEST_F(DataPathTest, BackslashesOfTheStartFolderAreNoSeparators)
{
    // A folder named "a\b" is not the folder b inside a.
    const std::string odd = base_ + "/a\\b";
    fs::create_directories(odd + "/Pics");
    fs::create_directories(base_ + "/a/b/Pics");
    EXPECT_EQ(ResolveDataPath(odd, "\\Pics\\panel1.jpg"), odd + "/Pics/panel1.jpg");
}

}  // namespace

TEST(DoubleDensityName, TheVariantStandsBesideThePictureAsQtNamesIt)
{
    EXPECT_EQ(DoubleDensityName("Pics/font.bmp"), "Pics/font@2x.bmp");
    EXPECT_EQ(DoubleDensityName("/a.b/panel1.jpg"), "/a.b/panel1@2x.jpg");
    // A dot in a folder's name is no suffix.
    EXPECT_EQ(DoubleDensityName(":/controls.x/CHECKED"), ":/controls.x/CHECKED@2x");
}

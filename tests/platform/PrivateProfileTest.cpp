#include "platform/PrivateProfile.h"
#include "platform/SafeSave.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

std::string Get(const std::string& path, const std::string& section, const std::string& key,
                const std::string& def = "<none>")
{
    return GetPrivateProfileString(section, key, def, path);
}

class PrivateProfileTest : public testing::Test {
protected:
    void TearDown() override { SetSafeSaveRename({}); }

    // Every entry of the folder, so that left-over temporary files are noticed.
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_.Path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempDir dir_;
    std::string ini_ = dir_.File("s3d.ini");
};

TEST_F(PrivateProfileTest, MissingFileSectionOrKeyGiveTheDefault)
{
    EXPECT_EQ(Get(ini_, "Options", "PlayerName", "Player1"), "Player1");
    EXPECT_FALSE(fs::exists(ini_)) << "a read must not create the file";
    WriteFileBytes(ini_, "[Other]\r\nPlayerName=Zed\r\n[Options]\r\nSong=3\r\n");
    EXPECT_EQ(Get(ini_, "Missing", "Song", "d"), "d");
    EXPECT_EQ(Get(ini_, "Options", "PlayerName", ""), "");
    EXPECT_EQ(Get(ini_, "Options", "PlayerName", "Ann  "), "Ann") << "trailing blanks of the default go";
    EXPECT_EQ(Get(dir_.Path(), "Options", "Song", "d"), "d") << "a folder reads as no file";
}

TEST_F(PrivateProfileTest, NamesIgnoreCaseAndValuesAreTrimmed)
{
    WriteFileBytes(ini_, "[ options ]\r\n  playername =  Ann Lee \t\r\nSONG=7\r\n");
    EXPECT_EQ(Get(ini_, "Options", "PlayerName"), "Ann Lee");
    EXPECT_EQ(Get(ini_, "OPTIONS", "song"), "7");
    EXPECT_EQ(Get(ini_, " Options ", " Song "), "7");
}

TEST_F(PrivateProfileTest, OnePairOfSurroundingDoubleQuotesIsRemoved)
{
    WriteFileBytes(ini_, "[Options]\nA=\"  spaced  \"\nB=\"\"x\"\"\nC=\"\nD='single'\nE=say \"hi\"\nF=\"\"\n");
    EXPECT_EQ(Get(ini_, "Options", "A"), "  spaced  ");
    EXPECT_EQ(Get(ini_, "Options", "B"), "\"x\"");
    EXPECT_EQ(Get(ini_, "Options", "C"), "\"");
    EXPECT_EQ(Get(ini_, "Options", "D"), "'single'");
    EXPECT_EQ(Get(ini_, "Options", "E"), "say \"hi\"");
    EXPECT_EQ(Get(ini_, "Options", "F"), "");
}

TEST_F(PrivateProfileTest, CommentsStrayLinesAndLaterDuplicatesAreNotKeys)
{
    WriteFileBytes(ini_, "[Other]\nSong=1\n[Options]\n;Song=2\nSong\nScheme=1\nScheme=2\n[Options]\nSong=4\n");
    EXPECT_EQ(Get(ini_, "Options", "Song"), "<none>");
    EXPECT_EQ(Get(ini_, "Options", "Scheme"), "1");
    EXPECT_EQ(Get(ini_, "Options", ";Song"), "<none>");
}

TEST_F(PrivateProfileTest, LfCrLfAndAnUnendedLastLineAreRead)
{
    WriteFileBytes(ini_, "[A]\nx=lf\r\n[B]\r\ny=crlf\r\nz=last");
    EXPECT_EQ(Get(ini_, "A", "x"), "lf");
    EXPECT_EQ(Get(ini_, "B", "y"), "crlf");
    EXPECT_EQ(Get(ini_, "B", "z"), "last");
}

TEST_F(PrivateProfileTest, FirstWriteCreatesTheFileWithCrLfInWriteOrder)
{
    ASSERT_TRUE(WritePrivateProfileString("Options", "PlayerName", "Ann", ini_));
    ASSERT_TRUE(WritePrivateProfileString("Options", "EnableSound", "1", ini_));
    ASSERT_TRUE(WritePrivateProfileString("Options", "Scheme", "-1", ini_));
    ASSERT_TRUE(WritePrivateProfileString("options", "playername", "Bo", ini_));
    EXPECT_EQ(ReadFileBytes(ini_), "[Options]\r\nPlayerName=Bo\r\nEnableSound=1\r\nScheme=-1\r\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{"s3d.ini"});
}

TEST_F(PrivateProfileTest, WriteKeepsEverythingElseInPlace)
{
    WriteFileBytes(ini_, "; settings\n\n[Options]\nPlayerName = Ann\n; sound\nEnableSound=0\n\n\n[Extra]\nk=v\n");
    ASSERT_TRUE(WritePrivateProfileString("OPTIONS", "enablesound", "1", ini_));
    EXPECT_EQ(
        ReadFileBytes(ini_),
        "; settings\r\n\r\n[Options]\r\nPlayerName = Ann\r\n; sound\r\nEnableSound=1\r\n\r\n\r\n[Extra]\r\nk=v\r\n");
}

TEST_F(PrivateProfileTest, NewKeyEndsItsSectionAndNewSectionEndsTheFile)
{
    WriteFileBytes(ini_, "[Options]\r\nA=1\r\n;note\r\n\r\n[Extra]\r\nk=v");
    ASSERT_TRUE(WritePrivateProfileString("Options", "Song", "4", ini_));
    ASSERT_TRUE(WritePrivateProfileString("Third", "x", "y", ini_));
    ASSERT_TRUE(WritePrivateProfileString("Extra", "m", "n", ini_));
    EXPECT_EQ(ReadFileBytes(ini_),
              "[Options]\r\nA=1\r\n;note\r\nSong=4\r\n\r\n[Extra]\r\nk=v\r\nm=n\r\n[Third]\r\nx=y\r\n");
    WriteFileBytes(ini_, "[Empty]\r\n");
    ASSERT_TRUE(WritePrivateProfileString("Empty", "a", "b", ini_));
    EXPECT_EQ(ReadFileBytes(ini_), "[Empty]\r\na=b\r\n");
}

TEST_F(PrivateProfileTest, BytesPassThroughUnchanged)
{
    const std::string name = "J\xC3\xBCrgen \xE9\xFF\x01";
    WriteFileBytes(ini_, "[Options]\r\nOther=\xE4\xF6\xFC\r\n");
    ASSERT_TRUE(WritePrivateProfileString("Options", "PlayerName", name, ini_));
    EXPECT_EQ(Get(ini_, "Options", "PlayerName"), name);
    EXPECT_EQ(Get(ini_, "Options", "Other"), "\xE4\xF6\xFC");
    EXPECT_EQ(ReadFileBytes(ini_), "[Options]\r\nOther=\xE4\xF6\xFC\r\nPlayerName=" + name + "\r\n");
}

TEST_F(PrivateProfileTest, ReadsAreCutAt2047Characters)
{
    std::string exact(ProfileValueLimit, 'a');
    std::string longer = exact + std::string(953, 'b');
    ASSERT_TRUE(WritePrivateProfileString("Options", "Exact", exact, ini_));
    ASSERT_TRUE(WritePrivateProfileString("Options", "Long", longer, ini_));
    EXPECT_EQ(ProfileValueLimit, 2047u);
    EXPECT_EQ(Get(ini_, "Options", "Exact"), exact);
    EXPECT_EQ(Get(ini_, "Options", "Long"), exact);
    EXPECT_NE(ReadFileBytes(ini_).find(longer), std::string::npos) << "the file keeps the whole value";
    EXPECT_EQ(Get(ini_, "Options", "Missing", longer), exact);
}

TEST_F(PrivateProfileTest, CutsFallBetweenCharacters)
{
    // 2046 ASCII letters and then a two-byte, a three-byte and a four-byte character:
    // the 2047th character is the whole "\xC3\xA9".
    const std::string head(ProfileValueLimit - 1, 'a');
    ASSERT_TRUE(WritePrivateProfileString("Options", "Name", head + "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", ini_));
    EXPECT_EQ(Get(ini_, "Options", "Name"), head + "\xC3\xA9");
    // 2047 Cyrillic letters of two bytes each come back whole.
    std::string cyrillic;
    for (std::size_t i = 0; i < ProfileValueLimit; ++i)
        cyrillic += "\xD0\x96";
    ASSERT_TRUE(WritePrivateProfileString("Options", "Long", cyrillic + "\xD0\x96", ini_));
    EXPECT_EQ(Get(ini_, "Options", "Long"), cyrillic);
    // Bytes that start no character count one each and are kept as they are.
    const std::string latin1 = std::string(ProfileValueLimit - 1, 'b') + "\xE9\xE9";
    ASSERT_TRUE(WritePrivateProfileString("Options", "Latin", latin1, ini_));
    EXPECT_EQ(Get(ini_, "Options", "Latin"), latin1.substr(0, ProfileValueLimit));
}

TEST_F(PrivateProfileTest, FileOverTheLimitIsNeitherReadNorRewritten)
{
    const std::string big = "[Options]\r\nSong=7\r\n;" + std::string(ProfileFileLimit, 'x') + "\r\n";
    WriteFileBytes(ini_, big);
    EXPECT_EQ(Get(ini_, "Options", "Song", "0"), "0");
    EXPECT_TRUE(ReadProfileFile(ini_).tooLarge);
    EXPECT_FALSE(WritePrivateProfileString("Options", "Song", "8", ini_));
    EXPECT_EQ(ReadFileBytes(ini_), big);
    // Exactly at the limit is still a settings file.
    WriteFileBytes(ini_, big.substr(0, ProfileFileLimit));
    EXPECT_EQ(Get(ini_, "Options", "Song", "0"), "7");
}

TEST_F(PrivateProfileTest, NamesAndValuesThatWouldBreakTheFileAreRefused)
{
    WriteFileBytes(ini_, "[Options]\r\nA=1\r\n");
    EXPECT_FALSE(WritePrivateProfileString("Options", "A", "1\r\n[Evil]", ini_));
    EXPECT_FALSE(WritePrivateProfileString("Options", "  ", "1", ini_));
    EXPECT_FALSE(WritePrivateProfileString("", "A", "1", ini_));
    EXPECT_FALSE(WritePrivateProfileString("Opt]ions", "A", "1", ini_));
    EXPECT_FALSE(WritePrivateProfileString("Options", "A=B", "1", ini_));
    EXPECT_FALSE(WritePrivateProfileString("Options", " ;A", "1", ini_));
    EXPECT_EQ(ReadFileBytes(ini_), "[Options]\r\nA=1\r\n");
    EXPECT_TRUE(WritePrivateProfileString("Options", "A", "x=y;z", ini_));
    EXPECT_EQ(Get(ini_, "Options", "A"), "x=y;z");
}

// Root ignores permission bits, so folders and files are made unwritable in ways that
// hold for root as well: a "folder" that is a regular file, a "file" that is a folder.
TEST_F(PrivateProfileTest, PathsThatCannotBeWrittenAreRefused)
{
    const std::string notAFolder = dir_.File("plain");
    WriteFileBytes(notAFolder, "keep");
    EXPECT_FALSE(WritePrivateProfileString("Options", "Song", "1", notAFolder + "/s3d.ini"));
    EXPECT_EQ(ReadFileBytes(notAFolder), "keep");

    fs::create_directory(ini_);
    EXPECT_FALSE(WritePrivateProfileString("Options", "Song", "1", ini_));
    EXPECT_TRUE(fs::is_directory(ini_));
    EXPECT_EQ(Entries(), (std::vector<std::string>{"plain", "s3d.ini"}));
}

// A file without write bits is read-only for root as well: it is neither replaced
// through the rename nor changed.
TEST_F(PrivateProfileTest, ReadOnlyFileIsRefusedAndKeptWhole)
{
    WriteFileBytes(ini_, "[Options]\r\nSong=2\r\n");
    ::chmod(ini_.c_str(), 0444);
    EXPECT_FALSE(WritePrivateProfileString("Options", "Song", "3", ini_));
    EXPECT_EQ(ReadFileBytes(ini_), "[Options]\r\nSong=2\r\n");
    struct stat info {};
    ASSERT_EQ(::stat(ini_.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0444u);
    EXPECT_EQ(Entries(), std::vector<std::string>{"s3d.ini"});
    EXPECT_EQ(Get(ini_, "Options", "Song"), "2");
}

// Linux's immutable attribute stops root too, where the file system supports it.
TEST_F(PrivateProfileTest, ImmutableFileOrFolderIsRefusedAndKeptWhole)
{
    WriteFileBytes(ini_, "[Options]\r\nSong=2\r\n");
    const std::string chattr = "chattr +i '" + ini_ + "' 2>/dev/null";
    if (std::system(chattr.c_str()) != 0)
        GTEST_SKIP() << "chattr +i is not available here";
    const bool fileRefused = WritePrivateProfileString("Options", "Song", "3", ini_);
    std::system(("chattr -i '" + ini_ + "'").c_str());
    EXPECT_FALSE(fileRefused);

    ASSERT_EQ(std::system(("chattr +i '" + dir_.Path() + "'").c_str()), 0);
    const bool folderRefused = WritePrivateProfileString("Options", "Song", "4", ini_);
    std::system(("chattr -i '" + dir_.Path() + "'").c_str());
    EXPECT_FALSE(folderRefused);
    EXPECT_EQ(ReadFileBytes(ini_), "[Options]\r\nSong=2\r\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{"s3d.ini"});
}

TEST_F(PrivateProfileTest, InterruptedSaveLeavesTheOldFileWhole)
{
    WriteFileBytes(ini_, "[Options]\r\nSong=2\r\n");
    std::string renamedFrom, pendingBytes;
    SetSafeSaveRename([&](const std::string& from, const std::string&) {
        renamedFrom = from;
        pendingBytes = ReadFileBytes(from);
        return false;
    });
    EXPECT_FALSE(WritePrivateProfileString("Options", "Song", "3", ini_));
    EXPECT_EQ(ReadFileBytes(ini_), "[Options]\r\nSong=2\r\n");
    EXPECT_EQ(fs::path(renamedFrom).parent_path(), fs::path(dir_.Path())) << "temporary file beside the old one";
    EXPECT_EQ(pendingBytes, "[Options]\r\nSong=3\r\n") << "complete before the rename";
    EXPECT_EQ(Entries(), std::vector<std::string>{"s3d.ini"});

    SetSafeSaveRename([](const std::string&, const std::string&) -> bool { throw std::runtime_error("crash"); });
    EXPECT_THROW(WritePrivateProfileString("Options", "Song", "5", ini_), std::runtime_error);
    EXPECT_EQ(ReadFileBytes(ini_), "[Options]\r\nSong=2\r\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{"s3d.ini"});
}

TEST_F(PrivateProfileTest, PermissionsAndLinksSurviveASave)
{
    WriteFileBytes(ini_, "[Options]\r\n");
    ::chmod(ini_.c_str(), 0640);
    ASSERT_TRUE(WritePrivateProfileString("Options", "Song", "1", ini_));
    struct stat info {};
    ASSERT_EQ(::stat(ini_.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    const mode_t old = ::umask(022);
    const std::string fresh = dir_.File("fresh.ini");
    ASSERT_TRUE(WritePrivateProfileString("Options", "Song", "1", fresh));
    ::umask(old);
    ASSERT_EQ(::stat(fresh.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0644u);

    const std::string link = dir_.File("link.ini");
    fs::create_symlink(ini_, link);
    ASSERT_TRUE(WritePrivateProfileString("Options", "Scheme", "2", link));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Get(ini_, "Options", "Scheme"), "2");
}

}  // namespace

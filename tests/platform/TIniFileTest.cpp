#include "platform/TIniFile.h"
#include "platform/FrameworkError.h"
#include "platform/MessageBoxes.h"
#include "platform/PrivateProfile.h"
#include "platform/SafeSave.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

namespace {

class TIniFileTest : public testing::Test {
protected:
    void TearDown() override { SetSafeSaveRename({}); }

    // Stores one raw value under [Options] Value.
    TIniFile WithValue(const std::string& raw)
    {
        WriteFileBytes(ini_, "[Options]\r\nValue=" + raw + "\r\n");
        return TIniFile(ini_);
    }

    std::string ThrownText(const std::function<void()>& write)
    {
        try {
            write();
        } catch (const FrameworkError& error) {
            return error.Text();
        }
        return "<no error>";
    }

    TempDir dir_;
    std::string ini_ = dir_.File("s3d.ini");
};

struct IntegerCase {
    const char* raw;
    int expected;  // with a default of -77
};

class ReadIntegerTest : public TIniFileTest, public testing::WithParamInterface<IntegerCase> {};

TEST_P(ReadIntegerTest, ParsesOrGivesTheDefault)
{
    EXPECT_EQ(WithValue(GetParam().raw).ReadInteger("Options", "Value", -77), GetParam().expected)
        << "raw value \"" << GetParam().raw << "\"";
}

INSTANTIATE_TEST_SUITE_P(Values, ReadIntegerTest,
                         testing::Values(IntegerCase{"16", 16}, IntegerCase{"-5", -5}, IntegerCase{"+7", 7},
                                         IntegerCase{" 42 ", 42}, IntegerCase{"0x10", 16}, IntegerCase{"0X1f", 31},
                                         IntegerCase{"0xFFFFFFFF", -1}, IntegerCase{"2147483647", 2147483647},
                                         IntegerCase{"-2147483648", -2147483647 - 1}, IntegerCase{"0", 0},
                                         IntegerCase{"007", 7},
                                         // not numbers: the default
                                         IntegerCase{"abc", -77}, IntegerCase{"", -77}, IntegerCase{"0x", -77},
                                         IntegerCase{"0xg1", -77}, IntegerCase{"12abc", -77}, IntegerCase{"1.5", -77},
                                         IntegerCase{"2147483648", -77}, IntegerCase{"0x100000000", -77},
                                         IntegerCase{"$10", -77}, IntegerCase{"-0x10", -77}, IntegerCase{"+-1", -77},
                                         IntegerCase{"1 2", -77}, IntegerCase{"\"3\"", 3}));

TEST_F(TIniFileTest, MissingKeyOrFileGivesTheDefaults)
{
    TIniFile ini(dir_.File("none.ini"));
    EXPECT_EQ(ini.ReadString("Options", "PlayerName", ""), "");
    EXPECT_EQ(ini.ReadInteger("Options", "Song", 0), 0);
    EXPECT_FALSE(ini.ReadBool("Options", "EnableSound", false));
    EXPECT_TRUE(ini.ReadBool("Options", "EnableSound", true));
    EXPECT_FALSE(fs::exists(ini.FileName()));
}

TEST_F(TIniFileTest, BooleansFollowTheIntegerRules)
{
    EXPECT_FALSE(WithValue("yes").ReadBool("Options", "Value", false));
    EXPECT_TRUE(WithValue("yes").ReadBool("Options", "Value", true));
    EXPECT_TRUE(WithValue("2").ReadBool("Options", "Value", false));
    EXPECT_TRUE(WithValue("-1").ReadBool("Options", "Value", false));
    EXPECT_TRUE(WithValue("1").ReadBool("Options", "Value", false));
    EXPECT_FALSE(WithValue("0").ReadBool("Options", "Value", true));
    EXPECT_FALSE(WithValue("0x0").ReadBool("Options", "Value", true));
    EXPECT_TRUE(WithValue("0x10").ReadBool("Options", "Value", false));
}

TEST_F(TIniFileTest, WritesUseTheFileEncodings)
{
    TIniFile ini(ini_);
    ini.WriteString("Options", "PlayerName", "Ann Lee");
    ini.WriteBool("Options", "EnableSound", true);
    ini.WriteInteger("Options", "Scheme", -1);
    ini.WriteBool("Options", "EnableMusic", false);
    ini.WriteInteger("Options", "Song", 4);
    EXPECT_EQ(ReadFileBytes(ini_),
              "[Options]\r\nPlayerName=Ann Lee\r\nEnableSound=1\r\nScheme=-1\r\nEnableMusic=0\r\nSong=4\r\n");
    EXPECT_EQ(ini.ReadString("Options", "PlayerName", ""), "Ann Lee");
    EXPECT_EQ(ini.ReadInteger("Options", "Scheme", 0), -1);
    EXPECT_TRUE(ini.ReadBool("Options", "EnableSound", false));
}

TEST_F(TIniFileTest, RefusedWriteThrowsWithTheFullPath)
{
    WriteFileBytes(dir_.File("plain"), "");
    const std::string blocked = dir_.File("plain/s3d.ini");
    EXPECT_EQ(ThrownText([&] { TIniFile(blocked).WriteBool("Options", "EnableSound", true); }),
              "Unable to write to " + blocked);

    const fs::path saved = fs::current_path();
    fs::current_path(dir_.Path());
    const std::string text = ThrownText([] { TIniFile("plain/s3d.ini").WriteInteger("Options", "Song", 1); });
    fs::current_path(saved);
    EXPECT_EQ(text, "Unable to write to " + dir_.Path() + "/plain/s3d.ini");
}

TEST_F(TIniFileTest, KeysWrittenBeforeARefusalStayWritten)
{
    TIniFile ini(ini_);
    int renames = 0;
    SetSafeSaveRename([&](const std::string& from, const std::string& to) {
        return ++renames < 2 && std::rename(from.c_str(), to.c_str()) == 0;
    });
    ini.WriteString("Options", "PlayerName", "Ann");
    EXPECT_EQ(ThrownText([&] { ini.WriteBool("Options", "EnableSound", true); }), "Unable to write to " + ini_);
    EXPECT_EQ(ReadFileBytes(ini_), "[Options]\r\nPlayerName=Ann\r\n");
}

TEST_F(TIniFileTest, ReadsComeFromOneReadOfTheFile)
{
    WriteFileBytes(ini_, "[Options]\r\nSong=3\r\nScheme=1\r\n");
    TIniFile ini(ini_);
    EXPECT_EQ(ini.ReadInteger("Options", "Song", 0), 3);
    // Changed behind the object's back: the object keeps the file as it first read it.
    WriteFileBytes(ini_, "[Options]\r\nSong=4\r\nScheme=2\r\n");
    EXPECT_EQ(ini.ReadInteger("Options", "Scheme", 0), 1);
    // Its own writes reach the disk at once and are seen by its later reads.
    ini.WriteInteger("Options", "Song", 9);
    EXPECT_EQ(ini.ReadInteger("Options", "Song", 0), 9);
    EXPECT_EQ(ReadFileBytes(ini_), "[Options]\r\nSong=9\r\nScheme=2\r\n");
    EXPECT_EQ(TIniFile(ini_).ReadInteger("Options", "Scheme", 0), 2);
}

TEST_F(TIniFileTest, FileOverTheLimitGivesOneMessageAndTheDefaults)
{
    std::vector<std::string> shown;
    const MessageBoxes::Sink old = MessageBoxes::SetMessageSink([&](const std::string& t) { shown.push_back(t); });
    const std::string big = "[Options]\r\nSong=5\r\nEnableSound=1\r\n" + std::string(ProfileFileLimit, ';');
    WriteFileBytes(ini_, big);
    TIniFile ini(ini_);
    EXPECT_EQ(ini.ReadInteger("Options", "Song", 0), 0);
    EXPECT_FALSE(ini.ReadBool("Options", "EnableSound", false));
    EXPECT_EQ(ini.ReadString("Options", "PlayerName", ""), "");
    MessageBoxes::SetMessageSink(old);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find(fs::absolute(ini_).string()), std::string::npos) << shown[0];
    EXPECT_NE(shown[0].find("larger than 1024 KB"), std::string::npos) << shown[0];
    EXPECT_EQ(ThrownText([&] { ini.WriteInteger("Options", "Song", 1); }),
              "Unable to write to " + fs::absolute(ini_).string());
    EXPECT_EQ(ReadFileBytes(ini_), big);
}

}  // namespace

// Saving that fails, or is cut short by the end of the process: the old file stays
// whole and the rows say what the disk holds.
#include "FrameworkError.h"
#include "SafeSave.h"
#include "ScoreTable.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>

#include <sys/wait.h>
#include <unistd.h>

namespace {

class SaveFailure : public ::testing::Test {
protected:
    void SetUp() override
    {
        table.AnalyzePoints(500, "Old Timer");
        table.Save(path);
        oldBytes = ReadFileBytes(path);
        table.AnalyzePoints(900, "Newcomer");
    }
    void TearDown() override { SetSafeSaveRename({}); }
    std::string SaveMessage()
    {
        try {
            table.Save(path);
        } catch (const FrameworkError& error) {
            return error.Text();
        }
        return "<saved>";
    }

    TempDir dir;
    std::string path = dir.File("hscore.dat");
    ScoreTable table;
    std::string oldBytes;
};

TEST_F(SaveFailure, AFolderThatIsNotThereCannotTakeTheFile)
{
    const std::string elsewhere = dir.File("gone/hscore.dat");
    try {
        table.Save(elsewhere);
        FAIL() << "saved into a missing folder";
    } catch (const FrameworkError& error) {
        EXPECT_EQ(error.Text(), "Cannot create file \"" + elsewhere + "\". No such file or directory");
    }
    EXPECT_EQ(table.Row(1).text, "Old Timer        500") << "the rows keep their old texts";
    EXPECT_EQ(table.Entry(1).name, "Newcomer") << "the table in memory is updated";
}

TEST_F(SaveFailure, ARefusedReplacementLeavesTheOldFileWhole)
{
    SetSafeSaveRename([](const std::string&, const std::string&) {
        errno = EACCES;
        return false;
    });
    EXPECT_EQ(SaveMessage(), "Cannot create file \"" + path + "\". Permission denied");
    EXPECT_EQ(ReadFileBytes(path), oldBytes);
    SetSafeSaveRename([](const std::string&, const std::string&) {
        errno = ENOSPC;
        return false;
    });
    EXPECT_EQ(SaveMessage(), "Cannot write file \"" + path + "\". No space left on device");
    EXPECT_EQ(ReadFileBytes(path), oldBytes);
    EXPECT_EQ(table.Row(1).text, "Old Timer        500");
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        EXPECT_EQ(entry.path().filename(), "hscore.dat") << "no temporary file is left";

    SetSafeSaveRename({});
    table.Save(path);
    EXPECT_EQ(table.Row(1).text, "Newcomer         900");
    ScoreTable reloaded;
    reloaded.Load(path);
    EXPECT_EQ(reloaded.Entry(2).name.trimmed(), "Old Timer");
}

TEST_F(SaveFailure, AProcessKilledBeforeTheRenameLeavesTheOldFileToLoad)
{
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SetSafeSaveRename([](const std::string&, const std::string&) {
            ::raise(SIGKILL);
            return false;
        });
        try {
            table.Save(path);
        } catch (...) {
        }
        ::_exit(3);  // only if the kill did not come
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended with " << status;
    EXPECT_EQ(WTERMSIG(status), SIGKILL);
    EXPECT_EQ(ReadFileBytes(path), oldBytes);
    ScoreTable reloaded;
    reloaded.Load(path);
    EXPECT_EQ(reloaded.Entry(1).name.trimmed(), "Old Timer");
    EXPECT_EQ(reloaded.Entry(1).points, 500);
}

}  // namespace

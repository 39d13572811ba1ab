// Saving that fails, or is cut short by the end of the process: the old file stays
// whole and the rows say what the disk holds.
#include "platform/FrameworkError.h"
#include "HandMadeFile.h"

#include <QStringList>
#include "platform/SafeSave.h"
#include "scores/ScoreTable.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
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
    // A copy of the game killed between writing and renaming, as a power cut does.
    void SaveKilledBeforeTheRename()
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
    }
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

// A full disk must not cost the result: once there is room again the same
// result saves once, in its place.
TEST_F(SaveFailure, AResultWhoseSaveFailedIsSavedOnceOnTheNextTry)
{
    table.Save(path);
    oldBytes = ReadFileBytes(path);
    SetSafeSaveRename([](const std::string&, const std::string&) {
        errno = ENOSPC;
        return false;
    });
    EXPECT_THROW(table.SaveResult(700, "Retry", path), FrameworkError);
    EXPECT_EQ(ReadFileBytes(path), oldBytes);
    EXPECT_EQ(table.Entry(2).name, "Old Timer") << "the table is as it was before the try";
    SetSafeSaveRename({});
    EXPECT_EQ(table.SaveResult(700, "Retry", path), 2);
    ScoreTable reloaded;
    reloaded.Load(path);
    EXPECT_EQ(reloaded.Entry(1).name.trimmed(), "Newcomer");
    EXPECT_EQ(reloaded.Entry(2).name.trimmed(), "Retry");
    EXPECT_EQ(reloaded.Entry(3).name.trimmed(), "Old Timer");
    EXPECT_EQ(reloaded.Entry(4).points, 0) << "the result went in once";
}

// Names an older file holds in bytes 0x80-0x9F (cp1252 letters, curly quotes)
// are written back as they were read, in every row, by any Save; only a typed
// name is converted.
TEST(SaveBytes, StoredNamesKeepEveryByteFromSpaceUp)
{
    TempDir dir;
    const std::string path = dir.File("hscore.dat");
    const std::string odd = "\x8A\x8C\x9E \x93q\x94 \x7F\xA9";
    std::vector<std::string> payloads = DescendingPayloads();
    payloads[0] = (odd + std::string(17 - odd.size(), ' ')) + " 90";
    payloads[6] = (odd + std::string(17 - odd.size(), ' ')) + " 30";
    WriteFileBytes(path, HandMadeFile(payloads));
    ScoreTable table;
    table.Load(path);
    EXPECT_EQ(table.SaveResult(-5, "Nobody", path), 0) << "a result that does not enter still saves";
    const std::vector<std::string> lines = CrLfLines(ReadFileBytes(path));
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(PayloadOf(lines[0]).substr(0, odd.size()), odd);
    EXPECT_EQ(PayloadOf(lines[6]).substr(0, odd.size()), odd);
    table.SaveResult(95, QString::fromUtf8("\u0160ara"), path);
    EXPECT_EQ(PayloadOf(CrLfLines(ReadFileBytes(path))[0]).substr(0, 4), "?ara");
    EXPECT_EQ(PayloadOf(CrLfLines(ReadFileBytes(path))[1]).substr(0, odd.size()), odd);
}

TEST_F(SaveFailure, AProcessKilledBeforeTheRenameLeavesTheOldFileToLoad)
{
    SaveKilledBeforeTheRename();
    EXPECT_EQ(ReadFileBytes(path), oldBytes);
    ScoreTable reloaded;
    reloaded.Load(path);
    EXPECT_EQ(reloaded.Entry(1).name.trimmed(), "Old Timer");
    EXPECT_EQ(reloaded.Entry(1).points, 500);
}

}  // namespace

// A table shared between folders through a link gets the result; the link stays.
TEST_F(SaveFailure, ALinkIsWrittenThroughToTheFileItNames)
{
    const std::string shared = dir.File("shared.dat");
    std::filesystem::rename(path, shared);
    std::filesystem::create_symlink("shared.dat", path);
    table.Save(path);
    EXPECT_TRUE(std::filesystem::is_symlink(path));
    ScoreTable reloaded;
    reloaded.Load(shared);
    EXPECT_EQ(reloaded.Entry(1).name.trimmed(), "Newcomer");
}

// A read-only table is refused with the save's own message, not replaced.
TEST_F(SaveFailure, AReadOnlyFileIsRefusedAndLeftAsItIs)
{
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    EXPECT_EQ(SaveMessage(), "Cannot create file \"" + path + "\". Permission denied");
    EXPECT_EQ(ReadFileBytes(path), oldBytes);
    EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
}

// Saves killed between writing and renaming leave their temporary files: the next
// save clears those no save in progress could still hold, and never a file of the
// player's own that happens to look alike.
TEST_F(SaveFailure, TheNextSaveRemovesOnlyTemporaryFilesAKilledSaveLeft)
{
    namespace fs = std::filesystem;
    const auto hourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    SaveKilledBeforeTheRename();
    std::vector<fs::path> stale;
    for (const auto& entry : fs::directory_iterator(dir.Path()))
        if (entry.path().filename() != "hscore.dat")
            stale.push_back(entry.path());
    ASSERT_EQ(stale.size(), 1u);
    fs::last_write_time(stale[0], hourAgo);
    SaveKilledBeforeTheRename();
    const std::vector<std::string> mine = {dir.File(".hscore.dat.backup"), dir.File(".hscore.dat.Ab12Cd")};
    for (const std::string& f : mine) {
        WriteFileBytes(f, "the player's own");
        fs::last_write_time(f, hourAgo);
    }
    table.Save(path);
    EXPECT_FALSE(fs::exists(stale[0]));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 4)
        << "the younger one may be another copy's save in progress";
    for (const std::string& f : mine)
        EXPECT_EQ(ReadFileBytes(f), "the player's own");
}

// Two copies of the game in one folder, each with the table it loaded at start:
// the second save keeps the first one's result.
TEST_F(SaveFailure, TwoCopiesSavingInTurnKeepBothResults)
{
    table.Save(path);
    ScoreTable first, second;
    first.Load(path);
    second.Load(path);
    EXPECT_EQ(first.SaveResult(700, "First", path), 2);
    EXPECT_EQ(second.SaveResult(600, "Second", path), 3) << "placed in the table as the disk holds it";
    ScoreTable reloaded;
    reloaded.Load(path);
    const QStringList names = {"Newcomer", "First", "Second", "Old Timer"};
    for (int rank = 1; rank <= 4; ++rank)
        EXPECT_EQ(reloaded.Entry(rank).name.trimmed(), names[rank - 1]) << rank;
    EXPECT_EQ(second.Row(2).text, reloaded.Row(2).text) << "the window shows the table as saved";
}

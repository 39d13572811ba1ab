// Opening a name for reading that anything may have made a pipe, a folder or a
// link to nowhere: none of them may make the game wait or read for ever.
#include "platform/RegularFile.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

TEST(RegularFileTest, OnlyARegularFileOpensAndEveryOtherNameSaysWhy)
{
    TempDir dir;
    WriteFileBytes(dir.File("a"), "abcdef");
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0);
    ASSERT_EQ(::mkdir(dir.File("folder").c_str(), 0700), 0);
    ASSERT_EQ(::symlink("loop", dir.File("loop").c_str()), 0);

    RegularFile file(dir.File("a"));
    ASSERT_TRUE(file.IsOpen());
    EXPECT_EQ(file.Size(), 6);

    // A pipe without a writer: the open returns at once (else the test hangs) and
    // it is refused as no file.
    RegularFile pipe(dir.File("pipe"));
    EXPECT_FALSE(pipe.IsOpen());
    EXPECT_EQ(pipe.Error(), 0);
    EXPECT_EQ(RegularFile(dir.File("folder")).Error(), EISDIR);
    EXPECT_EQ(RegularFile(dir.File("missing")).Error(), ENOENT);
    EXPECT_EQ(RegularFile(dir.File("loop")).Error(), ELOOP);
    EXPECT_EQ(RegularFile("/dev/zero").Error(), 0) << "a device that never ends is no file";
}

TEST(RegularFileTest, ReadsStopAtTheLimitAndTheStreamTakesTheFileOver)
{
    TempDir dir;
    const std::string bytes(200 * 1024, 'x');
    WriteFileBytes(dir.File("big"), bytes);
    RegularFile file(dir.File("big"));
    std::string read;
    ASSERT_TRUE(file.Read(read, 70 * 1024 + 1));
    EXPECT_EQ(read.size(), 70u * 1024 + 1);
    // The stream goes on where the reads stopped.
    std::FILE* stream = file.TakeStream();
    ASSERT_NE(stream, nullptr);
    EXPECT_FALSE(file.IsOpen());
    std::string rest(bytes.size(), '\0');
    EXPECT_EQ(std::fread(rest.data(), 1, rest.size(), stream), bytes.size() - read.size());
    std::fclose(stream);
    EXPECT_FALSE(file.Read(read, 10)) << "nothing is left to read once the stream has it";
    EXPECT_TRUE(read.empty());
}

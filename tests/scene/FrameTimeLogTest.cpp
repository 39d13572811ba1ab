#include "scene/FrameTimeLog.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <string>

namespace {

std::filesystem::path TempLog(const char* name)
{
    return std::filesystem::temp_directory_path() / (std::string(name) + "-" + std::to_string(::getpid()) + ".log");
}

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

// bench/startup.sh reads the log while the game still runs, so every frame's line
// must be in the file as soon as it is recorded, in the two columns it parses.
TEST(FrameTimeLog, EachFrameIsReadableAtOnceAsStartAndDuration)
{
    const auto path = TempLog("frame-time-log");
    FrameTimeLog log(path.string());
    ASSERT_TRUE(log.IsOpen());
    log.Record(12.5, 3.25);
    EXPECT_EQ(ReadAll(path), "12.50 3.250\n");
    log.Record(40, 71.5);
    EXPECT_EQ(ReadAll(path), "12.50 3.250\n40.00 71.500\n");
    std::filesystem::remove(path);
}

// The shipped game keeps no log: only a named, writable file turns it on.
TEST(FrameTimeLog, OnlyANamedWritableFileTurnsItOn)
{
    ::unsetenv("GLIMMORA_FRAME_LOG");
    EXPECT_EQ(FrameTimeLog::FromEnvironment(), nullptr);
    ::setenv("GLIMMORA_FRAME_LOG", "", 1);
    EXPECT_EQ(FrameTimeLog::FromEnvironment(), nullptr);
    ::setenv("GLIMMORA_FRAME_LOG", "/nonexistent-folder/frames.log", 1);
    EXPECT_EQ(FrameTimeLog::FromEnvironment(), nullptr);
    const auto path = TempLog("frame-time-env");
    ::setenv("GLIMMORA_FRAME_LOG", path.c_str(), 1);
    EXPECT_NE(FrameTimeLog::FromEnvironment(), nullptr);
    ::unsetenv("GLIMMORA_FRAME_LOG");
    std::filesystem::remove(path);
}

}  // namespace

#include "scene/FrameTimeLog.h"

#include <cstdlib>

std::unique_ptr<FrameTimeLog> FrameTimeLog::FromEnvironment()
{
    const char* path = std::getenv("GLIMMORA_FRAME_LOG");
    if (!path || !*path)
        return nullptr;
    auto log = std::make_unique<FrameTimeLog>(path);
    return log->IsOpen() ? std::move(log) : nullptr;
}

FrameTimeLog::FrameTimeLog(const std::string& path) : file_(std::fopen(path.c_str(), "w")) {}

void FrameTimeLog::Record(double startMs, double durationMs)
{
    if (!file_)
        return;
    std::fprintf(file_.get(), "%.2f %.3f\n", startMs, durationMs);
    std::fflush(file_.get());
}

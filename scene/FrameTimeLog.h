#pragma once

#include <cstdio>
#include <memory>
#include <string>

// A line per drawn frame, "START_MS DURATION_MS", for the benchmarks that watch
// the real game (bench/startup.sh): START_MS counts from the log's opening, which
// comes with the view's creation. Each line is flushed, so a watcher reads the
// frames while the game runs. The game keeps no log unless GLIMMORA_FRAME_LOG
// names a file.
class FrameTimeLog {
public:
    // The log named by GLIMMORA_FRAME_LOG, or none (also when the file cannot be made).
    static std::unique_ptr<FrameTimeLog> FromEnvironment();
    explicit FrameTimeLog(const std::string& path);
    FrameTimeLog(const FrameTimeLog&) = delete;
    FrameTimeLog& operator=(const FrameTimeLog&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    void Record(double startMs, double durationMs);

private:
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
};

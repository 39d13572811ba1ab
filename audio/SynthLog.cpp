#include "audio/SynthLog.h"

#include <fluidsynth.h>

#include <cstdio>

std::mutex SynthLog::lock_;
SynthLog::Sink SynthLog::sink_;
std::string SynthLog::last_;
std::size_t SynthLog::repeats_ = 0;
std::size_t SynthLog::lines_ = 0;

namespace {

void FromLibrary(int level, const char* message, void*) { SynthLog::Take(level, message); }

}  // namespace

void SynthLog::Route()
{
    static std::once_flag routed;
    std::call_once(routed, [] {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, &FromLibrary, nullptr);
    });
}

void SynthLog::SetSink(Sink sink)
{
    std::lock_guard<std::mutex> lock(lock_);
    sink_ = std::move(sink);
    last_.clear();
    repeats_ = 0;
    lines_ = 0;
}

void SynthLog::Take(int level, const char* message)
{
    if (level != FLUID_PANIC && level != FLUID_ERR && level != FLUID_WARN)
        return;
    const std::string text = message != nullptr ? message : "";
    std::lock_guard<std::mutex> lock(lock_);
    if (text == last_) {
        ++repeats_;
        return;
    }
    WriteRepeats();
    last_ = text;
    Write("fluidsynth: " + text);
}

void SynthLog::WriteRepeats()
{
    if (repeats_ > 0)
        Write("fluidsynth: the message before came " + std::to_string(repeats_) + " more times");
    repeats_ = 0;
}

void SynthLog::Write(const std::string& line)
{
    if (lines_ > kMostLines)
        return;
    ++lines_;
    const std::string shown = lines_ > kMostLines ? "fluidsynth: further messages are not shown" : line;
    if (sink_)
        sink_(shown);
    else
        std::fprintf(stderr, "%s\n", shown.c_str());
}

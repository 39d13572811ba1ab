#pragma once

#include <cstddef>
#include <functional>
#include <mutex>
#include <string>

// Where the synthesizer library's messages go. Left to itself, it writes every
// message to the terminal from whatever thread raises it, the audio thread included,
// and a song that overwhelms it raises the same complaint millions of times. Routed
// here, its errors and warnings are written once each; a repeat of the message before
// is counted instead, and the count written when another message comes. Information
// and debugging messages are dropped. After kMostLines lines, nothing more is written.
class SynthLog {
public:
    using Sink = std::function<void(const std::string& line)>;

    static constexpr std::size_t kMostLines = 100;

    // Routes the library's messages here for the rest of the run; repeated calls do
    // nothing more.
    static void Route();

    // Where the lines go: standard error unless a test says otherwise. Resets the
    // counts.
    static void SetSink(Sink sink);

    // Takes one message of the library's at its level.
    static void Take(int level, const char* message);

private:
    // The library's hook is one for the whole process, and so is what it feeds.
    static void Write(const std::string& line);
    static void WriteRepeats();

    static std::mutex lock_;
    static Sink sink_;
    static std::string last_;
    static std::size_t repeats_;
    static std::size_t lines_;
};

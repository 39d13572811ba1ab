#pragma once

#include "TempDir.h"

#include <QProcess>

#include <cstdint>
#include <string>
#include <vector>

// A PulseAudio daemon of the test's own, in user mode: its runtime and state under a
// folder of its own, one null sink whose monitor records what is played into it, and
// its socket there too. This process is pointed at it (PULSE_SERVER, a client
// configuration that never autospawns), so no other daemon is ever reached or started.
// The daemon dies with this process.
class PulseServer {
public:
    static constexpr int kRate = 44100;

    PulseServer();
    ~PulseServer();

    // Starts the daemon and waits (boundedly) until it answers.
    bool Start();
    // Ends the daemon with the signal and waits until it is gone.
    void Stop(int signal);

    // Streams playing into the server now; -1 when it does not answer.
    int SinkInputs() const;
    // The left channel of what the sink plays over the next `seconds`; empty when
    // the server does not answer.
    std::vector<std::int16_t> Record(double seconds) const;

private:
    TempDir dir_;
    QProcess daemon_;
};

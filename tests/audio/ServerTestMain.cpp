// GoogleTest entry for the tests against a real sound server: SDL reaches it through
// its PulseAudio driver; each test starts the server of its own (PulseServer).
#include <QCoreApplication>

#include <gtest/gtest.h>

#include <stdlib.h>

// Under the leak checker: SDL 2.26's PulseAudio driver leaves some of its requests to
// the server unreleased (88 bytes each; its device watcher makes one for every device
// a restarted server announces). This program never calls PulseAudio itself.
extern "C" const char* __lsan_default_suppressions() { return "leak:libpulse.so\n"; }

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    ::setenv("SDL_AUDIODRIVER", "pulseaudio", 1);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

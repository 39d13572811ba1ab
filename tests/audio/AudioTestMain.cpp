// GoogleTest entry for the audio tests: one core application for the whole run, since
// the end-of-song notices travel as posted events. The mixer writes into a file
// instead of a sound card; each test names its own file (DiskMix).
#include <QCoreApplication>

#include <gtest/gtest.h>

#include <stdlib.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

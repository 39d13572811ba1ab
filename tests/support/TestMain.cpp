// The GoogleTest entry of every suite that needs Qt. What a suite needs is set by
// its build (glimmora_test_main): the kind of application, the sound driver SDL is
// to take, the fonts the windows are drawn with, the GL format of the 3D view.
#if defined(GLIMMORA_TEST_APP_CORE)
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#elif defined(GLIMMORA_TEST_APP_GUI)
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#else
#include <QApplication>
using TestApplication = QApplication;
#endif
#include <gtest/gtest.h>

#include <stdlib.h>

#ifdef GLIMMORA_TEST_GL
#include "scene/TGLSceneWindow.h"
#endif
#ifdef GLIMMORA_TEST_FONTS
#include "platform/Fonts.h"
#endif

#ifdef GLIMMORA_TEST_LSAN_LIBPULSE
// Under the leak checker: SDL 2.26's PulseAudio driver leaves some of its requests to
// the server unreleased (88 bytes each; its device watcher makes one for every device
// a restarted server announces). This program never calls PulseAudio itself.
extern "C" const char* __lsan_default_suppressions() { return "leak:libpulse.so\n"; }
#endif

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
#ifdef GLIMMORA_TEST_SOUND
    // The sound goes where the suite listens (a file, a server of its own) or
    // nowhere, never to the machine's sound card.
    ::setenv("SDL_AUDIODRIVER", GLIMMORA_TEST_SOUND, 1);
#endif
#ifdef GLIMMORA_TEST_QPA_OFFSCREEN
    // Only for images and processes: the windows under test belong to the game.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
#endif
#ifdef GLIMMORA_TEST_GL
    QSurfaceFormat::setDefaultFormat(TGLSceneWindow::viewerFormat());
#endif
    TestApplication app(argc, argv);
#ifdef GLIMMORA_TEST_FONTS
    InstallFontSubstitutes();
#endif
    return RUN_ALL_TESTS();
}

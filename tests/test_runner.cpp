#include "test_runner.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

int RunAllTestsInApplication(int argc, char **argv)
{
    // ctest hands over only one environment variable per test, so the rest are set here.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    QTemporaryDir prefix(QDir::tempPath() + "/trevisto-test-XXXXXX");
    if (!getenv("TREVISTO_KEEP_PREFIX"))
        setenv("TREVISTO_PREFIX", prefix.path().toLocal8Bit().constData(), 1);

    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

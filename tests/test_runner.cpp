#include "test_runner.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// ctest shows a skipped case as "Skipped" and nothing more. Each skip's reason goes to a
// file of its own in the build's Testing folder, and ctest prints them all after the run
// (CTestCustom.cmake).
class SkipReasons : public ::testing::EmptyTestEventListener {
public:
    void OnTestEnd(const ::testing::TestInfo &test) override
    {
        const ::testing::TestResult *result = test.result();
        if (!result || !result->Skipped())
            return;
        QString reason;
        for (int i = 0; i < result->total_part_count(); ++i) {
            const ::testing::TestPartResult &part = result->GetTestPartResult(i);
            if (part.skipped() && part.message() && *part.message())
                reason = QString::fromUtf8(part.message()).simplified();
        }
        const QString name = QStringLiteral("%1.%2").arg(test.test_suite_name(), test.name());
        const QString folder = QStringLiteral(TREVISTO_SKIP_REASONS_DIR);
        if (!QDir().mkpath(folder))
            return;
        QFile file(folder + '/' + QString(name).replace('/', '_') + ".txt");
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write((name + ": " + (reason.isEmpty() ? QStringLiteral("no reason given") : reason) + '\n').toUtf8());
    }
};

} // namespace

int RunAllTestsInApplication(int argc, char **argv)
{
    // ctest hands over only one environment variable per test, so the rest are set here.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    QTemporaryDir prefix(QDir::tempPath() + "/trevisto-test-XXXXXX");
    if (!getenv("TREVISTO_KEEP_PREFIX"))
        setenv("TREVISTO_PREFIX", prefix.path().toLocal8Bit().constData(), 1);
    // A runtime folder of the tests' own (a QTemporaryDir is made with mode 0700), so that
    // neither a run nor the listing of the cases at build time depends on the session.
    QTemporaryDir runtime(QDir::tempPath() + "/trevisto-runtime-XXXXXX");
    if (runtime.isValid())
        setenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit().constData(), 1);

    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new SkipReasons);
    return RUN_ALL_TESTS();
}

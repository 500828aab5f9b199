#pragma once
// A program folder of its own for each test, holding a decoding library of the test's
// choice, a fresh drive C: and a recorded program end.

#include "app/frmWriteWave.h"
#include "app/programend.h"
#include "app/scripteddialogs.h"
#include "ui_frmWriteWave.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>
#include <optional>

class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root_.isValid());
        programFolder_ = root_.path() + "/program";
        prefix_ = root_.path() + "/prefix";
        QDir().mkpath(programFolder_);
        setenv("TREVISTO_PREFIX", prefix_.toLocal8Bit().constData(), 1);
        logPath_ = root_.path() + "/calls.log";
        setenv("FAKEBASS_LOG", logPath_.toLocal8Bit().constData(), 1);
        unsetenv("FAKEBASS_VERSION");
        unsetenv("FAKEBASS_INIT_FAIL");
        ProgramEnd::setHook([this](int code) { endCode_ = code; });
    }

    void TearDown() override
    {
        window_.reset();
        ProgramEnd::setHook(nullptr);
        unsetenv("FAKEBASS_LOG");
        unsetenv("FAKEBASS_VERSION");
        unsetenv("FAKEBASS_INIT_FAIL");
    }

    void installLibrary(const char *from)
    {
        const QString to = programFolder_ + "/libbass.so";
        QFile::remove(to);
        ASSERT_TRUE(QFile::copy(from, to)) << from;
    }

    frmWriteWave &makeWindow()
    {
        window_ = std::make_unique<frmWriteWave>(dialogs_, programFolder_);
        return *window_;
    }

    // Creates the window and runs its start-up; true when the program goes on.
    bool start()
    {
        makeWindow();
        return window_->Form_Load();
    }

    QStringList libraryCalls() const
    {
        QFile f(logPath_);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    }

    QTemporaryDir root_;
    QString programFolder_, prefix_, logPath_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<frmWriteWave> window_;
    std::optional<int> endCode_;
};

#ifdef REAL_BASS_PATH
// A window started on the real decoding library, with the start-up's questions forgotten.
class StartedWindow : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        installLibrary(REAL_BASS_PATH);
        ASSERT_TRUE(start());
        dialogs_.clear();
    }
};
#endif

#pragma once
// A program folder of its own for each test, holding a decoding library of the test's
// choice, a fresh drive C: and a recorded program end.

#include "app/frmWriteWave.h"
#include "app/programend.h"
#include "app/scripteddialogs.h"
#include "platform/mci/player.h"
#include "ui/Frmwait.h"
#include "ui_frmWriteWave.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>
#include <optional>

// Failures show texts as texts.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

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

    // Creates the window and runs its whole start-up, the part the program leaves for after
    // the first frame included; true when the program goes on.
    bool start()
    {
        makeWindow();
        return window_->Form_Load() && window_->FinishStarting();
    }

    // The window's controls and form-level values, which only this fixture may reach.
    static Ui::frmWriteWave *ui(const frmWriteWave &w) { return w.ui; }
    static MciPlayer *MMaudio(const frmWriteWave &w) { return w.MMaudio; }
    static MciPlayer *MMControl1(const frmWriteWave &w) { return w.MMControl1; }
    static MciPlayer *MMCPlayList(const frmWriteWave &w) { return w.MMCPlayList; }
    static CloseView *closeView(const frmWriteWave &w) { return w.closeView_; }
    static const std::array<QFrame *, 18> &Shape1(const frmWriteWave &w) { return w.Shape1; }
    static BassLibrary &Bass(frmWriteWave &w) { return w.Bass; }
    static quint32 &Chan(frmWriteWave &w) { return w.source_.Chan; }
    static int64_t &DataLength(frmWriteWave &w) { return w.source_.DataLength; }
    static qint32 &BitRate(frmWriteWave &w) { return w.BitRate; }
    static qint32 &MarkIn(frmWriteWave &w) { return w.MarkIn; }
    static qint32 &MarkOut(frmWriteWave &w) { return w.MarkOut; }
    static qint32 &PlayIndex(frmWriteWave &w) { return w.PlayIndex; }
    static QStringList &PromptTexts(frmWriteWave &w) { return w.texts_.PromptTexts; }
    static QStringList &MessageTexts(frmWriteWave &w) { return w.texts_.MessageTexts; }
    static QStringList &CaptionTexts(frmWriteWave &w) { return w.texts_.CaptionTexts; }
    static QStringList &MenuTexts(frmWriteWave &w) { return w.texts_.MenuTexts; }
    static Frmwait &WaitWindow(frmWriteWave &w) { return w.wait_.form(); }
    static quint32 &MixerHandle(frmWriteWave &w) { return w.volume_.MixerHandle; }
    static MixerControl &VolumeControl(frmWriteWave &w) { return w.volume_.VolumeControl; }
    static const ImageList &ImageListNor(const frmWriteWave &w) { return w.lighting_.ImageListNor; }
    static const ImageList &ImageListRoll(const frmWriteWave &w) { return w.lighting_.ImageListRoll; }
    static const ImageList &ImageListClick(const frmWriteWave &w) { return w.lighting_.ImageListClick; }
    static Mp3Encoder *Mp3Enc1(const frmWriteWave &w) { return w.Mp3Enc1; }
    static QTimer *Timer1(const frmWriteWave &w) { return w.Timer1; }
    // What the source loader is writing, if anything.
    static trevisto::SourceLoader::Job LoadJob(const frmWriteWave &w) { return w.loader_.job(); }

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

#include "app/window_fixture.h"

#include "editor/timetext.h"

#include "core/routines.h"
#include "platform/mci/player.h"
#include "platform/wav/wav.h"
#include "support/ffmpeg_tool.h"
#include "support/test_audio.h"
#include "ui/Frmwait.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QWindow>
#include <QProgressBar>
#include <QFileInfo>
#include <QTimer>

namespace {

using namespace trevisto::test;

class Loading : public StartedWindow {
protected:

    QString source(const std::string &name) const { return QString::fromStdString(audio_.file(name)); }

    // Chooses `path` in the chooser of the given Open menu item.
    void open(void (frmWriteWave::*item)(), const QString &path)
    {
        dialogs_.answerFile(path);
        (window_.get()->*item)();
    }

    static QByteArray readFile(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QByteArray workingFile() const { return readFile(NativePath("C:\\temp.wav")); }

    void expectOpened(const QString &path, qint64 lengthMs, const QString &lengthText)
    {
        frmWriteWave &w = *window_;
        EXPECT_EQ(dialogs_.unanswered(), 0);
        EXPECT_TRUE(MMaudio(w)->isOpen());
        EXPECT_EQ(MMaudio(w)->length(), lengthMs);
        EXPECT_EQ(MarkIn(w), 0);
        EXPECT_EQ(MarkOut(w), lengthMs);
        EXPECT_EQ(ui(w)->Slider1->minimum(), 0);
        EXPECT_EQ(ui(w)->Slider1->maximum(), WholeSeconds(lengthMs));
        EXPECT_EQ(ui(w)->lblAudio->text(), "00:00:00 / " + lengthText);
        EXPECT_EQ(ui(w)->Txtin->text(), "00:00:00");
        EXPECT_EQ(ui(w)->TxtOut->text(), lengthText);
        EXPECT_EQ(w.windowTitle(), "Trevisto MP3 Editor -" + path);
        EXPECT_TRUE(ui(w)->CmdPlay->isEnabled());
        EXPECT_TRUE(ui(w)->CmdStep->isEnabled());
        EXPECT_TRUE(ui(w)->btnLoadFile->isEnabled());
        // The marks work before anything plays.
        EXPECT_TRUE(ui(w)->CmdSetin->isEnabled());
        EXPECT_TRUE(ui(w)->CmdOut->isEnabled());
        for (QWidget *b : {ui(w)->CmdBack, ui(w)->CmdPause, ui(w)->CmdStop, ui(w)->CmdSetNew, ui(w)->CmdGoto})
            EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
        EXPECT_TRUE(WaitWindow(w).isHidden());
        EXPECT_EQ(DataLength(w), 0);
        EXPECT_NE(LoadJob(w), trevisto::SourceLoader::Job::Converting);
    }

    TempDir audio_;
};

TEST_F(Loading, EachKindOfSourceOpensWithItsLengthMarksAndTitle)
{
    const Pcm tone = makeTone(44100, 2, 2.0, 440);
    writeMp3(audio_.file("tone.mp3"), tone);
    writeOgg(audio_.file("tone.ogg"), tone);
    writeAiff(audio_.file("tone.aiff"), tone);
    writeBytes(audio_.file("song.mod"), buildMod(shortModSong()));

    struct Case {
        const char *file;
        void (frmWriteWave::*item)();
        const char *filter;
    };
    const Case cases[] = {
        {"tone.mp3", &frmWriteWave::Open1_Click, "Mp3 (*.mp3)|*.mp3"},
        {"tone.ogg", &frmWriteWave::ogg_Click, "0GG (*.ogg)|*.ogg"},
        {"tone.aiff", &frmWriteWave::aiff_Click, "AIFF (*.AIFF)|*.AIFF"},
        {"song.mod", &frmWriteWave::Open1_Click, "Mp3 (*.mp3)|*.mp3"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        dialogs_.clear();
        const QString path = source(c.file);
        open(c.item, path);
        ASSERT_EQ(dialogs_.asked().size(), 1) << "only the chooser is shown";
        const FileRequest &asked = dialogs_.asked().front().file;
        EXPECT_EQ(asked.filter, c.filter);
        EXPECT_EQ(asked.flags, 528388);
        EXPECT_FALSE(asked.save);

        // The working file is a complete WAV of the decoded sound.
        const QByteArray wav = workingFile();
        ASSERT_GT(wav.size(), 44);
        uint32_t dataSize = 0, rate = 0;
        memcpy(&dataSize, wav.constData() + 40, 4);
        memcpy(&rate, wav.constData() + 24, 4);
        EXPECT_EQ(qint64(dataSize) + 44, wav.size());
        const qint64 frames = dataSize / 4;
        const qint64 lengthMs = (frames * 1000 + rate - 1) / rate;

        if (QString(c.file).endsWith(".mod")) {
            EXPECT_GT(lengthMs, 1000);
            expectOpened(path, lengthMs, ClockText(lengthMs / 1000.0));
        } else {
            EXPECT_EQ(frames, qint64(tone.frames())) << "the whole sound, no more, no less";
            expectOpened(path, 2000, "00:00:02");
        }
    }
}

// Everything a user sees of the loaded sound and its cut result, in one text.
QString windowState(const frmWriteWave &w, Ui::frmWriteWave *u, MciPlayer *source, MciPlayer *result)
{
    QString s = w.windowTitle() + '|' + u->lblAudio->text() + '|' + u->Label4->text() + '|' + u->Txtin->text() +
                '|' + u->TxtOut->text() + '|' + QString::number(u->Slider1->maximum()) + '|' + source->fileName() +
                '|' + QString::number(source->isOpen()) + QString::number(result->isOpen()) + '|';
    for (QWidget *b : u->centralwidget->findChildren<QAbstractButton *>())
        s += b->isEnabled() ? 'E' : 'D';
    return s;
}

TEST_F(Loading, ACancelledOrRefusedOpenChangesNothing)
{
    writeWav(audio_.file("short.wav"), makeTone(8000, 1, 2.0, 300));
    writeBytes(audio_.file("notes.mp3"), std::vector<uint8_t>(3000, 'a'));
    writeBytes(audio_.file("text.wav"), std::vector<uint8_t>(300, 'x'));
    frmWriteWave &w = *window_;
    open(&frmWriteWave::Open1_Click, source("short.wav"));
    MarkIn(w) = 500;
    MarkOut(w) = 1500;
    w.CmdSetNew_Click();
    ASSERT_TRUE(MMControl1(w)->isOpen());
    const QString before = windowState(w, ui(w), MMaudio(w), MMControl1(w));
    const QByteArray working = workingFile();
    const QByteArray result = readFile(NativePath("c:\\temp2.wav"));
    ASSERT_EQ(result.size(), 44 + 8000 * 2);

    const struct {
        const char *what;
        void (frmWriteWave::*item)();
        std::optional<QString> answer;
        int boxes; // besides the chooser
    } tries[] = {
        {"Open Mp3 cancelled", &frmWriteWave::Open1_Click, std::nullopt, 0},
        {"Open Mp3 refused", &frmWriteWave::Open1_Click, source("notes.mp3"), 1},
        {"Open Wav cancelled", &frmWriteWave::cmdwav_Click, std::nullopt, 0},
        {"Open Wav refused", &frmWriteWave::cmdwav_Click, source("text.wav"), 1},
    };
    for (const auto &t : tries) {
        SCOPED_TRACE(t.what);
        dialogs_.clear();
        dialogs_.answerFile(t.answer);
        (w.*t.item)();
        EXPECT_EQ(dialogs_.asked().size(), 1 + t.boxes);
        EXPECT_EQ(windowState(w, ui(w), MMaudio(w), MMControl1(w)), before);
        EXPECT_EQ(MarkIn(w), 500);
        EXPECT_EQ(MarkOut(w), 1500);
        EXPECT_EQ(workingFile(), working);
        EXPECT_EQ(readFile(NativePath("c:\\temp2.wav")), result);
        EXPECT_FALSE(FileExists("C:\\temp.new.wav"));
        // Both sounds still play.
        for (MciPlayer *player : {MMaudio(w), MMControl1(w)}) {
            player->setCommand("Play");
            EXPECT_EQ(player->state(), MciPlayer::State::Playing) << player->objectName().toStdString() << " " << player->lastError();
            player->setCommand("Stop");
        }
    }
}

TEST_F(Loading, ASourceThatShrinksWhileDecodingOpensNothingAndSaysSo)
{
    writeWav(audio_.file("short.wav"), makeTone(8000, 1, 1.0, 300));
    writeWav(audio_.file("long.wav"), makeTone(44100, 2, 30.0, 200));
    frmWriteWave &w = *window_;
    open(&frmWriteWave::Open1_Click, source("short.wav"));
    const QString before = windowState(w, ui(w), MMaudio(w), MMControl1(w));
    const QByteArray working = workingFile();

    // At the conversion's first chance for events the file loses most of its sound.
    QTimer::singleShot(0, [&] { truncateFile(audio_.file("long.wav"), 44 + 100000); });
    dialogs_.clear();
    open(&frmWriteWave::Open1_Click, source("long.wav"));
    ASSERT_EQ(dialogs_.asked().size(), 2);
    const auto &box = dialogs_.asked().back();
    EXPECT_TRUE(box.text.contains(source("long.wav"))) << box.text.toStdString();
    EXPECT_TRUE(box.text.contains("could not be read")) << box.text.toStdString();
    EXPECT_EQ(windowState(w, ui(w), MMaudio(w), MMControl1(w)), before);
    EXPECT_EQ(workingFile(), working);
    EXPECT_FALSE(FileExists("C:\\temp.new.wav"));
}

TEST_F(Loading, EditingIsLockedWhileASourceIsWritten)
{
    writeWav(audio_.file("short.wav"), makeTone(8000, 1, 1.0, 300));
    writeWav(audio_.file("long.wav"), makeTone(44100, 2, 20.0, 200));
    frmWriteWave &w = *window_;
    open(&frmWriteWave::cmdwav_Click, source("short.wav"));
    w.CmdSetNew_Click();
    const QString before = windowState(w, ui(w), MMaudio(w), MMControl1(w));
    for (auto item : {&frmWriteWave::Open1_Click, &frmWriteWave::cmdwav_Click}) {
        QStringList seen;
        QTimer::singleShot(0, [&] {
            for (QWidget *b : {ui(w)->CmdSetNew, ui(w)->CmdPlay, ui(w)->CmdGoto, ui(w)->CmdSetin, ui(w)->CmdPlayTemp,
                               ui(w)->CmdaddList})
                if (b->isEnabled())
                    seen << b->objectName();
            // A second open meanwhile is refused in words that fit the job.
            w.Open1_Click();
        });
        dialogs_.clear();
        open(item, source("long.wav"));
        EXPECT_TRUE(seen.isEmpty()) << seen.join(' ').toStdString();
        ASSERT_EQ(dialogs_.asked().size(), 2);
        EXPECT_TRUE(dialogs_.asked().back().text.contains(item == &frmWriteWave::cmdwav_Click ? "being copied"
                                                                                            : "being converted"));
        EXPECT_TRUE(ui(w)->CmdSetNew->isEnabled() || item == &frmWriteWave::Open1_Click);
        EXPECT_TRUE(ui(w)->CmdPlay->isEnabled());
        EXPECT_FALSE(ui(w)->CmdPlayTemp->isEnabled()) << "the cut result went with the old source";
    }
    EXPECT_NE(windowState(w, ui(w), MMaudio(w), MMControl1(w)), before);
}

TEST_F(Loading, TheTitleTheWindowSystemShowsIsExactlyTheProgramsOwn)
{
    frmWriteWave::PrepareApplication();
    writeWav(audio_.file("short.wav"), makeTone(8000, 1, 0.5, 300));
    window_->show();
    open(&frmWriteWave::Open1_Click, source("short.wav"));
    ASSERT_NE(window_->windowHandle(), nullptr);
    EXPECT_EQ(window_->windowHandle()->title(), "Trevisto MP3 Editor -" + source("short.wav"));
}

// A 5.1 sound opens as stereo, and the message after opening says it was mixed down; a
// stereo one of the same kind says nothing.
TEST_F(Loading, MoreThanTwoChannelsAreMixedDownAndSaidSo)
{
    if (!haveFfmpeg())
        GTEST_SKIP() << "the ffmpeg command is not installed";
    const std::string six = audio_.file("six.ac3");
    const std::string two = audio_.file("two.ac3");
    ASSERT_TRUE(runFfmpeg({"-f", "lavfi", "-i", "aevalsrc=0.2*sin(2*PI*300*t):s=48000:d=0.5:c=5.1", "-c:a", "ac3",
                           six}));
    ASSERT_TRUE(runFfmpeg({"-f", "lavfi", "-i", "aevalsrc=0.2*sin(2*PI*300*t):s=48000:d=0.5:c=stereo", "-c:a",
                           "ac3", two}));

    open(&frmWriteWave::Open1_Click, source("six.ac3"));
    ASSERT_EQ(dialogs_.asked().size(), 2);
    EXPECT_EQ(dialogs_.asked().back().text, "Its 6 channels were mixed down to stereo.");
    EXPECT_TRUE(MMaudio(*window_)->isOpen());
    trevisto::wav::Info info;
    ASSERT_EQ(trevisto::wav::readInfo(NativePath("C:\\temp.wav").toStdString(), info), trevisto::wav::ReadError::None);
    EXPECT_EQ(info.format.channels, 2);

    dialogs_.clear();
    open(&frmWriteWave::Open1_Click, source("two.ac3"));
    EXPECT_EQ(dialogs_.asked().size(), 1) << "only the chooser";
}

TEST_F(Loading, AFileNoDecoderTakesShowsTheLibrarysCode)
{
    writeBytes(audio_.file("notes.mp3"), std::vector<uint8_t>(3000, 'a'));
    open(&frmWriteWave::Open1_Click, source("notes.mp3"));
    ASSERT_EQ(dialogs_.asked().size(), 2);
    const auto &box = dialogs_.asked().back();
    EXPECT_EQ(box.text, "Can't play the file\r\n\r\nError Code : 41\r\nFound: not a sound file. It is no sound or "
                        "video format the program knows.");
    EXPECT_EQ(box.title, "Error");
    EXPECT_EQ(box.icon, MsgIcon::Exclamation);
    EXPECT_FALSE(MMaudio(*window_)->isOpen());
    EXPECT_EQ(window_->windowTitle(), "Trevisto MP3 Editor");
}

TEST_F(Loading, AWorkingFileThatCannotBeWrittenIsReportedAndNothingOpens)
{
    writeWav(audio_.file("short.wav"), makeTone(8000, 1, 0.5, 300));
    // A folder where the working file should go: it cannot be created.
    QDir().mkpath(NativePath("C:\\temp.wav"));
    open(&frmWriteWave::Open1_Click, source("short.wav"));
    ASSERT_EQ(dialogs_.asked().size(), 2);
    const auto &box = dialogs_.asked().back();
    EXPECT_TRUE(box.text.contains(NativePath("C:\\temp.wav"))) << box.text.toStdString();
    EXPECT_TRUE(box.text.contains(": it is a folder.")) << box.text.toStdString();
    EXPECT_EQ(box.icon, MsgIcon::Critical);
    EXPECT_FALSE(MMaudio(*window_)->isOpen());
    EXPECT_FALSE(ui(*window_)->CmdPlay->isEnabled());
    EXPECT_EQ(window_->windowTitle(), "Trevisto MP3 Editor");
    EXPECT_TRUE(WaitWindow(*window_).isHidden());
}

TEST_F(Loading, OnlyTheNewestChannelIsHeld)
{
    writeWav(audio_.file("a.wav"), makeTone(8000, 1, 0.5, 300));
    open(&frmWriteWave::Open1_Click, source("a.wav"));
    const quint32 first = Chan(*window_);
    ASSERT_NE(first, 0u);
    open(&frmWriteWave::Open1_Click, source("a.wav"));
    EXPECT_NE(Chan(*window_), first);
    EXPECT_EQ(Bass(*window_).ChannelGetLength(first), DWORD(-1));
    EXPECT_EQ(Bass(*window_).ErrorGetCode(), BASS_ERROR_HANDLE);
}

TEST_F(Loading, ALongConversionKeepsTheWindowAnsweringAndPaintsSparingly)
{
    // Two minutes of sound: 1060 blocks of 20000 bytes, each followed by a chance for
    // events. A zero-interval probe runs at every such chance and reads how far the
    // conversion has got, so the bound holds however fast or loaded the machine is:
    // between two runs of the probe the conversion moves on by one block at most.
    writeWav(audio_.file("long.wav"), makeTone(44100, 2, 120.0, 200));
    constexpr qint64 kBlockBytes = 20000;
    int clicks = 0;
    qint64 lastWritten = 0;
    qint64 widestStep = 0;
    QTimer probe;
    probe.setInterval(0);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        ++clicks;
        const QString pos = ui(*window_)->lblPos->text();
        const qint64 written = pos.startsWith("Pos: ") ? pos.mid(5).toLongLong() : 0;
        widestStep = std::max(widestStep, written - lastWritten);
        lastWritten = written;
    });
    probe.start();
    // Every repaint of the progress moves the wait window's bar.
    int paints = 0;
    QObject::connect(WaitWindow(*window_).progress, &QProgressBar::valueChanged, [&] { ++paints; });
    QElapsedTimer took;
    took.start();
    open(&frmWriteWave::Open1_Click, source("long.wav"));
    const qint64 elapsed = took.elapsed();
    probe.stop();
    EXPECT_EQ(MMaudio(*window_)->length(), 120000);
    EXPECT_GT(clicks, 1000) << "events ran during the conversion";
    EXPECT_EQ(lastWritten, qint64(120) * 44100 * 4) << "the probe saw the conversion to its end";
    EXPECT_LE(widestStep, kBlockBytes) << "the window's events ran after every block";
    // The progress is painted at most about 30 times a second, measured on the clock the
    // conversion itself runs by. Unlimited, each of the 100 percent steps would paint.
    EXPECT_LE(paints, 5 + elapsed * 30 / 1000 + 30);
}

TEST_F(Loading, ClosingTheWindowDuringAConversionEndsWithNoFileLeftBehind)
{
    writeWav(audio_.file("long.wav"), makeTone(44100, 2, 60.0, 200));
    window_->show();
    // Runs at the conversion's first chance for events, after its first block.
    QTimer::singleShot(0, window_.get(), [this] { window_->close(); });
    open(&frmWriteWave::Open1_Click, source("long.wav"));

    EXPECT_EQ(endCode_, 0);
    EXPECT_NE(LoadJob(*window_), trevisto::SourceLoader::Job::Converting);
    EXPECT_FALSE(MMaudio(*window_)->isOpen()) << "a stopped conversion is not opened";
    EXPECT_EQ(dialogs_.asked().size(), 1) << "only the chooser";
    EXPECT_FALSE(FileExists("C:\\temp.wav"));
    EXPECT_FALSE(FileExists("C:\\temp.new.wav"));
}

TEST_F(Loading, WhileAnMp3sFramesAreIndexedTheWindowAnswersAndCanEnd)
{
    // The sound is written and in place, the player not yet open: only the index of the
    // source's frames is still to come. A zero-interval probe runs whenever the window's
    // events do; at its first run in that gap it ends the program, as a signal would.
    writeMp3(audio_.file("tone.mp3"), makeTone(44100, 2, 20.0, 440));
    int inGap = 0;
    QTimer probe;
    probe.setInterval(0);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (!QFile::exists(NativePath("C:\\temp.wav")) || MMaudio(*window_)->isOpen() || inGap++ > 0)
            return;
        window_->EndFromOutside();
    });
    probe.start();
    open(&frmWriteWave::Open1_Click, source("tone.mp3"));
    probe.stop();
    EXPECT_EQ(inGap, 1) << "the window's events ran while the frames were indexed";
    EXPECT_EQ(endCode_, 0);
    EXPECT_FALSE(MMaudio(*window_)->isOpen()) << "an ended program opens nothing more";
    EXPECT_FALSE(FileExists("C:\\temp.wav"));
}

TEST_F(Loading, GotoPlaysFromATypedTimeWithinTheSound)
{
    writeWav(audio_.file("61.5s.wav"), makeTone(8000, 1, 61.5, 300));
    open(&frmWriteWave::Open1_Click, source("61.5s.wav"));
    frmWriteWave &w = *window_;
    ASSERT_EQ(MMaudio(w)->length(), 61500);
    dialogs_.clear();

    auto go = [&](const char *hh, const char *mm, const char *ss) {
        MMaudio(w)->setCommand("Stop");
        ui(w)->cmbHH->setEditText(hh);
        ui(w)->CmbMM->setEditText(mm);
        ui(w)->CmbSS->setEditText(ss);
        w.CmdGoto_Click();
    };
    go("00", "01", "01");
    EXPECT_TRUE(dialogs_.asked().isEmpty());
    EXPECT_EQ(MMaudio(w)->state(), MciPlayer::State::Playing);
    EXPECT_GE(MMaudio(w)->position(), 61000);

    go("00", "01", "02");
    ASSERT_EQ(dialogs_.asked().size(), 1);
    EXPECT_EQ(dialogs_.asked().front().text, "Invalid time setting");
    EXPECT_EQ(dialogs_.asked().front().title, "Trevisto");
    EXPECT_NE(MMaudio(w)->state(), MciPlayer::State::Playing) << "a refused Goto leaves playback alone";

    dialogs_.clear();
    go("0", "1", "1.5");
    EXPECT_TRUE(dialogs_.asked().isEmpty()) << "exactly the length is accepted";
    go("700", "0", "0");
    EXPECT_EQ(dialogs_.asked().size(), 1) << "beyond 32 bits is refused, not wrapped";
    MMaudio(w)->setCommand("Stop");
}

TEST_F(Loading, MarksTakeThePlayersPositionAndTheSlidersSeconds)
{
    writeWav(audio_.file("3s.wav"), makeTone(8000, 1, 3.0, 300));
    open(&frmWriteWave::Open1_Click, source("3s.wav"));
    frmWriteWave &w = *window_;
    MMaudio(w)->setStartPosition(1700);
    MMaudio(w)->setCommand("Play");
    MMaudio(w)->setCommand("Pause");
    const qint64 at = MMaudio(w)->position();
    ui(w)->Slider1->setValue(2);
    w.CmdSetin_Click();
    EXPECT_EQ(MarkIn(w), at);
    EXPECT_EQ(ui(w)->Txtin->text(), "00:00:02");
    ui(w)->Slider1->setValue(1);
    w.CmdOut_Click();
    EXPECT_EQ(MarkOut(w), at) << "no order is enforced between the marks";
    EXPECT_EQ(ui(w)->TxtOut->text(), "00:00:01");
    MMaudio(w)->setCommand("Stop");
}

} // namespace

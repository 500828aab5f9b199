#include "app/window_fixture.h"
#include "scenarios/wait_for.h"

#include "core/routines.h"
#include "editor/timetext.h"
#include "platform/mci/player.h"
#include "settings/captions.h"
#include "support/riffbuilder.h"
#include "support/test_audio.h"
#include "ui/Frmwait.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QSlider>
#include <QElapsedTimer>
#include <QThread>

#include <cstring>
#include <functional>

namespace {

using namespace trevisto::test;

// The data chunk of a canonical WAV file and its format fields.
struct Wav {
    QByteArray data;
    uint16_t tag = 0, channels = 0, bits = 0;
    uint32_t rate = 0;
};

Wav readCanonical(const QString &path)
{
    QFile f(path);
    Wav w;
    if (!f.open(QIODevice::ReadOnly))
        return w;
    const QByteArray b = f.readAll();
    if (b.size() < 44)
        return w;
    std::memcpy(&w.tag, b.constData() + 20, 2);
    std::memcpy(&w.channels, b.constData() + 22, 2);
    std::memcpy(&w.rate, b.constData() + 24, 4);
    std::memcpy(&w.bits, b.constData() + 34, 2);
    w.data = b.mid(44);
    return w;
}

class Editing : public StartedWindow {
protected:
    frmWriteWave &w() { return *window_; }

    // A WAV of `seconds` of counting samples, so every frame is told apart.
    QString makeWav(const std::string &name, int rate, int channels, int bits, double seconds)
    {
        const size_t frames = size_t(seconds * rate + 0.5);
        std::vector<uint8_t> data(frames * channels * (bits / 8));
        for (size_t i = 0; i < data.size(); ++i)
            data[i] = uint8_t((i * 13 + i / 251) & 0xff);
        writeWav(audio_.file(name), rate, channels, bits, data);
        return QString::fromStdString(audio_.file(name));
    }

    void openWav(const QString &path)
    {
        dialogs_.answerFile(path);
        w().cmdwav_Click();
    }
    void openDecoded(const QString &path)
    {
        dialogs_.answerFile(path);
        w().Open1_Click();
    }

    // Enabled states of the buttons the editing table governs, in a fixed order.
    QString states()
    {
        QString s;
        // A plain button among picture buttons: the list needs its element type spelt out.
        for (QWidget *b : std::initializer_list<QWidget *>{ui(w())->btnLoadFile, ui(w())->CmdPlay, ui(w())->CmdStep,
                                                          ui(w())->CmdBack, ui(w())->CmdPause, ui(w())->CmdStop,
                                                          ui(w())->CmdSetin, ui(w())->CmdOut, ui(w())->CmdSetNew,
                                                          ui(w())->CmdGoto})
            s += b->isEnabled() ? 'E' : 'D';
        return s;
    }
    QString resultAndListStates()
    {
        QString s;
        for (QWidget *b : {ui(w())->CmdPlayTemp, ui(w())->CmdStopTemp, ui(w())->CmdSaveas, ui(w())->Command3,
                           ui(w())->CmdaddList, ui(w())->CmdPlayList, ui(w())->Command4, ui(w())->Command5,
                           ui(w())->Command2, ui(w())->CmdCreate})
            s += b->isEnabled() ? 'E' : 'D';
        return s;
    }

    TempDir audio_;
};

TEST_F(Editing, TheEnabledStateTableRowByRow)
{
    //                  load Play Step Back Pause Stop In Out Set Goto
    EXPECT_EQ(states(), "EDDDDDDDDD") << "program start";

    openDecoded(makeWav("a.wav", 8000, 1, 16, 5.0));
    EXPECT_EQ(states(), "EEEDDDEEDD") << "a decoded source enables the marks, and leaves the rest off until played";

    const QString before = states();
    w().CmdPause_Click();
    w().CmdBack_Click();
    w().CmdSetin_Click();
    w().CmdOut_Click();
    ui(w())->Slider1->setValue(1);
    w().Slider1_Scroll();
    EXPECT_EQ(states(), before) << "pause, back, drag and marks change no button";

    w().CmdStep_Click();
    EXPECT_EQ(states(), "EEEEEEEEEE") << "step enables the group and leaves Open File alone";
    w().CmdPlay_Click();
    EXPECT_EQ(states(), "DEEEEEEEEE") << "play disables Open File";
    w().CmdGoto_Click();
    EXPECT_EQ(states(), "DEEEEEEEEE");
    w().CmdStop_Click();
    EXPECT_EQ(states(), "EEEEEEEEEE") << "stop enables Open File again";

    // A fresh decoded source, then a slider click.
    openDecoded(makeWav("b.wav", 8000, 1, 16, 3.0));
    ui(w())->CmdBack->setEnabled(false);
    ui(w())->CmdGoto->setEnabled(false);
    ui(w())->btnLoadFile->setEnabled(false);
    w().Slider1_Click();
    EXPECT_EQ(states(), "DEEEEEEEEE") << "a slider click enables the group and leaves Open File alone";

    // Open Wav: everything but Goto and Open File; the cut result goes with its buttons,
    // the list buttons stay.
    for (QWidget *b : {ui(w())->CmdBack, ui(w())->CmdPause, ui(w())->CmdStop, ui(w())->CmdSetin, ui(w())->CmdOut,
                       ui(w())->CmdSetNew, ui(w())->CmdGoto, ui(w())->CmdPlay, ui(w())->CmdStep})
        b->setEnabled(false);
    ui(w())->btnLoadFile->setEnabled(false);
    ui(w())->CmdaddList->setEnabled(true);
    ui(w())->Command4->setEnabled(false);
    const QString others = resultAndListStates();
    openWav(makeWav("c.wav", 8000, 1, 16, 2.0));
    EXPECT_EQ(states(), "DEEEEEEEED");
    EXPECT_EQ(resultAndListStates(), "DDDDD" + others.mid(5));
    MMaudio(w())->setCommand("Stop");
}

TEST_F(Editing, AClickOnTheSliderPlaysFromThePointClicked)
{
    openDecoded(makeWav("a.wav", 8000, 1, 16, 10.0));
    w().show();
    QSlider *slider = ui(w())->Slider1;
    ASSERT_EQ(slider->maximum(), 10);
    const QPointF nearEnd(slider->width() * 0.8, slider->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, nearEnd, slider->mapToGlobal(nearEnd), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, nearEnd, slider->mapToGlobal(nearEnd), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(slider, &press);
    QCoreApplication::sendEvent(slider, &release);
    ASSERT_TRUE(waitFor([&] { return MMaudio(w())->state() == MciPlayer::State::Playing; }));
    EXPECT_GE(slider->value(), 7);
    EXPECT_LE(slider->value(), 9);
    EXPECT_GE(MMaudio(w())->position(), qint64(slider->value()) * 1000);
    EXPECT_LT(MMaudio(w())->position(), qint64(slider->value()) * 1000 + 500);
    EXPECT_EQ(states(), "EEEEEEEEEE") << "a slider click enables the editing buttons";
    MMaudio(w())->setCommand("Stop");
}

TEST_F(Editing, KeysAndTheWheelOnTheSliderPlayFromTheNewValue)
{
    openWav(makeWav("a.wav", 8000, 1, 16, 20.0));
    w().show();
    QSlider *slider = ui(w())->Slider1;
    slider->setFocus();
    auto key = [&](Qt::Key k) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QCoreApplication::sendEvent(slider, &press);
    };
    auto wheel = [&] {
        const QPointF at(slider->width() / 2.0, slider->height() / 2.0);
        QWheelEvent turn(at, slider->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                         Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(slider, &turn);
    };
    const int page = slider->pageStep();
    const struct {
        const char *what;
        std::function<void()> send;
        int value; // -1: whatever the wheel gives, as long as it moved
    } moves[] = {
        // Left, Right and Home are the window's shortcuts for Back, Step and Stop.
        {"Page Up", [&] { key(Qt::Key_PageUp); }, page},
        {"Up", [&] { key(Qt::Key_Up); }, page + 1},
        {"End", [&] { key(Qt::Key_End); }, 20},
        {"Page Down", [&] { key(Qt::Key_PageDown); }, 20 - page},
        {"Down", [&] { key(Qt::Key_Down); }, 20 - page - 1},
        {"wheel", wheel, -1},
    };
    for (const auto &m : moves) {
        SCOPED_TRACE(m.what);
        MMaudio(w())->setCommand("Stop");
        const int before = slider->value();
        m.send();
        if (m.value < 0)
            ASSERT_NE(slider->value(), before);
        else
            ASSERT_EQ(slider->value(), m.value);
        const int value = slider->value();
        // The play from the new value runs once the slider has taken it.
        EXPECT_TRUE(waitFor([&] {
            const qint64 at = MMaudio(w())->position();
            return at >= qint64(value) * 1000 && at < qint64(value) * 1000 + 500;
        })) << MMaudio(w())->position();
        EXPECT_TRUE(ui(w())->lblAudio->text().startsWith(ClockText(value)));
        // The next status tick leaves the handle where the key put it.
        w().MMaudio_StatusUpdate();
        EXPECT_GE(slider->value(), value);
    }
    MMaudio(w())->setCommand("Stop");
}

TEST_F(Editing, StopReturnsToTheStartWhilePauseKeepsThePlace)
{
    openWav(makeWav("a.wav", 8000, 1, 16, 3.0));
    MciPlayer &p = *MMaudio(w());
    w().CmdPlay_Click();
    ASSERT_TRUE(waitFor([&] { return p.position() >= 300; }));
    w().CmdPause_Click();
    const qint64 paused = p.position();
    EXPECT_GE(paused, 300);
    w().CmdPlay_Click();
    EXPECT_GE(p.position(), paused) << "play after pause continues";
    EXPECT_LT(p.position(), paused + 200);

    w().CmdStop_Click();
    EXPECT_EQ(p.position(), 0);
    EXPECT_NE(p.state(), MciPlayer::State::Playing);
    w().CmdPlay_Click();
    EXPECT_LT(p.position(), 200) << "play after stop starts at the beginning";
    p.setCommand("Stop");
}

TEST_F(Editing, SliderRangeIsTheLengthInWholeSecondsHalfToEven)
{
    openWav(makeWav("2.5.wav", 8000, 1, 16, 2.5));
    EXPECT_EQ(MMaudio(w())->length(), 2500);
    EXPECT_EQ(ui(w())->Slider1->maximum(), 2);
    EXPECT_EQ(ui(w())->TxtOut->text(), "00:00:02");
    openWav(makeWav("3.5.wav", 8000, 1, 16, 3.5));
    EXPECT_EQ(ui(w())->Slider1->maximum(), 4);
    EXPECT_EQ(ui(w())->lblAudio->text(), "00:00:00 / 00:00:04");
}

TEST_F(Editing, OpenWavPlaysTheFileInPlaceAndKeepsAByteCopy)
{
    const QString path = makeWav("in place.wav", 22050, 2, 16, 1.0);
    openWav(path);
    EXPECT_EQ(dialogs_.asked().front().file.filter, "Wav File(*.wav)|*.wav");
    EXPECT_EQ(dialogs_.asked().front().file.flags, 528388);
    EXPECT_EQ(MMaudio(w())->fileName(), path);
    QFile original(path), copy(NativePath("C:\\temp.wav"));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(original.readAll(), copy.readAll());
    EXPECT_EQ(w().windowTitle(), "Trevisto MP3 Editor -" + path);
    EXPECT_EQ(MarkOut(w()), 1000);
}

TEST_F(Editing, AWavThePlayerCannotOpenIsReportedAndChangesNothing)
{
    openWav(makeWav("good.wav", 8000, 1, 16, 1.0));
    const QString title = w().windowTitle();
    const QString buttons = states();

    // A-law data, a cut-off header, and text with a .wav name.
    std::vector<uint8_t> alaw = wavHeader(8000, 1, 8, 800);
    alaw[20] = 6;
    alaw.resize(44 + 800, 0x55);
    writeBytes(audio_.file("alaw.wav"), alaw);
    std::vector<uint8_t> cut = wavHeader(8000, 1, 16, 100);
    cut.resize(20);
    writeBytes(audio_.file("cut.wav"), cut);
    writeBytes(audio_.file("text.wav"), std::vector<uint8_t>(200, 'x'));
    for (const char *name : {"alaw.wav", "cut.wav", "text.wav"}) {
        SCOPED_TRACE(name);
        dialogs_.clear();
        const QString path = QString::fromStdString(audio_.file(name));
        openWav(path);
        ASSERT_EQ(dialogs_.asked().size(), 2);
        const auto &box = dialogs_.asked().back();
        EXPECT_TRUE(box.text.contains(path)) << box.text.toStdString();
        EXPECT_GT(box.text.size(), path.size() + 20) << "and the reason";
        EXPECT_EQ(box.icon, MsgIcon::Critical);
        EXPECT_EQ(w().windowTitle(), title);
        EXPECT_EQ(states(), buttons);
        EXPECT_TRUE(WaitWindow(w()).isHidden());
        if (QString(name) == "alaw.wav") {
            EXPECT_TRUE(box.text.contains("compressed")) << box.text.toStdString();
        }
    }
}

// A WAV file built chunk by chunk: `fmt` as given, a LIST chunk of odd size before the
// data and a trailing chunk after it.
std::vector<uint8_t> wavWithChunks(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, bool extensible,
                                   const std::vector<uint8_t> &data)
{
    // The extensible sub-format's first two bytes carry the plain tag.
    const Bytes format = extensible ? extensibleBody(tag, channels, rate, bits, bits, channels == 2 ? 3 : 4)
                                    : fmtBody(tag, channels, rate, bits);
    return riffFile(riffChunk("fmt ", format) + riffChunk("LIST", {'I', 'N', 'F', 'O', 'x'}) + riffChunk("data", data) +
                    riffChunk("bext", {'z', 'z', 'z', 'z'}));
}

TEST_F(Editing, EveryPcmLayoutTheDeviceTakesOpensAndCuts)
{
    struct Case {
        const char *name;
        uint16_t tag, channels, bits;
        uint32_t rate;
        bool extensible;
    };
    const Case cases[] = {
        {"int32", 1, 2, 32, 44100, false},
        {"float32", 3, 2, 32, 48000, false},
        {"extensible24", 1, 2, 24, 96000, true},
        {"extensible-float", 3, 1, 32, 22050, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<uint8_t> data(size_t(c.rate) * c.channels * c.bits / 8); // one second
        for (size_t i = 0; i < data.size(); ++i)
            data[i] = uint8_t(i * 7 + i / 509);
        if (c.tag == 3) // keep float samples finite: small values only
            for (size_t i = 3; i < data.size(); i += 4)
                data[i] = 0x3c;
        const std::string file = audio_.file(std::string(c.name) + ".wav");
        writeBytes(file, wavWithChunks(c.tag, c.channels, c.rate, c.bits, c.extensible, data));
        dialogs_.clear();
        openWav(QString::fromStdString(file));
        EXPECT_EQ(dialogs_.asked().size(), 1) << "no message";
        ASSERT_TRUE(MMaudio(w())->isOpen());
        EXPECT_EQ(MMaudio(w())->length(), 1000);

        MarkIn(w()) = 100;
        MarkOut(w()) = 600;
        w().CmdSetNew_Click();
        const Wav out = readCanonical(NativePath("c:\\temp2.wav"));
        EXPECT_EQ(out.tag, c.tag);
        EXPECT_EQ(out.channels, c.channels);
        EXPECT_EQ(out.bits, c.bits);
        EXPECT_EQ(out.rate, c.rate);
        const size_t frame = c.channels * c.bits / 8;
        const size_t from = size_t(c.rate) / 10 * frame, to = size_t(c.rate) * 6 / 10 * frame;
        EXPECT_EQ(out.data, QByteArray(reinterpret_cast<const char *>(data.data()) + from, int(to - from)))
            << "only sound, no chunk bytes";
    }
}

TEST_F(Editing, AWorkingCopyThatCannotBeWrittenIsReported)
{
    QDir().mkpath(NativePath("C:\\temp.wav"));
    const QString path = makeWav("a.wav", 8000, 1, 16, 1.0);
    openWav(path);
    ASSERT_EQ(dialogs_.asked().size(), 2);
    const auto &box = dialogs_.asked().back();
    EXPECT_TRUE(box.text.contains(path));
    EXPECT_TRUE(box.text.contains(NativePath("C:\\temp.wav"))) << box.text.toStdString();
    EXPECT_FALSE(MMaudio(w())->isOpen());
    EXPECT_EQ(w().windowTitle(), "Trevisto MP3 Editor");
    EXPECT_NE(LoadJob(w()), trevisto::SourceLoader::Job::Copying);
}

class Cutting : public Editing {
protected:
    Wav result() { return readCanonical(NativePath("c:\\temp2.wav")); }
    Wav source(const QString &path) { return readCanonical(path); }
};

TEST_F(Cutting, MarksAtOpeningGiveTheWholeSourceAndRangesAreExact)
{
    const QString path = makeWav("10s.wav", 8000, 1, 16, 10.0);
    openWav(path);
    const Wav src = source(path);
    w().CmdSetNew_Click();
    EXPECT_TRUE(dialogs_.asked().size() == 1) << "no message";
    Wav out = result();
    EXPECT_EQ(out.data, src.data) << "every frame of the source";
    EXPECT_TRUE(MMControl1(w())->isOpen());
    EXPECT_EQ(MMControl1(w())->length(), 10000);
    EXPECT_EQ(ui(w())->Label4->text(), "00:00:00 / 00:00:10");
    for (QWidget *b : {ui(w())->CmdPlayTemp, ui(w())->CmdStopTemp, ui(w())->CmdSaveas, ui(w())->Command3,
                       ui(w())->CmdaddList})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();

    MarkIn(w()) = 2000;
    MarkOut(w()) = 5000;
    w().CmdSetNew_Click();
    out = result();
    EXPECT_EQ(MMControl1(w())->length(), 3000);
    EXPECT_EQ(out.data, src.data.mid(16000 * 2, 24000 * 2));
    const QByteArray first = out.data;
    w().CmdSetNew_Click();
    EXPECT_EQ(result().data, first) << "the same marks give the same file";
}

TEST_F(Cutting, FormatsAreKept)
{
    struct Case {
        int rate, channels, bits;
    };
    for (const Case c : {Case{8000, 1, 8}, Case{44100, 2, 24}, Case{48000, 2, 16}}) {
        SCOPED_TRACE(std::to_string(c.rate) + "/" + std::to_string(c.bits));
        const QString path = makeWav("f.wav", c.rate, c.channels, c.bits, 1.0);
        openWav(path);
        MarkIn(w()) = 250;
        MarkOut(w()) = 750;
        w().CmdSetNew_Click();
        const Wav out = result(), src = source(path);
        EXPECT_EQ(out.tag, 1);
        EXPECT_EQ(out.rate, uint32_t(c.rate));
        EXPECT_EQ(out.channels, c.channels);
        EXPECT_EQ(out.bits, c.bits);
        const int frame = c.channels * c.bits / 8;
        const qint64 from = (250LL * c.rate + 500) / 1000, to = (750LL * c.rate + 500) / 1000;
        EXPECT_EQ(out.data, src.data.mid(int(from * frame), int((to - from) * frame)));
    }
}

TEST_F(Cutting, MarksOutOfOrderAreRefusedWithoutTouchingTheResult)
{
    openWav(makeWav("a.wav", 8000, 1, 16, 2.0));
    w().CmdSetNew_Click();
    ASSERT_TRUE(MMControl1(w())->isOpen());
    const Wav before = result();
    for (auto [in, out] : {std::pair{1000, 1000}, std::pair{1500, 500}}) {
        dialogs_.clear();
        MarkIn(w()) = in;
        MarkOut(w()) = out;
        w().CmdSetNew_Click();
        ASSERT_EQ(dialogs_.asked().size(), 1);
        EXPECT_EQ(dialogs_.asked().front().text, "Mark In must be before Mark out.");
        EXPECT_EQ(dialogs_.asked().front().title, "Trevisto MP3 Editor");
        EXPECT_TRUE(MMControl1(w())->isOpen()) << "nothing else changes";
        EXPECT_EQ(result().data, before.data);
    }
    // A language table with the entry speaks instead.
    const int entry = trevisto::MarkInBeforeMarkOut.entry.index;
    MessageTexts(w()) = QStringList(entry + 1, QString());
    MessageTexts(w())[entry] = "Marque d'entrée avant la marque de sortie.";
    dialogs_.clear();
    w().CmdSetNew_Click();
    EXPECT_EQ(dialogs_.asked().front().text, "Marque d'entrée avant la marque de sortie.");
}

TEST_F(Cutting, SetWhilePlayingStopsTheSourceFirst)
{
    openWav(makeWav("a.wav", 8000, 1, 16, 3.0));
    w().CmdPlay_Click();
    ASSERT_EQ(MMaudio(w())->state(), MciPlayer::State::Playing);
    MarkIn(w()) = 0;
    MarkOut(w()) = 1000;
    w().CmdSetNew_Click();
    EXPECT_NE(MMaudio(w())->state(), MciPlayer::State::Playing);
    EXPECT_EQ(MMControl1(w())->length(), 1000);
}

TEST_F(Cutting, AFailedCommandLeavesNoStaleResult)
{
    openWav(makeWav("a.wav", 8000, 1, 16, 2.0));
    w().CmdSetNew_Click();
    ASSERT_TRUE(FileExists("c:\\temp2.wav"));
    // The working copy disappears behind the program's back.
    ASSERT_TRUE(QFile::remove(NativePath("C:\\temp.wav")));
    dialogs_.clear();
    w().CmdSetNew_Click();
    ASSERT_EQ(dialogs_.asked().size(), 1);
    EXPECT_TRUE(dialogs_.asked().front().text.contains("cannot be found")) << dialogs_.asked().front().text.toStdString();
    EXPECT_FALSE(FileExists("c:\\temp2.wav"));
    EXPECT_FALSE(MMControl1(w())->isOpen());
    for (QWidget *b : {ui(w())->CmdPlayTemp, ui(w())->CmdStopTemp, ui(w())->CmdSaveas, ui(w())->Command3,
                       ui(w())->CmdaddList})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
}

TEST_F(Editing, StatusNotificationsMoveTheLabelSliderAndBars)
{
    openWav(makeWav("a.wav", 8000, 1, 16, 4.0));
    MciPlayer &p = *MMaudio(w());
    p.setStartPosition(1500);
    p.setCommand("Play");
    p.setCommand("Pause");
    QStringList patterns;
    for (int n = 0; n < 12; ++n) {
        w().MMaudio_StatusUpdate();
        QString lit;
        for (int i = 0; i < 18; ++i)
            lit += !Shape1(w())[i]->isHidden() ? '1' : '0';
        EXPECT_EQ(lit[17], '0') << "the last bar is never lit";
        patterns << lit;
    }
    EXPECT_GT(QSet<QString>(patterns.begin(), patterns.end()).size(), 1) << "the bars change while standing still";
    EXPECT_EQ(ui(w())->Slider1->value(), WholeSeconds(p.position()));
    EXPECT_TRUE(ui(w())->lblAudio->text().endsWith(" / 00:00:04"));

    // At the end the bars keep their last state.
    p.setStartPosition(3900);
    p.setCommand("Play");
    ASSERT_TRUE(waitFor([&] { return p.position() == p.length(); }));
    w().MMaudio_StatusUpdate();
    QString lastState;
    for (int i = 0; i < 18; ++i)
        lastState += !Shape1(w())[i]->isHidden() ? '1' : '0';
    w().MMaudio_StatusUpdate();
    QString again;
    for (int i = 0; i < 18; ++i)
        again += !Shape1(w())[i]->isHidden() ? '1' : '0';
    EXPECT_EQ(again, lastState);
    EXPECT_EQ(ui(w())->lblAudio->text(), "00:00:04 / 00:00:04");
}

} // namespace

#include "app/window_fixture.h"
#include "scenarios/wait_for.h"

#include "core/routines.h"

#include "support/test_audio.h"
#include "ui/focusring.h"
#include "ui/waveslider.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTest>
#include <QThread>

#include <cmath>
#include <cstring>
#include <map>
#include <numbers>

namespace {

using namespace trevisto::test;

class Waveform : public StartedWindow {
protected:
    frmWriteWave &w() { return *window_; }
    WaveSlider *slider() { return ui(w())->Slider1; }

    // Four seconds of 8 kHz 16-bit mono: a quiet tone, then a loud one.
    QString makeTwoTones(const std::string &name)
    {
        std::vector<int16_t> samples;
        for (int i = 0; i < 4 * 8000; ++i) {
            const double level = i < 2 * 8000 ? 0.2 : 0.8;
            samples.push_back(int16_t(std::lround(32767 * level * std::sin(2 * std::numbers::pi * 300 * i / 8000))));
        }
        std::vector<uint8_t> bytes(samples.size() * 2);
        std::memcpy(bytes.data(), samples.data(), bytes.size());
        writeWav(audio_.file(name), 8000, 1, 16, bytes);
        return QString::fromStdString(audio_.file(name));
    }

    // Height in pixels of the envelope drawn in each column of the groove, as the user sees it.
    std::vector<int> drawnHeights()
    {
        const QImage image = slider()->grab().toImage();
        const QRect r = slider()->waveRect();
        const QRgb ink = WaveSlider::envelopeColor().rgb();
        std::vector<int> heights;
        for (int x = r.left(); x <= r.right(); ++x) {
            int n = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                n += (image.pixel(x, y) & 0xffffff) == (ink & 0xffffff);
            heights.push_back(n);
        }
        return heights;
    }

    void activate()
    {
        w().show();
        w().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
    }

    TempDir audio_;
};

double mean(const std::vector<int> &v, size_t from, size_t to)
{
    double sum = 0;
    for (size_t i = from; i < to; ++i)
        sum += v[i];
    return sum / double(to - from);
}

TEST_F(Waveform, TheLouderHalfDrawsTallerWhicheverWayTheSoundOpens)
{
    for (const bool asWav : {true, false}) {
        SCOPED_TRACE(asWav ? "Open Wav copy" : "conversion");
        dialogs_.answerFile(makeTwoTones(asWav ? "two.wav" : "two-decoded.wav"));
        asWav ? w().cmdwav_Click() : w().Open1_Click();
        ASSERT_EQ(slider()->peaks().frames(), 4 * 8000) << "the whole sound, reduced once";
        const std::vector<int> h = drawnHeights();
        ASSERT_GT(h.size(), 100u);
        const size_t n = h.size();
        const double quiet = mean(h, n / 10, 4 * n / 10), loud = mean(h, 6 * n / 10, 9 * n / 10);
        EXPECT_GT(quiet, 2);
        EXPECT_GT(loud, 3 * quiet) << quiet << " " << loud;
        EXPECT_LT(loud, 5 * quiet) << quiet << " " << loud;
    }
}

TEST_F(Waveform, TheBandCoversTheMarkedColumnsAndTheCutStripTheCutOnes)
{
    dialogs_.answerFile(makeTwoTones("two.wav"));
    w().cmdwav_Click();
    activate();
    MciPlayer &p = *MMaudio(w());
    // Marks set with the keys, from a paused player.
    for (const auto &[markAt, key] : {std::pair{1000, Qt::Key_I}, std::pair{3000, Qt::Key_O}}) {
        const int at = markAt; // clang 14 cannot capture a structured binding in a lambda
        p.setStartPosition(at);
        p.setCommand("Play");
        p.setCommand("Pause");
        // However long the machine took between the two commands, the paused place holds.
        const qint64 paused = p.position();
        ASSERT_GE(paused, at);
        QTest::keyClick(&w(), key);
        qint32 &mark = key == Qt::Key_I ? MarkIn(w()) : MarkOut(w());
        ASSERT_TRUE(waitFor([&] { return mark == paused; })) << mark;
    }
    const qint64 in = MarkIn(w()), out = MarkOut(w());
    QTest::keyClick(&w(), Qt::Key_T, Qt::ControlModifier);
    ASSERT_TRUE(waitFor([&] { return ui(w())->CmdPlayTemp->isEnabled(); })) << "the cut was made";

    const QImage image = slider()->grab().toImage();
    const QRect r = slider()->waveRect();
    const int x0 = slider()->xOf(in), x1 = slider()->xOf(out);
    // The marks land where the player was, a little past 1 s and 3 s of the 4 s sound.
    EXPECT_NEAR(x0, r.left() + r.width() * in / 4000, 1);
    EXPECT_NEAR(x1, r.left() + r.width() * out / 4000, 1);
    // One row above the loud envelope: tinted inside the band, plain outside.
    const int row = r.top() + 1, strip = r.bottom() - 1;
    const QRgb outside = image.pixel(r.left() + 2, row), inside = image.pixel((x0 + x1) / 2, row);
    EXPECT_NE(inside, outside);
    const QRgb cut = WaveSlider::cutColor().rgb();
    for (int x = r.left(); x <= r.right(); ++x) {
        SCOPED_TRACE(x);
        if (x > x0 && x < x1) {
            EXPECT_EQ(image.pixel(x, row), inside);
            EXPECT_EQ(image.pixel(x, strip) & 0xffffff, cut & 0xffffff);
        } else if (x < x0 - 1 || x > x1 + 1) {
            EXPECT_EQ(image.pixel(x, row), outside);
            EXPECT_NE(image.pixel(x, strip) & 0xffffff, cut & 0xffffff);
        }
    }
}

TEST_F(Waveform, TheEnvelopeGoesWithTheWorkingFile)
{
    dialogs_.answerFile(makeTwoTones("two.wav"));
    w().cmdwav_Click();
    ASSERT_FALSE(slider()->peaks().empty());
    MarkIn(w()) = 500;
    MarkOut(w()) = 1500;
    w().CmdSetNew_Click();
    ASSERT_TRUE(ui(w())->CmdPlayTemp->isEnabled());
    auto cutStripShown = [&] {
        const QImage image = slider()->grab().toImage();
        const QRect r = slider()->waveRect();
        return (image.pixel(slider()->xOf(1000), r.bottom() - 1) & 0xffffff) ==
               (WaveSlider::cutColor().rgb() & 0xffffff);
    };
    ASSERT_TRUE(cutStripShown());

    // A new open replaces the envelope, and the old cut goes with its result.
    writeWav(audio_.file("silence.wav"), 8000, 1, 16, std::vector<uint8_t>(2 * 8000, 0));
    dialogs_.answerFile(QString::fromStdString(audio_.file("silence.wav")));
    w().cmdwav_Click();
    ASSERT_EQ(slider()->peaks().frames(), 8000);
    EXPECT_EQ(slider()->peaks().at(0), (PeakTable::Peak{0, 0}));
    EXPECT_FALSE(cutStripShown());

    // A working file that cannot be replaced leaves nothing loaded, and nothing drawn.
    ASSERT_TRUE(QFile::remove(NativePath("C:\\temp.wav")));
    ASSERT_TRUE(QDir().mkpath(NativePath("C:\\temp.wav")));
    dialogs_.answerFile(makeTwoTones("again.wav"));
    w().cmdwav_Click();
    ASSERT_EQ(w().windowTitle(), "Trevisto MP3 Editor");
    EXPECT_TRUE(slider()->peaks().empty());
    EXPECT_EQ(drawnHeights(), std::vector<int>(size_t(slider()->waveRect().width()), 0));
}

TEST_F(Waveform, EachKeyActsAsItsButtonOnlyWhileTheButtonIsEnabled)
{
    dialogs_.answerFile(makeTwoTones("two.wav"));
    w().cmdwav_Click();
    activate();
    MciPlayer &p = *MMaudio(w());
    Ui::frmWriteWave *u = ui(w());
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QAbstractButton *button;
        bool playing; // the state the key is pressed in
    } cases[] = {
        {Qt::Key_Space, Qt::NoModifier, u->CmdPlay, false},     {Qt::Key_Space, Qt::NoModifier, u->CmdPause, true},
        {Qt::Key_Left, Qt::NoModifier, u->CmdBack, true},       {Qt::Key_Right, Qt::NoModifier, u->CmdStep, false},
        {Qt::Key_Home, Qt::NoModifier, u->CmdStop, true},       {Qt::Key_I, Qt::NoModifier, u->CmdSetin, false},
        {Qt::Key_O, Qt::NoModifier, u->CmdOut, false},          {Qt::Key_T, Qt::ControlModifier, u->CmdSetNew, false},
    };
    for (const auto &c : cases) {
        for (const bool enabled : {false, true}) {
            SCOPED_TRACE(c.button->objectName().toStdString() + (enabled ? " enabled" : " disabled"));
            p.setCommand("Stop");
            if (c.playing) {
                p.setCommand("Play");
                ASSERT_EQ(p.state(), MciPlayer::State::Playing);
            }
            for (QWidget *b : {u->CmdPlay, u->CmdPause, u->CmdBack, u->CmdStep, u->CmdStop, u->CmdSetin, u->CmdOut,
                               u->CmdSetNew})
                b->setEnabled(true);
            c.button->setEnabled(enabled);
            std::map<QString, int> clicks;
            std::vector<QMetaObject::Connection> watches;
            // Play and Pause share Space, so both are watched whichever one the key is for.
            QList<QAbstractButton *> watched = {u->CmdPlay, u->CmdPause};
            if (!watched.contains(c.button))
                watched << c.button;
            for (QAbstractButton *b : watched)
                watches.push_back(
                    QObject::connect(b, &QAbstractButton::clicked, [&clicks, b] { ++clicks[b->objectName()]; }));
            QTest::keyClick(&w(), c.key, c.modifiers);
            if (enabled)
                EXPECT_TRUE(waitFor([&] { return clicks[c.button->objectName()] == 1; }));
            else
                QTest::qWait(250); // longer than a button's shown press
            for (const auto &[name, n] : clicks)
                EXPECT_EQ(n, enabled && name == c.button->objectName() ? 1 : 0) << name.toStdString();
            for (const auto &watch : watches)
                QObject::disconnect(watch);
        }
    }
    p.setCommand("Stop");

    // The menu commands, last of them Exit, which ends the program.
    dialogs_.clear();
    const struct {
        Qt::Key key;
        QAction *action;
    } menuKeys[] = {{Qt::Key_O, u->Open1}, {Qt::Key_W, u->cmdwav}, {Qt::Key_Q, u->Exit1}};
    for (const auto &m : menuKeys) {
        for (const bool enabled : {false, true}) {
            SCOPED_TRACE(m.action->objectName().toStdString() + (enabled ? " enabled" : " disabled"));
            m.action->setEnabled(enabled);
            int triggered = 0;
            const auto watch = QObject::connect(m.action, &QAction::triggered, [&triggered] { ++triggered; });
            QTest::keyClick(&w(), m.key, Qt::ControlModifier);
            QCoreApplication::processEvents();
            EXPECT_EQ(triggered, enabled ? 1 : 0);
            QObject::disconnect(watch);
        }
    }
    ASSERT_EQ(dialogs_.asked().size(), 2) << "a chooser for each open";
    EXPECT_EQ(dialogs_.asked()[0].file.filter, "Mp3 (*.mp3)|*.mp3");
    EXPECT_EQ(dialogs_.asked()[1].file.filter, "Wav File(*.wav)|*.wav");
    EXPECT_TRUE(endCode_.has_value()) << "Ctrl+Q ends the program";
}

TEST_F(Waveform, TooltipsNameTheKeysAndTheFocusRingShows)
{
    Ui::frmWriteWave *u = ui(w());
    const std::pair<QWidget *, QString> tips[] = {
        {u->CmdPlay, " (Space)"}, {u->CmdPause, " (Space)"}, {u->CmdBack, " (Left)"}, {u->CmdStep, " (Right)"},
        {u->CmdStop, " (Home)"},  {u->CmdSetin, " (I)"},     {u->CmdOut, " (O)"},     {u->CmdSetNew, " (Ctrl+T)"}};
    for (const auto &[button, suffix] : tips) {
        EXPECT_TRUE(button->toolTip().endsWith(suffix)) << button->toolTip().toStdString();
        EXPECT_EQ(button->toolTip().count(suffix), 1) << button->toolTip().toStdString();
    }

    dialogs_.answerFile(makeTwoTones("two.wav"));
    w().cmdwav_Click();
    activate();
    auto *ring = w().findChild<FocusRing *>();
    ASSERT_NE(ring, nullptr);
    for (int tab = 0; tab < 3; ++tab) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w(), Qt::Key_Tab);
        QWidget *focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        SCOPED_TRACE(focused->objectName().toStdString());
        ASSERT_EQ(ring->target(), focused);
        EXPECT_TRUE(ring->isVisible());
        EXPECT_EQ(ring->parentWidget(), focused->parentWidget());
        EXPECT_TRUE(ring->geometry().contains(focused->geometry().adjusted(-2, -2, 2, 2)));
        // The ring is drawn over the control's surroundings in the highlight colour.
        const QImage image = ring->parentWidget()->grab(ring->geometry()).toImage();
        const QColor seen = image.pixelColor(1, image.height() / 2);
        const QColor highlight = ring->palette().color(QPalette::Active, QPalette::Highlight);
        EXPECT_LT(std::abs(seen.red() - highlight.red()) + std::abs(seen.green() - highlight.green()) +
                      std::abs(seen.blue() - highlight.blue()),
                  60)
            << seen.name().toStdString() << " " << highlight.name().toStdString();
    }
}

} // namespace

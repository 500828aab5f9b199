// A seven-hour MP3 worked on as a user would: its working file passes 4 GiB, so the cut near
// its end reads sound from past that line. The cut, and the joins of it with a clip from the
// first minute, must be exactly what mpg123 decodes of those ranges.
#include "scenarios/clips_window.h"

#include "platform/mci/timebase.h"

#include <QTest>

#include <mpg123.h>

#include <fstream>

namespace {

using namespace clipstory;

constexpr int kRate = 44100;
constexpr int64_t kFrameBytes = 4;

// Stereo noise over tones, encoded once without an info frame, its frames repeated to
// `seconds`: nothing to trim at either end, so every decoder counts the same samples.
void writeLongMp3(const std::string &path, const std::string &piece, int seconds)
{
    writeMp3(piece, makeBusySound(kRate, 2, 60.0, 17), Mp3Options{64, -1, false, true, false});
    const std::vector<uint8_t> bytes = readBytes(piece);
    const double pieceSeconds = double(bytes.size()) / (64000 / 8);
    std::ofstream out(path, std::ios::binary);
    for (int i = 0; i * pieceSeconds < seconds; ++i)
        out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
}

// libmpg123's decode of `path` from its start with its own defaults, as the mpg123 command
// makes it, of which only the byte ranges asked for are kept.
struct Range {
    int64_t from = 0, bytes = 0;
    QByteArray data;
};
bool decodeRanges(const std::string &path, std::vector<Range> &ranges)
{
    mpg123_init();
    mpg123_handle *h = mpg123_new(nullptr, nullptr);
    if (!h || mpg123_open(h, path.c_str()) != MPG123_OK)
        return false;
    std::vector<unsigned char> block(1 << 20);
    int64_t at = 0;
    int rc = MPG123_OK;
    while (rc == MPG123_OK || rc == MPG123_NEW_FORMAT) {
        size_t n = 0;
        rc = mpg123_read(h, block.data(), block.size(), &n);
        for (Range &r : ranges) {
            const int64_t from = std::max(at, r.from), to = std::min(at + int64_t(n), r.from + r.bytes);
            if (from < to)
                r.data.append(reinterpret_cast<const char *>(block.data()) + (from - at), qsizetype(to - from));
        }
        at += int64_t(n);
    }
    mpg123_close(h);
    mpg123_delete(h);
    return rc == MPG123_DONE;
}

class LongSound : public ClipsWindow {
protected:
    void TearDown() override
    {
        // The 4 GiB working file goes with the window, before the next test needs the disk.
        window_.reset();
        ClipsWindow::TearDown();
    }
    static int64_t frameAt(qint32 ms) { return trevisto::mci::frameAt(ms, kRate, INT64_MAX); }
    static QByteArray wavSound(const QString &path) { return readFile(path).mid(44); }
};

TEST_F(LongSound, ACutPastFourGibOfASevenHourMp3AndItsJoinsAreExact)
{
    const std::string source = audio_.file("day.mp3");
    writeLongMp3(source, audio_.file("piece.mp3"), 7 * 3600 + 30);

    dialogs_.answerFile(QString::fromStdString(source));
    w().Open1_Click();
    ASSERT_TRUE(MMaudio(w())->isOpen());
    const QString working = NativePath(WorkingFiles::Source);
    ASSERT_GT(QFileInfo(working).size(), int64_t(1) << 32) << "the working file passes 4 GiB";
    QFile head(working);
    ASSERT_TRUE(head.open(QIODevice::ReadOnly));
    EXPECT_EQ(head.read(4), "RF64");
    head.close();

    // Goto 06:50:00, paused there; Mark In, ten seconds on, Mark Out, Set.
    ui(w())->cmbHH->setCurrentText("06");
    ui(w())->CmbMM->setCurrentText("50");
    ui(w())->CmbSS->setCurrentText("00");
    w().CmdGoto_Click();
    MMaudio(w())->setCommand("Pause");
    w().CmdSetin_Click();
    const qint32 in = MarkIn(w());
    EXPECT_GE(in, (6 * 3600 + 50 * 60) * 1000);
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(&w(), Qt::Key_Period, Qt::ShiftModifier);
    w().CmdOut_Click();
    ASSERT_EQ(MarkOut(w()), in + 10000);
    w().CmdSetNew_Click();
    ASSERT_TRUE(MMControl1(w())->isOpen());
    const QByteArray late = wavSound(NativePath(WorkingFiles::Result));
    addClip("late");

    cut(20000, 50000);
    const QByteArray early = wavSound(NativePath(WorkingFiles::Result));
    addClip("early");

    std::vector<Range> ranges = {{frameAt(in) * kFrameBytes, (frameAt(in + 10000) - frameAt(in)) * kFrameBytes, {}},
                                 {frameAt(20000) * kFrameBytes, (frameAt(50000) - frameAt(20000)) * kFrameBytes, {}}};
    ASSERT_TRUE(decodeRanges(source, ranges));
    ASSERT_EQ(ranges[0].data.size(), 10 * kRate * kFrameBytes);
    EXPECT_TRUE(late == ranges[0].data) << "the cut from past 4 GiB is mpg123's sound";
    EXPECT_TRUE(early == ranges[1].data);
    const QByteArray both = ranges[0].data + ranges[1].data;

    // Joined to WAV; the join lets the clips go, and Undo brings them back.
    dialogs_.clear();
    dialogs_.answerFile(outPath("joined.wav"));
    w().Command2_Click();
    EXPECT_TRUE(wavSound(outPath("joined.wav")) == both);
    u()->EditUndo->trigger();
    ASSERT_EQ(entries(), QStringList({"late", "early"}));

    // Joined to MP3 by copying the source's frames: the sound of each clip comes back as it
    // was, but for the frames around the joint, which are encoded again and may move it by
    // up to half a frame either way.
    u()->Option5->click();
    dialogs_.clear();
    dialogs_.answerFile(outPath("joined.mp3"));
    dialogs_.answerMessage(vbOK);
    dialogs_.answerMessage(vbNo);
    w().CmdCreate_Click();
    ASSERT_TRUE(waitFor([&] { return !Mp3Enc1(w())->isBusy(); }, 60000));
    EXPECT_EQ(Mp3Enc1(w())->status(), Mp3Encoder::Idle) << "nothing was encoded";
    dialogs_.answerFile(outPath("joined.mp3"));
    w().Open1_Click();
    ASSERT_TRUE(MMaudio(w())->isOpen());
    const QByteArray got = wavSound(NativePath(WorkingFiles::Source));
    const int64_t len1 = ranges[0].data.size() / kFrameBytes, len2 = ranges[1].data.size() / kFrameBytes;
    const int64_t overlap = len1 + len2 - got.size() / kFrameBytes, spf = 1152;
    ASSERT_GE(overlap, 0);
    ASSERT_LT(overlap, spf);
    const int64_t seam = len1 - (overlap + 1) / 2, reach = 4 * spf;
    const QByteArray want = ranges[0].data.left(seam * kFrameBytes) + ranges[1].data.mid(overlap / 2 * kFrameBytes);
    ASSERT_EQ(want.size(), got.size());
    EXPECT_TRUE(got.left((seam - reach) * kFrameBytes) == want.left((seam - reach) * kFrameBytes));
    EXPECT_TRUE(got.mid((seam + reach) * kFrameBytes) == want.mid((seam + reach) * kFrameBytes));
}

} // namespace

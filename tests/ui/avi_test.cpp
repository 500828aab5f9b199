// The AVI reader and the animation control: layouts it must show correctly, input it
// must refuse, and playback that follows visibility.
#include "avibuilder.h"
#include "loadingclip.h"
#include "ui/AviPlayer.h"
#include "ui/aviclip.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

constexpr quint32 Red = 0xff0000, Green = 0x00ff00, Blue = 0x0000ff, White = 0xffffff, Grey = 0x808080,
                  Black = 0x000000;

quint32 rgbAt(const QImage &image, int x, int y)
{
    return image.pixel(x, y) & 0xffffff;
}

AviClip decodeOk(const QByteArray &data)
{
    AviClip clip;
    QString error;
    EXPECT_TRUE(decodeAvi(data, &clip, &error)) << error.toStdString();
    return clip;
}

// A valid two-frame 3x2 clip of 24-bit pictures, bottom row first.
AviLayout bgrClip()
{
    AviLayout s;
    s.width = 3;
    s.height = 2;
    s.frames = {rowsPadded({bgr(Red) + bgr(Green) + bgr(Blue), bgr(White) + bgr(Black) + bgr(Grey)}),
                rowsPadded({bgr(Blue) + bgr(Blue) + bgr(Blue), bgr(Green) + bgr(Green) + bgr(Green)})};
    return s;
}

bool waitFor(const std::function<bool()> &condition, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition() && timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}

QString writeTemp(const QTemporaryDir &dir, const QString &name, const QByteArray &data)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
    return path;
}

} // namespace

TEST(AviReader, Bgr24BottomUpRowsAndPadding)
{
    const AviClip clip = decodeOk(buildAvi(bgrClip()));
    ASSERT_EQ(clip.frames.size(), 2);
    EXPECT_EQ(clip.frameSize, QSize(3, 2));
    EXPECT_EQ(clip.frameIntervalMs, 100);
    const QImage &first = clip.frames[0];
    // The first stored row is the bottom one.
    EXPECT_EQ(rgbAt(first, 0, 1), Red);
    EXPECT_EQ(rgbAt(first, 1, 1), Green);
    EXPECT_EQ(rgbAt(first, 2, 1), Blue);
    EXPECT_EQ(rgbAt(first, 0, 0), White);
    EXPECT_EQ(rgbAt(first, 1, 0), Black);
    EXPECT_EQ(rgbAt(first, 2, 0), Grey);
    EXPECT_EQ(rgbAt(clip.frames[1], 2, 1), Blue);
    EXPECT_EQ(rgbAt(clip.frames[1], 0, 0), Green);
}

TEST(AviReader, Pal8TopDownInRecordListsWithStreamRate)
{
    AviLayout s;
    s.width = 5; // rows pad from 5 to 8 bytes
    s.height = -2;
    s.bitCount = 8;
    s.compression = "DIB ";
    s.chunkId = "00db";
    s.recordList = true;
    s.palette = {Red, Green, Blue};
    s.colorsUsed = 3;
    s.usPerFrame = 100000;
    s.scale = 1;
    s.rate = 20;
    s.frames = {rowsPadded({QByteArray("\0\1\2\1\0", 5), QByteArray("\2\2\7\1\1", 5)}),
                rowsPadded({QByteArray(5, '\1'), QByteArray(5, '\0')}),
                rowsPadded({QByteArray(5, '\2'), QByteArray(5, '\2')})};
    const AviClip clip = decodeOk(buildAvi(s));
    ASSERT_EQ(clip.frames.size(), 3);
    EXPECT_EQ(clip.frameSize, QSize(5, 2));
    EXPECT_EQ(clip.frameIntervalMs, 50); // the stream's rate wins over the main header
    const QImage &first = clip.frames[0];
    EXPECT_EQ(rgbAt(first, 0, 0), Red); // top row stored first
    EXPECT_EQ(rgbAt(first, 2, 0), Blue);
    EXPECT_EQ(rgbAt(first, 4, 0), Red);
    EXPECT_EQ(rgbAt(first, 0, 1), Blue);
    EXPECT_EQ(rgbAt(first, 2, 1), Black); // index past the palette
    EXPECT_EQ(rgbAt(first, 4, 1), Green);
    EXPECT_EQ(rgbAt(clip.frames[1], 3, 0), Green);
    EXPECT_EQ(rgbAt(clip.frames[2], 1, 1), Blue);
}

TEST(AviReader, VideoAfterAudioStreamAndEmptyChunkRepeatsPicture)
{
    AviLayout s = bgrClip();
    s.audioStreamFirst = true;
    s.chunkId = "01dc";
    s.frames.insert(1, QByteArray()); // an empty chunk holds the first picture
    const AviClip clip = decodeOk(buildAvi(s));
    ASSERT_EQ(clip.frames.size(), 3);
    EXPECT_EQ(clip.frames[1], clip.frames[0]);
    EXPECT_EQ(rgbAt(clip.frames[2], 0, 0), Green);
}

TEST(AviReader, RefusesMalformedAndUnsupportedInput)
{
    const QByteArray good = buildAvi(bgrClip());
    auto patched = [&](const char *tag, int offset, quint32 value) {
        QByteArray b = good;
        const int at = b.indexOf(tag);
        EXPECT_GE(at, 0) << tag;
        QByteArray v;
        putU32(v, value);
        b.replace(at + offset, 4, v);
        return b;
    };
    auto withLayout = [](const std::function<void(AviLayout &)> &change) {
        AviLayout s = bgrClip();
        change(s);
        return buildAvi(s);
    };
    const int strf = 8; // picture header fields, counted from the 'strf' tag

    const std::vector<std::pair<const char *, QByteArray>> cases = {
        {"empty", QByteArray()},
        {"not RIFF", QByteArray("RIFX") + good.mid(4)},
        {"wave file", QByteArray(good).replace(8, 4, "WAVE")},
        {"RIFF longer than file", patched("RIFF", 4, quint32(good.size()))},
        {"RIFF size 0xffffffff", patched("RIFF", 4, 0xffffffff)},
        {"chunk past its list", patched("strf", 4, 0x7ffffff0)},
        {"list too short for type", patched("LIST", 4, 2)},
        {"header size past chunk", patched("strf", strf, 4000)},
        {"compressed", patched("strf", strf + 16, 0x47504a4d)},
        {"bitfields", patched("strf", strf + 16, 3)},
        {"16-bit", withLayout([](AviLayout &s) { s.bitCount = 16; })},
        {"width 0", patched("strf", strf + 4, 0)},
        {"height 0", patched("strf", strf + 8, 0)},
        {"negative width", patched("strf", strf + 4, 0xfffffffd)},
        {"huge width", patched("strf", strf + 4, 100000)},
        {"most negative height", patched("strf", strf + 8, 0x80000000)},
        {"big picture, small frames", withLayout([](AviLayout &s) { s.width = s.height = 4096; })},
        {"frame too short", withLayout([](AviLayout &s) { s.frames[1].chop(1); })},
        {"no frames", withLayout([](AviLayout &s) { s.frames.clear(); })},
        {"only empty frames", withLayout([](AviLayout &s) { s.frames = {QByteArray()}; })},
        {"frames of another stream", withLayout([](AviLayout &s) { s.chunkId = "01dc"; })},
        {"palette over 256", withLayout([](AviLayout &s) {
             s.bitCount = 8;
             s.colorsUsed = 300;
         })},
        {"palette cut short", withLayout([](AviLayout &s) {
             s.bitCount = 8;
             s.colorsUsed = 0; // means 256, only 2 present
             s.palette = {Red, Green};
         })},
        {"no movi", QByteArray(good).replace("movi", "junk")},
        {"no video stream", QByteArray(good).replace("vids", "txts")},
    };
    for (const auto &[name, data] : cases) {
        AviClip clip;
        clip.frameIntervalMs = -7;
        QString error;
        EXPECT_FALSE(decodeAvi(data, &clip, &error)) << name;
        EXPECT_FALSE(error.isEmpty()) << name;
        EXPECT_TRUE(clip.frames.isEmpty() && clip.frameIntervalMs == -7) << name << ": clip changed on failure";
    }
}

TEST(AviReader, SurvivesEveryTruncationAndByteDamage)
{
    AviLayout s = bgrClip();
    s.recordList = true;
    const QByteArray good = buildAvi(s);
    AviClip clip;
    for (int n = 0; n < good.size(); ++n)
        EXPECT_FALSE(decodeAvi(good.left(n), &clip)) << "prefix of " << n << " bytes";
    // Any single damaged byte: decoded or refused, never out of bounds.
    for (int i = 0; i < good.size(); ++i) {
        for (char v : {'\0', '\x7f', '\xff'}) {
            QByteArray bad = good;
            bad[i] = v;
            AviClip c;
            if (decodeAvi(bad, &c)) {
                ASSERT_FALSE(c.frames.isEmpty());
                ASSERT_EQ(c.frames[0].size(), c.frameSize);
            }
        }
    }
}

TEST(AviPlayer, OpenCountsSuccessesAndFailureEmptiesTheControl)
{
    QTemporaryDir dir;
    const QString good = writeTemp(dir, "good.avi", buildAvi(bgrClip()));
    const QString bad = writeTemp(dir, "bad.avi", QByteArray("RIFF\4\0\0\0AVI "));

    AviPlayer player;
    EXPECT_FALSE(player.open(dir.filePath("missing.avi")));
    EXPECT_FALSE(player.isOpen());
    EXPECT_EQ(player.openCount(), 0);

    ASSERT_TRUE(player.open(good));
    EXPECT_EQ(player.openCount(), 1);
    EXPECT_EQ(player.frameCount(), 2);
    EXPECT_EQ(player.frameSize(), QSize(3, 2));
    EXPECT_EQ(player.sizeHint(), QSize(3, 2));

    EXPECT_FALSE(player.open(bad));
    EXPECT_FALSE(player.isOpen());
    EXPECT_EQ(player.frameCount(), 0);
    EXPECT_FALSE(player.errorString().isEmpty());
    EXPECT_EQ(player.openCount(), 1);
}

TEST(AviPlayer, AutoPlayLoopsOnlyWhileShown)
{
    QTemporaryDir dir;
    AviLayout s = bgrClip();
    s.usPerFrame = 10000; // 10 ms a frame
    const QString path = writeTemp(dir, "clip.avi", buildAvi(s));

    AviPlayer player;
    // Every step is seen, however late the test's own thread runs.
    std::vector<int> shown;
    QObject::connect(&player, &AviPlayer::frameChanged, [&](int frame) { shown.push_back(frame); });
    player.setAutoPlay(true);
    ASSERT_TRUE(player.open(path));
    EXPECT_TRUE(player.isPlaying());
    EXPECT_FALSE(waitFor([&] { return !shown.empty(); }, 100)) << "advanced while hidden";

    player.show();
    // Two frames: 1 and then 0 again means it wrapped around.
    ASSERT_TRUE(waitFor([&] { return shown.size() >= 3; }, 2000));
    EXPECT_EQ(std::vector<int>(shown.begin(), shown.begin() + 3), (std::vector<int>{1, 0, 1}));

    player.stop();
    const size_t stoppedAt = shown.size();
    EXPECT_FALSE(waitFor([&] { return shown.size() != stoppedAt; }, 100));
}

TEST(LoadingClip, GeneratedMatchesCommittedAndDecodes)
{
    const std::vector<std::uint8_t> made = avigen::makeLoadingClip();
    const QByteArray generated(reinterpret_cast<const char *>(made.data()), qsizetype(made.size()));
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(avigen::makeLoadingClip().data()), qsizetype(made.size())),
              generated)
        << "the generator is not reproducible";
    EXPECT_LT(generated.size(), 300 * 1024);

    QFile committed(QStringLiteral(LOADING_AVI_PATH));
    ASSERT_TRUE(committed.open(QIODevice::ReadOnly));
    EXPECT_TRUE(committed.readAll() == generated) << "resources/loading.avi is out of date: rerun avigen";

    AviPlayer player;
    ASSERT_TRUE(player.open(QStringLiteral(LOADING_AVI_PATH)));
    EXPECT_EQ(player.frameCount(), avigen::ClipFrames);
    EXPECT_EQ(player.frameSize(), QSize(avigen::ClipWidth, avigen::ClipHeight));
    EXPECT_EQ(player.frameIntervalMs(), 83);
    // Light background in the corners, and a picture that moves.
    EXPECT_EQ(rgbAt(player.frame(0), 0, 0), 0xefefefu);
    EXPECT_EQ(rgbAt(player.frame(5), avigen::ClipWidth - 1, avigen::ClipHeight - 1), 0xefefefu);
    for (int i = 1; i < player.frameCount(); ++i)
        EXPECT_NE(player.frame(i), player.frame(i - 1)) << "frame " << i;
}

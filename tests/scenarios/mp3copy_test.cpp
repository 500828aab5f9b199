// Saving a cut of an MP3 as MP3 with "Copy": the source's frames, decoding to exactly the
// cut; and the encoding that takes over, with its reason, where they cannot be copied.
#include "app/window_fixture.h"
#include "scenarios/clips_window.h"
#include "scenarios/wait_for.h"

#include "core/routines.h"
#include "core/workingfiles.h"
#include "platform/mci/player.h"
#include "platform/mp3enc/mp3encoder.h"
#include "platform/mp3frames/index.h"
#include "support/messages.h"
#include "support/test_audio.h"

#include <QFile>

#include <filesystem>

namespace {

using namespace trevisto::test;

using clipstory::readFile;

class Mp3Copy : public clipstory::WithClips<StartedWindow> {
protected:
    QString path(const char *name) const { return QString::fromStdString(audio_.file(name)); }

    void open(const QString &mp3)
    {
        dialogs_.answerFile(mp3);
        w().Open1_Click();
        ASSERT_TRUE(MMaudio(w())->isOpen());
    }
    // Saves the cut as `out` with "Copy" chosen; the messages shown once it is saved.
    QStringList saveByCopy(const QString &out)
    {
        u()->Option5->click();
        dialogs_.clear();
        dialogs_.answerFile(out);
        dialogs_.answerMessage(vbOK);
        w().CmdSaveas_Click();
        EXPECT_TRUE(waitFor([&] { return !Mp3Enc1(w())->isBusy(); }, 20000));
        return messageTexts(dialogs_);
    }
    static QByteArray sound(const QString &wav) { return readFile(wav).mid(44); }
};

TEST_F(Mp3Copy, ACutSavedByCopyDecodesToTheCutAndKeepsTheSourcesFrames)
{
    writeMp3(audio_.file("source.mp3"), makeTone(44100, 2, 4.0, 440), Mp3Options{192});
    open(path("source.mp3"));
    cut(1234, 3001);
    const QByteArray result = sound(NativePath(WorkingFiles::Result));
    ASSERT_FALSE(result.isEmpty());

    EXPECT_EQ(saveByCopy(path("copy.mp3")), QStringList({"The file is saved"}));
    EXPECT_EQ(Mp3Enc1(w())->status(), Mp3Encoder::Idle) << "nothing was encoded";
    const QByteArray copy = readFile(path("copy.mp3"));
    // The source's own frames: the copy's last ten lie in the source as they are.
    const auto index = trevisto::mp3frames::indexMp3(audio_.file("copy.mp3"));
    ASSERT_TRUE(index.index);
    const auto &frames = index.index->frames;
    ASSERT_GT(frames.size(), 10u);
    const qsizetype from = qsizetype(frames[frames.size() - 10].offset);
    EXPECT_TRUE(readFile(path("source.mp3")).contains(copy.mid(from)));
    EXPECT_EQ(frames.back().parsedHeader().bitRate(), 192);

    // The program's own decoder gives back exactly the cut.
    open(path("copy.mp3"));
    EXPECT_EQ(sound(NativePath(WorkingFiles::Source)), result);
}

TEST_F(Mp3Copy, WhatCannotBeCopiedIsEncodedAtTheSourcesRateAndSaysWhy)
{
    writeMp3(audio_.file("source.mp3"), makeTone(44100, 2, 2.0, 440), Mp3Options{160});
    open(path("source.mp3"));

    cut(1000, 1010); // 441 samples: less than a frame
    EXPECT_EQ(saveByCopy(path("short.mp3")),
              QStringList({"The file is saved\r\n\r\nEncoded again at 160 kbit/s: the cut is shorter than one MP3 frame."}));
    EXPECT_TRUE(std::filesystem::exists(audio_.file("short.mp3")));

    // The source changed on disk since it was opened.
    cut(100, 1500);
    writeMp3(audio_.file("source.mp3"), makeTone(44100, 2, 2.5, 330), Mp3Options{160});
    EXPECT_EQ(saveByCopy(path("changed.mp3")),
              QStringList({"The file is saved\r\n\r\nEncoded again at 160 kbit/s: the source MP3 file has changed since it "
                           "was opened."}));

    // A sound that was never an MP3.
    std::vector<uint8_t> data(44100 * 4, 0x11);
    writeWav(audio_.file("plain.wav"), 44100, 2, 16, data);
    dialogs_.answerFile(path("plain.wav"));
    w().cmdwav_Click();
    cut(0, 500);
    EXPECT_EQ(saveByCopy(path("wav.mp3")),
              QStringList({"The file is saved\r\n\r\nEncoded again at 128 kbit/s: the cut does not come from an MP3 "
                           "file."}));
}

} // namespace

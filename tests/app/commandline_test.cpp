// A file named on the command line: which way it is opened, and that it ends as the menu
// item for it would have left the window.
#include "app/commandline.h"
#include "app/window_fixture.h"
#include "core/routines.h"
#include "support/test_audio.h"

#include <QAbstractButton>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include <sys/stat.h>

namespace {

using namespace trevisto::test;

TEST(CommandLine, TheFirstFileArgumentIsOpenedAndMadeAbsolute)
{
    const struct {
        QStringList arguments;
        std::optional<QString> file;
    } cases[] = {
        {{}, std::nullopt},
        {{"song.mp3"}, "/home/u/music/song.mp3"},
        {{"../other/./song.mp3"}, "/home/u/other/song.mp3"},
        {{"/abs/tone.wav", "second.mp3"}, "/abs/tone.wav"},
        {{"--verbose", "song.mp3"}, "/home/u/music/song.mp3"},
        {{"--", "-dash.mp3"}, "/home/u/music/-dash.mp3"},
        {{"-x", "--"}, std::nullopt},
        {{""}, std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_EQ(fileToOpen(c.arguments, "/home/u/music"), c.file);
    }
}

TEST(CommandLine, TheRouteFollowsTheContentAndTheNameOnlyWhenUnreadable)
{
    TempDir dir;
    const std::vector<uint8_t> wav = wavHeader(8000, 1, 16, 0);
    std::vector<uint8_t> rf64 = wav;
    std::copy_n("RF64", 4, rf64.begin());
    std::vector<uint8_t> avi = wav;
    std::copy_n("AVI ", 4, avi.begin() + 8);
    writeBytes(dir.file("wave.mp3"), wav);
    writeBytes(dir.file("wave.bin"), wav);
    writeBytes(dir.file("big.mp3"), rf64);
    writeBytes(dir.file("movie.wav"), avi);
    writeBytes(dir.file("noise.wav"), std::vector<uint8_t>(64, 0xFF));
    writeBytes(dir.file("short.wav"), {'R', 'I', 'F', 'F'});
    writeBytes(dir.file("short.mp3"), {'R', 'I', 'F', 'F'});
    std::filesystem::create_directory(dir.path() / "folder.wav");
    // Opening a FIFO for reading waits for a writer: the route must not.
    ASSERT_EQ(::mkfifo(dir.file("pipe.mp3").c_str(), 0600), 0);

    const struct {
        const char *file;
        OpenRoute route;
    } cases[] = {
        {"wave.mp3", OpenRoute::Wav},       {"wave.bin", OpenRoute::Wav},      {"big.mp3", OpenRoute::Wav},
        {"movie.wav", OpenRoute::Decoded},  {"noise.wav", OpenRoute::Decoded}, {"short.wav", OpenRoute::Wav},
        {"short.mp3", OpenRoute::Decoded},  {"missing.WAV", OpenRoute::Wav},   {"missing.mp3", OpenRoute::Decoded},
        {"folder.wav", OpenRoute::Wav},     {"pipe.mp3", OpenRoute::Decoded},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(openRouteFor(QString::fromStdString(dir.file(c.file))), c.route);
    }
}

class GivenFile : public StartedWindow {
protected:
    // What a user sees of the loaded sound, and which file the source player plays.
    QString state() const
    {
        const frmWriteWave &w = *window_;
        Ui::frmWriteWave *u = ui(w);
        QString s = w.windowTitle() + '|' + u->lblAudio->text() + '|' + u->Txtin->text() + '|' +
                    u->TxtOut->text() + '|' + QString::number(u->Slider1->maximum()) + '|' +
                    MMaudio(w)->fileName() + '|' + QString::number(MMaudio(w)->isOpen()) + '|';
        for (QWidget *b : u->centralwidget->findChildren<QAbstractButton *>())
            s += b->isEnabled() ? 'E' : 'D';
        return s;
    }
    static QByteArray workingFile()
    {
        QFile f(NativePath("C:\\temp.wav"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString path(const char *name) const { return QString::fromStdString(audio_.file(name)); }

    TempDir audio_;
};

TEST_F(GivenFile, OpensAsItsMenuItemWouldWithoutAskingAnything)
{
    const Pcm tone = makeTone(44100, 2, 2.0, 440);
    writeMp3(audio_.file("tone.mp3"), tone);
    writeWav(audio_.file("tone.wav"), makeTone(22050, 1, 3.0, 300));
    // Named for the other kind: the content decides.
    writeWav(audio_.file("wave.mp3"), makeTone(8000, 1, 1.0, 200));
    writeMp3(audio_.file("coded.wav"), tone);

    const struct {
        const char *file;
        void (frmWriteWave::*item)();
        bool playsInPlace; // Open Wav plays the file itself, decoding plays the working file
        bool offered;      // the item's chooser offers the file; otherwise it opens in its folder
    } cases[] = {
        {"tone.mp3", &frmWriteWave::Open1_Click, false, true},
        {"tone.wav", &frmWriteWave::cmdwav_Click, true, true},
        {"wave.mp3", &frmWriteWave::cmdwav_Click, true, false},
        {"coded.wav", &frmWriteWave::Open1_Click, false, false},
    };
    frmWriteWave &w = *window_;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        dialogs_.clear();
        w.OpenGivenFile(path(c.file));
        EXPECT_TRUE(dialogs_.asked().isEmpty()) << dialogs_.asked().value(0).text.toStdString();
        ASSERT_TRUE(MMaudio(w)->isOpen());
        EXPECT_EQ(MMaudio(w)->fileName() == path(c.file), c.playsInPlace) << MMaudio(w)->fileName().toStdString();
        const QString byCommandLine = state();
        const QByteArray working = workingFile();

        // The same file through the menu: the chooser starts at it, and the window ends the same.
        dialogs_.answerFile(path(c.file));
        (w.*c.item)();
        ASSERT_EQ(dialogs_.asked().size(), 1);
        const FileRequest &asked = dialogs_.asked().front().file;
        EXPECT_EQ(asked.fileName, c.offered ? path(c.file) : QString());
        EXPECT_EQ(asked.initDir, c.offered ? QString() : QString::fromStdString(audio_.path().string()));
        EXPECT_EQ(state(), byCommandLine);
        EXPECT_EQ(workingFile(), working);
    }
}

TEST_F(GivenFile, AFileThatCannotBeReadIsRefusedAndNothingIsLoaded)
{
    std::filesystem::create_directory(audio_.path() / "folder.mp3");
    writeBytes(audio_.file("empty.mp3"), {});
    ASSERT_EQ(::mkfifo(audio_.file("pipe.mp3").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(audio_.file("pipe.wav").c_str(), 0600), 0);
    const QString nothingLoaded = state();
    ASSERT_TRUE(nothingLoaded.startsWith(QString(frmWriteWave::ProgramTitle) + '|'));

    const struct {
        const char *file;
        const char *refusal;
    } cases[] = {
        {"missing.mp3", "Can't play the file\r\n\r\nError Code : "},
        {"folder.mp3", "Can't play the file\r\n\r\nError Code : "},
        {"empty.mp3", "Can't play the file\r\n\r\nError Code : "},
        {"pipe.mp3", "Can't play the file\r\n\r\nError Code : "},
        {"missing.wav", "\" cannot be opened: "},
        {"pipe.wav", "\" cannot be opened: "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        dialogs_.clear();
        window_->OpenGivenFile(path(c.file));
        ASSERT_EQ(dialogs_.asked().size(), 1);
        EXPECT_TRUE(dialogs_.asked().front().text.contains(c.refusal)) << dialogs_.asked().front().text.toStdString();
        EXPECT_EQ(state(), nothingLoaded);
        EXPECT_FALSE(FileExists("C:\\temp.wav"));
        EXPECT_FALSE(FileExists("C:\\temp.new.wav"));
    }
}

TEST_F(GivenFile, ADroppedSoundOpensAndOtherDropsAreRefused)
{
    writeWav(audio_.file("tone.wav"), makeTone(22050, 1, 3.0, 300));
    writeWav(audio_.file("other.wav"), makeTone(22050, 1, 1.0, 300));
    QDir().mkpath(path("folder.wav"));
    auto drop = [&](const QList<QUrl> &urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window_.get(), &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window_.get(), &dropped);
    };
    const QString nothingLoaded = state();
    const struct {
        const char *what;
        QList<QUrl> urls;
        const char *refusal;
    } refused[] = {
        {"two files", {QUrl::fromLocalFile(path("tone.wav")), QUrl::fromLocalFile(path("other.wav"))}, "one sound file"},
        {"a folder", {QUrl::fromLocalFile(path("folder.wav"))}, "is a folder"},
        {"no file", {QUrl("https://example.org/a.wav")}, "not a file"},
    };
    for (const auto &r : refused) {
        SCOPED_TRACE(r.what);
        dialogs_.clear();
        drop(r.urls);
        ASSERT_EQ(dialogs_.asked().size(), 1);
        EXPECT_TRUE(dialogs_.asked().front().text.contains(r.refusal)) << dialogs_.asked().front().text.toStdString();
        EXPECT_EQ(state(), nothingLoaded);
    }
    dialogs_.clear();
    drop({QUrl::fromLocalFile(path("tone.wav"))});
    EXPECT_TRUE(dialogs_.asked().isEmpty());
    EXPECT_EQ(MMaudio(*window_)->fileName(), path("tone.wav"));
    EXPECT_EQ(MMaudio(*window_)->length(), 3000);
    EXPECT_EQ(window_->windowTitle(), "Trevisto MP3 Editor -" + path("tone.wav"));
}

} // namespace

#pragma once
// The window with clips in its list: a source of counting samples, cuts made and added as
// clips, and the list's controls looked at by name.

#include "app/window_fixture.h"
#include "scenarios/wait_for.h"

#include "app/qtdialogs.h"
#include "core/routines.h"
#include "core/workingfiles.h"
#include "platform/mci/player.h"
#include "platform/mp3enc/mp3encoder.h"
#include "settings/captions.h"
#include "support/messages.h"
#include "support/test_audio.h"
#include "ui/Frmwait.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QMouseEvent>
#include <QThread>
#include <QTimer>

#include <climits>
#include <cstring>
#include <functional>
#include <map>

namespace clipstory {

using namespace trevisto::test;
using Kind = ScriptedDialogs::Kind;

inline void spin(int ms)
{
    waitFor([] { return false; }, ms);
}

inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline uint32_t le32(const QByteArray &b, int at)
{
    uint32_t v = 0;
    if (at + 4 <= b.size())
        std::memcpy(&v, b.constData() + at, 4);
    return v;
}

// Every file under `folder`, hidden ones included, relative to it.
inline QStringList filesUnder(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

// An MP3's frames, without the ID3v2 tag in front of them.
inline QByteArray mp3Frames(const QByteArray &mp3)
{
    return mp3.mid(qsizetype(trevisto::test::id3v2Bytes(reinterpret_cast<const uint8_t *>(mp3.constData()), size_t(mp3.size()))));
}

// The bit rate of the first audio frame of a 32 to 48 kHz MP3, after its tag and info frame;
// 0 when the bytes are not such an MP3.
inline int audioFrameKbps(const QByteArray &tagged)
{
    const QByteArray mp3 = mp3Frames(tagged);
    static const int kbps[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0};
    static const int rates[] = {44100, 48000, 32000, 0};
    const auto frameAt = [&](qsizetype at) -> std::pair<int, int> {
        if (at + 4 > mp3.size())
            return {0, 0};
        const auto b = [&](int i) { return uint8_t(mp3[at + i]); };
        if (b(0) != 0xFF || (b(1) & 0xFE) != 0xFA) // MPEG-1 Layer III
            return {0, 0};
        const int k = kbps[b(2) >> 4], r = rates[(b(2) >> 2) & 3];
        if (!k || !r)
            return {0, 0};
        return {k, 144000 * k / r + ((b(2) >> 1) & 1)};
    };
    const auto info = frameAt(0);
    return info.second ? frameAt(info.second).first : 0;
}

// Each clip the list player starts, as "row:name" with the row selected while it plays,
// and the codes of the player's completions.
class PlaybackLog : public QObject {
public:
    PlaybackLog(QListWidget *list, MciPlayer *player)
    {
        connect(&poll_, &QTimer::timeout, this, [=, this] {
            const bool playing = player->state() == MciPlayer::State::Playing;
            const QString file = playing ? player->fileName() : QString();
            if (playing && file != last_)
                rows << QString::number(list->currentRow()) + ':' + file.mid(file.lastIndexOf('\\') + 1).chopped(4);
            last_ = file;
        });
        poll_.start(5);
        connect(player, &MciPlayer::done, this, [this](int code) { codes << code; });
    }
    QStringList rows;
    QList<int> codes;

private:
    QTimer poll_;
    QString last_;
};

// What a story does with clips, on a window fixture of either kind: a source of counting
// samples, cuts, clips added to the list, and the list's controls looked at by name.
template <class Fixture>
class WithClips : public Fixture {
protected:
    using Fixture::MarkIn, Fixture::MarkOut, Fixture::MMaudio, Fixture::MMControl1, Fixture::Mp3Enc1, Fixture::ui;

    frmWriteWave &w() { return *this->window_; }
    Ui::frmWriteWave *u() { return ui(*this->window_); }

    // Opens `seconds` of 44.1 kHz stereo counting samples as the source, so that every cut
    // range has bytes of its own.
    void openSource(double seconds)
    {
        std::vector<uint8_t> data(size_t(seconds * 44100 + 0.5) * 4);
        for (size_t i = 0; i < data.size(); ++i)
            data[i] = uint8_t((i * 13 + i / 251) & 0xff);
        const std::string path = audio_.file("source.wav");
        writeWav(path, 44100, 2, 16, data);
        this->dialogs_.answerFile(QString::fromStdString(path));
        w().cmdwav_Click();
        ASSERT_TRUE(MMaudio(w())->isOpen());
    }
    void cut(int from, int to)
    {
        MarkIn(w()) = from;
        MarkOut(w()) = to;
        w().CmdSetNew_Click();
        ASSERT_TRUE(MMControl1(w())->isOpen());
    }
    void addClip(const QString &name)
    {
        this->dialogs_.answerInput(name);
        w().CmdaddList_Click();
    }
    // Clips of `ms` each, cut one after another from a fresh source.
    void makeClips(const QStringList &names, int ms)
    {
        openSource(names.size() * ms / 1000.0 + 0.2);
        for (int i = 0; i < names.size(); ++i) {
            cut(i * ms, (i + 1) * ms);
            addClip(names[i]);
        }
        ASSERT_EQ(entries(), names);
        this->dialogs_.clear();
    }

    QStringList entries() const
    {
        QStringList names;
        for (int i = 0; i < ui(*this->window_)->List1->count(); ++i)
            names << ui(*this->window_)->List1->item(i)->text();
        return names;
    }
    int selected() const { return ui(*this->window_)->List1->currentRow(); }
    void select(int row) { u()->List1->setCurrentRow(row); }
    static QString clipFile(const QString &name) { return NativePath(WorkingFiles::ClipFile(name)); }
    static QString clipFolder() { return NativePath(WorkingFiles::Folder); }
    static QByteArray clipData(const QString &name) { return readFile(clipFile(name)).mid(44); }
    QString outPath(const QString &name) const { return QString::fromStdString(audio_.file(name.toStdString())); }
    QStringList messages() const { return messageTexts(this->dialogs_); }

    static QString enabled(const QList<QWidget *> &controls)
    {
        QString s;
        for (const QWidget *c : controls)
            s += c->isEnabled() ? 'E' : 'D';
        return s;
    }
    // The controls list playback locks: the source's eight, the result's five, Goto.
    QList<QWidget *> listLocked()
    {
        return {u()->CmdPlay, u()->CmdBack, u()->CmdStop, u()->CmdPause, u()->CmdStep,
                u()->CmdSetin, u()->CmdOut, u()->CmdSetNew, u()->CmdPlayTemp, u()->CmdStopTemp,
                u()->CmdSaveas, u()->Command3, u()->CmdaddList, u()->CmdGoto};
    }
    // The controls result playback locks.
    QList<QWidget *> resultLocked()
    {
        return {u()->CmdPlay, u()->CmdBack, u()->CmdStop, u()->CmdPause, u()->CmdStep, u()->CmdSetin, u()->CmdOut};
    }
    // The list buttons, in the order CmdCreate, Command2, Command4, CmdPlayList, Command5,
    // CmdUp, CmdDown.
    QList<QWidget *> listButtons()
    {
        return {u()->CmdCreate, u()->Command2, u()->Command4, u()->CmdPlayList,
                u()->Command5, u()->CmdUp, u()->CmdDown};
    }
    bool listPlaying() const
    {
        return ui(*this->window_)->CmdPlayList->isHidden() && !ui(*this->window_)->CmdStopList->isHidden();
    }
    bool listIdle() const
    {
        return !ui(*this->window_)->CmdPlayList->isHidden() && ui(*this->window_)->CmdStopList->isHidden();
    }

    // Waits for the encoding the last click started to be finished by its completion.
    bool waitForEncoding() { return waitFor([&] { return !Mp3Enc1(w())->isBusy(); }, 20000); }

    TempDir audio_;
};

// A started window, shown, with the clip actions.
class ClipsWindow : public WithClips<StartedWindow> {
protected:
    void SetUp() override
    {
        StartedWindow::SetUp();
        window_->show();
    }
};

} // namespace clipstory

// Opening a WAV file directly as the source.
#include "app/frmWriteWave.h"

#include "app/choosers.h"
#include "app/outcome.h"
#include "app/routines.h"
#include "app/workingfiles.h"
#include "platform/drive/drive.h"
#include "platform/io/systemreason.h"
#include "platform/io/writeall.h"
#include "platform/mci/error.h"
#include "platform/mci/player.h"
#include "platform/wav/wav.h"
#include "ui/Frmwait.h"
#include "ui_frmWriteWave.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace {

// The texts this file shows, under one translation context.
struct OpenWav {
    Q_DECLARE_TR_FUNCTIONS(OpenWav)
};

// What a file operation of Qt reported, in the user's language where the system said it.
Outcome failed(const QFileDevice &file)
{
    return Outcome::failure(trevisto::io::systemReasonForText(file.errorString()));
}

} // namespace

// Large blocks, with progress reported at most about 30 times a second.
Outcome frmWriteWave::CopyWithProgress(const QString &from, const QString &to, Frmwait &wait)
{
    // Only the data chunk is sound; its header was checked before the copy began.
    trevisto::wav::Info info;
    const bool reduce = trevisto::wav::readInfo(drive::toNative(from.toStdString()), info) ==
                            trevisto::wav::ReadError::None &&
                        incomingPeaks_.start(info.format);
    if (!reduce)
        incomingPeaks_.clear();

    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        return failed(in);
    // `to` is a working name of its own, removed by the caller when the copy fails, so the
    // copy goes straight to it; plain writes keep the system's reason for a failure.
    const int out = ::open(QFile::encodeName(to).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (out < 0)
        return Outcome::failure(trevisto::io::systemReason(errno));
    struct Closer {
        int fd;
        ~Closer()
        {
            if (fd >= 0)
                ::close(fd);
        }
    } closer{out};
    const qint64 total = in.size();
    qint64 copied = 0;
    QByteArray block(4 << 20, Qt::Uninitialized);
    QElapsedTimer sinceRepaint;
    sinceRepaint.start();
    for (;;) {
        const qint64 n = in.read(block.data(), block.size());
        if (n < 0)
            return failed(in);
        if (n == 0)
            break;
        errno = 0;
        if (!trevisto::io::writeAll(out, block.constData(), size_t(n)))
            return Outcome::failure(trevisto::io::systemReason(errno ? errno : EIO));
        if (reduce) {
            const qint64 first = std::max<qint64>(copied, info.dataOffset);
            const qint64 end = std::min<qint64>(copied + n, info.dataOffset + info.dataSize);
            if (first < end)
                incomingPeaks_.add(block.constData() + (first - copied), size_t(end - first));
        }
        copied += n;
        if (sinceRepaint.elapsed() >= 33) {
            sinceRepaint.restart();
            wait.setProgress(quint64(copied), quint64(total));
        }
        QCoreApplication::processEvents();
    }
    closer.fd = -1;
    if (::close(out) != 0)
        return Outcome::failure(trevisto::io::systemReason(errno));
    return Outcome::success();
}

namespace {

// Whether the player will take `path`: a WAV file of a layout it plays.
Outcome CheckPlayable(const QString &path)
{
    trevisto::wav::Info info;
    const trevisto::wav::ReadError error = trevisto::wav::readInfo(drive::toNative(path.toStdString()), info);
    if (error != trevisto::wav::ReadError::None)
        return Outcome::failure(trevisto::mci::errorMessage(trevisto::mci::fromReadError(error)));
    return Outcome::success();
}

} // namespace

void frmWriteWave::cmdwav_Click()
{
    if (RefuseWhileOpening())
        return;
    const std::optional<QString> path = ChooseSource(trevisto::WavFilter);
    if (!path)
        return;
    OpenWavSource(*path);
}

void frmWriteWave::OpenWavSource(const QString &path)
{
    if (const Outcome playable = CheckPlayable(path); !playable) {
        dialogs_.msgBox(OpenWav::tr("\"%1\" cannot be opened: %2").arg(path, playable.why), vbOKOnly,
                        MsgIcon::Critical, ProgramTitle);
        return;
    }

    // The copy goes beside the loaded sound, which stays until the copy is complete.
    sourceInProgress_ = path;
    Frmwait &wait = WaitWindow();
    wait.resetProgress();
    wait.show();
    const QString copy = NativePath(WorkingFiles::SourceInProgress);
    LockWhileOpening(true);
    CopyingSource = true;
    const Outcome copied = CopyWithProgress(path, copy, wait);
    CopyingSource = false;
    LockWhileOpening(false);
    if (!copied) {
        QFile::remove(copy);
        wait.hide();
        dialogs_.msgBox(OpenWav::tr("\"%1\" cannot be copied to the working file \"%2\": %3.")
                            .arg(path, NativePath(WorkingFiles::Source), copied.why),
                        vbOKOnly, MsgIcon::Critical, ProgramTitle);
        return;
    }
    if (!ReplaceSource()) {
        QFile::remove(copy);
        wait.hide();
        return;
    }
    OpenWavInPlace(path);
    wait.hide();
}

void frmWriteWave::OpenWavInPlace(const QString &path)
{
    // The player plays the chosen file in place; the working copy is for the cut.
    MMaudio->setFileName(path);
    MMaudio->setCommand("Open");
    if (!MMaudio->isOpen()) {
        const int code = MMaudio->lastError();
        ShowNothingLoaded();
        dialogs_.msgBox(OpenWav::tr("\"%1\" cannot be opened: %2").arg(path, trevisto::mci::errorMessage(code)),
                        vbOKOnly, MsgIcon::Critical, ProgramTitle);
        return;
    }
    MMaudio->setNotifyStatus(true);
    ShowOpenedSource(path);
    SetEnabled(SourceControls(), true);
}

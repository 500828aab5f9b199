// Opening a WAV file directly as the source.
#include "app/frmWriteWave.h"

#include "app/routines.h"
#include "app/workingfiles.h"
#include "platform/mci/error.h"
#include "platform/mci/player.h"
#include "ui/Frmwait.h"
#include "ui_frmWriteWave.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>

namespace {

// Copies `from` to `to` in large blocks, letting the window run its events between them
// and reporting progress at most about 30 times a second. The copy appears under its
// name only once complete. Empty on success, else the reason.
QString CopyWithProgress(const QString &from, const QString &to, Frmwait &wait)
{
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        return in.errorString();
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly))
        return out.errorString();
    const qint64 total = in.size();
    qint64 copied = 0;
    QByteArray block(4 << 20, Qt::Uninitialized);
    QElapsedTimer sinceRepaint;
    sinceRepaint.start();
    for (;;) {
        const qint64 n = in.read(block.data(), block.size());
        if (n < 0)
            return in.errorString();
        if (n == 0)
            break;
        if (out.write(block.constData(), n) != n)
            return out.errorString();
        copied += n;
        if (sinceRepaint.elapsed() >= 33) {
            sinceRepaint.restart();
            wait.setProgress(quint64(copied), quint64(total));
        }
        QCoreApplication::processEvents();
    }
    if (!out.commit())
        return out.errorString();
    return {};
}

} // namespace

void frmWriteWave::cmdwav_Click()
{
    if (!CloseSourceForOpening())
        return;
    const std::optional<QString> path = ChooseSource(QStringLiteral("Wav File(*.wav)|*.wav"));
    if (!path)
        return;

    Frmwait &wait = WaitWindow();
    wait.resetProgress();
    wait.show();
    const QString workingCopy = NativePath(WorkingFiles::Source);
    QFile::remove(workingCopy);
    QFile::remove(NativePath(WorkingFiles::Result));
    CopyingSource = true;
    const QString why = CopyWithProgress(*path, workingCopy, wait);
    CopyingSource = false;
    if (!why.isEmpty()) {
        wait.hide();
        dialogs_.msgBox(QStringLiteral("\"%1\" cannot be copied to the working file \"%2\": %3.")
                            .arg(*path, workingCopy, why),
                        vbOKOnly, MsgIcon::Critical, ProgramTitle);
        return;
    }

    // The player plays the chosen file in place. One it cannot play is reported, and the
    // window stays as it was rather than naming a file that is not loaded.
    MMaudio->setFileName(*path);
    MMaudio->setCommand("Open");
    if (!MMaudio->isOpen()) {
        const int code = MMaudio->lastError();
        QFile::remove(workingCopy);
        wait.hide();
        dialogs_.msgBox(QStringLiteral("\"%1\" cannot be opened: %2")
                            .arg(*path, QString::fromStdString(trevisto::mci::errorString(code))),
                        vbOKOnly, MsgIcon::Critical, ProgramTitle);
        return;
    }
    MMaudio->setNotifyStatus(true);
    ShowOpenedSource(*path);
    wait.hide();
    SetEnabled(SourceControls(), true);
}

// Opening a WAV file directly as the source.
#include "app/frmWriteWave.h"

#include "app/routines.h"
#include "editor/timetext.h"
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
    // 1-2.
    if (!CloseSourceForOpening())
        return;
    cmd.CancelError = true;
    cmd.Flags = 528388;
    cmd.Filter = "Wav File(*.wav)|*.wav";
    if (cmd.ShowOpen() == CommonDialog::cdlCancel)
        return;
    const QString path = cmd.FileName;

    // 3-5. The working copy.
    Frmwait &wait = WaitWindow();
    wait.resetProgress();
    wait.show();
    const QString workingCopy = NativePath("C:\\temp.wav");
    QFile::remove(workingCopy);
    QFile::remove(NativePath("C:\\temp2.wav"));
    CopyingSource = true;
    const QString why = CopyWithProgress(path, workingCopy, wait);
    CopyingSource = false;
    if (!why.isEmpty()) {
        wait.hide();
        dialogs_.msgBox(QStringLiteral("\"%1\" cannot be copied to the working file \"%2\": %3.")
                            .arg(path, workingCopy, why),
                        vbOKOnly, MsgIcon::Critical, ProgramTitle);
        return;
    }

    // 6. The player plays the chosen file in place. One it cannot play is reported, and the
    // window stays as it was rather than naming a file that is not loaded.
    MMaudio->setFileName(path);
    MMaudio->setCommand("Open");
    if (!MMaudio->isOpen()) {
        const int code = MMaudio->lastError();
        QFile::remove(workingCopy);
        wait.hide();
        dialogs_.msgBox(QStringLiteral("\"%1\" cannot be opened: %2")
                            .arg(path, QString::fromStdString(trevisto::mci::errorString(code))),
                        vbOKOnly, MsgIcon::Critical, ProgramTitle);
        return;
    }
    MMaudio->setNotifyStatus(true);

    // 7-12.
    const qint64 length = MMaudio->length();
    MarkIn = 0;
    MarkOut = qint32(length);
    ui->Slider1->setRange(0, WholeSeconds(length));
    ui->lblAudio->setText(PositionText(*MMaudio));
    ui->Txtin->setText("00:00:00");
    ui->TxtOut->setText(ClockText(length / 1000.0));
    wait.hide();
    for (QWidget *w : {ui->CmdPlay, ui->CmdBack, ui->CmdPause, ui->CmdStop, ui->CmdStep, ui->CmdSetin, ui->CmdOut,
                       ui->CmdSetNew})
        w->setEnabled(true);
    setWindowTitle(QStringLiteral("%1 -%2").arg(ProgramTitle, path));
}

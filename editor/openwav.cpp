// Opening a WAV file directly as the source.
#include "app/frmWriteWave.h"

#include "app/routines.h"
#include "editor/timetext.h"
#include "platform/mci/error.h"
#include "platform/mci/player.h"
#include "ui/Frmwait.h"
#include "ui_frmWriteWave.h"

#include <QFile>

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
    QFile source(path);
    if (!source.copy(workingCopy)) {
        wait.hide();
        dialogs_.msgBox(QStringLiteral("\"%1\" cannot be copied to the working file \"%2\": %3.")
                            .arg(path, workingCopy, source.errorString()),
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

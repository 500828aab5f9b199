// Cutting the source down to the marks: the result goes to "c:\temp2.wav" and the result
// player.
#include "app/frmWriteWave.h"

#include "app/routines.h"
#include "platform/mci/device.h"
#include "platform/mci/player.h"
#include "ui_frmWriteWave.h"

#include <QFile>

using trevisto::mci::mciSendString;

void frmWriteWave::CmdSetNew_Click()
{
    // 1.
    if (!(MarkIn < MarkOut)) {
        dialogs_.msgBox(TableText(MessageTexts, 40, "Mark In must be before Mark out."), vbOKOnly, MsgIcon::None,
                        ProgramTitle);
        return;
    }
    // 2-5.
    MMaudio->setCommand("Stop");
    const qint64 L = MMaudio->length();
    const QString tail = QStringLiteral("delete voice1 from %1 to %2").arg(qint64(MarkOut) - MarkIn).arg(L - MarkIn);
    MMControl1->setCommand("Close");
    for (QWidget *w : {ui->CmdPlayTemp, ui->CmdStopTemp, ui->CmdSaveas, ui->Command3})
        w->setEnabled(false);

    // A failed step must never leave an earlier result looking like this one.
    const QString result = NativePath("c:\\temp2.wav");
    QFile::remove(result);

    // 6-10, each checked; the alias is closed whatever happened.
    const QStringList commands{"open C:\\temp.wav type waveaudio alias voice1",
                               QStringLiteral("delete voice1 from 0 to %1").arg(MarkIn), tail,
                               "save  voice1 c:\\temp2.wav"};
    int failure = 0;
    QString failedCommand;
    for (const QString &command : commands) {
        const int code = mciSendString(command.toStdString());
        if (code != 0) {
            failure = code;
            failedCommand = command;
            break;
        }
    }
    mciSendString("close voice1");

    // 11.
    if (failure == 0) {
        MMControl1->setFileName("c:\\temp2.wav");
        MMControl1->setCommand("Open");
        if (!MMControl1->isOpen()) {
            failure = MMControl1->lastError();
            failedCommand = "Open c:\\temp2.wav";
        }
    }
    if (failure != 0) {
        MMControl1->setCommand("Close");
        QFile::remove(result);
        ui->CmdaddList->setEnabled(false);
        dialogs_.msgBox(QStringLiteral("The cut could not be made.\r\n\r\n%1\r\n(%2)")
                            .arg(QString::fromStdString(trevisto::mci::mciGetErrorString(failure)), failedCommand),
                        vbOKOnly, MsgIcon::Critical, ProgramTitle);
        return;
    }

    // 12.
    for (QWidget *w : {ui->CmdPlayTemp, ui->CmdStopTemp, ui->CmdSaveas, ui->Command3, ui->CmdaddList})
        w->setEnabled(true);
    ui->Label4->setText(PositionText(*MMControl1));
}

// The groups of controls that the handlers enable and disable together.
#include "app/frmWriteWave.h"

#include "ui_frmWriteWave.h"

QList<QWidget *> frmWriteWave::SourceControls() const
{
    return {ui->CmdPlay, ui->CmdBack, ui->CmdStop, ui->CmdPause, ui->CmdStep, ui->CmdSetin, ui->CmdOut, ui->CmdSetNew};
}

QList<QWidget *> frmWriteWave::PlayingControls() const
{
    return {ui->CmdBack, ui->CmdPause, ui->CmdStop, ui->CmdSetin, ui->CmdOut, ui->CmdSetNew, ui->CmdGoto};
}

QList<QWidget *> frmWriteWave::ResultControls() const
{
    return {ui->CmdPlayTemp, ui->CmdStopTemp, ui->CmdSaveas, ui->Command3, ui->CmdaddList};
}

void frmWriteWave::SetEnabled(const QList<QWidget *> &controls, bool enabled)
{
    for (QWidget *control : controls)
        control->setEnabled(enabled);
}

// The groups of controls that the handlers enable and disable together.
#include "app/frmWriteWave.h"

#include "ui_frmWriteWave.h"

QList<QWidget *> frmWriteWave::TransportControls() const
{
    return {ui->CmdPlay, ui->CmdBack, ui->CmdStop, ui->CmdPause, ui->CmdStep, ui->CmdSetin, ui->CmdOut};
}

QList<QWidget *> frmWriteWave::SourceControls() const
{
    return TransportControls() << ui->CmdSetNew;
}

QList<QWidget *> frmWriteWave::PlayingControls() const
{
    return {ui->CmdBack, ui->CmdPause, ui->CmdStop, ui->CmdSetin, ui->CmdOut, ui->CmdSetNew, ui->CmdGoto};
}

QList<QWidget *> frmWriteWave::ResultControls() const
{
    return {ui->CmdPlayTemp, ui->CmdStopTemp, ui->CmdSaveas, ui->Command3, ui->CmdaddList};
}

QList<QWidget *> frmWriteWave::ListLockedControls() const
{
    return SourceControls() + ResultControls() << ui->CmdGoto;
}

void frmWriteWave::SetEnabled(const QList<QWidget *> &controls, bool enabled)
{
    for (QWidget *control : controls)
        control->setEnabled(enabled);
}

frmWriteWave::ControlStates frmWriteWave::DisableKeepingStates(const QList<QWidget *> &controls)
{
    ControlStates states;
    for (QWidget *control : controls) {
        states.append({control, control->isEnabled()});
        control->setEnabled(false);
    }
    return states;
}

void frmWriteWave::RestoreStates(const ControlStates &states)
{
    for (const auto &[control, enabled] : states)
        control->setEnabled(enabled);
}

void frmWriteWave::LockWhileOpening(bool lock)
{
    if (lock) {
        openingStates_ = DisableKeepingStates(ListLockedControls());
        return;
    }
    RestoreStates(openingStates_);
    openingStates_.clear();
}

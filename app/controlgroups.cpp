// The groups of controls that the handlers enable and disable together.
#include "app/frmWriteWave.h"

#include "ui_frmWriteWave.h"

#include <algorithm>
#include <utility>

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
    for (QWidget *control : controls) {
        auto held = std::find_if(heldStates_.begin(), heldStates_.end(),
                                 [control](const auto &state) { return state.first == control; });
        if (held != heldStates_.end())
            held->second = enabled;
        else
            control->setEnabled(enabled);
    }
}

void frmWriteWave::HoldControls(Hold hold, bool on)
{
    const int before = holds_;
    holds_ = on ? (holds_ | hold) : (holds_ & ~hold);
    if (!before && holds_) {
        for (QWidget *control : ListLockedControls()) {
            heldStates_.append({control, control->isEnabled()});
            control->setEnabled(false);
        }
    } else if (before && !holds_) {
        const auto states = std::exchange(heldStates_, {});
        for (const auto &[control, enabled] : states)
            control->setEnabled(enabled);
    }
}

void frmWriteWave::LockWhileOpening(bool lock)
{
    HoldControls(Opening, lock);
    // The window's events run while the sound is written; no step may change what it
    // replaces meanwhile.
    undo_.hold(lock);
}

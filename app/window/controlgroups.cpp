#include "app/window/controlgroups.h"

#include "ui_frmWriteWave.h"

#include <algorithm>
#include <utility>

QList<QWidget *> ControlGroups::TransportControls() const
{
    return {ui_.CmdPlay, ui_.CmdBack, ui_.CmdStop, ui_.CmdPause, ui_.CmdStep, ui_.CmdSetin, ui_.CmdOut};
}

QList<QWidget *> ControlGroups::SourceControls() const
{
    return TransportControls() << ui_.CmdSetNew;
}

QList<QWidget *> ControlGroups::PlayingControls() const
{
    return {ui_.CmdBack, ui_.CmdPause, ui_.CmdStop, ui_.CmdSetin, ui_.CmdOut, ui_.CmdSetNew, ui_.CmdGoto};
}

QList<QWidget *> ControlGroups::ResultControls() const
{
    return {ui_.CmdPlayTemp, ui_.CmdStopTemp, ui_.CmdSaveas, ui_.Command3, ui_.CmdaddList};
}

QList<QWidget *> ControlGroups::ListLockedControls() const
{
    return SourceControls() + ResultControls() << ui_.CmdGoto;
}

void ControlGroups::SetEnabled(const QList<QWidget *> &controls, bool enabled)
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

void ControlGroups::HoldControls(Hold hold, bool on)
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

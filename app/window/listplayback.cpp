// Playing the clip list clip after clip, and playing the cut result.
#include "app/frmWriteWave.h"

#include "clips/cliplist.h"
#include "core/workingfiles.h"
#include "platform/mci/player.h"
#include "settings/captions.h"
#include "ui_frmWriteWave.h"

void frmWriteWave::CmdPlayList_Click()
{
    MMControl1->setCommand("Stop");
    const int selected = SelectedRow(*ui->List1->selectionModel());
    if (selected < 0) {
        dialogs_.msgBox(texts_.PackText(trevisto::SelectAClipFirst), vbOKOnly, MsgIcon::None,
                        ProgramTitle);
        return;
    }
    ui->CmdPlayList->setVisible(false);
    ui->CmdStopList->setVisible(true);
    PlayIndex = selected;
    PlayNextClip();
    controls_.HoldControls(ControlGroups::ListPlayback, true);
}

void frmWriteWave::PlayNextClip()
{
    if (PlayIndex >= clips_.count()) {
        MMCPlayList->setCommand("Stop");
        MMCPlayList->setCommand("Close");
        EndListPlayback();
        return;
    }
    MMCPlayList->setFileName(clips_.file(PlayIndex));
    for (const char *command : {"stop", "close", "Open", "play"})
        MMCPlayList->setCommand(command);
    ui->List1->setCurrentRow(PlayIndex);
    ++PlayIndex;
}

void frmWriteWave::CmdStopList_Click()
{
    MMCPlayList->setCommand("Stop");
    MMCPlayList->setCommand("Close");
    // A completion that still arrives then ends the list instead of playing on.
    PlayIndex = clips_.count();
    EndListPlayback();
}

void frmWriteWave::EndListPlayback()
{
    ui->CmdStopList->setVisible(false);
    ui->CmdPlayList->setVisible(true);
    controls_.HoldControls(ControlGroups::ListPlayback, false);
}

void frmWriteWave::CmdPlayTemp_Click()
{
    MMaudio->setCommand("Stop");
    MMControl1->setCommand("Play");
    controls_.SetEnabled(controls_.TransportControls(), false);
}

void frmWriteWave::CmdStopTemp_Click()
{
    MMaudio->setCommand("Open");
    MMControl1->setCommand("Prev");
    MMControl1->setCommand("Stop");
    controls_.SetEnabled(controls_.SourceControls(), true);
}

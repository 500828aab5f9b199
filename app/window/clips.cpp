// The clip list: adding the cut result as a named clip, moving and deleting clips, each a
// step Undo takes back; List1 following the clip list; and the once-a-second refresh of
// the list buttons.
#include "app/frmWriteWave.h"

#include "clips/cliplist.h"
#include "clips/clipsteps.h"
#include "core/heldfile.h"
#include "core/routines.h"
#include "core/workingfiles.h"
#include "platform/mci/player.h"
#include "settings/captions.h"
#include "platform/mp3enc/mp3encoder.h"
#include "ui/Frmwait.h"
#include "ui_frmWriteWave.h"

#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QTimer>

#include <vector>

namespace {

// The texts this file shows, under one translation context.
struct Clips {
    Q_DECLARE_TR_FUNCTIONS(Clips)
};

} // namespace

void frmWriteWave::CmdaddList_Click()
{
    QString name;
    for (;;) {
        name = dialogs_.inputBox("Please input the name", "Trevisto", " ").value_or(QString());
        ClipName verdict = CheckClipName(name, clips_.names());
        // A clip file already in the folder is not written over: its name is taken.
        if (verdict == ClipName::Accepted && ClipFileTaken(NativePath(clips_.fileOf(name))))
            verdict = ClipName::Duplicate;
        if (verdict == ClipName::Invalid) {
            dialogs_.msgBox("Invaild FileName", vbOKOnly, MsgIcon::None, ProgramTitle);
            return;
        }
        if (verdict == ClipName::Empty)
            return;
        if (verdict == ClipName::Accepted)
            break;
        dialogs_.msgBox(" Name already existed, please input another name", vbOKOnly, MsgIcon::None, ProgramTitle);
    }
    // A clip that was not written is not listed: joining it later would lose sound.
    const CommandOutcome saved = SaveResult(WorkingFiles::Result, clips_.fileOf(name));
    if (!saved.ok()) {
        dialogs_.msgBox(Clips::tr("The clip \"%1\" cannot be saved as \"%2\": %3\r\n%4")
                            .arg(name, NativePath(clips_.fileOf(name)), saved.reason(), saved.failedCommand),
                        vbOKOnly, MsgIcon::Critical, ProgramTitle);
        return;
    }
    // The clip keeps what the result was cut from, so that "Copy" can copy its frames.
    undo_.push(new trevisto::AddClipStep(clips_, {name, source_.resultOrigin}, trevisto::HoldingFolder()));
}

void frmWriteWave::MoveSelectedClip(int step)
{
    const int selected = SelectedRow(*ui->List1->selectionModel());
    const int target = MoveTarget(clips_.count(), selected, step);
    if (target < 0)
        return;
    undo_.push(new trevisto::MoveClipStep(clips_, selected, target));
}

void frmWriteWave::CmdUp_Click()
{
    MoveSelectedClip(-1);
}

void frmWriteWave::CmdDown_Click()
{
    MoveSelectedClip(+1);
}

void frmWriteWave::Command5_Click()
{
    const int selected = SelectedRow(*ui->List1->selectionModel());
    if (selected < 0)
        return;
    const trevisto::Clip &clip = clips_.items()[size_t(selected)];
    const QString name = clip.name;
    const trevisto::ClipId id = clip.id;
    // Every question that deletes clips has No as its default: Enter keeps them.
    if (dialogs_.msgBox("Are you sure you want to delete\r\n" + name, vbYesNo | vbDefaultButton2, MsgIcon::None,
                        "Deleting") != vbYes)
        return;
    // The list player lets go of the clip first, as the stop button would.
    if (MMCPlayList->isOpen() && MMCPlayList->fileName() == clips_.fileOf(name))
        CmdStopList_Click();
    RemoveClips({id}, trevisto::DeleteClipText(name));
}

void frmWriteWave::Command4_Click()
{
    if (clips_.count() == 0)
        return;
    const QString question = texts_.PackText(trevisto::DeleteAllClipsQuestion);
    if (dialogs_.msgBox(question, vbYesNo | vbDefaultButton2, MsgIcon::None, "Deleting") != vbYes)
        return;
    // The list player lets go of the clips, and list playback ends as under Stop list.
    CmdStopList_Click();
    RemoveClips(clips_.ids(), trevisto::DeleteAllClipsText());
}

void frmWriteWave::RemoveClips(std::vector<trevisto::ClipId> ids, const QString &step)
{
    if (!ui->CmdStopList->isHidden())
        CmdStopList_Click();
    // Clips deleted meanwhile are gone already; with none left there is no step to undo.
    std::erase_if(ids, [this](trevisto::ClipId id) { return clips_.rowOf(id) < 0; });
    if (!ids.empty())
        undo_.push(new trevisto::RemoveClipsStep(clips_, std::move(ids), step, trevisto::HoldingFolder()));
    ui->List1->setCurrentRow(-1);
    ui->List1->clearSelection();
}

// The list buttons as the list and its selection allow.
void frmWriteWave::Timer1_Timer()
{
    const ListButtons b = ListButtonStates(clips_.count(), SelectedRow(*ui->List1->selectionModel()));
    for (QWidget *w : {ui->CmdCreate, ui->Command2, ui->Command4})
        w->setEnabled(b.joinAndDeleteAll);
    for (QWidget *w : {ui->CmdPlayList, ui->Command5})
        w->setEnabled(b.playAndDeleteOne);
    ui->CmdUp->setEnabled(b.up);
    ui->CmdDown->setEnabled(b.down);
}

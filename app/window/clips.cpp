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

void frmWriteWave::ConnectClipHandlers()
{
    // List1 shows the clip list: one entry a clip, in its order. An entry that goes leaves
    // nothing selected; a moved one stays selected.
    connect(&clips_, &trevisto::ClipList::inserted, this,
            [this](int row) { ui->List1->insertItem(row, clips_.items()[size_t(row)].name); });
    connect(&clips_, &trevisto::ClipList::removed, this, [this](int row) {
        delete ui->List1->takeItem(row);
        ui->List1->setCurrentRow(-1);
        ui->List1->clearSelection();
    });
    connect(&clips_, &trevisto::ClipList::moved, this, [this](int from, int to) {
        QListWidgetItem *item = ui->List1->takeItem(from);
        ui->List1->insertItem(to, item);
        ui->List1->setCurrentRow(to);
    });
    connect(&clips_, &trevisto::ClipList::reset, this, [this] {
        ui->List1->clear();
        ui->List1->addItems(clips_.names());
        ShowListButtons();
    });
    connect(Timer1, &QTimer::timeout, this, &frmWriteWave::Timer1_Timer);
    connect(ui->CmdaddList, &QAbstractButton::clicked, this, &frmWriteWave::CmdaddList_Click);
    connect(ui->CmdUp, &QAbstractButton::clicked, this, &frmWriteWave::CmdUp_Click);
    connect(ui->CmdDown, &QAbstractButton::clicked, this, &frmWriteWave::CmdDown_Click);
    connect(ui->Command5, &QAbstractButton::clicked, this, &frmWriteWave::Command5_Click);
    connect(ui->Command4, &QAbstractButton::clicked, this, &frmWriteWave::Command4_Click);
    // The list buttons follow the list and its selection at once; the tick stays as well.
    connect(ui->List1->selectionModel(), &QItemSelectionModel::selectionChanged, this, &frmWriteWave::ShowListButtons);
    connect(ui->List1->selectionModel(), &QItemSelectionModel::currentChanged, this, &frmWriteWave::ShowListButtons);
    connect(ui->List1->model(), &QAbstractItemModel::rowsInserted, this, &frmWriteWave::ShowListButtons);
    connect(ui->List1->model(), &QAbstractItemModel::rowsRemoved, this, &frmWriteWave::ShowListButtons);
    connect(ui->List1, &QListWidget::itemDoubleClicked, this, &frmWriteWave::CmdPlayList_Click);
    connect(ui->CmdPlayList, &QAbstractButton::clicked, this, &frmWriteWave::CmdPlayList_Click);
    connect(ui->CmdStopList, &QAbstractButton::clicked, this, &frmWriteWave::CmdStopList_Click);
    connect(MMCPlayList, &MciPlayer::done, this, &frmWriteWave::PlayNextClip);
    connect(ui->CmdPlayTemp, &QAbstractButton::clicked, this, &frmWriteWave::CmdPlayTemp_Click);
    connect(ui->CmdStopTemp, &QAbstractButton::clicked, this, &frmWriteWave::CmdStopTemp_Click);
    connect(ui->CmdCreate, &QAbstractButton::clicked, this, &frmWriteWave::CmdCreate_Click);
    connect(ui->Command2, &QAbstractButton::clicked, this, &frmWriteWave::Command2_Click);
    connect(ui->Option1, &QAbstractButton::clicked, this, &frmWriteWave::Option1_Click);
    connect(ui->Option2, &QAbstractButton::clicked, this, &frmWriteWave::Option2_Click);
    connect(ui->Option3, &QAbstractButton::clicked, this, &frmWriteWave::Option3_Click);
    connect(ui->Option4, &QAbstractButton::clicked, this, &frmWriteWave::Option4_Click);
    connect(Mp3Enc1, &Mp3Encoder::completed, this, &frmWriteWave::Mp3Enc1_Complete);
    connect(Mp3Enc1, &Mp3Encoder::progress, this, [this](int percent) { wait_.form().setProgress(percent, 100); });
    connect(ui->CmdSaveas, &QAbstractButton::clicked, this, &frmWriteWave::CmdSaveas_Click);
    connect(ui->Command3, &QAbstractButton::clicked, this, &frmWriteWave::Command3_Click);
}

int frmWriteWave::SelectedClip() const
{
    return SelectedRow(*ui->List1->selectionModel());
}

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
    const int selected = SelectedClip();
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
    const int selected = SelectedClip();
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

void frmWriteWave::Timer1_Timer()
{
    ShowListButtons();
}

void frmWriteWave::ShowListButtons()
{
    const ListButtons b = ListButtonStates(clips_.count(), SelectedClip());
    for (QWidget *w : {ui->CmdCreate, ui->Command2, ui->Command4})
        w->setEnabled(b.joinAndDeleteAll);
    for (QWidget *w : {ui->CmdPlayList, ui->Command5})
        w->setEnabled(b.playAndDeleteOne);
    ui->CmdUp->setEnabled(b.up);
    ui->CmdDown->setEnabled(b.down);
}

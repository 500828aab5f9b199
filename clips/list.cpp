// The clip list: adding the cut result as a named clip, moving and deleting clips, and
// the once-a-second refresh of the list buttons.
#include "app/frmWriteWave.h"

#include "clips/cliplist.h"
#include "core/routines.h"
#include "core/workingfiles.h"
#include "platform/mci/player.h"
#include "settings/captions.h"
#include "platform/mp3enc/mp3encoder.h"
#include "ui/Frmwait.h"
#include "ui_frmWriteWave.h"

#include <QCoreApplication>
#include <QFile>
#include <QItemSelectionModel>
#include <QTimer>

namespace {

// The texts this file shows, under one translation context.
struct Clips {
    Q_DECLARE_TR_FUNCTIONS(Clips)
};

} // namespace

void frmWriteWave::ConnectClipHandlers()
{
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
    connect(Mp3Enc1, &Mp3Encoder::progress, this, [this](int percent) { WaitWindow().setProgress(percent, 100); });
    connect(ui->CmdSaveas, &QAbstractButton::clicked, this, &frmWriteWave::CmdSaveas_Click);
    connect(ui->Command3, &QAbstractButton::clicked, this, &frmWriteWave::Command3_Click);
}

int frmWriteWave::SelectedClip() const
{
    return SelectedRow(*ui->List1->selectionModel());
}

QStringList frmWriteWave::ClipNames() const
{
    QStringList names;
    for (int i = 0; i < ui->List1->count(); ++i)
        names << ui->List1->item(i)->text();
    return names;
}

void frmWriteWave::CmdaddList_Click()
{
    QString name;
    for (;;) {
        name = dialogs_.inputBox("Please input the name", "Trevisto", " ").value_or(QString());
        ClipName verdict = CheckClipName(name, ClipNames());
        // A clip file already in the folder is not written over: its name is taken.
        if (verdict == ClipName::Accepted && ClipFileTaken(NativePath(WorkingFiles::ClipFile(name))))
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
    const CommandOutcome saved = SaveResult(WorkingFiles::Result, WorkingFiles::ClipFile(name));
    if (!saved.ok()) {
        dialogs_.msgBox(Clips::tr("The clip \"%1\" cannot be saved as \"%2\": %3\r\n%4")
                            .arg(name, NativePath(WorkingFiles::ClipFile(name)), saved.reason(), saved.failedCommand),
                        vbOKOnly, MsgIcon::Critical, ProgramTitle);
        return;
    }
    KeepClipOrigin(name);
    ui->List1->addItem(name);
}

void frmWriteWave::MoveSelectedClip(int step)
{
    const int selected = SelectedClip();
    const int target = MoveTarget(ui->List1->count(), selected, step);
    if (target < 0)
        return;
    QListWidgetItem *item = ui->List1->takeItem(selected);
    ui->List1->insertItem(target, item);
    ui->List1->setCurrentRow(target);
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
    const QString name = ui->List1->item(selected)->text();
    // Every question that deletes clips has No as its default: Enter keeps them.
    if (dialogs_.msgBox("Are you sure you want to delete\r\n" + name, vbYesNo | vbDefaultButton2, MsgIcon::None,
                        "Deleting") != vbYes)
        return;
    // The list player lets go of the clip first, as the stop button would.
    if (MMCPlayList->isOpen() && MMCPlayList->fileName() == WorkingFiles::ClipFile(name))
        CmdStopList_Click();
    QFile::remove(NativePath(WorkingFiles::ClipFile(name)));
    RemoveClipEntry(selected);
}

void frmWriteWave::Command4_Click()
{
    if (ui->List1->count() == 0)
        return;
    const QString question = PackText(trevisto::DeleteAllClipsQuestion);
    if (dialogs_.msgBox(question, vbYesNo | vbDefaultButton2, MsgIcon::None, "Deleting") != vbYes)
        return;
    // The list player lets go of the clips, and list playback ends as under Stop list.
    CmdStopList_Click();
    DeleteAllClipFiles();
}

void frmWriteWave::DeleteAllClipFiles()
{
    DeleteClipFiles(ClipNames());
}

void frmWriteWave::DeleteClipFiles(QStringList names)
{
    if (!ui->CmdStopList->isHidden())
        CmdStopList_Click();
    // From the end towards the start, so the indices still to visit stay valid while the
    // window's events run between the files.
    for (int i = ui->List1->count() - 1; i >= 0; --i) {
        if (i >= ui->List1->count())
            continue;
        const QString name = ui->List1->item(i)->text();
        if (!names.contains(name))
            continue;
        const QString file = WorkingFiles::ClipFile(name);
        if (FileExists(file))
            QFile::remove(NativePath(file));
        QCoreApplication::processEvents();
        if (i < ui->List1->count() && ui->List1->item(i)->text() == name)
            RemoveClipEntry(i);
    }
}

void frmWriteWave::RemoveClipEntry(int index)
{
    // A clip added again under this name is not the one being encoded.
    if (encodedClips_)
        encodedClips_->removeAll(ui->List1->item(index)->text());
    delete ui->List1->takeItem(index);
    ui->List1->setCurrentRow(-1);
    ui->List1->clearSelection();
}

void frmWriteWave::Timer1_Timer()
{
    ShowListButtons();
}

void frmWriteWave::ShowListButtons()
{
    const ListButtons b = ListButtonStates(ui->List1->count(), SelectedClip());
    for (QWidget *w : {ui->CmdCreate, ui->Command2, ui->Command4})
        w->setEnabled(b.joinAndDeleteAll);
    for (QWidget *w : {ui->CmdPlayList, ui->Command5})
        w->setEnabled(b.playAndDeleteOne);
    ui->CmdUp->setEnabled(b.up);
    ui->CmdDown->setEnabled(b.down);
}

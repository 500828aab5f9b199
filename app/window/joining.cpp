// Joining the clips into one MP3 or WAV file, the bit-rate options, and the end of an
// MP3 encoding.
#include "app/frmWriteWave.h"

#include "app/choosers.h"
#include "clips/clipsteps.h"
#include "clips/joiner.h"
#include "core/routines.h"
#include "core/workingfiles.h"
#include "platform/mci/player.h"
#include "platform/mp3enc/mp3encoder.h"
#include "ui/Frmwait.h"
#include "ui_frmWriteWave.h"

#include <QCoreApplication>
#include <QFile>

#include <utility>

namespace {

// The texts this file shows, under one translation context.
struct Joining {
    Q_DECLARE_TR_FUNCTIONS(Joining)
};

} // namespace

void frmWriteWave::Option1_Click() { BitRate = 56; }
void frmWriteWave::Option2_Click() { BitRate = 96; }
void frmWriteWave::Option3_Click() { BitRate = 128; }
void frmWriteWave::Option4_Click() { BitRate = 256; }

void frmWriteWave::CmdCreate_Click()
{
    if (RefuseWhileEncoding())
        return;
    const std::optional<QString> chosen = Choose(trevisto::saveMp3Request());
    if (!chosen || RefuseProtectedDestination(*chosen))
        return;
    const QString output = *chosen;
    StopListForJoining();
    ShowWaitWindow(Frmwait::Job::Joining);
    clips_.forgetOutput();
    if (CopyChosen()) {
        JoinListByCopy(output);
        return;
    }
    QFile::remove(NativePath(WorkingFiles::Concat));
    const std::vector<trevisto::ClipId> joined = clips_.ids();
    if (!JoinListInto(NativePath(WorkingFiles::Concat)))
        return;
    clips_.noteOutput(joined);
    // The bit rate the options show, as saving the cut result passes it.
    Mp3Enc1->setBitRate(BitRate);
    StartEncoding(WorkingFiles::Concat, output);
}

void frmWriteWave::Command2_Click()
{
    StopListForJoining();
    const std::optional<QString> output = Choose(trevisto::joinWavRequest(previousChoice_));
    if (!output || RefuseProtectedDestination(*output))
        return;
    ShowWaitWindow(Frmwait::Job::Joining);
    const std::vector<trevisto::ClipId> joined = clips_.ids();
    if (!JoinListInto(*output))
        return;
    WaitWindow().hide();
    // Only a joined file that is complete on disk lets the clips go, and Undo brings
    // them back.
    RemoveClips(joined, trevisto::DeleteJoinedClipsText(*output));
    dialogs_.msgBox("The file is saved", vbOKOnly, MsgIcon::None, "Trevisto");
}

void frmWriteWave::StopListForJoining()
{
    // A join while the list plays would leave its controls locked with nothing playing.
    if (ui->CmdStopList->isVisible())
        CmdStopList_Click();
    else
        MMCPlayList->setCommand("Close");
}

bool frmWriteWave::JoinListInto(const QString &output)
{
    QStringList clips;
    for (const QString &name : clips_.names())
        clips << NativePath(clips_.fileOf(name));
    // The window's events run while the clips are read: Undo must not take one away.
    undo_.hold(true);
    const Outcome joined = JoinClips(clips, output, [this](uint64_t done, uint64_t total) {
        WaitWindow().setProgress(done, total);
        QCoreApplication::processEvents();
        return !ending_;
    });
    undo_.hold(false);
    if (joined || ending_)
        return joined.ok;
    WaitWindow().hide();
    dialogs_.msgBox(Joining::tr("The clips cannot be joined into \"%1\".\r\n\r\n%2").arg(output, joined.why),
                    vbOKOnly, MsgIcon::Critical, ProgramTitle);
    return false;
}

bool frmWriteWave::RefuseWhileEncoding()
{
    if (!Mp3Enc1->isBusy())
        return false;
    dialogs_.msgBox(Joining::tr("\"%1\" is still being written. Start the next MP3 file when it is done.")
                        .arg(encodingTarget_),
                    vbOKOnly, MsgIcon::Information, ProgramTitle);
    return true;
}

void frmWriteWave::StartEncoding(const QString &source, const QString &output)
{
    encodingTarget_ = output;
    ShowWaitWindow(Frmwait::Job::Encoding);
    const qint16 started = Mp3Enc1->encode(source, output);
    ui->TxtProcess->setText(QString::number(Mp3Enc1->status()));
    if (started != 0) {
        WaitWindow().hide();
        if (FileExists(WorkingFiles::Concat))
            QFile::remove(NativePath(WorkingFiles::Concat));
        dialogs_.msgBox(Joining::tr("\"%1\" cannot be written.\r\n\r\n%2").arg(output, Mp3Enc1->reason()), vbOKOnly,
                        MsgIcon::Critical, ProgramTitle);
    }
}

void frmWriteWave::Mp3Enc1_Complete()
{
    if (FileExists(WorkingFiles::Concat))
        QFile::remove(NativePath(WorkingFiles::Concat));
    WaitWindow().hide();
    ui->TxtProcess->setText(QString::number(Mp3Enc1->status()));
    if (!Mp3Enc1->succeeded()) {
        encodingNote_.clear();
        clips_.forgetOutput();
        // The clips stay: nothing of them reached a file.
        dialogs_.msgBox(Joining::tr("\"%1\" could not be written.\r\n\r\n%2").arg(encodingTarget_, Mp3Enc1->reason()),
                        vbOKOnly, MsgIcon::Critical, ProgramTitle);
        return;
    }
    QStringList notes = {std::exchange(encodingNote_, QString()), Mp3Enc1->reason()};
    notes.removeAll(QString());
    ReportMp3Saved(notes.join(QStringLiteral("\r\n")), encodingTarget_);
}

void frmWriteWave::StopEncoding()
{
    // Stops the worker and removes its unfinished file; no completion follows. Without an
    // encoding the work file is not this ending's to remove.
    if (!Mp3Enc1 || !Mp3Enc1->isBusy())
        return;
    Mp3Enc1->cancel();
    QFile::remove(NativePath(WorkingFiles::Concat));
}

// Joining the clips into one MP3 or WAV file, the bit-rate options, and the end of an
// MP3 encoding.
#include "app/frmWriteWave.h"

#include "app/choosers.h"
#include "clips/clipsteps.h"
#include "core/routines.h"
#include "core/workingfiles.h"
#include "platform/mci/player.h"
#include "platform/mp3enc/mp3encoder.h"
#include "ui/Frmwait.h"
#include "ui_frmWriteWave.h"

#include <QCoreApplication>

#include <memory>

namespace {

// The texts this file shows, under one translation context.
struct Joining {
    Q_DECLARE_TR_FUNCTIONS(Joining)
};
// A copy that could not be written says so in the words of saving by copying.
struct CopySaving {
    Q_DECLARE_TR_FUNCTIONS(CopySaving)
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
    const std::optional<QString> chosen = chooser_.Choose(trevisto::saveMp3Request(), trevisto::ChooserKind::Join);
    if (!chosen || RefuseProtectedDestination(*chosen))
        return;
    // The bit rate the options show, as saving the cut result passes it; with "Copy" among
    // them the clips' frames are copied from their MP3 sources.
    const bool copy = ui->Option5->isChecked();
    const auto format = trevisto::OutputRequest::Format::Mp3;
    trevisto::OutputRequest request{trevisto::ClipPieces(clips_), true, *chosen, format, copy, BitRate, clips_.ids(),
                                    false, true, trevisto::EncodingOfName(format, *chosen)};
    request.chapters = true;
    if (!AskTags(request))
        return;
    StopListForJoining();
    wait_.show(Frmwait::Job::Joining);
    WriteOutput(request);
}

void frmWriteWave::Command2_Click()
{
    StopListForJoining();
    const std::optional<QString> output = chooser_.Choose(trevisto::joinWavRequest(chooser_.previousChoice()),
                                                                 trevisto::ChooserKind::Join);
    if (!output || RefuseProtectedDestination(*output))
        return;
    const auto format = trevisto::OutputRequest::Format::Wav;
    trevisto::OutputRequest request{trevisto::ClipPieces(clips_), true, *output, format, false, BitRate, clips_.ids(),
                                    false, true, trevisto::EncodingOfName(format, *output)};
    if (!AskTags(request))
        return;
    wait_.show(Frmwait::Job::Joining);
    WriteOutput(request);
}

void frmWriteWave::StopListForJoining()
{
    // A join while the list plays would leave its controls locked with nothing playing.
    if (ui->CmdStopList->isVisible())
        CmdStopList_Click();
    else
        MMCPlayList->setCommand("Close");
}

void frmWriteWave::WriteOutput(const trevisto::OutputRequest &request)
{
    // The window's events run while the clips are read: Undo must not take one away.
    undo_.hold(true);
    const bool started = output_->start(request, *this);
    undo_.hold(false);
    // A click that reached the window while a join let its events run: that join's wait
    // window stays up, and this one is turned away.
    if (!started)
        dialogs_.msgBox(Joining::tr("\"%1\" is still being written. Start the next file when it is done.")
                            .arg(output_->target()),
                        vbOKOnly, MsgIcon::Information, ProgramTitle);
}

void frmWriteWave::outputProgress(uint64_t done, uint64_t total)
{
    wait_.form().setProgress(done, total);
    QCoreApplication::processEvents();
}

void frmWriteWave::outputEncoding() { wait_.show(Frmwait::Job::Encoding); }

bool frmWriteWave::RefuseWhileEncoding()
{
    if (!Mp3Enc1->isBusy())
        return false;
    dialogs_.msgBox(Joining::tr("\"%1\" is still being written. Start the next MP3 file when it is done.")
                        .arg(output_->target()),
                    vbOKOnly, MsgIcon::Information, ProgramTitle);
    return true;
}

void frmWriteWave::Mp3Enc1_Complete() { output_->encoderCompleted(); }

void frmWriteWave::outputFailed(const trevisto::OutputFailure &failure)
{
    using Stage = trevisto::OutputFailure::Stage;
    // What ends the program stops the output too, and says nothing more.
    if (failure.stage == Stage::Stopped || ending_)
        return;
    wait_.hide();
    if (failure.format == trevisto::OutputRequest::Format::Mp3 &&
        (failure.stage == Stage::EncodeStart || failure.stage == Stage::Encode))
        ui->TxtProcess->setText(QString::number(Mp3Enc1->status()));
    QString message;
    switch (failure.stage) {
    case Stage::Stopped:
        return;
    case Stage::Join:
        message = Joining::tr("The clips cannot be joined into \"%1\".\r\n\r\n%2").arg(failure.file, failure.why);
        break;
    case Stage::Copy:
    case Stage::NotCopyable: // asked for by no window output
        message = CopySaving::tr("\"%1\" could not be written.\r\n\r\n%2").arg(failure.file, failure.why);
        break;
    case Stage::EncodeStart:
        message = Joining::tr("\"%1\" cannot be written.\r\n\r\n%2").arg(failure.file, failure.why);
        break;
    case Stage::Encode:
        // The clips stay: nothing of them reached a file.
        message = Joining::tr("\"%1\" could not be written.\r\n\r\n%2").arg(failure.file, failure.why);
        break;
    }
    dialogs_.msgBox(message, vbOKOnly, MsgIcon::Critical, ProgramTitle);
}

// Joining the clips into one MP3 or WAV file, the bit-rate options, and the end of an
// MP3 encoding.
#include "app/frmWriteWave.h"

#include "app/choosers.h"
#include "clips/clipsteps.h"
#include "clips/cliplist.h"
#include "clips/joiner.h"
#include "clips/joinoptions.h"
#include "clips/outputjob.h"
#include "core/routines.h"
#include "core/workingfiles.h"
#include "platform/mci/player.h"
#include "platform/mp3enc/mp3encoder.h"
#include "settings/captions.h"
#include "settings/registry_settings.h"
#include "ui/Frmwait.h"
#include "ui_frmWriteWave.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QMenu>

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

const QString JoinOptionsValue = QStringLiteral("JoinOptions");

trevisto::JoinOptions KeptJoinOptions()
{
    return trevisto::JoinOptionsFromSetting(RegReadString(ProgramSettingsKey, JoinOptionsValue));
}

} // namespace

void frmWriteWave::AddJoinItems()
{
    ui->opt1->setToolTipsVisible(true);
    ui->opt1->addSeparator();
    QAction *options = ui->opt1->addAction(QString());
    options->setObjectName(QStringLiteral("JoinOptions"));
    connect(options, &QAction::triggered, this, &frmWriteWave::JoinOptions_Click);
    QAction *hear = ui->opt1->addAction(QString());
    hear->setObjectName(QStringLiteral("HearJoint"));
    hear->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    connect(hear, &QAction::triggered, this, &frmWriteWave::HearJoint_Click);
    // The key works wherever the focus is, as the menu's own keys do.
    addAction(hear);
    // Their texts are the caption table's own words, set again with each language.
    for (const trevisto::Caption &c : trevisto::windowCaptions())
        for (QAction *item : {options, hear})
            if (c.ownWord && item->objectName() == QLatin1String(c.control))
                item->setProperty(trevisto::captionProperty(c.part), QCoreApplication::translate("Captions", c.suffix));
}

void frmWriteWave::JoinOptions_Click()
{
    trevisto::JoinOptions kept = KeptJoinOptions();
    QStringList texts = trevisto::JoinOptionsTexts(kept);
    const QStringList labels = {Joining::tr("Match loudness (LUFS):"), Joining::tr("Crossfade at each joint (ms):"),
                                Joining::tr("Fade-in (ms):"), Joining::tr("Fade-out (ms):")};
    const QStringList tips = {
        Joining::tr("Empty: every clip keeps its level. -23, -18, -16 or -14: each clip is brought to that "
                    "loudness, less where its peak would pass -1 dBTP."),
        Joining::tr("0: a plain splice. 5 to 5000: the clips overlap by that much at each joint, one fading "
                    "into the other. 10 takes the clicks out of the joints."),
        Joining::tr("0 to 10000: the joined sound rises from silence over this long."),
        Joining::tr("0 to 10000: the joined sound falls to silence over this long.")};
    for (;;) {
        QList<FormField> fields;
        for (int i = 0; i < 4; ++i)
            fields.append({labels[i], texts[i], tips[i]});
        const std::optional<QStringList> answer =
            dialogs_.formBox(Joining::tr("How the clips are joined, in every join from now on."),
                             Joining::tr("Join options"), fields);
        if (!answer)
            return;
        QString why;
        if (const std::optional<trevisto::JoinOptions> read = trevisto::JoinOptionsFromTexts(*answer, &why)) {
            kept = *read;
            break;
        }
        texts = *answer;
        dialogs_.msgBox(why, vbOKOnly, MsgIcon::Exclamation, ProgramTitle);
    }
    const auto written = RegWriteValue(ProgramSettingsKey, JoinOptionsValue, trevisto::JoinOptionsSetting(kept),
                                       trevisto::registry::REG_SZ);
    if (written != trevisto::registry::ERROR_SUCCESS)
        dialogs_.msgBox(Joining::tr("The join options hold for this run only: %1").arg(RegWriteFailure(written)),
                        vbOKOnly, MsgIcon::Exclamation, ProgramTitle);
}

void frmWriteWave::HearJoint_Click()
{
    const int row = SelectedRow(*ui->List1->selectionModel());
    if (row < 0 || row + 1 >= clips_.count()) {
        dialogs_.msgBox(Joining::tr("Select a clip that has another one after it: the joint between them plays."),
                        vbOKOnly, MsgIcon::None, ProgramTitle);
        return;
    }
    StopListForJoining();
    QStringList files;
    for (int i = 0; i < clips_.count(); ++i)
        files << NativePath(clips_.file(i));
    JoinShaping shaping;
    shaping.options = KeptJoinOptions();
    shaping.joint = size_t(row);
    const std::vector<trevisto::OutputPiece> pieces = trevisto::ClipPieces(clips_);
    for (const trevisto::OutputPiece &piece : pieces)
        shaping.loudness.push_back(piece.loudness);
    // With "Copy", an MP3 join copies frames: its joints are heard at its whole gain steps
    // and its overlaps widened to whole frames, where the clips can be copied at all.
    if (ui->Option5->isChecked())
        shaping.levels = trevisto::CopiedJoinLevels(pieces, shaping.options, size_t(row));
    const Outcome rendered = JoinClips(files, NativePath(WorkingFiles::JointPreview), {}, trevisto::wav::kMaxFileDataBytes, &shaping);
    if (!rendered) {
        dialogs_.msgBox(Joining::tr("The joint cannot be played.\r\n\r\n%1").arg(rendered.why), vbOKOnly,
                        MsgIcon::Critical, ProgramTitle);
        return;
    }
    // Played as the list plays a clip, with its stop button; its end ends the playing.
    ui->CmdPlayList->setVisible(false);
    ui->CmdStopList->setVisible(true);
    controls_.HoldControls(ControlGroups::ListPlayback, true);
    PlayIndex = clips_.count();
    MMCPlayList->setFileName(WorkingFiles::JointPreview);
    for (const char *command : {"stop", "close", "Open", "play"})
        MMCPlayList->setCommand(command);
}

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
    trevisto::OutputRequest shaped = request;
    if (shaped.join)
        shaped.joinOptions = KeptJoinOptions();
    const bool started = output_->start(shaped, *this);
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

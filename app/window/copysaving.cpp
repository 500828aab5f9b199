// Saving the cut result as MP3 with "Copy": the frames of the MP3 it was cut from, copied
// without encoding; where they cannot be copied, an encoding at the source's own bit rate,
// with a line in "The file is saved" that says why.
#include "app/frmWriteWave.h"

#include "clips/clipsteps.h"
#include "clips/mp3copy.h"
#include "clips/mp3join.h"
#include "core/routines.h"
#include "core/workingfiles.h"
#include "platform/mp3enc/mp3encoder.h"
#include "ui/Frmwait.h"
#include "ui_frmWriteWave.h"

#include <QCoreApplication>
#include <QFile>

#include <utility>

namespace {

// The texts this file shows, under one translation context.
struct CopySaving {
    Q_DECLARE_TR_FUNCTIONS(CopySaving)
};

// Sources that are no MP3 are encoded at the program's usual rate.
constexpr int DefaultCopyFallbackKbps = 128;

} // namespace

bool frmWriteWave::CopyChosen() const { return ui->Option5->isChecked(); }

void frmWriteWave::ShowCopyOption()
{
    ui->Option5->setText(CopySaving::tr("Copy"));
    ui->Option5->setToolTip(CopySaving::tr("Keep the source's MP3 frames: no re-encoding"));
}

void frmWriteWave::SaveResultByCopy(const QString &output)
{
    const trevisto::Mp3CopyOutcome copied = trevisto::CopyMp3Cut(resultOrigin_, NativePath(WorkingFiles::Result), NativePath(output));
    if (copied.kind == trevisto::Mp3CopyOutcome::Copied) {
        WaitWindow().hide();
        ReportMp3Saved({}, output);
        return;
    }
    if (copied.kind == trevisto::Mp3CopyOutcome::Failed) {
        WaitWindow().hide();
        dialogs_.msgBox(CopySaving::tr("\"%1\" could not be written.\r\n\r\n%2").arg(output, copied.why), vbOKOnly,
                        MsgIcon::Critical, ProgramTitle);
        return;
    }
    // The nearest constant bit rate the encoder makes at the source's rate.
    const int kbps = copied.sourceKbps > 0
                         ? Mp3Encoder::carriedBitRate(Mp3Encoder::carriedSampleRate(copied.sourceRate), copied.sourceKbps)
                         : DefaultCopyFallbackKbps;
    Mp3Enc1->setBitRate(kbps);
    encodingNote_ = CopySaving::tr("Encoded again at %1 kbit/s: %2.").arg(kbps).arg(copied.why);
    StartEncoding(WorkingFiles::Result, output);
    if (!Mp3Enc1->isBusy())
        encodingNote_.clear();
}

void frmWriteWave::JoinListByCopy(const QString &output)
{
    std::vector<trevisto::Mp3JoinClip> clips;
    for (const trevisto::Clip &clip : clips_.items())
        clips.push_back({clip.origin, NativePath(clips_.fileOf(clip.name))});
    const trevisto::Mp3JoinOutcome joined = trevisto::JoinMp3ByCopy(clips, NativePath(output));
    if (joined.kind == trevisto::Mp3JoinOutcome::Copied) {
        WaitWindow().hide();
        clips_.noteOutput(clips_.ids());
        ReportMp3Saved(joined.encodedJoints > 0 ? CopySaving::tr("Joints encoded again: %1.").arg(joined.encodedJoints)
                                                : QString(),
                       output);
        return;
    }
    if (joined.kind == trevisto::Mp3JoinOutcome::Failed) {
        WaitWindow().hide();
        dialogs_.msgBox(CopySaving::tr("\"%1\" could not be written.\r\n\r\n%2").arg(output, joined.why), vbOKOnly,
                        MsgIcon::Critical, ProgramTitle);
        return;
    }
    // As without "Copy": the joined clips, encoded.
    QFile::remove(NativePath(WorkingFiles::Concat));
    const std::vector<trevisto::ClipId> joinedClips = clips_.ids();
    if (!JoinListInto(NativePath(WorkingFiles::Concat)))
        return;
    clips_.noteOutput(joinedClips);
    Mp3Enc1->setBitRate(BitRate);
    encodingNote_ = CopySaving::tr("Encoded again at %1 kbit/s: %2.").arg(BitRate).arg(joined.why);
    StartEncoding(WorkingFiles::Concat, output);
    if (!Mp3Enc1->isBusy())
        encodingNote_.clear();
}

void frmWriteWave::ReportMp3Saved(const QString &note, const QString &output)
{
    dialogs_.msgBox(note.isEmpty() ? QStringLiteral("The file is saved") : "The file is saved\r\n\r\n" + note, vbOKOnly,
                    MsgIcon::None, "Trevisto");
    if (clips_.count() > 1 &&
        dialogs_.msgBox("Do You want to delete ALL temp file ", vbYesNo | vbDefaultButton2, MsgIcon::None,
                        "Deleting") == vbYes) {
        // After an encoded join only the clips that went into the MP3; else all.
        if (const auto &joined = clips_.output())
            RemoveClips(*joined, trevisto::DeleteJoinedClipsText(output));
        else
            RemoveClips(clips_.ids(), trevisto::DeleteAllClipsText());
    }
    clips_.forgetOutput();
}

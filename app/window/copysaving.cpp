// The "Copy" option, and the end of writing a file: "The file is saved", with a line that
// says why an MP3 was encoded where its frames could not be copied, and the question about
// the clips.
#include "app/frmWriteWave.h"

#include "clips/clipsteps.h"
#include "core/routines.h"
#include "editor/timetext.h"
#include "core/workingfiles.h"
#include "platform/mp3enc/mp3encoder.h"
#include "ui/Frmwait.h"
#include "ui_frmWriteWave.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>
#include <utility>

namespace {

// The texts this file shows, under one translation context.
struct CopySaving {
    Q_DECLARE_TR_FUNCTIONS(CopySaving)
};

// Milliseconds of `frames` at `rate`, to the nearest.
int64_t MsOf(int64_t frames, int rate) { return rate > 0 ? (frames * 1000 + rate / 2) / rate : 0; }

// What a join did to the clips' levels and lengths, where the output is not simply the
// clips end to end at their own level: the clips held back below the loudness asked for,
// and the output's length when it differs from the clips' sum, and why.
QStringList JoinNotes(const trevisto::OutputDone &done, const trevisto::ClipList &clips)
{
    QStringList notes;
    if (done.levels) {
        const trevisto::JoinLevels &levels = *done.levels;
        for (size_t i = 0; i < levels.heldBackDb.size() && i < done.clips.size(); ++i) {
            // Copied frames reach the gain asked for only to the nearest whole step: what
            // remains is up to half a step either way, more where the peak held it back.
            const bool stepped = done.copied && i < levels.steps.size();
            const double under = stepped ? levels.gainDb[i] + levels.heldBackDb[i] - levels.steps[i] * trevisto::kGainStepDb
                                         : levels.heldBackDb[i];
            const bool peak = levels.heldBackDb[i] >= 0.05;
            if (std::abs(under) < 0.05)
                continue;
            const int row = clips.rowOf(done.clips[i]);
            const QString name = row >= 0 ? clips.items()[size_t(row)].name : QString::number(i + 1);
            if (peak)
                notes << CopySaving::tr("\"%1\" stays %2 dB under the loudness asked for: more would take its peak "
                                        "past -1 dBTP.")
                             .arg(name)
                             .arg(under, 0, 'f', 1);
            else if (under > 0)
                notes << CopySaving::tr("\"%1\" stays %2 dB under the loudness asked for: copied MP3 frames change "
                                        "their level in steps of 1.5 dB.")
                             .arg(name)
                             .arg(under, 0, 'f', 1);
            else
                notes << CopySaving::tr("\"%1\" goes %2 dB over the loudness asked for: copied MP3 frames change "
                                        "their level in steps of 1.5 dB.")
                             .arg(name)
                             .arg(-under, 0, 'f', 1);
        }
        int64_t overlaps = 0;
        for (int64_t o : levels.overlap)
            overlaps += o;
        // A copied join's overlaps are what it wrote: the crossfades, widened to whole frames.
        if (overlaps > 0 && done.copied)
            notes << CopySaving::tr("The joined sound lasts %1, %2 ms less than the clips add up to: the crossfades "
                                    "overlap them, each widened by less than a frame to whole MP3 frames.")
                         .arg(MillisecondText(MsOf(levels.outputFrames, levels.sampleRate)))
                         .arg(MsOf(overlaps, levels.sampleRate));
        else if (overlaps > 0)
            notes << CopySaving::tr("The joined sound lasts %1, %2 ms less than the clips add up to: the crossfades "
                                    "overlap them.")
                         .arg(MillisecondText(MsOf(levels.outputFrames, levels.sampleRate)))
                         .arg(MsOf(overlaps, levels.sampleRate));
        if (overlaps > 0)
            return notes;
    }
    if (done.copied && done.clipSamples > 0 && done.copiedSamples != done.clipSamples)
        notes << CopySaving::tr("The joined sound lasts %1, %2 ms less than the clips add up to: MP3 frames are whole, "
                                "and each joint encoded again loses less than a frame.")
                     .arg(MillisecondText(MsOf(done.copiedSamples, done.sampleRate)))
                     .arg(MsOf(done.clipSamples - done.copiedSamples, done.sampleRate));
    return notes;
}

} // namespace

void frmWriteWave::outputDone(const trevisto::OutputDone &done)
{
    wait_.hide();
    chooser_.Used(done.join ? trevisto::ChooserKind::Join : trevisto::ChooserKind::Save, done.output);
    if (done.join)
        WriteJoinCueSheet(done);
    if (done.format == trevisto::OutputRequest::Format::Wav) {
        // Only a joined file that is complete on disk lets the clips go, and Undo brings
        // them back. A saved cut (as FLAC) used none.
        const QString note = JoinNotes(done, clips_).join(QStringLiteral("\r\n"));
        if (done.join)
            RemoveClips(done.clips, trevisto::DeleteJoinedClipsText(done.output));
        dialogs_.msgBox(note.isEmpty() ? QStringLiteral("The file is saved") : "The file is saved\r\n\r\n" + note,
                        vbOKOnly, MsgIcon::None, "Trevisto");
        return;
    }
    if (!done.copied && done.encoding == trevisto::OutputRequest::Encoding::Own)
        ui->TxtProcess->setText(QString::number(Mp3Enc1->status()));
    QStringList notes;
    if (done.encodedJoints > 0)
        notes << CopySaving::tr("Joints encoded again: %1.").arg(done.encodedJoints);
    if (done.fallbackKbps > 0)
        notes << CopySaving::tr("Encoded again at %1 kbit/s: %2.").arg(done.fallbackKbps).arg(done.fallbackWhy);
    notes << done.encoderNote;
    notes << JoinNotes(done, clips_);
    notes.removeAll(QString());
    // Only the clips that went into the MP3 may go, even if the list changed meanwhile.
    if (done.join)
        clips_.noteOutput(done.clips);
    else
        clips_.forgetOutput();
    // "The file is saved" with the notes under it, then, after a join, the question about
    // the clips. A saved cut used none of them: a Yes there would lose them for nothing.
    const QString note = notes.join(QStringLiteral("\r\n"));
    dialogs_.msgBox(note.isEmpty() ? QStringLiteral("The file is saved") : "The file is saved\r\n\r\n" + note, vbOKOnly,
                    MsgIcon::None, "Trevisto");
    if (done.join && clips_.count() > 1 &&
        dialogs_.msgBox("Do You want to delete ALL temp file ", vbYesNo | vbDefaultButton2, MsgIcon::None,
                        "Deleting") == vbYes) {
        if (const auto &joined = clips_.output())
            RemoveClips(*joined, trevisto::DeleteJoinedClipsText(done.output));
    }
    clips_.forgetOutput();
}

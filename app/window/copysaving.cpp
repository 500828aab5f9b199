// The "Copy" option, and the end of writing a file: "The file is saved", with a line that
// says why an MP3 was encoded where its frames could not be copied, and the question about
// the clips.
#include "app/frmWriteWave.h"

#include "clips/clipsteps.h"
#include "core/routines.h"
#include "core/workingfiles.h"
#include "platform/mp3enc/mp3encoder.h"
#include "ui/Frmwait.h"
#include "ui_frmWriteWave.h"

#include <QCoreApplication>
#include <QStringList>

#include <utility>

namespace {

// The texts this file shows, under one translation context.
struct CopySaving {
    Q_DECLARE_TR_FUNCTIONS(CopySaving)
};

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
        if (done.join)
            RemoveClips(done.clips, trevisto::DeleteJoinedClipsText(done.output));
        dialogs_.msgBox("The file is saved", vbOKOnly, MsgIcon::None, "Trevisto");
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

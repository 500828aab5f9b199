// Saving the cut result on its own, as MP3 through the encoder or as WAV through the
// sound device.
#include "app/frmWriteWave.h"

#include "app/choosers.h"
#include "app/window/tagform.h"
#include "clips/cliplist.h"
#include "clips/session.h"
#include "core/protectedfiles.h"
#include "core/routines.h"
#include "core/workingfiles.h"
#include "platform/mci/player.h"
#include "platform/mp3enc/mp3encoder.h"
#include "platform/tags/tags.h"
#include "platform/wav/wav.h"
#include "ui/Frmwait.h"
#include "ui_frmWriteWave.h"

#include <QCoreApplication>
#include <QFile>

#include <climits>

namespace {

// The texts this file shows, under one translation context.
struct Saving {
    Q_DECLARE_TR_FUNCTIONS(Saving)
};

// Whether the system can take `path` as a file name: the whole path and each of its
// names within the system's limits.
bool FitsTheSystem(const QString &path)
{
    const QByteArray bytes = path.toLocal8Bit();
    if (bytes.size() >= PATH_MAX)
        return false;
    for (const QByteArray &name : bytes.split('/'))
        if (name.size() > NAME_MAX)
            return false;
    return true;
}

} // namespace

bool frmWriteWave::RefuseProtectedDestination(const QString &destination)
{
    std::vector<trevisto::ProtectedFile> files;
    for (const QString &working : {WorkingFiles::Source, WorkingFiles::SourceInProgress, WorkingFiles::Result,
                                   WorkingFiles::Concat, WorkingFiles::Session, WorkingFiles::Lock})
        files.push_back({NativePath(working),
                         Saving::tr("\"%1\" is one of the program's working files. Choose another file.").arg(destination),
                         true});
    // The listed clips, then clip files no entry names yet: a later start lists them.
    QStringList clips = clips_.names();
    for (const QString &file : trevisto::FilesIn(NativePath(WorkingFiles::Folder)))
        if (file.endsWith(QStringLiteral(".wav"), Qt::CaseInsensitive))
            clips << file.chopped(4);
    for (const QString &clip : clips)
        files.push_back({NativePath(WorkingFiles::ClipFile(clip)),
                         Saving::tr("\"%1\" is the file of the clip \"%2\". Choose another file: a clip is never "
                                    "written over.")
                             .arg(destination, clip),
                         true});
    files.push_back({source_.file,
                     Saving::tr("\"%1\" is the file the open sound came from. Choose another file: the source is "
                                "never written over.")
                         .arg(destination)});
    if (Mp3Enc1->isBusy())
        files.push_back({output_->target(),
                         Saving::tr("\"%1\" is the MP3 file still being written. Choose another file.").arg(destination)});
    const trevisto::ProtectedFile *found = trevisto::FindProtected(destination, files);
    if (!found)
        return false;
    dialogs_.msgBox(found->why, vbOKOnly, MsgIcon::Exclamation, ProgramTitle);
    return true;
}

void frmWriteWave::CmdSaveas_Click()
{
    if (RefuseWhileEncoding())
        return;
    const std::optional<QString> output = chooser_.Choose(trevisto::saveMp3Request(), trevisto::ChooserKind::Save);
    if (!output || RefuseProtectedDestination(*output))
        return;
    trevisto::OutputPiece result{WorkingFiles::Result, source_.resultOrigin};
    // With "Copy" among the MP3 options the cut's frames are copied from its MP3 source.
    const bool copy = ui->Option5->isChecked();
    const auto format = trevisto::OutputRequest::Format::Mp3;
    trevisto::OutputRequest request{{result}, false, *output, format, copy, BitRate, {}, false, true,
                                    trevisto::EncodingOfName(format, *output)};
    request.tagSource = source_.file;
    if (!AskTags(request))
        return;
    wait_.show(Frmwait::Job::Copying);
    WriteOutput(request);
}

void frmWriteWave::Command3_Click()
{
    const std::optional<QString> chosen = chooser_.Choose(trevisto::saveWavRequest(), trevisto::ChooserKind::Save);
    if (!chosen)
        return;
    const QString path = *chosen;
    if (!FitsTheSystem(path)) {
        dialogs_.msgBox("Error Create the file Name in Desktop", vbOKOnly, MsgIcon::None, ProgramTitle);
        return;
    }
    if (RefuseProtectedDestination(path))
        return;
    const auto format = trevisto::OutputRequest::Format::Wav;
    trevisto::OutputRequest request{{trevisto::OutputPiece{WorkingFiles::Result}}, false, path, format, false, BitRate,
                                    {}, false, true, trevisto::EncodingOfName(format, path)};
    request.tagSource = source_.file;
    if (!AskTags(request))
        return;
    if (request.encoding != trevisto::OutputRequest::Encoding::Own) {
        // FLAC is encoded from the result file, as a WAV join is written, by the output job.
        WriteOutput(request);
        return;
    }
    // The device reads the result file, so its player lets go of it, and takes it again
    // afterwards so that playing the result still works.
    MMControl1->setCommand("Close");
    const CommandOutcome saved = SaveResult(WorkingFiles::Result, path);
    MMControl1->setFileName(WorkingFiles::Result);
    MMControl1->setCommand("Open");
    if (!saved.ok()) {
        dialogs_.msgBox(Saving::tr("\"%1\" cannot be saved: %2\r\n%3").arg(path, saved.reason(), saved.failedCommand),
                        vbOKOnly, MsgIcon::Critical, ProgramTitle);
        return;
    }
    // The sound is saved whatever becomes of its tags.
    if (const std::vector<unsigned char> info = trevisto::tags::wavInfoChunk(trevisto::TagFieldsOf(request));
        !info.empty())
        trevisto::wav::appendChunk(QFile::encodeName(path).toStdString(), info);
    chooser_.Used(trevisto::ChooserKind::Save, path);
    dialogs_.msgBox("The file is saved", vbOKOnly, MsgIcon::None, "Trevisto");
}

bool frmWriteWave::AskTags(trevisto::OutputRequest &request)
{
    if (!ui->OptionAskTags->isChecked())
        return true;
    request.tagEdits = trevisto::AskTagFields(dialogs_, request.output, trevisto::TagSourceOf(request));
    return request.tagEdits.has_value();
}

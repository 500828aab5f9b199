// Saving the cut result on its own, as MP3 through the encoder or as WAV through the
// sound device.
#include "app/frmWriteWave.h"

#include "app/choosers.h"
#include "clips/cliplist.h"
#include "core/workingfiles.h"
#include "platform/mci/player.h"
#include "platform/mp3enc/mp3encoder.h"
#include "ui/Frmwait.h"
#include "ui_frmWriteWave.h"

#include <QCoreApplication>

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

void frmWriteWave::CmdSaveas_Click()
{
    if (RefuseWhileEncoding())
        return;
    const std::optional<QString> output = Choose(trevisto::saveMp3Request());
    if (!output)
        return;
    Mp3Enc1->setBitRate(BitRate);
    StartEncoding(WorkingFiles::Result, *output);
}

void frmWriteWave::Command3_Click()
{
    const std::optional<QString> chosen = Choose(trevisto::saveWavRequest());
    if (!chosen)
        return;
    const QString path = *chosen;
    if (!FitsTheSystem(path)) {
        dialogs_.msgBox("Error Create the file Name in Desktop", vbOKOnly, MsgIcon::None, ProgramTitle);
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
    dialogs_.msgBox("The file is saved", vbOKOnly, MsgIcon::None, "Trevisto");
}

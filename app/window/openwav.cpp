// Opening a WAV file directly as the source: the source loader copies its sound to the
// working file, and the player plays the file itself.
#include "app/frmWriteWave.h"

#include "app/choosers.h"
#include "core/outcome.h"
#include "platform/drive/drive.h"
#include "platform/mci/error.h"
#include "platform/mci/player.h"
#include "platform/wav/wav.h"

#include <QCoreApplication>

namespace {

// The texts this file shows, under one translation context.
struct OpenWav {
    Q_DECLARE_TR_FUNCTIONS(OpenWav)
};

// Whether the player will take `path`: a WAV file of a layout it plays.
Outcome CheckPlayable(const QString &path)
{
    trevisto::wav::Info info;
    const trevisto::wav::ReadError error = trevisto::wav::readInfo(drive::toNative(path.toStdString()), info);
    if (error != trevisto::wav::ReadError::None)
        return Outcome::failure(trevisto::mci::errorMessage(trevisto::mci::fromReadError(error)));
    return Outcome::success();
}

} // namespace

void frmWriteWave::cmdwav_Click()
{
    if (RefuseWhileOpening())
        return;
    const std::optional<QString> path = chooser_.ChooseSource(trevisto::WavFilter);
    if (!path)
        return;
    OpenWavSource(*path);
}

void frmWriteWave::OpenWavSource(const QString &path)
{
    if (const Outcome playable = CheckPlayable(path); !playable) {
        dialogs_.msgBox(OpenWav::tr("\"%1\" cannot be opened: %2").arg(path, playable.why), vbOKOnly,
                        MsgIcon::Critical, ProgramTitle);
        return;
    }
    // The copy goes beside the loaded sound, which stays until the copy is complete.
    BeginOpening(Frmwait::Job::Copying);
    loader_.copyWav(path, *this);
}

void frmWriteWave::OpenWavInPlace(const QString &path)
{
    // The player plays the chosen file in place; the working copy is for the cut.
    MMaudio->setFileName(path);
    MMaudio->setCommand("Open");
    if (!MMaudio->isOpen()) {
        const int code = MMaudio->lastError();
        ShowNothingLoaded();
        dialogs_.msgBox(OpenWav::tr("\"%1\" cannot be opened: %2").arg(path, trevisto::mci::errorMessage(code)),
                        vbOKOnly, MsgIcon::Critical, ProgramTitle);
        return;
    }
    MMaudio->setNotifyStatus(true);
    ShowOpenedSource(path);
    controls_.SetEnabled(controls_.SourceControls(), true);
}

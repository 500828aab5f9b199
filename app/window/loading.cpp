// Opening a source: the Open items of the decoding library, and the window's side of every
// load (Open Wav included): the wait window, the lock on editing, and what the window shows
// once the source loader reports the end.
#include "app/frmWriteWave.h"
#include "app/commandline.h"
#include "app/window/decodinglibrary.h"

#include "audio/sourcechannel.h"
#include "core/routines.h"
#include "core/workingfiles.h"
#include "core/yieldingcall.h"
#include "platform/mci/player.h"
#include "platform/wav/wav.h"
#include "ui/Frmwait.h"
#include "ui_frmWriteWave.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// The texts this file shows, under one translation context.
struct Loading {
    Q_DECLARE_TR_FUNCTIONS(Loading)
};

// The chooser's filter for each value of OpenKind.
QString SourceFilter(qint16 kind)
{
    switch (kind) {
    case 0: return QStringLiteral("Mp3 (*.mp3)|*.mp3");
    case 1: return QStringLiteral("0GG (*.ogg)|*.ogg");
    case 2: return QStringLiteral("AIFF (*.AIFF)|*.AIFF");
    case 3: return QStringLiteral("Cue sheet (*.cue)|*.cue");
    default: return {};
    }
}

} // namespace

void frmWriteWave::Open1_Click()
{
    OpenKind = 0;
    btnLoadFile_Click();
}

void frmWriteWave::ogg_Click()
{
    OpenKind = 1;
    btnLoadFile_Click();
}

void frmWriteWave::aiff_Click()
{
    OpenKind = 2;
    btnLoadFile_Click();
}

bool frmWriteWave::RefuseWhileOpening()
{
    // A second open in the middle of a conversion or a copy would race the first one for
    // the working file.
    const trevisto::SourceLoader::Job job = loader_.job();
    if (job == trevisto::SourceLoader::Job::None)
        return false;
    const QString busy = job == trevisto::SourceLoader::Job::Converting
                             ? Loading::tr("\"%1\" is still being converted. Open the next sound when it is done.")
                             : Loading::tr("\"%1\" is still being copied. Open the next sound when it is done.");
    dialogs_.msgBox(busy.arg(loader_.source()), vbOKOnly, MsgIcon::Information, ProgramTitle);
    return true;
}

void frmWriteWave::btnLoadFile_Click()
{
    if (RefuseWhileOpening())
        return;
    const std::optional<QString> path = chooser_.ChooseSource(SourceFilter(OpenKind));
    if (!path)
        return;
    if (IsCueSheet(*path))
        OpenCueSheet(*path);
    else
        OpenDecodedSource(*path);
}

void frmWriteWave::OpenDecodedSource(const QString &path)
{
    // The loaded sound stays until the new one is known to decode.
    const DWORD chan = OpenSourceChannel(Bass, path);
    if (chan == 0) {
        trevisto::ShowRefusal(dialogs_, Bass, "Can't play the file");
        return;
    }
    // Only one decoding channel is held at a time.
    if (source_.Chan != 0 && Bass.ChannelFree)
        Bass.ChannelFree(source_.Chan);
    source_.Chan = chan;
    source_.channelSource = path;
    source_.DataLength = std::max<int64_t>(Bass.channelLength(source_.Chan), 0);
    ui->lblPos->setText("Pos:");
    btnConvert_Click();
}

void frmWriteWave::btnConvert_Click()
{
    // Clicked again from an event the conversion lets through, it stops the conversion.
    if (loader_.job() == trevisto::SourceLoader::Job::Converting) {
        loader_.cancel();
        return;
    }
    if (source_.Chan == 0 || loader_.job() != trevisto::SourceLoader::Job::None)
        return;
    ui->btnConvert->setText("Stop conversion...");
    BeginOpening(Frmwait::Job::Loading);
    loader_.convert(Bass, source_.Chan, source_.channelSource, *this);
    ui->btnLoadFile->setEnabled(true);
    source_.DataLength = 0;
    if (source_.Chan != 0)
        Bass.channelSetPosition(source_.Chan, 0);
}

void frmWriteWave::BeginOpening(Frmwait::Job job)
{
    wait_.show(job);
    // While a new source is written, nothing may play, mark or cut the old one, and no
    // step may change what it replaces.
    controls_.HoldControls(ControlGroups::Opening, true);
    undo_.hold(true);
    ShowTrackItems();
}

void frmWriteWave::loadProgress(int64_t written, int64_t total)
{
    if (loader_.job() == trevisto::SourceLoader::Job::Converting) {
        source_.DataLength = written;
        ui->lblPos->setText(QStringLiteral("Pos: %1").arg(written));
    }
    // The bar is repainted sparingly; the window's events run after every block, and a
    // window close cancels the load.
    wait_.pacedProgress(quint64(written), quint64(total));
    QCoreApplication::processEvents();
}

void frmWriteWave::loadDone(const QString &notice)
{
    // Which MP3 frames a decoded sound came from takes a read of the whole source: that
    // runs beside the window's thread, with the wait window up and editing still locked.
    std::optional<Mp3Source> mp3;
    if (loader_.job() != trevisto::SourceLoader::Job::Copying) {
        const auto decoded = trevisto::wav::File::open(NativePath(WorkingFiles::Source).toStdString());
        if (decoded) {
            const QString source = NativePath(loader_.source());
            const int64_t frames = decoded->info().frames;
            mp3 = trevisto::CallYielding<std::optional<Mp3Source>>(
                      [source, frames] { return IdentifyMp3Source(source, frames); }, [this] { return ending_; })
                      .value_or(std::nullopt);
            if (ending_)
                return;
        }
    }
    // A sound of more than two channels was mixed down on its way in: that is said with
    // whatever else the loader found.
    QString said = notice;
    DWORD sourceChannels = 0;
    DWORD detail = 0;
    if (loader_.job() != trevisto::SourceLoader::Job::Copying && source_.Chan != 0 && Bass.ChannelGetDetail &&
        Bass.ChannelGetDetail(source_.Chan, nullptr, 0, &sourceChannels, &detail) &&
        (detail & BASS_DETAIL_MIXED_DOWN)) {
        const QString mixed = Loading::tr("Its %1 channels were mixed down to stereo.").arg(sourceChannels);
        said = said.isEmpty() ? mixed : said + QStringLiteral("\r\n\r\n") + mixed;
    }
    if (!said.isEmpty())
        dialogs_.msgBox(said, vbOKOnly, MsgIcon::Exclamation, ProgramTitle);
    controls_.HoldControls(ControlGroups::Opening, false);
    undo_.hold(false);
    ReleaseLoadedSource();
    chooser_.Used(trevisto::ChooserKind::OpenSource, loader_.source());
    if (loader_.job() == trevisto::SourceLoader::Job::Copying) {
        OpenWavInPlace(loader_.source());
    } else {
        MMaudio->setTimeFormat(MciPlayer::kMilliseconds);
        MMaudio->setFileName(WorkingFiles::Source);
        MMaudio->setCommand("Open");
        source_.mp3 = mp3;
        ShowOpenedSource(loader_.source());
        MMaudio->setNotifyStatus(true);
        // The marks take the play position whether the sound plays or stands, and a click
        // in the close view or a step key moves it before anything plays.
        controls_.SetEnabled({ui->CmdPlay, ui->CmdStep, ui->CmdSetin, ui->CmdOut}, true);
    }
    wait_.hide();
}

void frmWriteWave::loadFailed(const trevisto::LoadFailure &failure)
{
    source_.cue.reset();
    controls_.HoldControls(ControlGroups::Opening, false);
    undo_.hold(false);
    if (failure.sourceLost) {
        ReleaseLoadedSource();
        ShowNothingLoaded();
    }
    ShowTrackItems();
    wait_.hide();
    if (!failure.message.isEmpty())
        dialogs_.msgBox(failure.message, vbOKOnly, MsgIcon::Critical, ProgramTitle);
}

void frmWriteWave::ReleaseLoadedSource()
{
    source_.mp3.reset();
    for (MciPlayer *player : {MMaudio, MMControl1})
        player->setCommand("Close");
    DiscardResult();
    // Marks, cuts and split points of the sound that went mean nothing now; the clips'
    // steps stay.
    undo_.retireSourceSteps();
    ShowSplitPlan({});
}

// Opening a source in another format than WAV: the choice of file, the decoding channel,
// the conversion into the working file and the source player.
#include "app/frmWriteWave.h"

#include "app/routines.h"
#include "app/systemreason.h"
#include "app/workingfiles.h"
#include "audio/conversion.h"
#include "audio/sourcechannel.h"
#include "platform/mci/player.h"
#include "ui/Frmwait.h"
#include "ui_frmWriteWave.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// Progress is repainted at most this often while converting.
constexpr qint64 ProgressPeriodMs = 33;

// The chooser's filter for each value of OpenKind.
QString SourceFilter(qint16 kind)
{
    switch (kind) {
    case 0: return QStringLiteral("Mp3 (*.mp3)|*.mp3");
    case 1: return QStringLiteral("0GG (*.ogg)|*.ogg");
    case 2: return QStringLiteral("AIFF (*.AIFF)|*.AIFF");
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
    if (!Converting && !CopyingSource)
        return false;
    dialogs_.msgBox(QStringLiteral("\"%1\" is still being %2. Open the next sound when it is done.")
                        .arg(sourceInProgress_, Converting ? "converted" : "copied"),
                    vbOKOnly, MsgIcon::Information, ProgramTitle);
    return true;
}

void frmWriteWave::btnLoadFile_Click()
{
    if (RefuseWhileOpening())
        return;
    const std::optional<QString> path = ChooseSource(SourceFilter(OpenKind));
    if (!path)
        return;
    OpenDecodedSource(*path);
}

void frmWriteWave::OpenDecodedSource(const QString &path)
{
    // The loaded sound stays until the new one is known to decode.
    const DWORD chan = OpenSourceChannel(Bass, path);
    if (chan == 0) {
        Error_("Can't play the file");
        return;
    }
    // Only one decoding channel is held at a time.
    if (Chan != 0 && Bass.ChannelFree)
        Bass.ChannelFree(Chan);
    Chan = chan;
    const DWORD length = Bass.ChannelGetLength(Chan);
    DataLength = length == DWORD(-1) || length > DWORD(INT32_MAX) ? 0 : qint32(length);

    sourceInProgress_ = path;
    ui->lblPos->setText("Pos:");
    Frmwait &wait = WaitWindow();
    wait.resetProgress();
    wait.show();
    LockWhileOpening(true);
    btnConvert_Click();
    LockWhileOpening(false);
    if (conversionFailed_ || !ReplaceSource()) {
        QFile::remove(NativePath(WorkingFiles::SourceInProgress));
        wait.hide();
        return;
    }
    MMaudio->setTimeFormat(MciPlayer::kMilliseconds);
    MMaudio->setFileName(WorkingFiles::Source);
    MMaudio->setCommand("Open");
    ShowOpenedSource(path);
    MMaudio->setNotifyStatus(true);
    ui->CmdPlay->setEnabled(true);
    ui->CmdStep->setEnabled(true);
    wait.hide();
}

bool frmWriteWave::ReplaceSource()
{
    for (MciPlayer *player : {MMaudio, MMControl1})
        player->setCommand("Close");
    DiscardResult();
    FinishWaveFile();
    const QString from = NativePath(WorkingFiles::SourceInProgress), to = NativePath(WorkingFiles::Source);
    if (std::rename(from.toLocal8Bit().constData(), to.toLocal8Bit().constData()) != 0) {
        const QString why = SystemReason(errno);
        QFile::remove(to);
        ShowNothingLoaded();
        dialogs_.msgBox(QStringLiteral("\"%1\" cannot take the place of the working file \"%2\": %3.")
                            .arg(sourceInProgress_, to, why),
                        vbOKOnly, MsgIcon::Critical, ProgramTitle);
        return false;
    }
    return true;
}

void frmWriteWave::btnConvert_Click()
{
    Converting = !Converting;
    conversionFailed_ = false;
    if (Converting) {
        ui->btnConvert->setText("Stop conversion...");
        ConvertSource();
    }

    Converting = false;
    ui->btnLoadFile->setEnabled(true);
    if (const Outcome finished = Conversion ? Conversion->FinishWaveFile() : Outcome::success(); !finished) {
        conversionFailed_ = true;
        dialogs_.msgBox(finished.why, vbOKOnly, MsgIcon::Critical, ProgramTitle);
    }
    DataLength = 0;
    if (Chan != 0)
        Bass.ChannelSetPosition(Chan, 0);
}

void frmWriteWave::ConvertSource()
{
    if (!Conversion)
        Conversion = std::make_unique<WaveConversion>();
    const auto result =
        Conversion->run(Bass, Chan, NativePath(WorkingFiles::SourceInProgress), ConversionProgress());
    DataLength = qint32(Conversion->DataLength);

    switch (result.outcome) {
    case WaveConversion::Outcome::Failed:
        conversionFailed_ = true;
        dialogs_.msgBox(QStringLiteral("\"%1\" cannot be opened.\r\n\r\n%2").arg(sourceInProgress_, result.message),
                        vbOKOnly, MsgIcon::Critical, ProgramTitle);
        break;
    case WaveConversion::Outcome::TooLong:
        dialogs_.msgBox(result.message, vbOKOnly, MsgIcon::Exclamation, ProgramTitle);
        break;
    case WaveConversion::Outcome::Stopped:
        // Stopped by a window close: nothing is opened afterwards.
        conversionFailed_ = true;
        break;
    case WaveConversion::Outcome::Completed:
        break;
    }
}

std::function<bool(int64_t, int64_t)> frmWriteWave::ConversionProgress()
{
    // The bar is repainted sparingly; the window's events run after every block, and a
    // window close turns Converting off to stop the conversion.
    auto sinceRepaint = std::make_shared<QElapsedTimer>();
    return [this, sinceRepaint](int64_t written, int64_t reported) {
        DataLength = qint32(written);
        ui->lblPos->setText(QStringLiteral("Pos: %1").arg(written));
        if (!sinceRepaint->isValid() || sinceRepaint->elapsed() >= ProgressPeriodMs) {
            sinceRepaint->start();
            if (waitWindow_)
                waitWindow_->setProgress(quint64(written), quint64(reported));
        }
        QCoreApplication::processEvents();
        return Converting;
    };
}

void frmWriteWave::FinishWaveFile()
{
    if (Conversion)
        Conversion->FinishWaveFile();
}

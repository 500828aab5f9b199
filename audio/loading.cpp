// Opening a source in another format than WAV: the choice of file, the decoding channel,
// the conversion into the working file and the source player.
#include "app/frmWriteWave.h"

#include "app/routines.h"
#include "audio/conversion.h"
#include "editor/timetext.h"
#include "platform/mci/player.h"
#include "ui/Frmwait.h"
#include "ui_frmWriteWave.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

namespace {

constexpr const char *WorkingFile = "C:\\temp.wav";
// Progress is repainted at most this often while converting.
constexpr qint64 ProgressPeriodMs = 33;

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

bool frmWriteWave::CloseSourceForOpening()
{
    // An open in the middle of a conversion or a copy would leave a half file in the player.
    if (Converting || CopyingSource) {
        dialogs_.msgBox("A sound is still being converted. Open the next one when it is done.", vbOKOnly,
                        MsgIcon::Information, ProgramTitle);
        return false;
    }
    for (MciPlayer *player : {MMaudio, MMControl1, MMaudio, MMControl1})
        player->setCommand("Close");
    return true;
}

void frmWriteWave::btnLoadFile_Click()
{
    // 1-3. The previous sound goes.
    if (!CloseSourceForOpening())
        return;
    QFile::remove(NativePath(WorkingFile));
    QFile::remove(NativePath("C:\\temp2.wav"));
    FinishWaveFile();

    // 4-6. The chooser.
    cmd.CancelError = true;
    cmd.Flags = 528388;
    switch (OpenKind) {
    case 0: cmd.Filter = "Mp3 (*.mp3)|*.mp3"; break;
    case 1: cmd.Filter = "0GG (*.ogg)|*.ogg"; break;
    case 2: cmd.Filter = "AIFF (*.AIFF)|*.AIFF"; break;
    default: break;
    }
    if (cmd.ShowOpen() == CommonDialog::cdlCancel)
        return;
    const QString path = cmd.FileName;
    const QByteArray path8 = path.toLocal8Bit();

    // Only one decoding channel is held at a time.
    if (Chan != 0 && Bass.ChannelFree)
        Bass.ChannelFree(Chan);
    Chan = 0;

    // 7-9. A stream, else a stream by address, else a music module.
    Chan = Bass.StreamCreateFile(0, path8.constData(), 0, 0, BASS_STREAM_DECODE);
    if (Chan == 0)
        Chan = Bass.StreamCreateURL(path8.constData(), 0, BASS_STREAM_DECODE | BASS_STREAM_BLOCK, nullptr, nullptr);
    if (Chan == 0)
        Chan = Bass.MusicLoad(0, path8.constData(), 0, 0, BASS_STREAM_DECODE | BASS_MUSIC_PRESCAN | BASS_MUSIC_RAMP, 0);
    if (Chan == 0) {
        Error_("Can't play the file");
        return;
    }
    const DWORD length = Bass.ChannelGetLength(Chan);
    DataLength = length == DWORD(-1) || length > DWORD(INT32_MAX) ? 0 : qint32(length);

    // 10-12. Decode into the working file behind the wait window.
    ui->lblPos->setText("Pos:");
    Frmwait &wait = WaitWindow();
    wait.resetProgress();
    wait.show();
    btnConvert_Click();
    if (conversionFailed_) {
        wait.hide();
        return;
    }

    // 13-18. The source player.
    MMaudio->setTimeFormat(MciPlayer::kMilliseconds);
    MMaudio->setFileName(WorkingFile);
    MMaudio->setCommand("Open");
    MarkIn = 0;
    MarkOut = qint32(MMaudio->length());
    ui->Slider1->setRange(0, WholeSeconds(MMaudio->length()));
    ui->lblAudio->setText(PositionText(*MMaudio));
    ui->Txtin->setText("00:00:00");
    ui->TxtOut->setText(ClockText(MMaudio->length() / 1000.0));
    MMaudio->setNotifyStatus(true);

    // 19-21.
    ui->CmdPlay->setEnabled(true);
    ui->CmdStep->setEnabled(true);
    setWindowTitle(QStringLiteral("%1 -%2").arg(ProgramTitle, path));
    wait.hide();
}

void frmWriteWave::btnConvert_Click()
{
    Converting = !Converting;
    conversionFailed_ = false;
    if (Converting) {
        ui->btnConvert->setText("Stop conversion...");
        if (!Conversion)
            Conversion = std::make_unique<WaveConversion>();

        Frmwait *wait = waitWindow_;
        QElapsedTimer sinceRepaint;
        sinceRepaint.start();
        bool first = true;
        const auto result = Conversion->run(
            Bass, Chan, NativePath(WorkingFile), [&](int64_t written, int64_t reported) {
                DataLength = qint32(written);
                if (first || sinceRepaint.elapsed() >= ProgressPeriodMs) {
                    first = false;
                    sinceRepaint.restart();
                    ++ProgressPaints;
                    ui->lblPos->setText(QStringLiteral("Pos: %1").arg(written));
                    if (wait)
                        wait->setProgress(quint64(written), quint64(reported));
                }
                QCoreApplication::processEvents();
                return Converting;
            });
        DataLength = qint32(Conversion->DataLength);

        switch (result.outcome) {
        case WaveConversion::Outcome::Failed:
            conversionFailed_ = true;
            dialogs_.msgBox(result.message, vbOKOnly, MsgIcon::Critical, ProgramTitle);
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

    Converting = false;
    ui->btnLoadFile->setEnabled(true);
    QString why;
    if (Conversion && !Conversion->FinishWaveFile(&why)) {
        conversionFailed_ = true;
        dialogs_.msgBox(why, vbOKOnly, MsgIcon::Critical, ProgramTitle);
    }
    DataLength = 0;
    if (Chan != 0)
        Bass.ChannelSetPosition(Chan, 0);
}

void frmWriteWave::FinishWaveFile()
{
    if (Conversion)
        Conversion->FinishWaveFile();
}

void frmWriteWave::closeEvent(QCloseEvent *event)
{
    // A conversion in progress stops at its next block and completes the file so far.
    if (Converting)
        Converting = false;
    QMainWindow::closeEvent(event);
}

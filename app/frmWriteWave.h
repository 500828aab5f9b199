#pragma once
// The main window: every control, the form-level values and the event handlers. Handlers
// are declared here, grouped by the folder that defines them.

#include "app/dialogs.h"
#include "audio/basslib.h"
#include "platform/mixer/mixer.h"
#include "ui/imagelist.h"

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <memory>

class QFrame;
class QTimer;
class Frmwait;
class Mp3Encoder;
class WaveConversion;
namespace trevisto::mci {
class MciPlayer;
}
using trevisto::mci::MciPlayer;
namespace Ui {
class frmWriteWave;
}

// The located master-volume control; its identifier is all that is used after start-up.
using trevisto::mixer::MixerControl;

class frmWriteWave : public QMainWindow {
    Q_OBJECT

public:
    static constexpr const char *ProgramTitle = "Trevisto MP3 Editor";
    static constexpr const char *LibraryFileName = "libbass.so";

    // `programFolder` holds the decoding library, the language files and the animation.
    frmWriteWave(Dialogs &dialogs, const QString &programFolder, QWidget *parent = nullptr);
    ~frmWriteWave() override;

    // --- app/ ---------------------------------------------------------------------------
    // The start-up sequence. False when it ended the program.
    bool Form_Load();
    void Error_(const QString &message);
    const QString &programFolder() const { return programFolder_; }

    // Wires the controls' events to their handlers.
    void ConnectHandlers();

    // --- audio/ -------------------------------------------------------------------------
    void Open1_Click();
    void ogg_Click();
    void aiff_Click();
    void btnLoadFile_Click();
    void btnConvert_Click();
    void FinishWaveFile();
    bool isConverting() const { return Converting; }
    bool isCopyingSource() const { return CopyingSource; }
    // Closes both players before a new source opens; refuses (false) while converting.
    bool CloseSourceForOpening();

    // --- editor/ ------------------------------------------------------------------------
    void cmdwav_Click();
    void CmdPlay_Click();
    void CmdPause_Click();
    void CmdStop_Click();
    void CmdStep_Click();
    void CmdBack_Click();
    void Slider1_Click();
    void Slider1_Scroll();
    void MMaudio_StatusUpdate();
    void MMControl1_StatusUpdate();
    void CmdSetNew_Click();
    void CmdSetin_Click();
    void CmdOut_Click();
    void CmdGoto_Click();
    // "hh:mm:ss / hh:mm:ss" of a player's position and length.
    static QString PositionText(const MciPlayer &player);

    // --- settings/ ----------------------------------------------------------------------
    void LoadLanguage();
    void ApplyCaptions();
    void ConnectLanguageHandlers();
    void english_Click();
    void german_Click();
    void italian_Click();
    void schinese_Click();
    void tchinese_Click();
    void spanish_Click();
    void russian_Click();
    // Entry `index` of a text table, or `fallback` when the table has no such entry.
    static QString TableText(const QStringList &table, int index, const QString &fallback);

    // --- ui/ ----------------------------------------------------------------------------
    void InitMasterVolume();
    void Knob1_Change();
    // Fills the picture lists, gives each picture button its picture and the window its icon.
    void LoadButtonImages();
    // Reports pointer moves over the lit buttons and the frames that reset them.
    void WatchPointerMoves();
    void ResetButtonImages();
    // The pointer moved over `target`: a button that lights up or a frame's background.
    void PointerMove(QWidget *target);
    void about_Click();
    // The wait window, made at its first showing.
    Frmwait &WaitWindow();

    // Controls from the form, reachable by their names.
    Ui::frmWriteWave *ui = nullptr;
    std::array<QFrame *, 18> Shape1{};

    // Controls created in code.
    CommonDialog cmd;
    QTimer *Timer1 = nullptr;
    MciPlayer *MMaudio = nullptr;     // source player
    MciPlayer *MMControl1 = nullptr;  // cut-result player
    MciPlayer *MMCPlayList = nullptr; // clip-list player
    Mp3Encoder *Mp3Enc1 = nullptr;

    // Form-level values.
    BassLibrary Bass;
    qint32 BitRate = 0;
    quint32 MixerHandle = 0;
    MixerControl VolumeControl;
    ImageList ImageListNor, ImageListRoll;
    ImageList ImageListClick; // on the form, and never filled
    quint32 Chan = 0;
    qint32 DataLength = 0;
    qint16 OpenKind = 0;
    qint32 MarkIn = 0;
    qint32 MarkOut = 0;
    qint32 PlayIndex = 0;
    QStringList PromptTexts, MessageTexts, CaptionTexts, MenuTexts;
    bool Converting = false;
    // Open Wav is copying the chosen file to the working copy.
    bool CopyingSource = false;
    std::unique_ptr<WaveConversion> Conversion;
    // How many times the conversion has refreshed its progress display.
    int ProgressPaints = 0;

protected:
    void closeEvent(QCloseEvent *event) override;
    // Clicks on the slider: a press jumps to the point clicked, the release plays from there.
    bool eventFilter(QObject *watched, QEvent *event) override;
    Dialogs &dialogs_;

private:
    QString programFolder_;
    Frmwait *waitWindow_ = nullptr;
    bool conversionFailed_ = false;
};

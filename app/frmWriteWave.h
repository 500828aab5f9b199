#pragma once
// The main window: every control, the form-level values and the event handlers. The
// handlers are declared here, grouped by the folder whose files define them.

#include "app/dialogs.h"
#include "audio/basslib.h"
#include "platform/mixer/mixer.h"
#include "ui/imagelist.h"

#include <QList>
#include <QMainWindow>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QFrame;
class QTimer;
class Frmwait;
class Mp3Encoder;
class WaveConversion;
class WindowFixture;
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
    const QString &programFolder() const { return programFolder_; }

    // --- audio/ -------------------------------------------------------------------------
    void Open1_Click();
    void ogg_Click();
    void aiff_Click();
    void btnLoadFile_Click();
    void btnConvert_Click();
    bool isConverting() const { return Converting; }
    bool isCopyingSource() const { return CopyingSource; }

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
    void about_Click();

protected:
    // --- app/ ---------------------------------------------------------------------------
    void closeEvent(QCloseEvent *event) override;
    // --- editor/ ------------------------------------------------------------------------
    // Clicks on the slider: a press jumps to the point clicked, the release plays from there.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class WindowFixture; // tests reach the controls and values through it

    // --- app/ ---------------------------------------------------------------------------
    void ConnectHandlers();
    // Finds, checks and starts the decoding library; false, after its message, when the
    // program cannot run with it.
    bool StartDecodingLibrary();
    void FillGotoLists();
    void Error_(const QString &message);
    // The groups of controls the handlers switch together, each defined once.
    QList<QWidget *> SourceControls() const;  // play, edit and cut the source
    QList<QWidget *> PlayingControls() const; // enabled once the source plays
    QList<QWidget *> ResultControls() const;  // act on the cut result
    static void SetEnabled(const QList<QWidget *> &controls, bool enabled);
    // Shows the open chooser for a source kind; the chosen path, or nothing on Cancel.
    std::optional<QString> ChooseSource(const QString &filter);

    // --- audio/ -------------------------------------------------------------------------
    void FinishWaveFile();
    // Decodes the channel into the working file and reports how that went.
    void ConvertSource();
    // Called after each converted block: progress display, the window's events, and
    // whether to go on.
    std::function<bool(int64_t, int64_t)> ConversionProgress();
    // Closes both players before a new source opens; refuses (false) while converting.
    bool CloseSourceForOpening();

    // --- editor/ ------------------------------------------------------------------------
    // The source player on the working file just written or chosen, with marks, slider
    // and labels for its whole length, and the window titled with `path`.
    void ShowOpenedSource(const QString &path);
    // The cut result is gone: its player closed, its file deleted, its controls off.
    void DiscardResult();

    // --- settings/ ----------------------------------------------------------------------
    void ApplyCaptions();
    void ConnectLanguageHandlers();

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

    Dialogs &dialogs_;
    QString programFolder_;
    Frmwait *waitWindow_ = nullptr;
    bool conversionFailed_ = false;
};

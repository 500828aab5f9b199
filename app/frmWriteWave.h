#pragma once
// The main window: every control, the form-level values and the event handlers. Handlers
// are declared here, grouped by the folder that defines them.

#include "app/dialogs.h"
#include "audio/basslib.h"

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <memory>

class QFrame;
class QTimer;
class MciPlayer;
class Mp3Encoder;
namespace Ui {
class frmWriteWave;
}

// The located master-volume control; its identifier is all that is used after start-up.
struct MixerControl {
    quint32 controlId = 0;
    quint32 controlType = 0;
    qint32 minimum = 0;
    qint32 maximum = 0;
};

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

    // --- settings/ ----------------------------------------------------------------------
    void LoadLanguage();

    // --- ui/ ----------------------------------------------------------------------------
    void InitMasterVolume();
    void ApplyPlaceholderImages();

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
    quint32 Chan = 0;
    qint32 DataLength = 0;
    qint16 OpenKind = 0;
    qint32 MarkIn = 0;
    qint32 MarkOut = 0;
    qint32 PlayIndex = 0;
    QStringList PromptTexts, MessageTexts, CaptionTexts, MenuTexts;

protected:
    Dialogs &dialogs_;

private:
    QString programFolder_;
};

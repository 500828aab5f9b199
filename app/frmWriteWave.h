#pragma once
// The main window: every control, the form-level values and the event handlers. The
// handlers are declared here, grouped by the folder whose files define them.

#include "app/dialogs.h"
#include "app/undohistory.h"
#include "app/window/buttonlighting.h"
#include "app/window/controlgroups.h"
#include "app/window/drivetenure.h"
#include "app/window/filechooser.h"
#include "app/window/mastervolume.h"
#include "app/window/waitwindow.h"
#include "app/window/windowtexts.h"
#include "audio/basslib.h"
#include "audio/sourceloader.h"
#include "clips/clipmodel.h"
#include "clips/outputjob.h"
#include "clips/session.h"
#include "core/mp3origin.h"
#include "core/outcome.h"
#include "core/peaktable.h"
#include "editor/loadedsound.h"
#include "editor/sourcesteps.h"
#include "ui/Frmwait.h"

#include <QList>
#include <QMainWindow>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QFrame;
class QTimer;
class CloseView;
class CloseViewBinding;
namespace trevisto::mp3enc {
class Mp3Encoder;
}
using trevisto::mp3enc::Mp3Encoder;
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

class frmWriteWave : public QMainWindow, private trevisto::LoadObserver, private trevisto::OutputObserver {
    Q_OBJECT

public:
    static constexpr const char *ProgramTitle = "Trevisto MP3 Editor";

    // `programFolder` holds the decoding library, the language files and the animation.
    frmWriteWave(Dialogs &dialogs, const QString &programFolder, QWidget *parent = nullptr);
    ~frmWriteWave() override;

    // --- app/ ---------------------------------------------------------------------------
    // Names the application. The window titles stay exactly the program's own: no
    // display name is appended to them.
    static void PrepareApplication();
    // The start-up sequence up to the first frame. False when it ended the program.
    bool Form_Load();
    // The rest of it, after a Form_Load that went on: the decoding library's checks, the
    // session's clips, the mixer, the Goto lists, the lit pictures and the window's icon;
    // then the controls they need. False when it ended the program.
    bool FinishStarting();
    void Exit1_Click();
    void CdmEnd_Click();
    // The system asked the program to end (a signal): it ends as a window close does.
    void EndFromOutside();
    // Opens a file named on the command line as its Open menu item would once chosen: a
    // WAV by content through Open Wav, anything else through the decoding library.
    void OpenGivenFile(const QString &path);

    // --- audio/ -------------------------------------------------------------------------
    void Open1_Click();
    void ogg_Click();
    void aiff_Click();
    void btnLoadFile_Click();
    void btnConvert_Click();

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

    // --- settings/ ----------------------------------------------------------------------
    void LoadLanguage();

    // --- clips/ -------------------------------------------------------------------------
    void CmdaddList_Click();
    void CmdUp_Click();
    void CmdDown_Click();
    void Command5_Click();
    void Command4_Click();
    void Timer1_Timer();
    void CmdPlayList_Click();
    void PlayNextClip();
    void CmdStopList_Click();
    void CmdPlayTemp_Click();
    void CmdStopTemp_Click();
    void CmdCreate_Click();
    void Command2_Click();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Mp3Enc1_Complete();
    // The Option menu's join options, kept in the settings, and the joint preview: the
    // two seconds around the selected clip's joint with the next, as the join makes them.
    void AddJoinItems();
    void JoinOptions_Click();
    void HearJoint_Click();
    void CmdSaveas_Click();
    void Command3_Click();

    // --- ui/ ----------------------------------------------------------------------------
    void about_Click();

    // --- tracks/ ------------------------------------------------------------------------
    // The Tracks menu: split points at the pauses of the sound (or of the marked range),
    // every N minutes, one added at the play position, the nearest removed, all cleared, and
    // the tracks between them added as clips.
    void FindPauses_Click();
    void SplitEvery_Click();
    void AddSplitPoint_Click();
    void RemoveSplitPoint_Click();
    void ClearSplitPoints_Click();
    void AddTracksAsClips_Click();
    // The Open menu's cue sheet item.
    void cue_Click();

protected:
    // --- app/ ---------------------------------------------------------------------------
    void closeEvent(QCloseEvent *event) override;
    // A sound file dropped on the window opens as one named on the command line does.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    friend class WindowFixture; // tests reach the controls and values through it

    // --- app/ ---------------------------------------------------------------------------
    void ConnectHandlers();
    enum class Ending { WindowClosed, Exit, EndButton };
    // Stops what runs, removes the working files `how` removes, releases the decoding
    // library and ends the program.
    void EndProgram(Ending how);

    // --- audio/ -------------------------------------------------------------------------
    // Everything the decoding Open items do once a file is chosen.
    void OpenDecodedSource(const QString &path);
    // True, after telling the user, while a source is still being converted or copied.
    bool RefuseWhileOpening();
    // Before the loader writes a new source: the wait window with its progress reset, and
    // editing locked until the loader reports the end.
    void BeginOpening(Frmwait::Job job);
    // The loader's reports: progress with the window's events after every block, and the
    // end, when the new source is shown or the window says why not.
    void loadProgress(int64_t written, int64_t total) override;
    void loadDone(const QString &notice) override;
    void loadFailed(const trevisto::LoadFailure &failure) override;
    // The new source took the loaded one's place: both players close, the cut result goes.
    void ReleaseLoadedSource();

    // --- editor/ ------------------------------------------------------------------------
    // Sets a mark to `ms`, its label showing `text`, as a step Undo takes back.
    void SetMark(trevisto::MarkStep::Mark mark, qint64 ms, const QString &text);
    // Sets both marks as one step, their labels showing their whole seconds.
    void SetMarkRange(qint64 markIn, qint64 markOut);
    // The source player on the working file just written or chosen, with marks, slider
    // and labels for its whole length, and the window titled with `path`.
    void ShowOpenedSource(const QString &path);
    // The cut result is gone: its player closed, its file deleted, its controls off.
    void DiscardResult();
    // The result player on the result file with the controls, slider strip and origin of
    // `result`; with none, or when the file does not open, the controls off.
    void ShowResult(const std::optional<trevisto::CutStep::Result> &result);
    // No source: the transport, marks and cut are off and the title names no file.
    void ShowNothingLoaded();
    // Everything Open Wav does once a file is chosen.
    void OpenWavSource(const QString &path);
    void OpenWavInPlace(const QString &path);
    // The marks as the slider's band.
    void ShowMarks();

    // --- settings/ ----------------------------------------------------------------------
    // Stores the item's language code, loads that language and marks the item. A code
    // that cannot be stored changes no text and marks nothing, after a message naming the
    // settings file and the reason.
    void ChooseLanguage(QAction *item, const char *code);

    // --- clips/ -------------------------------------------------------------------------
    void MoveSelectedClip(int step);
    // Takes the clips `ids` out of the list as the step `step`: their files wait for Undo.
    // List playback ends first; nothing is selected afterwards.
    void RemoveClips(std::vector<trevisto::ClipId> ids, const QString &step);
    void EndListPlayback();
    void StopListForJoining();
    // True, after telling the user, while an MP3 file is being written.
    bool RefuseWhileEncoding();
    // True, after a message naming it and saying why, when writing `destination` would
    // write over a clip, a working file, the loaded sound's file or the MP3 being written.
    bool RefuseProtectedDestination(const QString &destination);
    // Writes `request` behind the wait window, Undo held while the window's events run.
    void WriteOutput(const trevisto::OutputRequest &request);
    // With "Ask for tags when saving" on, the tag form for `request`'s file; false when the
    // user cancels it, and nothing is written.
    bool AskTags(trevisto::OutputRequest &request);
    void outputProgress(uint64_t done, uint64_t total) override;
    void outputEncoding() override;
    void outputDone(const trevisto::OutputDone &done) override;
    void outputFailed(const trevisto::OutputFailure &failure) override;

    // --- ui/ ----------------------------------------------------------------------------
    void Knob1_Change();

    // --- tracks/ ------------------------------------------------------------------------
    // A sound is loaded and nothing is being opened: split points can be proposed.
    bool SoundForTracks();
    // `plan` on screen: the close view's lines, the slider's ticks, the menu's items.
    void ShowSplitPlan(const trevisto::SplitPlan &plan);
    void ShowTrackItems();
    // The split points changed as a step Undo takes back.
    void ChangeSplitPlan(const QString &text, trevisto::SplitPlan after);
    // The frames the tracks are sought in: the marked range, else the whole sound.
    std::pair<int64_t, int64_t> TrackRange(uint32_t rate, int64_t frames) const;
    // Split point `index` dragged in the close view to `ms`.
    void MoveSplitPoint(int index, qint64 ms);
    // Opens the sound a cue sheet names, its tracks to become the split points; a sheet
    // that is bad or does not fit its sound changes nothing, after a message naming the line.
    void OpenCueSheet(const QString &path);
    // The sheet waiting for the sound just shown gives its split points.
    void ApplyPendingCue();
    // With its option on, a join gets a cue sheet beside it: a track for each clip, at its
    // start in the joined file. Called before the joined clips may go.
    void WriteJoinCueSheet(const trevisto::OutputDone &done);

    // Controls from the form, reachable by their names.
    Ui::frmWriteWave *ui = nullptr;
    std::array<QFrame *, 18> Shape1{};

    // Controls created in code.
    QTimer *Timer1 = nullptr;
    MciPlayer *MMaudio = nullptr;     // source player
    MciPlayer *MMControl1 = nullptr;  // cut-result player
    MciPlayer *MMCPlayList = nullptr; // clip-list player
    Mp3Encoder *Mp3Enc1 = nullptr;

    // Form-level values.
    BassLibrary Bass;
    qint32 BitRate = 0;
    MasterVolume volume_; // MixerHandle and VolumeControl, behind the knob
    ButtonLighting lighting_{*this}; // the picture lists and the lit buttons
    qint16 OpenKind = 0;
    qint32 MarkIn = 0;
    qint32 MarkOut = 0;
    qint32 PlayIndex = 0;
    WindowTexts texts_{*this, *ui}; // the tables of the pack LoadLanguage applied last
    // Writes each new source, with its envelope, and puts it in place.
    trevisto::SourceLoader loader_;
    LoadedSound source_; // Chan, DataLength, and where the sound and its cut came from

    Dialogs &dialogs_;
    QString programFolder_;
    FileChooser chooser_{dialogs_}; // the choosers, and the file last chosen or given to open
    WaitWindow wait_{*this, programFolder_}; // the wait window of the long jobs
    ControlGroups controls_{*ui}; // the groups the handlers switch together, and their holds
    std::unique_ptr<trevisto::OutputJob> output_; // writes the cut result and the joins
    trevisto::ClipList clips_;              // what List1 shows
    UndoHistory undo_;                      // the steps of the clips and of the loaded sound
    bool ending_ = false; // the program is ending: nothing more is shown
    DriveTenure drive_; // this copy's lock on the drive and the working files it owns
    CloseView *closeView_ = nullptr; // the close view of the source
    CloseViewBinding *closeViewBinding_ = nullptr; // where a mark placed goes
};

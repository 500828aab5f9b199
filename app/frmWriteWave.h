#pragma once
// The main window: every control, the form-level values and the event handlers. The
// handlers are declared here, grouped by the folder whose files define them.

#include "app/dialogs.h"
#include "app/instancelock.h"
#include "app/undohistory.h"
#include "audio/basslib.h"
#include "audio/sourceloader.h"
#include "clips/clipmodel.h"
#include "clips/outputjob.h"
#include "clips/session.h"
#include "core/drivehold.h"
#include "core/mp3origin.h"
#include "core/outcome.h"
#include "core/peaktable.h"
#include "editor/sourcesteps.h"
#include "platform/mixer/mixer.h"
#include "settings/message_language.h"
#include "ui/Frmwait.h"
#include "ui/imagelist.h"

#include <QElapsedTimer>
#include <QList>
#include <QMainWindow>
#include <QRect>
#include <QSize>
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
class FocusRing;
class CloseView;
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
namespace trevisto {
struct PackMessage;
}

// The located master-volume control; its identifier is all that is used after start-up.
using trevisto::mixer::MixerControl;

class frmWriteWave : public QMainWindow, private trevisto::LoadObserver, private trevisto::OutputObserver {
    Q_OBJECT

public:
    static constexpr const char *ProgramTitle = "Trevisto MP3 Editor";
    static constexpr const char *LibraryFileName = "libbass.so";

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
    const QString &programFolder() const { return programFolder_; }
    // Opens a file named on the command line as its Open menu item would once chosen: a
    // WAV by content through Open Wav, anything else through the decoding library.
    void OpenGivenFile(const QString &path);

    // --- audio/ -------------------------------------------------------------------------
    void Open1_Click();
    void ogg_Click();
    void aiff_Click();
    void btnLoadFile_Click();
    void btnConvert_Click();
    bool isConverting() const { return loader_.job() == trevisto::SourceLoader::Job::Converting; }
    bool isCopyingSource() const { return loader_.job() == trevisto::SourceLoader::Job::Copying; }

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
    void CmdSaveas_Click();
    void Command3_Click();

    // --- ui/ ----------------------------------------------------------------------------
    void about_Click();

protected:
    // --- app/ ---------------------------------------------------------------------------
    void closeEvent(QCloseEvent *event) override;
    // A sound file dropped on the window opens as one named on the command line does.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    // --- editor/ ------------------------------------------------------------------------
    // Clicks on the slider: a press jumps to the point clicked, the release plays from there.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class WindowFixture; // tests reach the controls and values through it

    // --- app/ ---------------------------------------------------------------------------
    void ConnectHandlers();
    // The form's fonts and frame style.
    void ApplyFormLook();
    // The client area the form was laid out for, and the window's least.
    static constexpr QSize DesignClientSize{808, 423};
    // Adds the close view under the slider and notes where each control that follows the
    // window's size sits at the design size.
    void KeepDesignPlaces();
    void PlaceControls(const QSize &client);
    // Places the controls when the client area changes size; true for that event.
    bool FollowClientSize(QObject *watched, QEvent *event);

    // --- editor/ (the close view) --------------------------------------------------------
    void ConnectCloseView();
    // A sound is open and its transport is not locked.
    bool SourceMovable() const;
    // Moves the play position: a running sound plays on from there, a standing one stays.
    void MovePlayPosition(qint64 ms);
    // While the sound stands, moves its position by `deltaMs`, within the sound.
    void StepPlayPosition(qint64 deltaMs);
    void ShowPlayPosition();
    // Plays [from, to) of the source and stops there.
    void PlayRange(qint64 from, qint64 to);
    // Shift+Space, [ and ], and their buttons in the close view: the marked range, the two
    // seconds from Mark In, the two seconds up to Mark Out.
    void PlayMarked();
    void PlayFromMarkIn();
    void PlayToMarkOut();
    // Sets a mark to `ms`, its label showing `text`, as a step Undo takes back.
    void SetMark(trevisto::MarkStep::Mark mark, qint64 ms, const QString &text);
    // Takes this copy's lock on drive C: and removes what an interrupted run left there;
    // false, after its message, when another copy holds it.
    bool TakeDrive();
    enum class Ending { WindowClosed, Exit, EndButton };
    // Stops what runs, removes the working files `how` removes, releases the decoding
    // library and ends the program.
    void EndProgram(Ending how);
    // Finds, checks and starts the decoding library; false, after its message, when the
    // program cannot run with it.
    bool StartDecodingLibrary();
    void FillGotoLists();
    void Error_(const QString &message);
    // The groups of controls the handlers switch together, each defined once.
    QList<QWidget *> TransportControls() const;  // play and mark the source
    QList<QWidget *> SourceControls() const;     // the transport and the cut
    QList<QWidget *> PlayingControls() const;    // enabled once the source plays
    QList<QWidget *> ResultControls() const;     // act on the cut result
    QList<QWidget *> ListLockedControls() const; // off while the list plays
    // Enables or disables `controls`. One that a hold keeps off keeps the new state for the
    // end of the last hold instead.
    void SetEnabled(const QList<QWidget *> &controls, bool enabled);
    // What keeps the list-locked controls off: a new source being written, the list playing.
    enum Hold { Opening = 1, ListPlayback = 2 };
    // Takes or ends `hold`. From the first hold to the end of the last the controls are off;
    // then they take the states the handlers set meanwhile, so they fit what is open then.
    void HoldControls(Hold hold, bool on);
    // While a new source is written, nothing may play, mark or cut the old one.
    void LockWhileOpening(bool lock);
    // Shows the chooser `request` asks for; the chosen path, which the next choosers that
    // offer the previous choice offer, or nothing on Cancel.
    std::optional<QString> Choose(const FileRequest &request);
    // Shows the open chooser for a source kind.
    std::optional<QString> ChooseSource(const QString &filter);

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
    // The keys of the transport, marks, cut and menu commands, and the focus ring.
    void ConnectShortcuts();
    // Each tooltip of a button with a key names that key.
    void ShowShortcutsInTooltips();
    // Space: pause while the source plays, play otherwise.
    void PlayOrPause();

    // --- settings/ ----------------------------------------------------------------------
    void ApplyCaptions();
    // The program's own texts of the controls and frames, in the language of its
    // messages: frame captions, the tooltips the packs lack, every control's accessible
    // name, and the picture buttons' descriptions.
    void ApplyControlTexts();
    // Tab visits the controls in the window's reading order.
    void SetTabOrder();
    // The message in the loaded pack's words, or in its own while none is loaded.
    QString PackText(const trevisto::PackMessage &message) const;
    void ConnectLanguageHandlers();
    // Stores the item's language code, loads that language and marks the item. A code
    // that cannot be stored changes no text and marks nothing, after a message naming the
    // settings file and the reason.
    void ChooseLanguage(QAction *item, const char *code);

    // --- clips/ -------------------------------------------------------------------------
    void ConnectClipHandlers();
    // The entry the list shows highlighted, or -1.
    int SelectedClip() const;
    // The list buttons as the list and its selection allow.
    void ShowListButtons();
    void MoveSelectedClip(int step);
    // Takes the clips `ids` out of the list as the step `step`: their files wait for Undo.
    // List playback ends first; nothing is selected afterwards.
    void RemoveClips(std::vector<trevisto::ClipId> ids, const QString &step);
    void EndListPlayback();
    void StopListForJoining();
    // True, after telling the user, while an MP3 file is being written.
    bool RefuseWhileEncoding();
    // The End button's question, saying on a second line what else it ends.
    QString EndQuestion() const;
    // True, after a message naming it and saying why, when writing `destination` would
    // write over a clip, a working file, the loaded sound's file or the MP3 being written.
    bool RefuseProtectedDestination(const QString &destination);
    // Writes `request` behind the wait window, Undo held while the window's events run.
    void WriteOutput(const trevisto::OutputRequest &request);
    void outputProgress(uint64_t done, uint64_t total) override;
    void outputEncoding() override;
    void outputDone(const trevisto::OutputDone &done) override;
    void outputFailed(const trevisto::OutputFailure &failure) override;
    // "Copy" chosen among the MP3 options: the cut's frames are copied from its MP3 source.
    bool CopyChosen() const;
    // The "Copy" option's caption and tooltip in the program's language.
    void ShowCopyOption();
    // "The file is saved" with `note` under it, then the question about the clips; `output`
    // names the MP3 file in the step that deletes them.
    void ReportMp3Saved(const QString &note, const QString &output);

    // --- ui/ ----------------------------------------------------------------------------
    void InitMasterVolume();
    void Knob1_Change();
    // Fills the list of pictures and gives each picture button its picture.
    void LoadButtonImages();
    // Fills the list of lit pictures and reports pointer moves over the lit buttons and the
    // frames that reset them.
    void WatchPointerMoves();
    void ResetButtonImages();
    // The pointer moved over `target`: a button that lights up or a frame's background.
    void PointerMove(QWidget *target);
    // The wait window, made at its first showing.
    Frmwait &WaitWindow();
    // The wait window shown for `job`, its progress reset.
    void ShowWaitWindow(Frmwait::Job job);

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
    // The program's own messages follow the pack that LoadLanguage applied last.
    MessageLanguage messageLanguage_;
    // Writes each new source, with its envelope, and puts it in place.
    trevisto::SourceLoader loader_;
    QString channelSource_; // the file the decoding channel Chan reads
    QString loadedSource_;  // the file the loaded sound came from; empty with none loaded
    QElapsedTimer sinceRepaint_; // of the wait window's progress

    Dialogs &dialogs_;
    QString programFolder_;
    QString previousChoice_; // the file last chosen in a chooser or given to open
    Frmwait *waitWindow_ = nullptr;
    int holds_ = 0; // the Hold values now on
    QList<QPair<QWidget *, bool>> heldStates_; // the held controls' states for the end of the holds
    std::unique_ptr<trevisto::OutputJob> output_; // writes the cut result and the joins
    std::optional<Mp3Source> sourceMp3_;   // the MP3 file the loaded sound was decoded from
    std::optional<Mp3Origin> resultOrigin_; // the source samples the cut result holds
    trevisto::ClipList clips_;              // what List1 shows
    UndoHistory undo_;                      // the steps of the clips and of the loaded sound
    bool ending_ = false; // the program is ending: nothing more is shown
    std::optional<trevisto::InstanceLock> instanceLock_; // this copy's hold on the drive
    bool ownsWorkingFiles_ = false; // start-up got past the lock: the working files are ours
    std::optional<trevisto::DriveHold> driveHold_; // while they are
    FocusRing *focusRing_ = nullptr;
    CloseView *closeView_ = nullptr; // the close view of the source
    std::vector<std::pair<QWidget *, QRect>> designPlaces_;
};

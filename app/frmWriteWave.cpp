#include "app/frmWriteWave.h"

#include "app/choosers.h"
#include "app/window/closeviewbinding.h"
#include "app/window/formlayout.h"
#include "app/window/sliderjump.h"
#include "app/window/windowkeys.h"
#include "audio/conversion.h"
#include "clips/cliploudness.h"
#include "core/routines.h"
#include "editor/timetext.h"
#include "core/workingfiles.h"
#include "platform/registry/registry.h"
#include "settings/registry_settings.h"
#include "platform/mci/player.h"
#include "platform/mp3enc/mp3encoder.h"
#include "ui/Frmwait.h"
#include "ui/closeview.h"
#include "ui/frmAbout.h"
#include "ui/pointermovewatch.h"
#include "ui_frmWriteWave.h"

#include <QAction>

#include <QListWidget>
#include <QTimer>

frmWriteWave::frmWriteWave(Dialogs &dialogs, const QString &programFolder, QWidget *parent)
    : QMainWindow(parent), ui(new Ui::frmWriteWave), dialogs_(dialogs), programFolder_(programFolder)
{
    ui->setupUi(this);
    closeView_ = new CloseView(ui->centralwidget);
    closeView_->setObjectName("CloseView1");
    new FormLayout(*this, *ui, *closeView_);
    setWindowTitle(ProgramTitle);
    // Drops are taken once start-up is done (FinishStarting).

    for (int i = 0; i < int(Shape1.size()); ++i)
        Shape1[i] = findChild<QFrame *>(QStringLiteral("Shape1_%1").arg(i));

    // The Option menu is hidden in the form; start-up shows it.
    ui->opt1->menuAction()->setVisible(false);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    // Started with the rest of start-up, once the list it keeps up to date is read.
    Timer1->setInterval(1000);

    MMaudio = new MciPlayer(this);
    MMaudio->setObjectName("MMaudio");
    MMControl1 = new MciPlayer(this);
    MMControl1->setObjectName("MMControl1");
    MMControl1->setNotifyStatus(true);
    MMCPlayList = new MciPlayer(this);
    MMCPlayList->setObjectName("MMCPlayList");
    Mp3Enc1 = new Mp3Encoder(this);
    Mp3Enc1->setObjectName("Mp3Enc1");
    output_ = std::make_unique<trevisto::OutputJob>(*Mp3Enc1);

    lighting_.LoadButtonImages();
    ConnectHandlers();
    texts_.ApplyControlTexts();
    texts_.SetTabOrder();
    // The design size is the least; the window grows from there and can be maximised.
    setMinimumSize(minimumSizeHint());
    resize(minimumSizeHint());
}

void frmWriteWave::PrepareApplication()
{
    QCoreApplication::setApplicationName("trevisto");
}

frmWriteWave::~frmWriteWave()
{
    // The list's entries go with the window: nothing may answer their going.
    ui->List1->model()->disconnect(this);
    // The helpers that watch the controls go first: the controls send signals and events as
    // they are taken down, after the form's description below is gone.
    const QObjectList children = this->children();
    for (QObject *child : children)
        if (qobject_cast<FormLayout *>(child) || qobject_cast<SliderJump *>(child) || qobject_cast<WindowKeys *>(child) ||
            qobject_cast<CloseViewBinding *>(child) || qobject_cast<PointerMoveWatch *>(child))
            delete child;
    delete ui;
}

void frmWriteWave::ConnectHandlers()
{
    connect(ui->Open1, &QAction::triggered, this, &frmWriteWave::Open1_Click);
    connect(ui->ogg, &QAction::triggered, this, &frmWriteWave::ogg_Click);
    connect(ui->aiff, &QAction::triggered, this, &frmWriteWave::aiff_Click);
    connect(ui->btnLoadFile, &QAbstractButton::clicked, this, &frmWriteWave::btnLoadFile_Click);
    connect(ui->btnConvert, &QAbstractButton::clicked, this, &frmWriteWave::btnConvert_Click);
    connect(ui->cmdwav, &QAction::triggered, this, &frmWriteWave::cmdwav_Click);
    connect(ui->CmdPlay, &QAbstractButton::clicked, this, &frmWriteWave::CmdPlay_Click);
    connect(ui->CmdPause, &QAbstractButton::clicked, this, &frmWriteWave::CmdPause_Click);
    connect(ui->CmdStop, &QAbstractButton::clicked, this, &frmWriteWave::CmdStop_Click);
    connect(ui->CmdStep, &QAbstractButton::clicked, this, &frmWriteWave::CmdStep_Click);
    connect(ui->CmdBack, &QAbstractButton::clicked, this, &frmWriteWave::CmdBack_Click);
    connect(ui->Slider1, &QSlider::sliderMoved, this, &frmWriteWave::Slider1_Scroll);
    // Keys and the wheel move the handle as a drag does; a drag reports itself through
    // sliderMoved. The value changes after the action is reported, so the scroll runs
    // once it has.
    connect(ui->Slider1, &QSlider::actionTriggered, this, [this](int action) {
        if (action != QAbstractSlider::SliderNoAction && !ui->Slider1->isSliderDown())
            QMetaObject::invokeMethod(this, &frmWriteWave::Slider1_Scroll, Qt::QueuedConnection);
    });
    // Clicks on the slider: a press jumps to the point clicked, the release plays from there.
    new SliderJump(*ui->Slider1, [this] { Slider1_Click(); }, this);
    connect(MMaudio, &MciPlayer::statusUpdate, this, &frmWriteWave::MMaudio_StatusUpdate);
    connect(MMControl1, &MciPlayer::statusUpdate, this, &frmWriteWave::MMControl1_StatusUpdate);
    connect(ui->CmdSetNew, &QAbstractButton::clicked, this, &frmWriteWave::CmdSetNew_Click);
    connect(ui->CmdSetin, &QAbstractButton::clicked, this, &frmWriteWave::CmdSetin_Click);
    connect(ui->CmdOut, &QAbstractButton::clicked, this, &frmWriteWave::CmdOut_Click);
    connect(ui->CmdGoto, &QAbstractButton::clicked, this, &frmWriteWave::CmdGoto_Click);
    connect(ui->about, &QAction::triggered, this, &frmWriteWave::about_Click);
    connect(ui->Exit1, &QAction::triggered, this, &frmWriteWave::Exit1_Click);
    connect(ui->CdmEnd, &QAbstractButton::clicked, this, &frmWriteWave::CdmEnd_Click);

    // List1 shows the clip list: one entry a clip, in its order. An entry that goes leaves
    // nothing selected; a moved one stays selected. Each entry's tooltip gives its clip's
    // length and, once measured in the background, its loudness.
    const auto showTip = [this](int row) {
        if (QListWidgetItem *item = ui->List1->item(row)) {
            const int64_t ms = trevisto::ClipLengthMs(NativePath(clips_.file(row)));
            item->setToolTip(trevisto::ClipToolTip(ms < 0 ? QString() : MillisecondText(ms),
                                                   clips_.items()[size_t(row)].loudness));
        }
    };
    connect(&clips_, &trevisto::ClipList::inserted, this, [this, showTip](int row) {
        ui->List1->insertItem(row, clips_.items()[size_t(row)].name);
        showTip(row);
    });
    connect(&clips_, &trevisto::ClipList::loudnessChanged, this, showTip);
    connect(&clips_, &trevisto::ClipList::removed, this, [this](int row) {
        delete ui->List1->takeItem(row);
        ui->List1->setCurrentRow(-1);
        ui->List1->clearSelection();
    });
    connect(&clips_, &trevisto::ClipList::moved, this, [this](int from, int to) {
        QListWidgetItem *item = ui->List1->takeItem(from);
        ui->List1->insertItem(to, item);
        ui->List1->setCurrentRow(to);
    });
    connect(&clips_, &trevisto::ClipList::reset, this, [this, showTip] {
        ui->List1->clear();
        ui->List1->addItems(clips_.names());
        for (int row = 0; row < clips_.count(); ++row)
            showTip(row);
        Timer1_Timer();
    });
    // The measuring belongs to the list, which ends it when it goes. Made after the view's
    // connections, so that a clip's entry is there before its measure changes.
    new trevisto::ClipLoudness(clips_, 0, &clips_);
    connect(Timer1, &QTimer::timeout, this, &frmWriteWave::Timer1_Timer);
    connect(ui->CmdaddList, &QAbstractButton::clicked, this, &frmWriteWave::CmdaddList_Click);
    connect(ui->CmdUp, &QAbstractButton::clicked, this, &frmWriteWave::CmdUp_Click);
    connect(ui->CmdDown, &QAbstractButton::clicked, this, &frmWriteWave::CmdDown_Click);
    connect(ui->Command5, &QAbstractButton::clicked, this, &frmWriteWave::Command5_Click);
    connect(ui->Command4, &QAbstractButton::clicked, this, &frmWriteWave::Command4_Click);
    // The list buttons follow the list and its selection at once; the tick stays as well.
    connect(ui->List1->selectionModel(), &QItemSelectionModel::selectionChanged, this, &frmWriteWave::Timer1_Timer);
    connect(ui->List1->selectionModel(), &QItemSelectionModel::currentChanged, this, &frmWriteWave::Timer1_Timer);
    connect(ui->List1->model(), &QAbstractItemModel::rowsInserted, this, &frmWriteWave::Timer1_Timer);
    connect(ui->List1->model(), &QAbstractItemModel::rowsRemoved, this, &frmWriteWave::Timer1_Timer);
    connect(ui->List1, &QListWidget::itemDoubleClicked, this, &frmWriteWave::CmdPlayList_Click);
    connect(ui->CmdPlayList, &QAbstractButton::clicked, this, &frmWriteWave::CmdPlayList_Click);
    connect(ui->CmdStopList, &QAbstractButton::clicked, this, &frmWriteWave::CmdStopList_Click);
    connect(MMCPlayList, &MciPlayer::done, this, &frmWriteWave::PlayNextClip);
    connect(ui->CmdPlayTemp, &QAbstractButton::clicked, this, &frmWriteWave::CmdPlayTemp_Click);
    connect(ui->CmdStopTemp, &QAbstractButton::clicked, this, &frmWriteWave::CmdStopTemp_Click);
    // Only the cut's Play runs the result player, and a Stop before the end reports
    // nothing: this is the cut played out (or unable to play), and the window comes back
    // as its Stop brings it back instead of staying locked with nothing playing.
    connect(MMControl1, &MciPlayer::done, this, [this] {
        if (!ending_)
            CmdStopTemp_Click();
    });
    connect(ui->CmdCreate, &QAbstractButton::clicked, this, &frmWriteWave::CmdCreate_Click);
    connect(ui->Command2, &QAbstractButton::clicked, this, &frmWriteWave::Command2_Click);
    connect(ui->Option1, &QAbstractButton::clicked, this, &frmWriteWave::Option1_Click);
    connect(ui->Option2, &QAbstractButton::clicked, this, &frmWriteWave::Option2_Click);
    connect(ui->Option3, &QAbstractButton::clicked, this, &frmWriteWave::Option3_Click);
    connect(ui->Option4, &QAbstractButton::clicked, this, &frmWriteWave::Option4_Click);
    connect(Mp3Enc1, &Mp3Encoder::completed, this, &frmWriteWave::Mp3Enc1_Complete);
    connect(Mp3Enc1, &Mp3Encoder::progress, this, [this](int percent) { wait_.form().setProgress(percent, 100); });
    connect(ui->CmdSaveas, &QAbstractButton::clicked, this, &frmWriteWave::CmdSaveas_Click);
    connect(ui->Command3, &QAbstractButton::clicked, this, &frmWriteWave::Command3_Click);
    undo_.attach(ui->EditUndo, ui->EditRedo);
    connect(ui->cue, &QAction::triggered, this, &frmWriteWave::cue_Click);
    connect(ui->TracksFindPauses, &QAction::triggered, this, &frmWriteWave::FindPauses_Click);
    connect(ui->TracksSplitEvery, &QAction::triggered, this, &frmWriteWave::SplitEvery_Click);
    connect(ui->TracksAddPoint, &QAction::triggered, this, &frmWriteWave::AddSplitPoint_Click);
    connect(ui->TracksRemovePoint, &QAction::triggered, this, &frmWriteWave::RemoveSplitPoint_Click);
    connect(ui->TracksClearPoints, &QAction::triggered, this, &frmWriteWave::ClearSplitPoints_Click);
    connect(ui->TracksAddClips, &QAction::triggered, this, &frmWriteWave::AddTracksAsClips_Click);
    // The items follow the sound when the menu opens; their keys check it as they act.
    connect(ui->Tracks, &QMenu::aboutToShow, this, &frmWriteWave::ShowTrackItems);
    connect(closeView_, &CloseView::splitPointDropped, this, &frmWriteWave::MoveSplitPoint);
    AddJoinItems();
    // Kept between runs, as the close view's snap option is.
    for (const auto &[option, key] : {std::pair{ui->TracksCueBesideJoins, QStringLiteral("CueBesideJoins")},
                                      std::pair{ui->OptionAskTags, QStringLiteral("AskForTags")}}) {
        option->setChecked(RegReadString(ProgramSettingsKey, key) == "1");
        connect(option, &QAction::toggled, this, [name = key](bool on) {
            RegWriteValue(ProgramSettingsKey, name, on ? 1 : 0, trevisto::registry::REG_DWORD);
        });
    }
    // A step changes the list and the cut result: what plays them stops first, as its stop
    // button would.
    connect(&undo_, &UndoHistory::aboutToStep, this, [this] {
        if (!ui->CmdStopList->isHidden() || MMCPlayList->isOpen())
            CmdStopList_Click();
        if (MMaudio->isOpen() && MMControl1->isOpen() && !ui->CmdPlay->isEnabled())
            CmdStopTemp_Click();
    });
    connect(ui->Knob1, &QDial::valueChanged, this, &frmWriteWave::Knob1_Change);
    // Each language item stores its code; the French one stays disabled.
    const std::pair<QAction *, const char *> languages[] = {
        {ui->english, "en"}, {ui->german, "ger"},   {ui->italian, "it"}, {ui->schinese, "sch"},
        {ui->tchinese, "tch"}, {ui->spanish, "spa"}, {ui->russian, "ru"},
    };
    for (const auto &[item, code] : languages)
        connect(item, &QAction::triggered, this, [this, item = item, code = code] { ChooseLanguage(item, code); });
    closeViewBinding_ = new CloseViewBinding(
        *this, *ui, *closeView_, *MMaudio,
        {[this] { return std::pair<qint64, qint64>(MarkIn, MarkOut); },
         [this](trevisto::MarkStep::Mark mark, qint64 ms, const QString &text) { SetMark(mark, ms, text); },
         [this](qint64 markIn, qint64 markOut) { SetMarkRange(markIn, markOut); }, [this] { CmdPlay_Click(); },
         [this](const QString &message) { dialogs_.msgBox(message, vbOKOnly, MsgIcon::Critical, ProgramTitle); }});
    new WindowKeys(*this, *ui, *MMaudio,
                   [binding = closeViewBinding_](qint64 deltaMs) { binding->StepPlayPosition(deltaMs); });
}

void frmWriteWave::about_Click()
{
    frmAbout::showAbout();
}

void frmWriteWave::Knob1_Change()
{
    volume_.setFromKnob(ui->Knob1->value());
}

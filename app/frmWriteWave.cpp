#include "app/frmWriteWave.h"

#include "app/choosers.h"
#include "audio/conversion.h"
#include "core/workingfiles.h"
#include "platform/mci/player.h"
#include "platform/mp3enc/mp3encoder.h"
#include "ui/Frmwait.h"
#include "ui/frmAbout.h"
#include "ui_frmWriteWave.h"

#include <QListWidget>
#include <QTimer>

frmWriteWave::frmWriteWave(Dialogs &dialogs, const QString &programFolder, QWidget *parent)
    : QMainWindow(parent), ui(new Ui::frmWriteWave), dialogs_(dialogs), programFolder_(programFolder)
{
    ui->setupUi(this);
    ApplyFormLook();
    KeepDesignPlaces();
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

    LoadButtonImages();
    ConnectHandlers();
    ApplyControlTexts();
    SetTabOrder();
    // The design size is the least; the window grows from there and can be maximised.
    setMinimumSize(minimumSizeHint());
    resize(minimumSizeHint());
}

// The form was laid out for a small dialog font, and its frames carry their captions on
// the border line.
void frmWriteWave::ApplyFormLook()
{
    ui->centralwidget->setMinimumSize(DesignClientSize);
    ui->centralwidget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    // The time texts fill their labels to the edge; a touch smaller keeps them whole.
    QFont tight = small;
    tight.setPointSizeF(7.5);
    for (QWidget *label : {static_cast<QWidget *>(ui->lblTime), static_cast<QWidget *>(ui->lblAudio),
                           static_cast<QWidget *>(ui->Label4)})
        label->setFont(tight);
    ui->centralwidget->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px; padding: 0 2px; }"));
}

void frmWriteWave::PrepareApplication()
{
    QCoreApplication::setApplicationName("trevisto");
}

frmWriteWave::~frmWriteWave()
{
    // The list's entries go with the window: nothing may answer their going.
    ui->List1->model()->disconnect(this);
    delete waitWindow_;
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
    ui->Slider1->installEventFilter(this);
    connect(MMaudio, &MciPlayer::statusUpdate, this, &frmWriteWave::MMaudio_StatusUpdate);
    connect(MMControl1, &MciPlayer::statusUpdate, this, &frmWriteWave::MMControl1_StatusUpdate);
    connect(ui->CmdSetNew, &QAbstractButton::clicked, this, &frmWriteWave::CmdSetNew_Click);
    connect(ui->CmdSetin, &QAbstractButton::clicked, this, &frmWriteWave::CmdSetin_Click);
    connect(ui->CmdOut, &QAbstractButton::clicked, this, &frmWriteWave::CmdOut_Click);
    connect(ui->CmdGoto, &QAbstractButton::clicked, this, &frmWriteWave::CmdGoto_Click);
    connect(ui->about, &QAction::triggered, this, &frmWriteWave::about_Click);
    connect(ui->Exit1, &QAction::triggered, this, &frmWriteWave::Exit1_Click);
    connect(ui->CdmEnd, &QAbstractButton::clicked, this, &frmWriteWave::CdmEnd_Click);

    ConnectClipHandlers();
    undo_.attach(ui->EditUndo, ui->EditRedo);
    // A step changes the list and the cut result: what plays them stops first, as its stop
    // button would.
    connect(&undo_, &UndoHistory::aboutToStep, this, [this] {
        if (!ui->CmdStopList->isHidden() || MMCPlayList->isOpen())
            CmdStopList_Click();
        if (MMaudio->isOpen() && MMControl1->isOpen() && !ui->CmdPlay->isEnabled())
            CmdStopTemp_Click();
    });
    connect(ui->Knob1, &QDial::valueChanged, this, &frmWriteWave::Knob1_Change);
    ConnectLanguageHandlers();
    ConnectShortcuts();
    ConnectCloseView();
}

void frmWriteWave::about_Click()
{
    frmAbout::showAbout();
}

Frmwait &frmWriteWave::WaitWindow()
{
    // Shown without owner, like the About box; it lives as long as the main window.
    if (!waitWindow_) {
        waitWindow_ = new Frmwait(programFolder_);
        waitWindow_->adjustSize();
        waitWindow_->move(geometry().center() - waitWindow_->rect().center());
    }
    return *waitWindow_;
}

void frmWriteWave::ShowWaitWindow(Frmwait::Job job)
{
    Frmwait &wait = WaitWindow();
    wait.setJob(job);
    wait.resetProgress();
    wait.show();
}

std::optional<QString> frmWriteWave::Choose(const FileRequest &request)
{
    std::optional<QString> chosen = dialogs_.fileDialog(request);
    if (!chosen)
        return chosen;
    // "ringtone" typed in the MP3 chooser is saved as "ringtone.mp3".
    if (request.save)
        chosen = withDefaultSuffix(*chosen, request.defaultSuffix);
    previousChoice_ = *chosen;
    return chosen;
}

std::optional<QString> frmWriteWave::ChooseSource(const QString &filter)
{
    return Choose(trevisto::openSourceRequest(filter, previousChoice_));
}

#include "app/frmWriteWave.h"

#include "app/choosers.h"
#include "app/window/closeviewbinding.h"
#include "app/window/formlayout.h"
#include "app/window/sliderjump.h"
#include "app/window/windowkeys.h"
#include "audio/conversion.h"
#include "core/workingfiles.h"
#include "platform/mci/player.h"
#include "platform/mp3enc/mp3encoder.h"
#include "ui/Frmwait.h"
#include "ui/closeview.h"
#include "ui/frmAbout.h"
#include "ui_frmWriteWave.h"

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
    setAcceptDrops(true);

    for (int i = 0; i < int(Shape1.size()); ++i)
        Shape1[i] = findChild<QFrame *>(QStringLiteral("Shape1_%1").arg(i));

    // The Option menu is hidden in the form; start-up shows it.
    ui->opt1->menuAction()->setVisible(false);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    Timer1->start();

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
    lighting_.WatchPointerMoves();
    ConnectLanguageHandlers();
    new WindowKeys(*this, *ui, *MMaudio);
    new CloseViewBinding(*this, *ui, *closeView_, *MMaudio,
                         {[this] { return std::pair<qint64, qint64>(MarkIn, MarkOut); },
                          [this](trevisto::MarkStep::Mark mark, qint64 ms, const QString &text) { SetMark(mark, ms, text); },
                          [this] { CmdPlay_Click(); }});
}

void frmWriteWave::about_Click()
{
    frmAbout::showAbout();
}

void frmWriteWave::Knob1_Change()
{
    volume_.setFromKnob(ui->Knob1->value());
}

#include "app/window/formlayout.h"

#include "ui/closeview.h"
#include "ui_frmWriteWave.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QRegularExpressionValidator>
#include <QResizeEvent>

#include <algorithm>

namespace {

// How a control follows the extra size: its left edge and width move by parts of the extra
// width of the sound's side (`sound`) and of the list's side (`list`), its top edge and
// height by parts of the extra height.
struct Follow {
    double moveBySound = 0, moveByList = 0, growBySound = 0, growByList = 0;
    double moveDown = 0, growDown = 0;
};

// The sound's side takes the first this many pixels of extra width, so that the close
// view is 1400 px wide on a 1600 px screen; beyond that the list takes half.
constexpr int kSoundFirst = 800;
// The close view takes the extra height, less a gap above the Time Frame; below this
// height it is not shown.
constexpr int kViewGap = 6;
constexpr int kViewLeast = CloseView::RulerHeight + CloseView::BarHeight + 24;

const Follow kRight{.moveBySound = 1};
const Follow kDown{.moveDown = 1};
const Follow kRightDown{.moveBySound = 1, .moveDown = 1};

// Controls not named here keep their place in their container.
const std::pair<const char *, Follow> kFollows[] = {
    {"Frame9", {.growBySound = 1}},
    {"Frame4", kRight},
    {"cmbHH", kRight},
    {"CmbMM", kRight},
    {"CmbSS", kRight},
    {"CmdGoto", kRight},
    {"CloseView1", {.growBySound = 1, .growDown = 1}},
    {"Frame6", {.growBySound = 1, .moveDown = 1}},
    {"Slider1", {.growBySound = 1, .moveDown = 1}},
    {"CmdBack", {.moveBySound = 0.5}},
    {"CmdPlay", {.moveBySound = 0.5}},
    {"CmdStop", {.moveBySound = 0.5}},
    {"CmdPause", {.moveBySound = 0.5}},
    {"CmdStep", {.moveBySound = 0.5}},
    {"Frame11", kRightDown},
    {"Frame7", {.growBySound = 1, .moveDown = 1}},
    {"Frame1", kDown},
    {"CmdSetin", kDown},
    {"CmdOut", kDown},
    {"CmdSetNew", kDown},
    {"Frame3", kRightDown},
    {"CmdSaveas", kRightDown},
    {"Frame10", {.moveBySound = 1, .growByList = 1, .growDown = 1}},
    {"List1", {.moveBySound = 1, .growByList = 1, .growDown = 1}},
    {"CmdPlayList", kDown},
    {"CmdStopList", kRightDown},
    {"CmdUp", {.moveBySound = 1, .moveByList = 1, .moveDown = 1}},
    {"CmdDown", {.moveBySound = 1, .moveByList = 1, .moveDown = 1}},
    {"Command5", {.moveBySound = 1, .growByList = 1, .moveDown = 1}},
    {"Command4", {.moveBySound = 1, .growByList = 1, .moveDown = 1}},
    {"Command2", {.moveBySound = 1, .growByList = 1, .moveDown = 1}},
    {"CmdCreate", {.moveBySound = 1, .growByList = 1, .moveDown = 1}},
    // Hidden below the client area at every size.
    {"btnLoadFile", kDown},
    {"btnConvert", kDown},
    {"lblPos", kDown},
    {"TxtProcess", kDown},
};

QRect Followed(const QRect &design, const Follow &f, int sound, int list, int down)
{
    const auto part = [](double share, int extra) { return int(share * extra + (share * extra >= 0 ? 0.5 : -0.5)); };
    return QRect(design.x() + part(f.moveBySound, sound) + part(f.moveByList, list), design.y() + part(f.moveDown, down),
                 design.width() + part(f.growBySound, sound) + part(f.growByList, list),
                 design.height() + part(f.growDown, down));
}

} // namespace

FormLayout::FormLayout(QMainWindow &window, Ui::frmWriteWave &ui, CloseView &closeView)
    : QObject(&window), window_(window), ui_(ui), client_(*ui.centralwidget), closeView_(closeView)
{
    ApplyFormLook();
    KeepDesignPlaces();
    // The Goto boxes take digits only.
    for (QComboBox *box : {ui_.cmbHH, ui_.CmbMM, ui_.CmbSS})
        if (QLineEdit *edit = box->lineEdit())
            edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
}

// The form was laid out for a small dialog font, and its frames carry their captions on
// the border line.
void FormLayout::ApplyFormLook()
{
    ui_.centralwidget->setMinimumSize(DesignClientSize);
    ui_.centralwidget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    QFont small = window_.font();
    small.setPointSize(8);
    window_.setFont(small);
    // The time texts fill their labels to the edge; a touch smaller keeps them whole.
    QFont tight = small;
    tight.setPointSizeF(7.5);
    for (QWidget *label : {static_cast<QWidget *>(ui_.lblTime), static_cast<QWidget *>(ui_.lblAudio),
                           static_cast<QWidget *>(ui_.Label4)})
        label->setFont(tight);
    ui_.centralwidget->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px; padding: 0 2px; }"));
}

void FormLayout::KeepDesignPlaces()
{
    // Between the top frames and the Time Frame, as wide as they are; no height at the design
    // size.
    closeView_.setGeometry(ui_.Frame9->x(), ui_.Frame9->geometry().bottom() + 3, ui_.Frame9->width(), 0);
    closeView_.hide();
    client_.installEventFilter(this);
    for (const auto &[name, follow] : kFollows)
        if (auto *w = window_.findChild<QWidget *>(QLatin1String(name)))
            designPlaces_.push_back({w, w->geometry()});
}

bool FormLayout::eventFilter(QObject *watched, QEvent *event)
{
    // The controls are placed, and the resize goes on to the client area as well.
    if (watched == &client_ && event->type() == QEvent::Resize)
        PlaceControls(static_cast<QResizeEvent *>(event)->size());
    return QObject::eventFilter(watched, event);
}

void FormLayout::FillGotoLists(Ui::frmWriteWave &ui)
{
    auto fill = [](QComboBox *box, int last) {
        for (int i = 0; i <= last; ++i)
            box->addItem(QStringLiteral("%1").arg(i, 2, 10, QChar('0')));
        box->setEditText(QStringLiteral("00"));
    };
    fill(ui.cmbHH, 12);
    fill(ui.CmbMM, 59);
    fill(ui.CmbSS, 59);
}

void FormLayout::PlaceControls(const QSize &client)
{
    const int wider = std::max(client.width() - DesignClientSize.width(), 0);
    const int taller = std::max(client.height() - DesignClientSize.height(), 0);
    const int sound = std::min(wider, kSoundFirst) + std::max(wider - kSoundFirst, 0) / 2;
    const int list = wider - sound;
    for (const auto &place : designPlaces_) {
        QWidget *widget = place.first;
        const QRect &design = place.second;
        const auto it = std::find_if(std::begin(kFollows), std::end(kFollows),
                                     [widget](const auto &f) { return widget->objectName() == QLatin1String(f.first); });
        QRect rect = Followed(design, it->second, sound, list, taller);
        if (widget == &closeView_) {
            rect.setHeight(std::max(rect.height() - kViewGap, 0));
            closeView_.setVisible(rect.height() >= kViewLeast);
        }
        widget->setGeometry(rect);
    }
}

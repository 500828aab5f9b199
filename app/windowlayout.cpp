// The window at any size from its design size up: extra width goes to the sound's side (the
// close view above the Time Frame, and the slider in it) and to the list, extra height to
// the close view and the list. Every control keeps its frame and its order.
#include "app/frmWriteWave.h"

#include "ui/closeview.h"
#include "ui_frmWriteWave.h"

#include <QResizeEvent>

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

void frmWriteWave::KeepDesignPlaces()
{
    closeView_ = new CloseView(ui->centralwidget);
    closeView_->setObjectName("CloseView1");
    // Between the top frames and the Time Frame, as wide as they are; no height at the design
    // size.
    closeView_->setGeometry(ui->Frame9->x(), ui->Frame9->geometry().bottom() + 3, ui->Frame9->width(), 0);
    closeView_->hide();
    ui->centralwidget->installEventFilter(this);
    for (const auto &[name, follow] : kFollows)
        if (auto *w = findChild<QWidget *>(QLatin1String(name)))
            designPlaces_.push_back({w, w->geometry()});
}

bool frmWriteWave::FollowClientSize(QObject *watched, QEvent *event)
{
    if (watched != ui->centralwidget || event->type() != QEvent::Resize)
        return false;
    PlaceControls(static_cast<QResizeEvent *>(event)->size());
    return true;
}

void frmWriteWave::PlaceControls(const QSize &client)
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
        if (widget == closeView_) {
            rect.setHeight(std::max(rect.height() - kViewGap, 0));
            closeView_->setVisible(rect.height() >= kViewLeast);
        }
        widget->setGeometry(rect);
    }
}

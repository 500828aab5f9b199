// Playing and seeking the source, its time label and the bars.
#include "app/frmWriteWave.h"

#include "editor/timetext.h"
#include "platform/mci/player.h"
#include "ui/closeview.h"
#include "ui_frmWriteWave.h"

#include <QMouseEvent>
#include <QRandomGenerator>
#include <QStyle>
#include <QStyleOptionSlider>

void frmWriteWave::CmdPlay_Click()
{
    MMaudio->setCommand("Play");
    ui->btnLoadFile->setEnabled(false);
    SetEnabled(PlayingControls(), true);
}

void frmWriteWave::CmdPause_Click()
{
    MMaudio->setCommand("Pause");
}

void frmWriteWave::CmdStop_Click()
{
    MMaudio->setCommand("Prev");
    MMaudio->setCommand("Stop");
    ui->btnLoadFile->setEnabled(true);
}

void frmWriteWave::CmdStep_Click()
{
    MMaudio->setStartPosition(MMaudio->position() + 1000);
    MMaudio->setCommand("Play");
    SetEnabled(PlayingControls(), true);
}

void frmWriteWave::CmdBack_Click()
{
    MMaudio->setStartPosition(MMaudio->position() - 2000);
    MMaudio->setCommand("Play");
}

void frmWriteWave::Slider1_Click()
{
    MMaudio->setStartPosition(qint64(ui->Slider1->value()) * 1000);
    MMaudio->setCommand("Play");
    SetEnabled(PlayingControls(), true);
}

void frmWriteWave::Slider1_Scroll()
{
    MMaudio->setStartPosition(qint64(ui->Slider1->value()) * 1000);
    MMaudio->setCommand("Play");
    ui->lblAudio->setText(PositionText(*MMaudio));
}

bool frmWriteWave::eventFilter(QObject *watched, QEvent *event)
{
    FollowClientSize(watched, event);
    if (watched == ui->Slider1 && ui->Slider1->isEnabled()) {
        if (event->type() == QEvent::MouseButtonPress) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            QStyleOptionSlider option;
            option.initFrom(ui->Slider1);
            option.orientation = Qt::Horizontal;
            option.minimum = ui->Slider1->minimum();
            option.maximum = ui->Slider1->maximum();
            option.sliderPosition = ui->Slider1->sliderPosition();
            const QRect handle =
                ui->Slider1->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, ui->Slider1);
            // A press beside the handle moves it to the point, not by a page.
            if (mouse->button() == Qt::LeftButton && !handle.contains(mouse->position().toPoint())) {
                const int span = ui->Slider1->width() - handle.width();
                const int x = int(mouse->position().x()) - handle.width() / 2;
                ui->Slider1->setValue(QStyle::sliderValueFromPosition(ui->Slider1->minimum(), ui->Slider1->maximum(),
                                                                      x, span));
                return true;
            }
        } else if (event->type() == QEvent::MouseButtonRelease &&
                   static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            // Let the slider finish its own drag first, then play from where it stands.
            QMetaObject::invokeMethod(this, &frmWriteWave::Slider1_Click, Qt::QueuedConnection);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmWriteWave::MMaudio_StatusUpdate()
{
    const qint64 position = MMaudio->position();
    const qint64 length = MMaudio->length();
    ui->lblAudio->setText(PositionText(*MMaudio));
    // While the user holds the handle, it stays where the user puts it.
    if (!ui->Slider1->isSliderDown())
        ui->Slider1->setValue(WholeSeconds(position));
    closeView_->setPosition(position);
    if (MMaudio->state() == MciPlayer::State::Playing)
        closeView_->followPosition();
    if (position == length)
        return;

    for (QFrame *bar : Shape1)
        bar->setVisible(false);
    QRandomGenerator *random = QRandomGenerator::global();
    const int last = int(random->generateDouble() * 17);
    const int first = int(random->generateDouble() * 5);
    for (int i = first; i <= last; ++i) {
        Shape1[i]->setVisible(true);
        QPalette palette = Shape1[i]->palette();
        palette.setColor(QPalette::Window, QColor(2, 0, 0));
        Shape1[i]->setPalette(palette);
        Shape1[i]->setAutoFillBackground(true);
    }
}

void frmWriteWave::MMControl1_StatusUpdate()
{
    ui->Label4->setText(PositionText(*MMControl1));
}

// Playing and seeking the source, its time label and the bars.
#include "app/frmWriteWave.h"

#include "editor/timetext.h"
#include "platform/mci/player.h"
#include "ui/closeview.h"
#include "ui_frmWriteWave.h"

#include <QRandomGenerator>

void frmWriteWave::CmdPlay_Click()
{
    MMaudio->setCommand("Play");
    ui->btnLoadFile->setEnabled(false);
    controls_.SetEnabled(controls_.PlayingControls(), true);
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
    controls_.SetEnabled(controls_.PlayingControls(), true);
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
    controls_.SetEnabled(controls_.PlayingControls(), true);
}

void frmWriteWave::Slider1_Scroll()
{
    MMaudio->setStartPosition(qint64(ui->Slider1->value()) * 1000);
    MMaudio->setCommand("Play");
    ui->lblAudio->setText(PositionText(MMaudio->position(), MMaudio->length()));
}

void frmWriteWave::MMaudio_StatusUpdate()
{
    const qint64 position = MMaudio->position();
    const qint64 length = MMaudio->length();
    ui->lblAudio->setText(PositionText(MMaudio->position(), MMaudio->length()));
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
    ui->Label4->setText(PositionText(MMControl1->position(), MMControl1->length()));
}

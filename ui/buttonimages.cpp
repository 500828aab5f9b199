// Pictures of the picture buttons.
#include "app/frmWriteWave.h"

#include "ui_frmWriteWave.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace {

// A plain framed square: the buttons carry a picture and stay recognisable as buttons
// until their artwork is drawn.
QIcon placeholderIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 90, 110), 1.5));
    painter.setBrush(QColor(200, 205, 220));
    painter.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2.5, 2.5);
    return QIcon(pixmap);
}

} // namespace

void frmWriteWave::ApplyPlaceholderImages()
{
    const QIcon icon = placeholderIcon();
    for (QPushButton *b : {ui->CmdGoto, ui->CmdBack, ui->CmdPlay, ui->CmdStop, ui->CmdPause, ui->CmdStep, ui->CmdSetin,
                           ui->CmdOut, ui->CmdSetNew, ui->CmdSaveas, ui->CmdPlayTemp, ui->CmdStopTemp, ui->Command3,
                           ui->CdmEnd, ui->CmdaddList, ui->CmdPlayList, ui->CmdStopList, ui->CmdUp, ui->CmdDown,
                           ui->Command5, ui->Command4, ui->Command2, ui->CmdCreate}) {
        b->setIcon(icon);
        // A button with a caption keeps room for its words.
        if (!b->text().isEmpty())
            b->setIconSize(QSize(10, 10));
    }
}

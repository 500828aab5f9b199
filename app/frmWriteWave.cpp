#include "app/frmWriteWave.h"

#include "ui_frmWriteWave.h"

#include <QTimer>

frmWriteWave::frmWriteWave(Dialogs &dialogs, const QString &programFolder, QWidget *parent)
    : QMainWindow(parent), ui(new Ui::frmWriteWave), cmd(dialogs), dialogs_(dialogs), programFolder_(programFolder)
{
    ui->setupUi(this);
    ui->centralwidget->setFixedSize(808, 423);
    // The form was laid out for a small dialog font, and its frames carry their captions
    // on the border line.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    ui->centralwidget->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px; padding: 0 2px; }"));
    setWindowTitle(ProgramTitle);

    for (int i = 0; i < int(Shape1.size()); ++i)
        Shape1[i] = findChild<QFrame *>(QStringLiteral("Shape1_%1").arg(i));

    // The Option menu is hidden in the form; start-up shows it.
    ui->opt1->menuAction()->setVisible(false);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    Timer1->start();

    ApplyPlaceholderImages();
    adjustSize();
    setFixedSize(sizeHint());
}

frmWriteWave::~frmWriteWave()
{
    delete ui;
}

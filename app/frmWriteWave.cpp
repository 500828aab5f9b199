#include "app/frmWriteWave.h"

#include "ui_frmWriteWave.h"

#include <QTimer>

frmWriteWave::frmWriteWave(Dialogs &dialogs, const QString &programFolder, QWidget *parent)
    : QMainWindow(parent), ui(new Ui::frmWriteWave), cmd(dialogs), dialogs_(dialogs), programFolder_(programFolder)
{
    ui->setupUi(this);
    ui->centralwidget->setFixedSize(808, 423);
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

// The ways the program ends.
#include "app/frmWriteWave.h"

#include <QCloseEvent>

void frmWriteWave::closeEvent(QCloseEvent *event)
{
    // A conversion in progress stops at its next block and completes the file so far.
    if (Converting)
        Converting = false;
    QMainWindow::closeEvent(event);
}

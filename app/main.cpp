#include "app/frmWriteWave.h"
#include "app/qtdialogs.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    frmWriteWave::PrepareApplication();

    QtDialogs dialogs;
    frmWriteWave window(dialogs, QApplication::applicationDirPath());
    dialogs.setParent(&window);
    if (!window.Form_Load())
        return 1;
    window.show();
    return app.exec();
}

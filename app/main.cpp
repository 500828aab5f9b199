#include "app/commandline.h"
#include "app/displaycheck.h"
#include "app/frmWriteWave.h"
#include "app/qtdialogs.h"
#include "app/runtimefolder.h"
#include "app/signalending.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    // Qt would end a start without a display in an abort that blames the installation.
    if (const std::optional<std::string> missing = trevisto::MissingDisplayMessage(argc, argv)) {
        std::fprintf(stderr, "%s\n", missing->c_str());
        return 1;
    }
    trevisto::ensureRuntimeFolder();
    QApplication app(argc, argv);
    frmWriteWave::PrepareApplication();
    const std::optional<QString> given = fileToOpen(app.arguments().mid(1), QDir::currentPath());

    QtDialogs dialogs;
    frmWriteWave window(dialogs, QApplication::applicationDirPath());
    dialogs.setParent(&window);
    // A signal to end takes the window close's way out, also before the window is shown.
    trevisto::SignalEnding endOnSignal([&window] { window.EndFromOutside(); });
    if (!window.Form_Load())
        return 1;
    // Taller than the design size, so that the close view of the sound is shown.
    window.resize(window.minimumSize() + QSize(0, 170));
    window.show();
    // Opened from the event loop, so the window is on screen under the wait window and
    // any refusal.
    if (given)
        QTimer::singleShot(0, &window, [&window, path = *given] { window.OpenGivenFile(path); });
    return app.exec();
}

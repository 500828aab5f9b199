#include "app/commandline.h"
#include "app/displaycheck.h"
#include "app/firstframe.h"
#include "app/frmWriteWave.h"
#include "app/qtdialogs.h"
#include "app/runtimefolder.h"
#include "app/signalending.h"

#include <QApplication>
#include <QDir>

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
    trevisto::ReleaseCheckedDisplay();
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
    // What the first frame does not need comes once it is on screen, and a file named on the
    // command line opens after that, under the started window and any refusal.
    trevisto::FirstFrame::after(window, [&window, given] {
        if (window.FinishStarting() && given)
            window.OpenGivenFile(*given);
    });
    return app.exec();
}

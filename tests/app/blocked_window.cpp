// A program whose window's thread is asked to end by a signal, for the ending tests. It
// installs the program's signal ending, remembers FILE for an ending at once as the
// program remembers its working files, says "ready" and then:
//
//   blocked_window blocked PATIENCE_MS FILE
//       never runs its event loop again, as a window stuck in a long job;
//   blocked_window slow PATIENCE_MS FILE
//       runs it, and the ending asked for takes three seconds before it exits with 0.

#include "app/signalending.h"
#include "platform/io/exitcleanup.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    const bool blocked = std::strcmp(argv[1], "blocked") == 0;
    const trevisto::io::ExitCleanup::Remembered file = trevisto::io::ExitCleanup::remember(argv[3]);
    trevisto::SignalEnding ending(
        [] {
            std::this_thread::sleep_for(std::chrono::seconds(3));
            std::fflush(nullptr);
            std::_Exit(0);
        },
        nullptr, std::chrono::milliseconds(std::atoi(argv[2])));
    std::printf("ready\n");
    std::fflush(stdout);
    if (blocked)
        for (;;)
            std::this_thread::sleep_for(std::chrono::seconds(1));
    return app.exec();
}

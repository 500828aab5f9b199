#pragma once
// Ends the program through the window's own ending when the system asks it to: SIGTERM
// (kill, a logout), SIGINT (Ctrl+C in a terminal) and SIGHUP (the terminal gone). The
// handler only writes a byte to a pipe; the event loop reads it and calls `end`, so the
// ending runs where every other ending runs, with the players stopped and the working
// files removed.
//
// A signal must end the program even when the window's thread is stuck. A second signal,
// or the first one when the event loop has not taken it up within `patience`, ends it at
// once: the files io::ExitCleanup remembers are removed and the program exits with 128
// and the signal's number, as a shell reports a program a signal ended. That ending uses
// only calls a signal handler may make, from the handler itself or from a watchdog thread.

#include <QObject>

#include <chrono>
#include <functional>
#include <thread>

class QSocketNotifier;

namespace trevisto {

class SignalEnding : public QObject {
public:
    static constexpr std::chrono::milliseconds kPatience{2000};

    // At most one at a time: the signals have one handler each.
    explicit SignalEnding(std::function<void()> end, QObject *parent = nullptr,
                          std::chrono::milliseconds patience = kPatience);
    // Puts the default handlers back.
    ~SignalEnding() override;
    SignalEnding(const SignalEnding &) = delete;
    SignalEnding &operator=(const SignalEnding &) = delete;

private:
    void watch();

    std::function<void()> end_;
    QSocketNotifier *notifier_ = nullptr;
    std::chrono::milliseconds patience_;
    std::thread watchdog_;
};

} // namespace trevisto

#pragma once
// Ends the program through the window's own ending when the system asks it to: SIGTERM
// (kill, a logout), SIGINT (Ctrl+C in a terminal) and SIGHUP (the terminal gone). The
// handler only writes a byte to a pipe; the event loop reads it and calls `end`, so the
// ending runs where every other ending runs, with the players stopped and the working
// files removed.

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace trevisto {

class SignalEnding : public QObject {
public:
    // At most one at a time: the signals have one handler each.
    explicit SignalEnding(std::function<void()> end, QObject *parent = nullptr);
    // Puts the default handlers back.
    ~SignalEnding() override;
    SignalEnding(const SignalEnding &) = delete;
    SignalEnding &operator=(const SignalEnding &) = delete;

private:
    std::function<void()> end_;
    QSocketNotifier *notifier_ = nullptr;
};

} // namespace trevisto

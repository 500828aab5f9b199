#include "app/signalending.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace trevisto {
namespace {

constexpr int kSignals[] = {SIGHUP, SIGINT, SIGTERM};

// The pipe the handler writes to: [0] read by the event loop, [1] written by the handler.
int pipeFds[2] = {-1, -1};

extern "C" void onSignal(int signal)
{
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    // A full pipe already holds a request to end; one more adds nothing.
    [[maybe_unused]] const ssize_t n = ::write(pipeFds[1], &byte, 1);
    errno = saved;
}

void setHandlers(void (*handler)(int))
{
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int s : kSignals)
        ::sigaction(s, &action, nullptr);
}

} // namespace

SignalEnding::SignalEnding(std::function<void()> end, QObject *parent) : QObject(parent), end_(std::move(end))
{
    if (pipeFds[0] >= 0 || ::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0)
        std::abort(); // a second instance, or no descriptors left at start-up
    notifier_ = new QSocketNotifier(pipeFds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        unsigned char bytes[16];
        while (::read(pipeFds[0], bytes, sizeof bytes) > 0) {
        }
        if (end_)
            end_();
    });
    setHandlers(&onSignal);
}

SignalEnding::~SignalEnding()
{
    setHandlers(SIG_DFL);
    delete notifier_;
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
    pipeFds[0] = pipeFds[1] = -1;
}

} // namespace trevisto

#include "app/signalending.h"

#include "platform/io/exitcleanup.h"

#include <QSocketNotifier>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace trevisto {
namespace {

constexpr int kSignals[] = {SIGHUP, SIGINT, SIGTERM};

// What the watchdog's pipe carries besides a signal's number.
constexpr unsigned char kAnswered = 0xFE; // the event loop took the signal up
constexpr unsigned char kStop = 0xFF;     // the object is going

// The pipe the handler writes to: [0] read by the event loop, [1] written by the handler.
int pipeFds[2] = {-1, -1};
// The watchdog's: [0] read by its thread, [1] written by the handler and the event loop.
int watchFds[2] = {-1, -1};

std::atomic<int> signalsReceived{0};
static_assert(std::atomic<int>::is_always_lock_free, "a signal handler may touch only lock-free atomics");

void writeByte(int fd, unsigned char byte)
{
    // A full pipe already holds a request to end; one more adds nothing.
    [[maybe_unused]] const ssize_t n = ::write(fd, &byte, 1);
}

// The ending that cannot wait for the window: only async-signal-safe calls.
[[noreturn]] void endAtOnce(int signal)
{
    io::ExitCleanup::removeAllNow();
    ::_exit(128 + signal);
}

extern "C" void onSignal(int signal)
{
    const int saved = errno;
    if (signalsReceived.fetch_add(1) >= 1)
        endAtOnce(signal);
    // The watchdog hears of the signal before the event loop can answer it.
    writeByte(watchFds[1], static_cast<unsigned char>(signal));
    writeByte(pipeFds[1], static_cast<unsigned char>(signal));
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

// The next byte on the watchdog's pipe, or -1 when `timeoutMs` (-1: no limit) passed.
int nextByte(int timeoutMs)
{
    pollfd p{watchFds[0], POLLIN, 0};
    for (;;) {
        const int ready = ::poll(&p, 1, timeoutMs);
        if (ready == 0)
            return -1;
        if (ready < 0 && errno == EINTR)
            continue; // a signal on this thread; its byte follows
        unsigned char byte;
        const ssize_t n = ::read(watchFds[0], &byte, 1);
        if (n == 1)
            return byte;
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        return kStop; // the pipe is broken: nothing more can be watched
    }
}

} // namespace

SignalEnding::SignalEnding(std::function<void()> end, QObject *parent, std::chrono::milliseconds patience)
    : QObject(parent), end_(std::move(end)), patience_(patience)
{
    if (pipeFds[0] >= 0 || ::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0 || ::pipe2(watchFds, O_CLOEXEC | O_NONBLOCK) != 0)
        std::abort(); // a second instance, or no descriptors left at start-up
    signalsReceived.store(0);
    notifier_ = new QSocketNotifier(pipeFds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        unsigned char bytes[16];
        while (::read(pipeFds[0], bytes, sizeof bytes) > 0) {
        }
        writeByte(watchFds[1], kAnswered);
        if (end_)
            end_();
    });
    watchdog_ = std::thread([this] { watch(); });
    setHandlers(&onSignal);
}

void SignalEnding::watch()
{
    // Signals are the handler's, on the other threads.
    sigset_t all;
    sigfillset(&all);
    ::pthread_sigmask(SIG_BLOCK, &all, nullptr);
    for (;;) {
        int byte = nextByte(-1);
        if (byte == kStop)
            return;
        if (byte == kAnswered)
            continue;
        // A first signal: the event loop has `patience_` to take it up. A second signal
        // is the handler's own to end with.
        const int signal = byte;
        const auto deadline = std::chrono::steady_clock::now() + patience_;
        for (;;) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            byte = nextByte(int(std::max<int64_t>(0, left.count())));
            if (byte == kStop)
                return;
            if (byte == kAnswered)
                break;
            if (byte < 0)
                endAtOnce(signal);
        }
    }
}

SignalEnding::~SignalEnding()
{
    setHandlers(SIG_DFL);
    writeByte(watchFds[1], kStop);
    watchdog_.join();
    delete notifier_;
    for (int *fds : {pipeFds, watchFds}) {
        ::close(fds[0]);
        ::close(fds[1]);
        fds[0] = fds[1] = -1;
    }
}

} // namespace trevisto

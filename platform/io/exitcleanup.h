#pragma once
// The files to remove when the program must end at once: from a signal handler, or from a
// watchdog while the window's thread is stuck. Their paths are copied beforehand into
// fixed slots as C strings, so that removing them takes nothing but unlink(): no memory
// is allocated and no lock is taken, which a signal handler may not do.

#include <string>

namespace trevisto::io {

class ExitCleanup {
public:
    // Files remembered at the same time; a writer beyond that is only swept at the next
    // start.
    static constexpr int kSlots = 32;

    // One slot's files while it lives: forgotten when it is destroyed.
    class Remembered {
    public:
        Remembered() = default;
        Remembered(Remembered &&other) noexcept;
        Remembered &operator=(Remembered &&other) noexcept;
        Remembered(const Remembered &) = delete;
        Remembered &operator=(const Remembered &) = delete;
        ~Remembered() { forget(); }

        bool holds() const { return slot_ >= 0; }
        void forget();

    private:
        friend class ExitCleanup;
        explicit Remembered(int slot) : slot_(slot) {}
        int slot_ = -1;
    };

    // Remembers `file`, and `then`, a file removed right after it (a note about the first
    // one); absolute paths, `then` may be empty. Holds nothing when every slot is taken or
    // a path is longer than the system's limit.
    static Remembered remember(const std::string &file, const std::string &then = {});

    // Removes every remembered file. Async-signal-safe and callable from any thread; a
    // slot filled or forgotten meanwhile is passed over whole or removed whole.
    static void removeAllNow();
};

} // namespace trevisto::io

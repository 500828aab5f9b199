#pragma once
// One running copy per drive: an exclusive lock on a file in the drive, held for as long
// as the object lives. The system drops the lock with the process, so a copy that was
// killed never blocks the next start.

#include <QString>

#include <optional>

namespace trevisto {

class InstanceLock {
public:
    enum class Result { Taken, HeldElsewhere, Unavailable };

    // Tries to take the lock on `file`, creating it where missing. Unavailable when the
    // file can be neither made nor opened (a read-only drive without one, say): the
    // caller goes on unguarded rather than refuse to run.
    static Result take(const QString &file, std::optional<InstanceLock> &out);

    InstanceLock(InstanceLock &&other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    InstanceLock &operator=(InstanceLock &&other) noexcept;
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;
    ~InstanceLock();

private:
    explicit InstanceLock(int fd) : fd_(fd) {}
    int fd_ = -1;
};

} // namespace trevisto

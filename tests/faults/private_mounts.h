#pragma once
// A mount namespace of the test process's own, so that the tmpfs mounts of the tests are
// seen by no other process and vanish with this one.

#include <QString>

namespace PrivateMounts {

// Enters the namespace and makes every mount in it private. Must run before any thread
// starts: the system refuses a new mount namespace to a process with several threads.
void enter();

// Empty once enter() succeeded; else why mounts cannot be made here.
const QString &unavailable();

// Mounts a tmpfs of `bytes` over the folder `dir`; empty on success, else the reason.
QString mountTmpfs(const QString &dir, qint64 bytes);
// Makes the tmpfs at `dir` read-only, or writable again.
QString setReadOnly(const QString &dir, bool readOnly);
QString unmount(const QString &dir);

} // namespace PrivateMounts

#pragma once
// Reading a file the program keeps (settings, the clip list, a language pack) without ever
// waiting on it. A FIFO or a device put under such a name would block an ordinary open
// until a writer came, and start-up with it; such a file is refused instead, as a file the
// program did not write.

#include <cstddef>
#include <string>

namespace trevisto::io {

// The refusal of a file that is neither a plain file nor missing (a device, a pipe, a
// socket, a folder); systemReason() phrases it like the system's own errors.
constexpr int kNotAPlainFile = -2;

// A descriptor open for reading on the plain file `path` (links are followed), in
// blocking mode again and closed on exec; -1 with `*error` set to the errno of the
// refusing call, or kNotAPlainFile.
int openRegularFile(const char *path, int *error);

// At most `limit` bytes of the plain file `path` into `bytes`: 0, or ENOENT when nothing
// is there, or the errno of the call that failed, or kNotAPlainFile. Ask one byte past
// the largest acceptable size to tell a file that is too long.
int readRegularFile(const std::string &path, size_t limit, std::string &bytes);

} // namespace trevisto::io

#include "platform/io/writeall.h"

#include <cerrno>

#include <unistd.h>

namespace trevisto::io {

bool writeAll(int fd, const void *data, size_t bytes)
{
    auto *p = static_cast<const char *>(data);
    while (bytes > 0) {
        const ssize_t n = ::write(fd, p, bytes);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        bytes -= size_t(n);
    }
    return true;
}

} // namespace trevisto::io

#include "platform/io/writeall.h"

#include <cerrno>

#include <unistd.h>

namespace trevisto::io {

int writeFully(int fd, const void *data, size_t bytes, int64_t offset)
{
    auto *p = static_cast<const char *>(data);
    while (bytes > 0) {
        const ssize_t n = offset < 0 ? ::write(fd, p, bytes) : ::pwrite(fd, p, bytes, off_t(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return ENOSPC;
        p += n;
        bytes -= size_t(n);
        if (offset >= 0)
            offset += n;
    }
    return 0;
}

} // namespace trevisto::io

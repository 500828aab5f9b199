#include "platform/io/regularfile.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trevisto::io {

int openRegularFile(const char *path, int *error)
{
    // Looked at before the open as well: opening some devices has effects of its own.
    struct stat st {};
    if (::stat(path, &st) != 0) {
        *error = errno;
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        *error = kNotAPlainFile;
        return -1;
    }
    // The name may change hands between the two looks; O_NONBLOCK keeps the open of a
    // FIFO from waiting, and the second look refuses it.
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        *error = errno;
        return -1;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        *error = S_ISREG(st.st_mode) ? errno : kNotAPlainFile;
        ::close(fd);
        return -1;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags != -1)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

int readRegularFile(const std::string &path, size_t limit, std::string &bytes)
{
    bytes.clear();
    int error = 0;
    const int fd = openRegularFile(path.c_str(), &error);
    if (fd < 0)
        return error;
    char buffer[8192];
    while (bytes.size() < limit) {
        const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, limit - bytes.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = errno;
            break;
        }
        if (n == 0)
            break;
        bytes.append(buffer, size_t(n));
    }
    ::close(fd);
    if (error)
        bytes.clear();
    return error;
}

} // namespace trevisto::io

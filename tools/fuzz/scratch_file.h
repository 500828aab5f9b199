#pragma once
// An in-memory file with a path, for code under test that opens files by name. Each
// input replaces the whole content; the path stays the same for the process's life.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include <sys/mman.h>
#include <unistd.h>

class ScratchFile {
public:
    ScratchFile() : fd_(::memfd_create("fuzz-input", MFD_CLOEXEC))
    {
        if (fd_ < 0)
            std::abort();
        path_ = "/proc/self/fd/" + std::to_string(fd_);
    }
    ~ScratchFile() { ::close(fd_); }
    ScratchFile(const ScratchFile &) = delete;
    ScratchFile &operator=(const ScratchFile &) = delete;

    // Aborts on failure: a harness that silently tests an empty file finds nothing.
    const std::string &hold(const uint8_t *data, size_t size)
    {
        if (::ftruncate(fd_, 0) != 0)
            std::abort();
        size_t done = 0;
        while (done < size) {
            const ssize_t n = ::pwrite(fd_, data + done, size - done, static_cast<off_t>(done));
            if (n <= 0)
                std::abort();
            done += static_cast<size_t>(n);
        }
        return path_;
    }

private:
    int fd_;
    std::string path_;
};

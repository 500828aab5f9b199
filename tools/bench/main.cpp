// trevisto-bench JOB ARGS...: runs one of the program's heavy jobs on its own and
// reports figures on one line, for timing and memory measurements.

#include "tools/bench/bass_loader.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using trevisto::bench::BassApi;

constexpr DWORD kBlockBytes = 20000; // the program's read size

// decode FILE: open FILE as the program does, pull all of its PCM and discard it.
int decodeJob(int argc, char **argv)
{
    if (argc != 1)
        return -1;
    const char *path = argv[0];

    BassApi bass;
    std::string error;
    if (!trevisto::bench::loadBass(bass, error)) {
        std::fprintf(stderr, "trevisto-bench: %s\n", error.c_str());
        return 2;
    }

    const auto start = std::chrono::steady_clock::now();
    if (!bass.Init(0, 44100, 0, nullptr, nullptr)) {
        std::fprintf(stderr, "trevisto-bench: the decoding library did not start (error %d)\n", bass.ErrorGetCode());
        return 2;
    }
    DWORD handle = bass.StreamCreateFile(0, path, 0, 0, BASS_STREAM_DECODE);
    if (!handle)
        handle = bass.StreamCreateURL(path, 0, BASS_STREAM_DECODE | BASS_STREAM_BLOCK, nullptr, nullptr);
    if (!handle)
        handle = bass.MusicLoad(0, path, 0, 0, BASS_STREAM_DECODE | BASS_MUSIC_PRESCAN | BASS_MUSIC_RAMP, 0);
    if (!handle) {
        std::fprintf(stderr, "trevisto-bench: %s: no decoder accepts this file (error %d)\n", path,
                     bass.ErrorGetCode());
        bass.Free();
        return 1;
    }

    const DWORD reported = bass.ChannelGetLength(handle);
    std::vector<unsigned char> block(kBlockBytes);
    unsigned long long delivered = 0;
    int status = 0;
    while (bass.ChannelIsActive(handle)) {
        const DWORD n = bass.ChannelGetData(handle, block.data(), kBlockBytes);
        if (n == static_cast<DWORD>(-1) || n == 0) {
            std::fprintf(stderr, "trevisto-bench: %s: decoding stopped after %llu bytes (error %d)\n", path,
                         delivered, bass.ErrorGetCode());
            status = 1;
            break;
        }
        delivered += n;
    }
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    bass.ChannelFree(handle);
    bass.Free();

    std::printf("reported=%u delivered=%llu seconds=%.3f\n", reported, delivered, seconds.count());
    if (status == 0 && delivered != reported) {
        std::fprintf(stderr, "trevisto-bench: %s: delivered length differs from the reported one\n", path);
        status = 1;
    }
    return status;
}

struct Job {
    const char *name;
    const char *arguments;
    int (*run)(int argc, char **argv); // -1: wrong arguments
};

constexpr Job kJobs[] = {
    {"decode", "FILE", decodeJob},
};

void printUsage()
{
    std::fprintf(stderr, "usage:");
    const char *separator = " ";
    for (const Job &job : kJobs) {
        std::fprintf(stderr, "%strevisto-bench %s %s", separator, job.name, job.arguments);
        separator = " | ";
    }
    std::fprintf(stderr, "\n");
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 2) {
        for (const Job &job : kJobs) {
            if (std::strcmp(argv[1], job.name) != 0)
                continue;
            const int status = job.run(argc - 2, argv + 2);
            if (status >= 0)
                return status;
            break;
        }
    }
    printUsage();
    return 64;
}

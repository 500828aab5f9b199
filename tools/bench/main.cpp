// trevisto-bench JOB ARGS...: runs one of the program's heavy jobs on its own and
// reports figures on one line, for timing and memory measurements. Each job goes through
// the same code the window uses.

#include "bench.h"

#include <cstdio>
#include <cstring>

namespace {

using namespace trevisto::bench;

struct Job {
    const char *name;
    const char *arguments;
    int (*run)(int argc, char **argv); // -1: wrong arguments
};

constexpr Job kJobs[] = {
    {"decode", "FILE", decodeJob},
    {"convert", "[--no-peaks] FILE OUT.wav", convertJob},
    {"cut", "[--sync] IN.wav OUT.wav IN_MS OUT_MS", cutJob},
    {"join",
     "[--match LUFS] [--crossfade MS] [--fade-in MS] [--fade-out MS] [--cue] [--chapters] "
     "OUT.wav|OUT.mp3|OUT.flac|OUT.ogg|OUT.opus CLIP...",
     joinJob},
    {"loudness", "[--threads N] FILE.wav", loudnessJob},
    {"encode", "[--threads N] IN.wav OUT.mp3|OUT.flac|OUT.ogg|OUT.opus KBPS", encodeJob},
    {"seams", "SOURCE.wav STRETCHED.wav WHOLE.wav STRETCHES", seamsJob},
    {"copycut", "[--no-sync] [--samples] IN.mp3 OUT.mp3 IN_MS OUT_MS", copycutJob},
    {"copyjoin",
     "[--no-sync] [--clips DIR] [--match LUFS] [--crossfade MS] [--fade-in MS] [--fade-out MS] [--cue] [--chapters] "
     "OUT.mp3 SRC.mp3:IN_MS:OUT_MS...",
     copyjoinJob},
    {"drawview", "FILE.wav", drawviewJob},
    {"pauses", "FILE.wav [--threshold DBFS] [--min-pause MS] [--min-track MS] [--keep-pause MS] [--every MIN]",
     pausesJob},
    {"cue", "SHEET.cue", cueJob},
    {"tracks", "FILE.wav OUTDIR [--every MIN] [--threshold DBFS] [--min-pause MS] [--min-track MS]", tracksJob},
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

// Writes the wait window's busy animation to the file named on the command line.
#include "loadingclip.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.avi\n", argv[0]);
        return 2;
    }
    const std::vector<std::uint8_t> clip = avigen::makeLoadingClip();
    std::FILE *out = std::fopen(argv[1], "wb");
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    const bool written = std::fwrite(clip.data(), 1, clip.size(), out) == clip.size();
    if (std::fclose(out) != 0 || !written) {
        std::perror(argv[1]);
        std::remove(argv[1]);
        return 1;
    }
    return 0;
}

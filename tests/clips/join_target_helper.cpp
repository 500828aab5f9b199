// join_target_helper full|readonly|fits FOLDER CLIP...
// In a mount namespace of its own, mounts a 1 MiB tmpfs over FOLDER, puts a file
// "joined.wav" holding "keep" there, makes the tmpfs read-only for "readonly", and joins
// the clips into FOLDER/joined.wav. Prints "ok" or "failed: <reason>", then one line
// "<name> <size>" per file left in FOLDER. For "fits", the joined file is copied out to
// FOLDER.copy first. Exits 77 when the namespace or the mount cannot be had.

#include "clips/joiner.h"

#include <QFile>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include <sched.h>
#include <sys/mount.h>

int main(int argc, char **argv)
{
    if (argc < 4)
        return 64;
    const std::string mode = argv[1], folder = argv[2];
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=1m") != 0) {
        std::printf("skip: %s\n", std::strerror(errno));
        return 77;
    }
    const std::string output = folder + "/joined.wav";
    if (std::FILE *f = std::fopen(output.c_str(), "wb")) {
        std::fputs("keep", f);
        std::fclose(f);
    }
    if (mode == "readonly" &&
        ::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
        std::printf("skip: %s\n", std::strerror(errno));
        return 77;
    }

    QStringList clips;
    for (int i = 3; i < argc; ++i)
        clips << QFile::decodeName(argv[i]);
    const Outcome outcome = JoinClips(clips, QFile::decodeName(output.c_str()));
    if (outcome)
        std::printf("ok\n");
    else
        std::printf("failed: %s\n", outcome.why.toLocal8Bit().constData());
    if (mode == "fits")
        std::filesystem::copy_file(output, folder + ".copy", std::filesystem::copy_options::overwrite_existing);
    for (const auto &entry : std::filesystem::directory_iterator(folder))
        std::printf("%s %llu\n", entry.path().filename().c_str(),
                    static_cast<unsigned long long>(entry.file_size()));
    return 0;
}

// Builds a .lng language file from its readable source:
//
//   langgen REFERENCE SOURCE OUTPUT
//
// REFERENCE is the English source. Every entry it names must be named, with a non-empty
// text, in SOURCE too, and every table gets the reference's length, so the entries of all
// languages stand at the same indexes.
#include "langsource.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

bool readSource(const char *path, langgen::Source &source)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "langgen: cannot read %s\n", path);
        return false;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string error;
    if (!langgen::parseSource(text, source, error)) {
        std::fprintf(stderr, "%s: %s\n", path, error.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: langgen REFERENCE SOURCE OUTPUT\n");
        return 2;
    }
    langgen::Source reference, source;
    if (!readSource(argv[1], reference) || !readSource(argv[2], source))
        return 1;

    int sizes[langgen::TableCount] = {};
    bool complete = true;
    for (int t = 0; t < langgen::TableCount; ++t) {
        const auto &wanted = reference.entries[t];
        sizes[t] = wanted.empty() ? 0 : wanted.rbegin()->first + 1;
        for (const auto &[index, text] : wanted) {
            const auto it = source.entries[t].find(index);
            if (it == source.entries[t].end() || it->second.empty()) {
                std::fprintf(stderr, "%s: %s %d is missing\n", argv[2], langgen::tableName(langgen::Table(t)), index);
                complete = false;
            }
        }
        for (const auto &[index, text] : source.entries[t]) {
            if (!wanted.count(index)) {
                std::fprintf(stderr, "%s: %s %d is not in %s\n", argv[2], langgen::tableName(langgen::Table(t)), index,
                             argv[1]);
                complete = false;
            }
        }
    }
    if (!complete)
        return 1;

    std::string bytes, error;
    if (!langgen::buildLanguageFile(source, sizes, bytes, error)) {
        std::fprintf(stderr, "%s: %s\n", argv[2], error.c_str());
        return 1;
    }
    // Written beside the target and renamed, so a failed run leaves no half file.
    const std::string temp = std::string(argv[3]) + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), std::streamsize(bytes.size()));
        out.close();
        if (!out) {
            std::fprintf(stderr, "langgen: cannot write %s\n", temp.c_str());
            std::remove(temp.c_str());
            return 1;
        }
    }
    if (std::rename(temp.c_str(), argv[3]) != 0) {
        std::fprintf(stderr, "langgen: cannot write %s\n", argv[3]);
        std::remove(temp.c_str());
        return 1;
    }
    return 0;
}

#include "platform/drive/drive.h"

#include <cctype>
#include <cstdlib>
#include <system_error>

namespace fs = std::filesystem;

namespace drive {

fs::path prefix()
{
    if (const char *p = std::getenv("TREVISTO_PREFIX"); p && *p)
        return fs::path(p);
    if (const char *x = std::getenv("XDG_DATA_HOME"); x && *x)
        return fs::path(x) / "trevisto";
    const char *home = std::getenv("HOME");
    return fs::path(home && *home ? home : "/tmp") / ".local/share/trevisto";
}

bool isDrivePath(std::string_view path)
{
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
           (path.size() == 2 || path[2] == '\\' || path[2] == '/');
}

static bool equalsFolded(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The directory entry of `dir` that names `component` regardless of case, or `component`
// itself when there is none.
static std::string matchEntry(const fs::path &dir, const std::string &component)
{
    std::error_code ec;
    if (fs::exists(fs::symlink_status(dir / component, ec)))
        return component;
    fs::directory_iterator it(dir, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (equalsFolded(name, component))
            return name;
    }
    return component;
}

std::string toNative(std::string_view path)
{
    if (!isDrivePath(path))
        return std::string(path);

    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(path[0])));
    fs::path result = prefix() / (std::string("drive_") + letter);
    std::error_code ec;
    fs::create_directories(result, ec);

    std::string_view rest = path.substr(2);
    bool trailingSeparator = false;
    int depth = 0;
    while (!rest.empty()) {
        const size_t sep = rest.find_first_of("\\/");
        const std::string_view part = rest.substr(0, sep);
        if (sep == std::string_view::npos) {
            rest = {};
        } else {
            rest = rest.substr(sep + 1);
            trailingSeparator = rest.empty();
        }
        if (part.empty() || part == ".")
            continue;
        if (part == "..") {
            // Never climb out of the drive's root.
            if (depth > 0) {
                result = result.parent_path();
                --depth;
            }
            continue;
        }
        result /= matchEntry(result, std::string(part));
        ++depth;
    }
    std::string out = result.string();
    if (trailingSeparator)
        out += '/';
    return out;
}

} // namespace drive

#include "app/runtimefolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace trevisto {

std::string fallbackRuntimeFolder(const std::string &tempFolder, unsigned uid)
{
    std::string base = tempFolder.empty() ? std::string("/tmp") : tempFolder;
    while (base.size() > 1 && base.back() == '/')
        base.pop_back();
    return base + (base == "/" ? "" : "/") + "runtime-" + std::to_string(uid);
}

bool prepareRuntimeFolder(const std::string &folder)
{
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    // lstat: a link planted under the shared temporary folder is not followed.
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
        return false;
    if ((st.st_mode & 0777) != 0700 && ::chmod(folder.c_str(), 0700) != 0)
        return false;
    return true;
}

void ensureRuntimeFolder(const std::string &tempFolder)
{
    const char *set = std::getenv("XDG_RUNTIME_DIR");
    if (set && *set)
        return;
    const char *tmp = std::getenv("TMPDIR");
    const std::string base = !tempFolder.empty() ? tempFolder : (tmp && *tmp ? tmp : "/tmp");
    const std::string folder = fallbackRuntimeFolder(base, ::geteuid());
    if (prepareRuntimeFolder(folder))
        setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
}

} // namespace trevisto

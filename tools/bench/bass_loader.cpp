#include "tools/bench/bass_loader.h"

#include <dlfcn.h>
#include <filesystem>

namespace trevisto::bench {

namespace {

template <typename F>
bool resolve(void *lib, const char *name, F &target, std::string &error)
{
    target = reinterpret_cast<F>(dlsym(lib, name));
    if (!target)
        error = std::string("libbass.so lacks ") + name;
    return target != nullptr;
}

} // namespace

bool loadBass(BassApi &api, std::string &error)
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        error = "cannot find the executable's folder";
        return false;
    }
    const std::string path = (exe.parent_path() / "libbass.so").string();
    void *lib = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!lib) {
        const char *why = dlerror();
        error = why ? why : ("cannot load " + path);
        return false;
    }
    return resolve(lib, "BASS_Init", api.Init, error) && resolve(lib, "BASS_Free", api.Free, error) &&
           resolve(lib, "BASS_ErrorGetCode", api.ErrorGetCode, error) &&
           resolve(lib, "BASS_StreamCreateFile", api.StreamCreateFile, error) &&
           resolve(lib, "BASS_StreamCreateURL", api.StreamCreateURL, error) &&
           resolve(lib, "BASS_MusicLoad", api.MusicLoad, error) &&
           resolve(lib, "BASS_ChannelFree", api.ChannelFree, error) &&
           resolve(lib, "BASS_ChannelGetLength", api.ChannelGetLength, error) &&
           resolve(lib, "BASS_ChannelIsActive", api.ChannelIsActive, error) &&
           resolve(lib, "BASS_ChannelGetData", api.ChannelGetData, error);
}

} // namespace trevisto::bench

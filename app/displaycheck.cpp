#include "app/displaycheck.h"

#include <dlfcn.h>

#include <cstdlib>
#include <cstring>
#include <sstream>
#include <vector>

namespace trevisto {

namespace {

// "wayland;xcb" and "xcb:option=value" as Qt reads them: names tried in order, each with
// its options after a colon.
std::vector<std::string> platformNames(const std::string &platform)
{
    std::vector<std::string> names;
    std::stringstream list(platform);
    for (std::string name; std::getline(list, name, ';');) {
        name = name.substr(0, name.find(':'));
        if (!name.empty())
            names.push_back(name);
    }
    return names;
}

bool isWayland(const std::string &name) { return name.rfind("wayland", 0) == 0; }

std::string environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

// The connection the check made, open until Qt has made its own: an X server whose last
// client leaves resets itself, and Qt's first connection would then wait for the reset
// (tens of milliseconds on a fresh virtual display, a quarter of a start).
struct HeldConnection {
    using Disconnect = void (*)(void *);
    void *library = nullptr;
    void *connection = nullptr;
    Disconnect disconnect = nullptr;

    void release()
    {
        if (connection && disconnect)
            disconnect(connection);
        connection = nullptr;
        if (library)
            ::dlclose(library);
        library = nullptr;
    }
};

HeldConnection held;

// Through the library Qt's own X platform loads, so the program links nothing more. Where
// it cannot be loaded, Qt cannot reach an X server either; the check then leaves the
// verdict to Qt.
bool connectsToX(const std::string &display)
{
    using Connect = void *(*)(const char *, int *);
    using HasError = int (*)(void *);
    held.release();
    void *library = ::dlopen("libxcb.so.1", RTLD_LAZY | RTLD_LOCAL);
    if (!library)
        return true;
    const auto connect = reinterpret_cast<Connect>(::dlsym(library, "xcb_connect"));
    const auto hasError = reinterpret_cast<HasError>(::dlsym(library, "xcb_connection_has_error"));
    const auto disconnect = reinterpret_cast<HeldConnection::Disconnect>(::dlsym(library, "xcb_disconnect"));
    held.library = library;
    if (!connect || !hasError || !disconnect)
        return true;
    held.disconnect = disconnect;
    held.connection = connect(display.c_str(), nullptr);
    const bool connected = held.connection && hasError(held.connection) == 0;
    if (!connected)
        held.release();
    return connected;
}

} // namespace

std::optional<std::string> MissingDisplayMessage(const DisplaySetting &setting, const XConnectTry &connects,
                                                 const std::string &program)
{
    const std::vector<std::string> names = platformNames(setting.platform);
    // Unset, Qt tries X, or Wayland first in a Wayland session.
    bool x = names.empty(), wayland = names.empty();
    for (const std::string &name : names) {
        if (name == "xcb")
            x = true;
        else if (isWayland(name))
            wayland = true;
        else
            return std::nullopt; // drawn without a display: offscreen, a frame buffer, VNC
    }
    // A Wayland compositor is left to Qt to reach: it says clearly when it cannot.
    if (wayland && !setting.waylandDisplay.empty())
        return std::nullopt;
    if (x && !setting.x11Display.empty() && connects(setting.x11Display))
        return std::nullopt;
    const std::string why = !x                            ? "WAYLAND_DISPLAY is not set"
                            : setting.x11Display.empty() ? "DISPLAY is not set"
                                                          : "the display \"" + setting.x11Display +
                                                                "\" cannot be reached";
    return program + ": no display to show the window on (" + why + "); without one, start it as: xvfb-run -a " +
           program;
}

std::optional<std::string> MissingDisplayMessage(int argc, char **argv)
{
    DisplaySetting setting{environment("QT_QPA_PLATFORM"), environment("DISPLAY"), environment("WAYLAND_DISPLAY")};
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            setting.platform = argv[i + 1];
    std::string program = argc > 0 && argv[0] && *argv[0] ? argv[0] : "trevisto";
    if (program.find("/libexec/") != std::string::npos)
        program = "trevisto";
    return MissingDisplayMessage(setting, connectsToX, program);
}

void ReleaseCheckedDisplay()
{
    held.release();
}

} // namespace trevisto

#pragma once
// Whether the window has a display to go on, asked before Qt is: without one, Qt ends the
// program in an abort, after a message that blames the installation.

#include <functional>
#include <optional>
#include <string>

namespace trevisto {

struct DisplaySetting {
    std::string platform;       // QT_QPA_PLATFORM, or the -platform argument: "xcb", "wayland;xcb", ...
    std::string x11Display;     // DISPLAY
    std::string waylandDisplay; // WAYLAND_DISPLAY
};

// Tries the X server that `display` names; true when it accepts the connection.
using XConnectTry = std::function<bool(const std::string &display)>;

// The one line to print before ending with status 1 when the window has no display;
// nothing when it has one, or when Qt is told to draw elsewhere (offscreen, a frame buffer).
// `program` is the name the line tells the user to start under a virtual display.
std::optional<std::string> MissingDisplayMessage(const DisplaySetting &setting, const XConnectTry &connects,
                                                 const std::string &program);

// The same for this process: its environment, its -platform argument, a real connection
// to the X server, and the name it was started under (the installed program's own folder
// is left out: the launcher on the PATH is what users start).
std::optional<std::string> MissingDisplayMessage(int argc, char **argv);

// Closes the connection the check above left open to the X server that answered. Called
// once Qt has opened its own: a server that loses its last client resets itself, and a
// client that connects during the reset waits for it.
void ReleaseCheckedDisplay();

} // namespace trevisto

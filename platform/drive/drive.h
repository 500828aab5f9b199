#pragma once
// Drive C: of the program's working files lives in a folder of the user's data area.
// "C:\Temp\x.wav" becomes <prefix>/drive_c/Temp/x.wav. Names on the drive are matched
// without regard to letter case, as the program's paths expect; native paths are left alone.

#include <filesystem>
#include <string>
#include <string_view>

namespace drive {

// $TREVISTO_PREFIX, else $XDG_DATA_HOME/trevisto, else ~/.local/share/trevisto.
std::filesystem::path prefix();

// True for "X:\..." and "X:/..." (and a bare "X:").
bool isDrivePath(std::string_view path);

// Native path for a drive path; any other path is returned unchanged. Each existing
// component is matched case-insensitively (an exact match wins); components that do not
// exist yet keep the spelling given. The drive's root folder is created when missing.
std::string toNative(std::string_view path);

} // namespace drive

#pragma once
// The one way the program ends. In the running program it never returns; a test installs a
// hook instead and sees that the program ended, and with what code.

#include <functional>

namespace ProgramEnd {

using Hook = std::function<void(int code)>;

// Replaces the ending with `hook` (nullptr restores the real ending).
void setHook(Hook hook);
// Ends the program at once: no further window event runs.
void end(int code);

} // namespace ProgramEnd

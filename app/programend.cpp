#include "app/programend.h"

#include <cstdio>
#include <cstdlib>

namespace ProgramEnd {

static Hook &hook()
{
    static Hook h;
    return h;
}

void setHook(Hook h) { hook() = std::move(h); }

void end(int code)
{
    if (hook()) {
        hook()(code);
        return;
    }
    std::fflush(nullptr);
    std::_Exit(code);
}

} // namespace ProgramEnd

#pragma once
// The process's sound output. The system's default output is used when it can be
// opened; otherwise output goes to a silent driver that keeps the same timing, and one
// warning line says so on stderr (once per process).
//
// The sound library is loaded at the first open, not with the program: it brings two dozen
// libraries of its own (sound servers, display protocols) that would slow every start.

#include <SDL.h>

namespace trevisto::mci::audio {

// Opens an output device for `want` (exactly that format; the library converts to the
// hardware's). 0 when even the silent driver fails.
SDL_AudioDeviceID open(const SDL_AudioSpec &want, SDL_AudioSpec *have);
void close(SDL_AudioDeviceID device);
// Pauses or resumes a device that open() returned; a pause returns once no callback runs.
void pause(SDL_AudioDeviceID device, bool paused);

// The driver in use, for diagnostics ("" before the first open).
const char *driverName();

} // namespace trevisto::mci::audio

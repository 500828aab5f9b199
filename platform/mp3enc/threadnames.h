#pragma once

#include <thread>

#include <pthread.h>

namespace trevisto::mp3enc {

// The encoder's threads carry names (at most 15 characters), so that a thread list shows
// what each one does and a check can find them among the threads of the process.
inline constexpr const char *kJobThreadName = "mp3 encoding";
inline constexpr const char *kStretchThreadName = "mp3 stretch";

// Named by the thread that made it, at once: a new thread carries its maker's name until then.
inline void nameThread(std::thread &thread, const char *name)
{
    pthread_setname_np(thread.native_handle(), name);
}

} // namespace trevisto::mp3enc

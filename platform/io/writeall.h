#pragma once
// Writing a whole buffer to a descriptor, through short writes and interruptions.

#include <cstddef>

namespace trevisto::io {

// True when every byte was written; false (errno set) when the system refused one.
bool writeAll(int fd, const void *data, size_t bytes);

} // namespace trevisto::io

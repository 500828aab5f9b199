#pragma once
// Writing a whole buffer to a descriptor, through short writes and interruptions.

#include <cstddef>
#include <cstdint>

namespace trevisto::io {

// 0 when every byte was written, else the errno of the write the system refused (ENOSPC
// for one that took nothing). At `offset` when it is not negative, else at the file
// position.
int writeFully(int fd, const void *data, size_t bytes, int64_t offset = -1);

} // namespace trevisto::io

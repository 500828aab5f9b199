#pragma once
// The per-user runtime folder that the desktop normally names in XDG_RUNTIME_DIR. Started
// from a shell without a session (over SSH, under su, in a container) it is not set, and
// Qt complains at every start before falling back to a folder of its own. The program
// makes that folder itself, quietly, with the same rules Qt checks: a folder (no link)
// owned by the user and open to no one else.

#include <string>

namespace trevisto {

// Where XDG_RUNTIME_DIR should point when it is not set: `tempFolder`/runtime-<uid>.
std::string fallbackRuntimeFolder(const std::string &tempFolder, unsigned uid);

// Makes `folder` (mode 0700) when missing. True when it then is a folder, not a link,
// owned by the process's user and with no access for group or others; a folder of the
// user's with wider access is narrowed to 0700, one of anyone else's is refused.
bool prepareRuntimeFolder(const std::string &folder);

// Sets XDG_RUNTIME_DIR to the fallback folder under `tempFolder` (empty: $TMPDIR, else
// /tmp) when it is unset or empty and that folder can be prepared; anything already set is
// left as it is.
void ensureRuntimeFolder(const std::string &tempFolder = {});

} // namespace trevisto

#pragma once
// What an interrupted run leaves behind: a source that was still being written, the joined
// clips on their way to the encoder, and the hidden temporary files of writers that never
// finished, in the drive's root, the clip folder and the settings folder. Only the copy
// that holds the drive may remove them; the clip files themselves are never touched.

#include <QStringList>

namespace trevisto {

// Removes the leftovers of the drive of the current prefix. The native paths removed.
QStringList SweepLeftovers();

} // namespace trevisto

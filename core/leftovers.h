#pragma once
// What an interrupted run leaves behind: a source that was still being written, the joined
// clips on their way to the encoder, and the hidden temporary files of writers that never
// finished: in the drive's root, the clip folder and the settings folder, and wherever
// the write journal noted one (a user's folder a save or a join was writing to). Only the
// copy that holds the drive may remove them; the clip files themselves, and every file a
// user made, are never touched.

#include <QStringList>

#include <filesystem>

namespace trevisto {

// Where the writers of the current prefix note their files in progress.
std::filesystem::path WriteJournalFolder();

// Removes the leftovers of the drive of the current prefix. The native paths removed.
QStringList SweepLeftovers();

} // namespace trevisto

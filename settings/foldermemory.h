#pragma once
// The folder each kind of file chooser was last used in, kept in the settings, so that the
// next chooser of that kind starts there, in this run and the next.

#include <QString>

namespace trevisto {

// The kinds of chooser that keep a folder each.
enum class ChooserKind { OpenSource, Save, Join };

// The folder kept for `kind`; the empty text when none is kept or it is no folder now (a
// removed folder, an unplugged disk), so the chooser falls back on its own start.
QString KeptFolder(ChooserKind kind);

// Keeps the folder of the chosen file `path` for `kind`. False when the settings file
// could not be written: the chooser worked, so its caller says nothing.
bool KeepFolderOf(ChooserKind kind, const QString &path);

} // namespace trevisto

#pragma once
// Starting the decoding library at start-up, and its failures as the window reports them.

#include "app/dialogs.h"
#include "audio/basslib.h"

#include <QString>

namespace trevisto {

// The decoding library's file, beside the program.
inline constexpr const char *LibraryFileName = "libbass.so";

// Finds the decoding library in `programFolder`, checks that it is the version the program
// was made for, and starts it for `window`; false, after its message through `dialogs`,
// when the program cannot run with it.
bool StartDecodingLibrary(BassLibrary &bass, const QString &programFolder, Dialogs &dialogs, void *window);

// `message` about a failure of `bass`, with the library's error code.
void ShowLibraryError(Dialogs &dialogs, const BassLibrary &bass, const QString &message);

// The line that says what a refused file was found to be (`found`, as "container /
// codec"; empty when nothing was recognised) and why it was refused (a BASS_REASON_*),
// in the chosen language. Empty when the library gave no reason.
QString RefusalLine(DWORD reason, const QString &found);

// As ShowLibraryError, for a file the library refused to open: the refusal's line
// follows the code.
void ShowRefusal(Dialogs &dialogs, const BassLibrary &bass, const QString &message);

} // namespace trevisto

#include "app/window/decodinglibrary.h"

#include "core/routines.h"

namespace trevisto {

namespace {

constexpr DWORD AcceptedVersion = 0x00020002;

} // namespace

bool StartDecodingLibrary(BassLibrary &bass, const QString &programFolder, Dialogs &dialogs, void *window)
{
    // The decoding library must be beside the program ...
    const QString libraryPath = RPP(programFolder) + LibraryFileName;
    if (!FileExists(libraryPath)) {
        dialogs.msgBox("BASS.DLL does not exists", vbOKOnly, MsgIcon::Critical, "BASS.DLL");
        return false;
    }

    // ... and be the version the program was made for. A file that does not load as a
    // library, or that lacks an operation, is just as wrong.
    const bool accepted = bass.load(libraryPath) == BassLibrary::LoadResult::Loaded &&
                          bass.GetVersion() == AcceptedVersion && bass.resolveAll();
    if (!accepted) {
        dialogs.msgBox("BASS version 2.2 was not loaded", vbOKOnly, MsgIcon::Critical, "Incorrect BASS.DLL");
        return false;
    }

    // Nothing is played through the library: it only decodes, on its no-sound device.
    bass.SetConfig(BASS_CONFIG_UPDATEPERIOD, 0);
    if (!bass.Init(0, 44100, 0, window, nullptr)) {
        ShowLibraryError(dialogs, bass, "Can't initialize device");
        return false;
    }
    return true;
}

void ShowLibraryError(Dialogs &dialogs, const BassLibrary &bass, const QString &message)
{
    const int code = bass.ErrorGetCode ? bass.ErrorGetCode() : BASS_ERROR_UNKNOWN;
    dialogs.msgBox(message + "\r\n\r\nError Code : " + QString::number(code), vbOKOnly, MsgIcon::Exclamation, "Error");
}

} // namespace trevisto

#include "app/window/decodinglibrary.h"

#include "core/routines.h"

#include <QCoreApplication>

namespace trevisto {

namespace {

constexpr DWORD AcceptedVersion = 0x00020002;

// The texts of a refused file, under one translation context.
struct Refusal {
    Q_DECLARE_TR_FUNCTIONS(Refusal)
};

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

QString RefusalLine(DWORD reason, const QString &found)
{
    QString why;
    switch (reason) {
    case BASS_REASON_NOT_SOUND:
        why = Refusal::tr("It is no sound or video format the program knows.");
        break;
    case BASS_REASON_NO_AUDIO:
        why = Refusal::tr("It holds no sound.");
        break;
    case BASS_REASON_ENCRYPTED:
        why = Refusal::tr("Its sound is encrypted.");
        break;
    case BASS_REASON_NO_DECODER:
        why = Refusal::tr("Its sound is in a codec the program cannot decode.");
        break;
    case BASS_REASON_REFERS_OUT:
        why = Refusal::tr("It is a list of other files or addresses, which the program does not follow.");
        break;
    case BASS_REASON_DAMAGED:
        why = Refusal::tr("Its data is damaged or cut short.");
        break;
    case BASS_REASON_UNREADABLE:
        why = Refusal::tr("The file cannot be opened or read.");
        break;
    case BASS_REASON_BAD_FORMAT:
        why = Refusal::tr("Its sample rate or channel count is out of range.");
        break;
    default:
        return {};
    }
    if (reason == BASS_REASON_UNREADABLE)
        return why;
    const QString what = found.isEmpty() ? Refusal::tr("not a sound file") : found;
    return Refusal::tr("Found: %1. %2").arg(what, why);
}

void ShowRefusal(Dialogs &dialogs, const BassLibrary &bass, const QString &message)
{
    const int code = bass.ErrorGetCode ? bass.ErrorGetCode() : BASS_ERROR_UNKNOWN;
    QString text = message + "\r\n\r\nError Code : " + QString::number(code);
    if (bass.ErrorGetDetail) {
        char found[128] = {};
        const DWORD reason = bass.ErrorGetDetail(found, sizeof found);
        const QString line = RefusalLine(reason, QString::fromUtf8(found));
        if (!line.isEmpty())
            text += "\r\n" + line;
    }
    dialogs.msgBox(text, vbOKOnly, MsgIcon::Exclamation, "Error");
}

} // namespace trevisto

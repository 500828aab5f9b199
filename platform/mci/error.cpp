#include "platform/mci/error.h"

#include <QCoreApplication>

namespace trevisto::mci {

std::string errorString(int code)
{
    switch (code) {
    case Ok: return "The command was carried out.";
    case UnrecognizedCommand: return QT_TRANSLATE_NOOP("Device", "The command is not recognised.");
    case MissingParameter:
        return QT_TRANSLATE_NOOP("Device", "The command is missing a file name, an alias or a position.");
    case BadParameter: return QT_TRANSLATE_NOOP("Device", "The command contains a word it does not accept.");
    case UnknownAlias: return QT_TRANSLATE_NOOP("Device", "No sound is open under that name.");
    case AliasInUse: return QT_TRANSLATE_NOOP("Device", "A sound is already open under that name.");
    case BadNumber:
        return QT_TRANSLATE_NOOP("Device", "A position is not a whole, non-negative number of milliseconds.");
    case BadRange: return QT_TRANSLATE_NOOP("Device", "The start position lies after the end position.");
    case FileNotFound: return QT_TRANSLATE_NOOP("Device", "The file cannot be found.");
    case CannotReadFile: return QT_TRANSLATE_NOOP("Device", "The file cannot be read.");
    case NotWaveFile: return QT_TRANSLATE_NOOP("Device", "The file is not a WAVE sound file.");
    case UnsupportedFormat:
        return QT_TRANSLATE_NOOP("Device", "The file holds compressed or unsupported sound; only uncompressed PCM "
                                           "and float WAVE files can be used.");
    case BadHeader: return QT_TRANSLATE_NOOP("Device", "The file's header is damaged or incomplete.");
    case UnsupportedDevice: return QT_TRANSLATE_NOOP("Device", "Only waveaudio sounds can be opened.");
    case CannotWriteFile:
        return QT_TRANSLATE_NOOP("Device", "The file cannot be written: check that the folder exists, is writable "
                                           "and has room.");
    case FileTooLarge:
        return QT_TRANSLATE_NOOP("Device", "The result would be larger than the 4 GiB a WAVE file can hold.");
    case NotOpen: return QT_TRANSLATE_NOOP("Device", "No sound file is open.");
    case NoAudioOutput: return QT_TRANSLATE_NOOP("Device", "No sound output is available.");
    }
    return "Unknown error " + std::to_string(code) + ".";
}

QString errorMessage(int code)
{
    return QCoreApplication::translate("Device", errorString(code).c_str());
}

int fromReadError(wav::ReadError error)
{
    switch (error) {
    case wav::ReadError::None: return Ok;
    case wav::ReadError::NotFound: return FileNotFound;
    case wav::ReadError::Unreadable: return CannotReadFile;
    case wav::ReadError::NotWav: return NotWaveFile;
    case wav::ReadError::UnsupportedFormat: return UnsupportedFormat;
    case wav::ReadError::BadHeader: return BadHeader;
    }
    return CannotReadFile;
}

int fromWriteError(wav::WriteError error)
{
    switch (error) {
    case wav::WriteError::None: return Ok;
    case wav::WriteError::TooLarge: return FileTooLarge;
    case wav::WriteError::ReadFailed: return CannotReadFile;
    case wav::WriteError::CannotCreate:
    case wav::WriteError::WriteFailed: return CannotWriteFile;
    }
    return CannotWriteFile;
}

} // namespace trevisto::mci

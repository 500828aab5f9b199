#include "platform/mci/error.h"

namespace trevisto::mci {

std::string errorString(int code)
{
    switch (code) {
    case Ok: return "The command was carried out.";
    case UnrecognizedCommand: return "The command is not recognised.";
    case MissingParameter: return "The command is missing a file name, an alias or a position.";
    case BadParameter: return "The command contains a word it does not accept.";
    case UnknownAlias: return "No sound is open under that name.";
    case AliasInUse: return "A sound is already open under that name.";
    case BadNumber: return "A position is not a whole, non-negative number of milliseconds.";
    case BadRange: return "The start position lies after the end position.";
    case FileNotFound: return "The file cannot be found.";
    case CannotReadFile: return "The file cannot be read.";
    case NotWaveFile: return "The file is not a WAVE sound file.";
    case UnsupportedFormat: return "The file holds compressed or unsupported sound; only uncompressed PCM and float WAVE files can be used.";
    case BadHeader: return "The file's header is damaged or incomplete.";
    case UnsupportedDevice: return "Only waveaudio sounds can be opened.";
    case CannotWriteFile: return "The file cannot be written: check that the folder exists, is writable and has room.";
    case FileTooLarge: return "The result would be larger than the 4 GiB a WAVE file can hold.";
    case NotOpen: return "No sound file is open.";
    case NoAudioOutput: return "No sound output is available.";
    }
    return "Unknown error " + std::to_string(code) + ".";
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

#pragma once
// Result codes of the sound device and the players, with texts fit to show the user.

#include "platform/wav/wav.h"

#include <QString>

#include <string>

namespace trevisto::mci {

enum Error : int {
    Ok = 0,
    UnrecognizedCommand = 1, // empty, or an unknown command word
    MissingParameter = 2,    // a command lacks a path, an alias or a number
    BadParameter = 3,        // a word the command does not take
    UnknownAlias = 4,        // no sound is open under that alias
    AliasInUse = 5,          // "open" with an alias that is already open
    BadNumber = 6,           // a position that is not a whole number of milliseconds >= 0
    BadRange = 7,            // a "from" position after the "to" position
    FileNotFound = 8,
    CannotReadFile = 9,
    NotWaveFile = 10,
    UnsupportedFormat = 11, // compressed or otherwise unhandled sound
    BadHeader = 12,         // damaged or truncated WAVE header
    UnsupportedDevice = 13, // a "type" other than waveaudio
    CannotWriteFile = 14,
    FileTooLarge = 15, // the result would pass the 4 GiB limit of a WAVE file
    NotOpen = 16,      // a player command that needs an open file
    NoAudioOutput = 17, // no sound output could be opened, not even a silent one
};

// A sentence for the code; unknown codes get a generic one.
std::string errorString(int code);
// The same sentence in the user's language, for a message.
QString errorMessage(int code);

int fromReadError(wav::ReadError error);
int fromWriteError(wav::WriteError error);

} // namespace trevisto::mci

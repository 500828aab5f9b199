#pragma once
// Opening a source file as a decoding channel.

#include "audio/basslib.h"

#include <QString>

// A decoding stream for `path`, else a stream by address, else a music module: the three
// ways the library can take a source, tried in that order. 0 when none takes it; the
// library's error code then tells why.
DWORD OpenSourceChannel(const BassLibrary &bass, const QString &path);

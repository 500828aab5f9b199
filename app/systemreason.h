#pragma once
// Why a file operation failed, in words, from the system's error number: one phrasing for
// every layer that tells the user about a file it could not read or write.

#include <QString>

// What errno says, phrased to follow "cannot be read: " or "cannot be written: ".
QString SystemReason(int error);

#pragma once
// Single settings values under a key of HKEY_LOCAL_MACHINE. A value crosses these routines
// as a variant: a text, a 32-bit integer, or nothing (an invalid QVariant). Texts are
// stored as UTF-8 with their terminating NUL.

#include "platform/registry/registry.h"

#include <QString>
#include <QVariant>

// The key the program keeps its settings under.
inline const QString ProgramSettingsKey = QStringLiteral("SOFTWARE\\Trevisto");

// Creates `keyPath` (every missing level) and sets one value of `valueType` (REG_SZ or
// REG_DWORD). The registry result code of the first step that failed, else ERROR_SUCCESS.
trevisto::registry::LONG RegWriteValue(const QString &keyPath, const QString &valueName, const QVariant &value,
                                       trevisto::registry::DWORD valueType);

// Why the settings file could not be written, in words, for a failed result code.
QString RegWriteFailure(trevisto::registry::LONG code);

// Sets one value on an open key; the registry result code. Types other than REG_SZ and
// REG_DWORD write nothing and answer 0. A value that is no 32-bit number cannot be stored
// as REG_DWORD: ERROR_INVALID_PARAMETER.
trevisto::registry::LONG RegSetTypedValue(trevisto::registry::HKEY key, const QString &valueName,
                                          trevisto::registry::DWORD valueType, const QVariant &value);

// The value as text: a REG_SZ as stored (less its last character, normally the NUL), a
// REG_DWORD as its decimal digits; the empty text when the key or value is missing or of
// another type.
QString RegReadString(const QString &keyPath, const QString &valueName);

// Reads one value of an open key into `value`; the registry result code, or -1 for a type
// other than REG_SZ and REG_DWORD. `value` is left alone when nothing could be read.
trevisto::registry::LONG RegQueryTypedValue(trevisto::registry::HKEY key, const QString &valueName, QVariant &value);

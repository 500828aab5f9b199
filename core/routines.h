#pragma once
// Small routines every layer shares.

#include <QString>

// The native path for a program path: "C:\..." goes through the drive mapping.
QString NativePath(const QString &path);

// True only for an existing ordinary file: folders, hidden names (starting with ".") and
// anything else that is not a regular file answer false.
bool FileExists(const QString &path);

// The folder path with a trailing separator of its own style: "\" for a drive path, "/" for
// a native one. A path already ending in either separator is returned unchanged.
QString RPP(const QString &path);

// Where the choosers of files to save start: the user's music folder, else the home
// folder. The program's own folder is read-only once installed.
QString UserSoundFolder();

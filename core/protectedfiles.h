#pragma once
// The files no save or join may write over: the clips, the program's working files and the
// file the loaded sound came from. A destination is compared with each by where it really
// leads, so another spelling of the same path, a symbolic link to it, or a second name of
// the same file counts as that file.

#include <QString>

#include <vector>

namespace trevisto {

struct ProtectedFile {
    QString path;         // native
    QString why;          // the refusal to show, complete
    bool anyCase = false; // a file of the drive, where letter case does not matter
};

// The path `path` leads to: symbolic links followed (a dangling one to where it points),
// "." and ".." and repeated separators taken out, relative to the current folder. A part
// that does not exist yet is kept as written.
QString ResolvedPath(const QString &path);

// The first of `files` that writing `destination` would write over, or nullptr.
const ProtectedFile *FindProtected(const QString &destination, const std::vector<ProtectedFile> &files);

} // namespace trevisto

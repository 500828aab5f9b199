#pragma once
// The window's file choosers through the dialogs: each request complete where it is made,
// and nothing carried from one chooser to the next but the previous choice, a file chosen
// or given to open, which only the choosers that offer it are given, and the folder each
// kind of chooser was last used in, which the settings keep.

#include "app/dialogs.h"
#include "settings/foldermemory.h"

#include <QString>

#include <optional>

class FileChooser {
public:
    explicit FileChooser(Dialogs &dialogs) : dialogs_(dialogs) {}

    // Shows the chooser `request` asks for, in the folder the last chooser of `kind` was
    // used in; the chosen path, which becomes the previous choice, or nothing on Cancel. A
    // name typed without the saved kind's suffix gets it.
    std::optional<QString> Choose(const FileRequest &request, trevisto::ChooserKind kind);
    // The file `path`, chosen by a chooser of `kind`, was opened or written: its folder is
    // where that kind starts from now on. Only then, so a refused or failed choice leaves
    // the settings as they were.
    void Used(trevisto::ChooserKind kind, const QString &path);
    // Shows the open chooser for a source of the kind `filter` lists.
    std::optional<QString> ChooseSource(const QString &filter);

    // A file given to open other than through a chooser is the previous choice as well.
    void given(const QString &path) { previousChoice_ = path; }
    const QString &previousChoice() const { return previousChoice_; }

private:
    Dialogs &dialogs_;
    QString previousChoice_;
};

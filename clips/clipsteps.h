#pragma once
// The changes of the clip list as steps Undo can take back: adding a clip, moving one, and
// taking clips out (deleting one or all, and the clips a join used). A clip taken out
// keeps its file in the holding folder for as long as its step can be undone, and comes
// back from there at its old row with its origin; the file goes for good with the step.
//
// Each step acts on its list when pushed (QUndoStack::push runs redo()).

#include "clips/clipmodel.h"
#include "core/heldfile.h"

#include <QUndoCommand>

#include <vector>

namespace trevisto {

// A clip whose file was just written, listed at the end.
class AddClipStep : public QUndoCommand {
public:
    // `holdingFolder` is native; the clip's file must be in place. With a `parent`, the
    // step is one of several taken as one.
    AddClipStep(ClipList &list, Clip clip, QString holdingFolder, QUndoCommand *parent = nullptr);
    void redo() override;
    void undo() override;

private:
    ClipList &list_;
    Clip clip_;
    QString holdingFolder_;
    int row_ = -1;
    bool listed_ = false; // the first redo lists it; later ones bring the file back too
    HeldFile held_;       // the file while the step is undone
};

// Several clips whose files were just written, listed at the end in their order as one
// step: give each an AddClipStep with this as its parent. The session file is written once
// each way.
class AddClipsStep : public QUndoCommand {
public:
    AddClipsStep(ClipList &list, const QString &text) : QUndoCommand(text), list_(list) {}
    void redo() override;
    void undo() override;

private:
    ClipList &list_;
};

// The selected clip moved one place.
class MoveClipStep : public QUndoCommand {
public:
    MoveClipStep(ClipList &list, int from, int to);
    void redo() override { list_.move(from_, to_); }
    void undo() override { list_.move(to_, from_); }

private:
    ClipList &list_;
    int from_, to_;
};

// Clips taken out of the list with their files. `text` names the step.
class RemoveClipsStep : public QUndoCommand {
public:
    RemoveClipsStep(ClipList &list, std::vector<ClipId> ids, const QString &text, QString holdingFolder);
    void redo() override;
    void undo() override;

private:
    struct Removed {
        int row;
        Clip clip;
        HeldFile file; // empty when the file could not be held and went for good
    };
    ClipList &list_;
    std::vector<ClipId> ids_;
    QString holdingFolder_;
    std::vector<Removed> removed_; // in row order, while the step is done
};

// The texts of the steps, in the language of the program's messages.
QString AddClipText(const QString &name);
QString AddClipsText(int count);
QString MoveClipText(const QString &name);
QString DeleteClipText(const QString &name);
QString DeleteAllClipsText();
QString DeleteJoinedClipsText(const QString &output);

} // namespace trevisto

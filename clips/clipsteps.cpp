#include "clips/clipsteps.h"

#include "core/routines.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace trevisto {

namespace {

// The texts this file shows, under one translation context.
struct ClipSteps {
    Q_DECLARE_TR_FUNCTIONS(ClipSteps)
};

} // namespace

QString AddClipText(const QString &name) { return ClipSteps::tr("Add clip %1").arg(name); }
QString AddClipsText(int count) { return ClipSteps::tr("Add %n clip(s)", nullptr, count); }
QString MoveClipText(const QString &name) { return ClipSteps::tr("Move clip %1").arg(name); }
QString DeleteClipText(const QString &name) { return ClipSteps::tr("Delete clip %1").arg(name); }
QString DeleteAllClipsText() { return ClipSteps::tr("Delete all clips"); }
QString DeleteJoinedClipsText(const QString &output)
{
    return ClipSteps::tr("Delete the clips joined into %1").arg(QFileInfo(output).fileName());
}

AddClipStep::AddClipStep(ClipList &list, Clip clip, QString holdingFolder, QUndoCommand *parent)
    : QUndoCommand(AddClipText(clip.name), parent), list_(list), clip_(std::move(clip)),
      holdingFolder_(std::move(holdingFolder))
{
}

void AddClipsStep::redo()
{
    const ClipList::Batch once(list_);
    QUndoCommand::redo();
}

void AddClipsStep::undo()
{
    const ClipList::Batch once(list_);
    QUndoCommand::undo();
}

void AddClipStep::redo()
{
    if (listed_) {
        // A file that cannot come back leaves the clip out: an entry without its sound
        // would fail the join.
        if (!held_.putBack(NativePath(list_.fileOf(clip_.name))))
            return;
    }
    listed_ = true;
    clip_.id = list_.insert(row_ < 0 ? list_.count() : row_, clip_);
}

void AddClipStep::undo()
{
    row_ = list_.rowOf(clip_.id);
    if (row_ < 0)
        return;
    const QString file = NativePath(list_.file(row_));
    held_ = HeldFile::take(file, holdingFolder_);
    if (!held_)
        QFile::remove(file);
    list_.take(row_);
}

MoveClipStep::MoveClipStep(ClipList &list, int from, int to)
    : QUndoCommand(MoveClipText(list.items().at(size_t(from)).name)), list_(list), from_(from), to_(to)
{
}

RemoveClipsStep::RemoveClipsStep(ClipList &list, std::vector<ClipId> ids, const QString &text, QString holdingFolder)
    : QUndoCommand(text), list_(list), ids_(std::move(ids)), holdingFolder_(std::move(holdingFolder))
{
}

void RemoveClipsStep::redo()
{
    std::vector<int> rows;
    for (const ClipId id : ids_)
        if (const int row = list_.rowOf(id); row >= 0)
            rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    const ClipList::Batch batch(list_);
    removed_.clear();
    removed_.resize(rows.size());
    // From the last row to the first, so the rows still to take stay where they were.
    for (size_t i = rows.size(); i-- > 0;) {
        const QString file = NativePath(list_.file(rows[i]));
        HeldFile held = HeldFile::take(file, holdingFolder_);
        if (!held)
            QFile::remove(file);
        removed_[i] = {rows[i], list_.take(rows[i]), std::move(held)};
    }
}

void RemoveClipsStep::undo()
{
    // From the first row to the last, each back where it was among those before it.
    const ClipList::Batch batch(list_);
    for (Removed &r : removed_)
        if (r.file && r.file.putBack(NativePath(list_.fileOf(r.clip.name))))
            list_.insert(r.row, r.clip);
    removed_.clear();
}

} // namespace trevisto

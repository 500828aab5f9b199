#include "clips/clipmodel.h"

#include "clips/session.h"
#include "core/routines.h"

#include <QFile>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

namespace trevisto {

ClipList::ClipList(QString clipFolder, QString sessionFile, QObject *parent)
    : QObject(parent), clipFolder_(std::move(clipFolder)), sessionFile_(std::move(sessionFile))
{
}

QStringList ClipList::names() const
{
    QStringList names;
    for (const Clip &clip : items_)
        names << clip.name;
    return names;
}

std::vector<ClipId> ClipList::ids() const
{
    std::vector<ClipId> ids;
    for (const Clip &clip : items_)
        ids.push_back(clip.id);
    return ids;
}

int ClipList::rowOf(ClipId id) const
{
    const auto it = std::find_if(items_.begin(), items_.end(), [id](const Clip &c) { return c.id == id; });
    return it == items_.end() ? -1 : int(it - items_.begin());
}

QString ClipList::fileOf(const QString &name) const
{
    return clipFolder_ + name + QStringLiteral(".wav");
}

ClipId ClipList::insert(int row, Clip clip)
{
    row = std::clamp(row, 0, count());
    if (clip.id == 0)
        clip.id = ++lastId_;
    const ClipId id = clip.id;
    items_.insert(items_.begin() + row, std::move(clip));
    emit inserted(row);
    changed();
    return id;
}

Clip ClipList::take(int row)
{
    Clip clip = std::move(items_.at(size_t(row)));
    items_.erase(items_.begin() + row);
    emit removed(row);
    changed();
    return clip;
}

void ClipList::move(int from, int to)
{
    if (from < 0 || from >= count() || to < 0 || to >= count() || from == to)
        return;
    Clip clip = std::move(items_[size_t(from)]);
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + to, std::move(clip));
    emit moved(from, to);
    changed();
}

void ClipList::clear()
{
    items_.clear();
    emit reset();
    changed();
}

void ClipList::setLoudness(ClipId id, Loudness loudness)
{
    const int row = rowOf(id);
    if (row < 0)
        return;
    items_[size_t(row)].loudness = std::move(loudness);
    emit loudnessChanged(row);
}

void ClipList::load()
{
    const QString file = NativePath(sessionFile_);
    const SessionFile read = ReadSessionFile(file);
    if (read.damaged)
        std::fprintf(stderr, "trevisto: %s is not a clip list; the clip files in the clip folder are listed instead\n",
                     QFile::encodeName(file).constData());
    const QStringList entries = ReconcileSession(read.names, FilesIn(NativePath(clipFolder_)));
    items_.clear();
    for (const QString &name : entries) {
        const auto origin = read.origins.constFind(name);
        items_.push_back({name, origin == read.origins.constEnd() ? std::nullopt : std::optional<Mp3Origin>(*origin),
                          ++lastId_});
    }
    emit reset();
    kept_ = true;
    if (read.damaged || entries != read.names)
        save();
}

int ClipList::save()
{
    ClipOrigins origins;
    for (const Clip &clip : items_)
        if (clip.origin)
            origins.insert(clip.name, *clip.origin);
    const QString file = NativePath(sessionFile_);
    const int error = WriteSessionFile(file, names(), origins);
    if (error)
        std::fprintf(stderr, "trevisto: the clip list cannot be kept in %s: %s\n", QFile::encodeName(file).constData(),
                     std::strerror(error));
    return error;
}

void ClipList::changed()
{
    if (!kept_)
        return;
    if (batches_ > 0)
        unsaved_ = true;
    else
        save();
}

ClipList::Batch::~Batch()
{
    if (--list_.batches_ == 0 && std::exchange(list_.unsaved_, false))
        list_.save();
}

} // namespace trevisto

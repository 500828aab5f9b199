#include "app/choosers.h"

#include "core/routines.h"
#include "core/workingfiles.h"

#include <QFileInfo>

namespace trevisto {

namespace {

FileRequest request(const QString &filter, const QString &initDir, int flags, bool save)
{
    FileRequest r;
    r.filter = filter;
    r.initDir = initDir;
    r.flags = flags;
    r.save = save;
    return r;
}

} // namespace

FileRequest openSourceRequest(const QString &filter, const QString &previous)
{
    // No title: the chooser's own ("Open").
    return offeringPrevious(request(filter, {}, ::ChooserFlags::OpenSource, false), previous);
}

FileRequest saveMp3Request()
{
    FileRequest save = request(Mp3OutFilter, UserSoundFolder(), 0, true);
    save.defaultSuffix = QStringLiteral("mp3");
    return save;
}

FileRequest saveWavRequest()
{
    FileRequest save = request(WavSaveFilter, UserSoundFolder(), 0, true);
    save.defaultSuffix = QStringLiteral("wav");
    return save;
}

FileRequest joinWavRequest(const QString &previous)
{
    // A save chooser, since the file to join into is usually a new one.
    FileRequest join = request(WavSaveFilter, UserSoundFolder(), ::ChooserFlags::SaveWav, true);
    join.title = JoinWavTitle;
    join.defaultSuffix = QStringLiteral("wav");
    return offeringPrevious(join, previous);
}

FileRequest inKeptFolder(FileRequest request, const QString &folder)
{
    if (!folder.isEmpty() && QFileInfo(request.fileName).isRelative())
        request.initDir = folder;
    return request;
}

} // namespace trevisto

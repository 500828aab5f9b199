#include "settings/foldermemory.h"

#include "settings/registry_settings.h"

#include <QFileInfo>

namespace trevisto {

namespace {

QString valueName(ChooserKind kind)
{
    switch (kind) {
    case ChooserKind::OpenSource: return QStringLiteral("OpenFolder");
    case ChooserKind::Save: return QStringLiteral("SaveFolder");
    case ChooserKind::Join: return QStringLiteral("JoinFolder");
    }
    return {};
}

} // namespace

QString KeptFolder(ChooserKind kind)
{
    const QString folder = RegReadString(ProgramSettingsKey, valueName(kind));
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

bool KeepFolderOf(ChooserKind kind, const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (RegReadString(ProgramSettingsKey, valueName(kind)) == folder)
        return true;
    return RegWriteValue(ProgramSettingsKey, valueName(kind), folder, registry::REG_SZ) == registry::ERROR_SUCCESS;
}

} // namespace trevisto

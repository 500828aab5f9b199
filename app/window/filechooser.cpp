#include "app/window/filechooser.h"

#include "app/choosers.h"

std::optional<QString> FileChooser::Choose(const FileRequest &request, trevisto::ChooserKind kind)
{
    std::optional<QString> chosen = dialogs_.fileDialog(trevisto::inKeptFolder(request, trevisto::KeptFolder(kind)));
    if (!chosen)
        return chosen;
    // "ringtone" typed in the MP3 chooser is saved as "ringtone.mp3".
    if (request.save)
        chosen = withDefaultSuffix(*chosen, request.defaultSuffix);
    previousChoice_ = *chosen;
    return chosen;
}

void FileChooser::Used(trevisto::ChooserKind kind, const QString &path)
{
    // A folder that cannot be kept only costs the next chooser its start.
    trevisto::KeepFolderOf(kind, path);
}

std::optional<QString> FileChooser::ChooseSource(const QString &filter)
{
    return Choose(trevisto::openSourceRequest(filter, previousChoice_), trevisto::ChooserKind::OpenSource);
}

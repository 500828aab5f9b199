#include "app/window/filechooser.h"

#include "app/choosers.h"

std::optional<QString> FileChooser::Choose(const FileRequest &request)
{
    std::optional<QString> chosen = dialogs_.fileDialog(request);
    if (!chosen)
        return chosen;
    // "ringtone" typed in the MP3 chooser is saved as "ringtone.mp3".
    if (request.save)
        chosen = withDefaultSuffix(*chosen, request.defaultSuffix);
    previousChoice_ = *chosen;
    return chosen;
}

std::optional<QString> FileChooser::ChooseSource(const QString &filter)
{
    return Choose(trevisto::openSourceRequest(filter, previousChoice_));
}

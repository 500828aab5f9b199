#pragma once
// The small form that shows the tags a saved or joined file will carry, taken from its
// source, so that the user can change them before the file is written.

#include "app/dialogs.h"
#include "platform/tags/tags.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace trevisto {

// The form's six fields (title, artist, album, year, genre, comment), filled with `fields`.
QList<FormField> TagFormFields(const tags::Fields &fields);
// The fields the form's six answers give, without blanks at either end; missing answers
// are empty.
tags::Fields TagFieldsOfAnswers(const QStringList &answers);

// Asks for the tags of `output`, starting from those of the native file `source` (none
// when empty). Nothing when the user cancels.
std::optional<tags::Fields> AskTagFields(Dialogs &dialogs, const QString &output, const QString &source);

} // namespace trevisto

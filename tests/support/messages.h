#pragma once
// The message boxes a window showed through the scripted dialogs, for tests that follow a
// story by what the user was told.

#include "app/scripteddialogs.h"

#include <QList>
#include <QStringList>

#include <optional>

namespace trevisto::test {

// The message boxes asked, in order; only those with `icon` where one is given.
inline QList<ScriptedDialogs::Asked> messageBoxes(const ScriptedDialogs &dialogs, std::optional<MsgIcon> icon = {})
{
    QList<ScriptedDialogs::Asked> boxes;
    for (const ScriptedDialogs::Asked &a : dialogs.asked())
        if (a.kind == ScriptedDialogs::Kind::Message && (!icon || a.icon == *icon))
            boxes << a;
    return boxes;
}

// Their texts.
inline QStringList messageTexts(const ScriptedDialogs &dialogs)
{
    QStringList texts;
    for (const ScriptedDialogs::Asked &a : messageBoxes(dialogs))
        texts << a.text;
    return texts;
}

} // namespace trevisto::test

#pragma once
// The language pack's texts in the window: the four tables of the pack applied last, kept
// under the names the window reads them by, the program's own messages in its language,
// and the captions, tooltips, accessible names and Tab order they give the controls.

#include "settings/language_file.h"
#include "settings/message_language.h"

#include <QString>
#include <QStringList>

class QWidget;
namespace Ui {
class frmWriteWave;
}
namespace trevisto {
struct PackMessage;
}

class WindowTexts {
public:
    // The texts of the controls of `window`, whose form is `ui`.
    WindowTexts(QWidget &window, Ui::frmWriteWave &ui) : window_(window), ui_(ui) {}

    // Reads the language file `path` for the stored code `code`. A file that is missing,
    // unreadable or incomplete changes nothing and gives the reason; a complete one gives
    // its tables and the messages' language, and an empty text.
    QString Load(const QString &path, const QString &code);

    // The captions of the tables on the controls. Only called with complete tables; a
    // missing entry would give an empty text.
    void ApplyCaptions();
    // The program's own texts of the controls and frames, in the language of its
    // messages: frame captions, the tooltips the packs lack, every control's accessible
    // name, and the picture buttons' descriptions.
    void ApplyControlTexts();
    // The "Copy" option's caption and tooltip in the program's language.
    void ShowCopyOption();
    // Tab visits the controls in the window's reading order.
    void SetTabOrder();

    // The message in the loaded pack's words, or in its own while none is loaded.
    QString PackText(const trevisto::PackMessage &message) const;

    QStringList PromptTexts, MessageTexts, CaptionTexts, MenuTexts;

private:
    LanguageTables tables() const { return {PromptTexts, MessageTexts, CaptionTexts, MenuTexts}; }

    QWidget &window_;
    Ui::frmWriteWave &ui_;
    // The program's own messages follow the pack applied last.
    MessageLanguage messageLanguage_;
};

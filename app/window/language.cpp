// Language packs: the stored language code, the language file beside the program, and
// the captions and tooltips that come from it.
#include "app/frmWriteWave.h"

#include "platform/io/systemreason.h"
#include "settings/language_file.h"
#include "settings/registry_settings.h"
#include "ui_frmWriteWave.h"

#include <QDir>
#include <QFile>
#include <QtDebug>

namespace {

const QString LanguageValue = QStringLiteral("Language");

} // namespace

void frmWriteWave::LoadLanguage()
{
    const QString code = RegReadString(ProgramSettingsKey, LanguageValue);
    const QString path = QDir(programFolder_).filePath(languageBaseName(code) + ".lng");

    // A file that is missing, unreadable or incomplete changes no text: the window keeps
    // what it shows, and the tables stay as they were.
    const QString why = texts_.Load(path, code);
    if (why.isEmpty()) {
        // The messages' language is taken first, as the captions of the menus no pack
        // knows are among them.
        texts_.ApplyCaptions();
        texts_.ShowCopyOption();
    } else {
        qWarning().noquote() << QStringLiteral("trevisto: language file %1 not loaded (%2); the texts stay as they are.")
                                    .arg(QDir::toNativeSeparators(path), why);
    }

    // Every load clears the check marks, whether or not the file could be read; only a
    // click on a language item sets one again. The disabled French item keeps its own.
    for (QAction *item : {ui->english, ui->german, ui->italian, ui->schinese, ui->tchinese, ui->spanish, ui->russian})
        item->setChecked(false);
    texts_.ApplyControlTexts();
}

void frmWriteWave::ChooseLanguage(QAction *item, const char *code)
{
    const trevisto::registry::LONG stored =
        RegWriteValue(ProgramSettingsKey, LanguageValue, QString::fromLatin1(code), trevisto::registry::REG_SZ);
    if (stored != trevisto::registry::ERROR_SUCCESS) {
        // The language loaded is the one stored, so the texts stay as they are; only the
        // mark the click put on goes.
        item->setChecked(false);
        dialogs_.msgBox(QCoreApplication::translate("Settings", "The language cannot be saved in \"%1\": %2.")
                            .arg(QFile::decodeName(trevisto::registry::storePath().c_str()), RegWriteFailure(stored)),
                        vbOKOnly, MsgIcon::Critical, ProgramTitle);
        return;
    }
    LoadLanguage();
    item->setChecked(true);
}


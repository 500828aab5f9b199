// Language packs: the stored language code, the language file beside the program, and
// the captions and tooltips that come from it.
#include "app/frmWriteWave.h"

#include "platform/io/regularfile.h"
#include "platform/io/systemreason.h"
#include "settings/captions.h"
#include "settings/controltexts.h"
#include "settings/language_file.h"
#include "settings/registry_settings.h"
#include "ui_frmWriteWave.h"

#include <QDir>
#include <QGroupBox>
#include <QFile>
#include <QtDebug>

namespace {

const QString SettingsKey = QStringLiteral("SOFTWARE\\Trevisto");
const QString LanguageValue = QStringLiteral("Language");

} // namespace

void frmWriteWave::LoadLanguage()
{
    const QString code = RegReadString(SettingsKey, LanguageValue);
    const QString path = QDir(programFolder()).filePath(languageBaseName(code) + ".lng");

    // A file that is missing, unreadable or incomplete changes no text: the window keeps
    // what it shows, and the tables stay as they were.
    QString why;
    std::optional<LanguageTables> tables;
    // Never more than the limit and a byte: a huge file is not read whole to be refused,
    // and a FIFO or a device under the name is refused without waiting on it.
    std::string bytes;
    if (const int error = trevisto::io::readRegularFile(QFile::encodeName(path).toStdString(),
                                                        size_t(MaxLanguageFileBytes) + 1, bytes)) {
        why = trevisto::io::systemReason(error);
    } else {
        const QByteArray LangFileBytes = QByteArray::fromStdString(bytes);
        if (LangFileBytes.size() > MaxLanguageFileBytes)
            why = QStringLiteral("larger than %1 bytes").arg(MaxLanguageFileBytes);
        else
            tables = languageTables(BytesToText(LangFileBytes, CP_UTF8), programNeeds(), &why);
    }
    if (tables) {
        PromptTexts = tables->prompts;
        MessageTexts = tables->messages;
        CaptionTexts = tables->captions;
        MenuTexts = tables->menus;
        // The program's own messages go with the captions: a pack that is not applied
        // leaves them in the language they were in as well. They come first, as the
        // captions of the menus no pack knows are among them.
        messageLanguage_.use(code);
        ApplyCaptions();
        ShowCopyOption();
    } else {
        qWarning().noquote() << QStringLiteral("trevisto: language file %1 not loaded (%2); the texts stay as they are.")
                                    .arg(QDir::toNativeSeparators(path), why);
    }

    // Every load clears the check marks, whether or not the file could be read; only a
    // click on a language item sets one again. The disabled French item keeps its own.
    for (QAction *item : {ui->english, ui->german, ui->italian, ui->schinese, ui->tchinese, ui->spanish, ui->russian})
        item->setChecked(false);
    ApplyControlTexts();
}

void frmWriteWave::ApplyControlTexts()
{
    for (const trevisto::FrameCaption &frame : trevisto::frameCaptions())
        if (auto *box = findChild<QGroupBox *>(QLatin1String(frame.frame))) {
            // The leading blanks of the form's caption leave room for the frame's picture.
            const QString title = box->title();
            qsizetype blanks = 0;
            while (blanks < title.size() && title.at(blanks) == ' ')
                ++blanks;
            box->setTitle(title.left(blanks) + trevisto::controlTranslation(frame.title));
        }
    const std::vector<trevisto::ControlStrings> strings =
        trevisto::controlStrings({PromptTexts, MessageTexts, CaptionTexts, MenuTexts});
    for (const trevisto::ControlStrings &s : strings) {
        QWidget *control = findChild<QWidget *>(s.control);
        Q_ASSERT(control);
        if (!control)
            continue;
        if (!s.toolTip.isEmpty())
            control->setToolTip(s.toolTip);
        // Without a pack, a button the packs describe says at least what it is; a tooltip
        // that is only its key counts as none.
        else if (control->toolTip().isEmpty() || control->toolTip().startsWith(QLatin1String(" (")))
            control->setToolTip(s.name);
        control->setAccessibleName(s.name);
    }
    ShowShortcutsInTooltips();
    // A picture says nothing to a screen reader; the tooltip, with its key, says what the
    // button does.
    for (const trevisto::ControlStrings &s : strings)
        if (QWidget *control = s.picture ? findChild<QWidget *>(s.control) : nullptr)
            control->setAccessibleDescription(control->toolTip());
}

void frmWriteWave::SetTabOrder()
{
    QWidget *previous = nullptr;
    for (const char *name : trevisto::tabOrder()) {
        QWidget *control = findChild<QWidget *>(QLatin1String(name));
        Q_ASSERT(control);
        if (!control)
            continue;
        if (previous)
            setTabOrder(previous, control);
        previous = control;
    }
}

void frmWriteWave::ApplyCaptions()
{
    // Only called with complete tables; a missing entry would give an empty text.
    const QStringList texts = trevisto::captionTexts({PromptTexts, MessageTexts, CaptionTexts, MenuTexts});
    const std::span<const trevisto::Caption> captions = trevisto::windowCaptions();
    for (size_t i = 0; i < captions.size(); ++i) {
        QObject *control = findChild<QObject *>(QLatin1String(captions[i].control));
        Q_ASSERT(control);
        if (control)
            control->setProperty(trevisto::captionProperty(captions[i].part), texts.at(qsizetype(i)));
    }
    ShowShortcutsInTooltips();
}

void frmWriteWave::ConnectLanguageHandlers()
{
    connect(ui->english, &QAction::triggered, this, &frmWriteWave::english_Click);
    connect(ui->german, &QAction::triggered, this, &frmWriteWave::german_Click);
    connect(ui->italian, &QAction::triggered, this, &frmWriteWave::italian_Click);
    connect(ui->schinese, &QAction::triggered, this, &frmWriteWave::schinese_Click);
    connect(ui->tchinese, &QAction::triggered, this, &frmWriteWave::tchinese_Click);
    connect(ui->spanish, &QAction::triggered, this, &frmWriteWave::spanish_Click);
    connect(ui->russian, &QAction::triggered, this, &frmWriteWave::russian_Click);
}

void frmWriteWave::ChooseLanguage(QAction *item, const char *code)
{
    const trevisto::registry::LONG stored =
        RegWriteValue(SettingsKey, LanguageValue, QString::fromLatin1(code), trevisto::registry::REG_SZ);
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

void frmWriteWave::english_Click() { ChooseLanguage(ui->english, "en"); }
void frmWriteWave::german_Click() { ChooseLanguage(ui->german, "ger"); }
void frmWriteWave::italian_Click() { ChooseLanguage(ui->italian, "it"); }
void frmWriteWave::schinese_Click() { ChooseLanguage(ui->schinese, "sch"); }
void frmWriteWave::tchinese_Click() { ChooseLanguage(ui->tchinese, "tch"); }
void frmWriteWave::spanish_Click() { ChooseLanguage(ui->spanish, "spa"); }
void frmWriteWave::russian_Click() { ChooseLanguage(ui->russian, "ru"); }

QString frmWriteWave::TableText(const QStringList &table, int index, const QString &fallback)
{
    return index >= 0 && index < table.size() ? table.at(index) : fallback;
}

QString frmWriteWave::PackText(const trevisto::PackMessage &message) const
{
    return trevisto::packText({PromptTexts, MessageTexts, CaptionTexts, MenuTexts}, message);
}

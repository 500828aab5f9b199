#include "app/window/windowtexts.h"

#include "app/window/windowkeys.h"
#include "platform/io/regularfile.h"
#include "platform/io/systemreason.h"
#include "settings/captions.h"
#include "settings/controltexts.h"
#include "ui_frmWriteWave.h"

#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>

#include <optional>
#include <span>
#include <string>

namespace {

// The "Copy" option's texts are those of saving by copying.
struct CopySaving {
    Q_DECLARE_TR_FUNCTIONS(CopySaving)
};

// A tooltip longer than a line is laid out as a paragraph, which the tooltip wraps;
// plain text would make one line as wide as the screen.
QString WrappedToolTip(const QString &tip)
{
    constexpr qsizetype LongestLine = 80;
    if (tip.size() <= LongestLine)
        return tip;
    return QStringLiteral("<p>") + tip.toHtmlEscaped() + QStringLiteral("</p>");
}

} // namespace

QString WindowTexts::Load(const QString &path, const QString &code)
{
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
    if (!tables)
        return why;
    PromptTexts = tables->prompts;
    MessageTexts = tables->messages;
    CaptionTexts = tables->captions;
    MenuTexts = tables->menus;
    // The program's own messages go with the captions: a pack that is not applied leaves
    // them in the language they were in as well.
    messageLanguage_.use(code);
    return {};
}

void WindowTexts::ApplyControlTexts()
{
    for (const trevisto::FrameCaption &frame : trevisto::frameCaptions())
        if (auto *box = window_.findChild<QGroupBox *>(QLatin1String(frame.frame))) {
            // The leading blanks of the form's caption leave room for the frame's picture.
            const QString title = box->title();
            qsizetype blanks = 0;
            while (blanks < title.size() && title.at(blanks) == ' ')
                ++blanks;
            box->setTitle(title.left(blanks) + trevisto::controlTranslation(frame.title));
        }
    for (const trevisto::ControlCaption &caption : trevisto::controlCaptions())
        if (auto *label = window_.findChild<QLabel *>(QLatin1String(caption.control)))
            label->setText(trevisto::controlTranslation(caption.text));
        else if (auto *button = window_.findChild<QAbstractButton *>(QLatin1String(caption.control)))
            button->setText(trevisto::controlTranslation(caption.text));
    const std::vector<trevisto::ControlStrings> strings = trevisto::controlStrings(tables());
    for (const trevisto::ControlStrings &s : strings) {
        QWidget *control = window_.findChild<QWidget *>(s.control);
        Q_ASSERT(control);
        if (!control)
            continue;
        if (!s.toolTip.isEmpty())
            control->setToolTip(WrappedToolTip(s.toolTip));
        // Without a pack, a button the packs describe says at least what it is; a tooltip
        // that is only its key counts as none.
        else if (control->toolTip().isEmpty() || control->toolTip().startsWith(QLatin1String(" (")))
            control->setToolTip(s.name);
        control->setAccessibleName(s.name);
    }
    WindowKeys::ShowShortcutsInTooltips(ui_);
    // A picture says nothing to a screen reader; the tooltip, with its key, says what the
    // button does.
    for (const trevisto::ControlStrings &s : strings)
        if (QWidget *control = s.picture ? window_.findChild<QWidget *>(s.control) : nullptr)
            control->setAccessibleDescription(control->toolTip());
}

void WindowTexts::SetTabOrder()
{
    for (const char *name : trevisto::unseenControls())
        if (QWidget *control = window_.findChild<QWidget *>(QLatin1String(name)))
            control->setFocusPolicy(Qt::NoFocus);
    QWidget *previous = nullptr;
    for (const char *name : trevisto::tabOrder()) {
        QWidget *control = window_.findChild<QWidget *>(QLatin1String(name));
        Q_ASSERT(control);
        if (!control)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

void WindowTexts::ApplyCaptions()
{
    // Only called with complete tables; a missing entry would give an empty text.
    const QStringList texts = trevisto::captionTexts(tables());
    const std::span<const trevisto::Caption> captions = trevisto::windowCaptions();
    for (size_t i = 0; i < captions.size(); ++i) {
        QObject *control = window_.findChild<QObject *>(QLatin1String(captions[i].control));
        Q_ASSERT(control);
        if (control)
            control->setProperty(trevisto::captionProperty(captions[i].part), texts.at(qsizetype(i)));
    }
    WindowKeys::ShowShortcutsInTooltips(ui_);
}

void WindowTexts::ShowCopyOption()
{
    ui_.Option5->setText(CopySaving::tr("Copy"));
    ui_.Option5->setToolTip(CopySaving::tr("Keep the source's MP3 frames: no re-encoding"));
}

QString WindowTexts::PackText(const trevisto::PackMessage &message) const
{
    return trevisto::packText(tables(), message);
}

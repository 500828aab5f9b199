#include "app/qtdialogs.h"

#include "platform/drive/drive.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

namespace {

QMessageBox::Icon toQt(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonSpec {
    QMessageBox::StandardButton button;
    int answer;
};

QList<ButtonSpec> buttonsFor(int buttons)
{
    switch (buttons) {
    case vbOKCancel: return {{QMessageBox::Ok, vbOK}, {QMessageBox::Cancel, vbCancel}};
    case vbAbortRetryIgnore: return {{QMessageBox::Abort, vbAbort}, {QMessageBox::Retry, vbRetry}, {QMessageBox::Ignore, vbIgnore}};
    case vbYesNoCancel: return {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}, {QMessageBox::Cancel, vbCancel}};
    case vbYesNo: return {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}};
    case vbRetryCancel: return {{QMessageBox::Retry, vbRetry}, {QMessageBox::Cancel, vbCancel}};
    default: return {{QMessageBox::Ok, vbOK}};
    }
}

} // namespace

int QtDialogs::msgBox(const QString &text, int buttons, MsgIcon icon, const QString &title)
{
    // Texts carry CR LF line breaks; Qt wants plain line feeds.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(toQt(icon), title, shown, QMessageBox::NoButton, parent_);
    const QList<ButtonSpec> specs = buttonsFor(ButtonSet(buttons));
    for (const ButtonSpec &spec : specs)
        box.addButton(spec.button);
    // Without a default of its own the box picks its accepting button, the first.
    if (const int index = DefaultButtonIndex(buttons); index > 0 && index < specs.size())
        box.setDefaultButton(specs[index].button);
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    for (const ButtonSpec &spec : specs)
        if (spec.button == clicked)
            return spec.answer;
    // Closed with Escape or the title bar: the cancelling answer where there is one.
    for (const ButtonSpec &spec : specs)
        if (spec.answer == vbCancel || spec.answer == vbNo)
            return spec.answer;
    return specs.front().answer;
}

std::optional<QString> QtDialogs::inputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QStringList> QtDialogs::formBox(const QString &prompt, const QString &title,
                                             const QList<FormField> &fields)
{
    QDialog dialog(parent_);
    dialog.setWindowTitle(title);
    auto *form = new QFormLayout(&dialog);
    auto *heading = new QLabel(prompt, &dialog);
    heading->setWordWrap(true);
    form->addRow(heading);
    QList<QLineEdit *> edits;
    for (const FormField &field : fields) {
        auto *edit = new QLineEdit(field.text, &dialog);
        edit->setToolTip(field.toolTip);
        edit->setAccessibleName(field.label);
        auto *label = new QLabel(field.label, &dialog);
        label->setBuddy(edit);
        form->addRow(label, edit);
        edits.append(edit);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (!edits.isEmpty())
        edits.front()->setFocus();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    QStringList texts;
    for (const QLineEdit *edit : edits)
        texts.append(edit->text());
    return texts;
}

void prepareChooser(QFileDialog &dialog, const FileRequest &request)
{
    // An empty title leaves the chooser's own, "Open" or "Save As".
    if (!request.title.isEmpty())
        dialog.setWindowTitle(request.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(qtChooserFilter(request));
    if (!request.initDir.isEmpty())
        dialog.setDirectory(QString::fromStdString(drive::toNative(request.initDir.toStdString())));
    if (request.save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // Every save chooser asks before an existing file is replaced, whatever the flags.
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
        // The chooser adds it before it asks, so the question names the file written.
        dialog.setDefaultSuffix(request.defaultSuffix);
        // A name typed without an extension takes that of the chosen filter, which says
        // what the file becomes.
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, request](const QString &filter) {
            const qsizetype star = filter.indexOf(QStringLiteral("*."));
            const qsizetype end = filter.indexOf(QLatin1Char(')'), star);
            if (star >= 0 && end > star + 2 && !filter.mid(star + 2, end - star - 2).contains(QLatin1Char('*')))
                dialog.setDefaultSuffix(filter.mid(star + 2, end - star - 2));
            else
                dialog.setDefaultSuffix(request.defaultSuffix);
        });
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode((request.flags & 0x1000) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    }
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
}

std::optional<QString> QtDialogs::fileDialog(const FileRequest &request)
{
    QFileDialog dialog(parent_);
    prepareChooser(dialog, request);
    // Wide enough for the Size and Date columns to be read.
    dialog.resize(820, 500);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}

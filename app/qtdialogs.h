#pragma once
// The dialogs as the user sees them: QMessageBox, QInputDialog, QFileDialog and a small
// form of text fields.

#include "app/dialogs.h"

class QFileDialog;
class QWidget;

// Sets `dialog` up to show `request`: title, filters, start folder, file name and mode.
void prepareChooser(QFileDialog &dialog, const FileRequest &request);

class QtDialogs final : public Dialogs {
public:
    void setParent(QWidget *parent) { parent_ = parent; }
    int msgBox(const QString &text, int buttons, MsgIcon icon, const QString &title) override;
    std::optional<QString> inputBox(const QString &prompt, const QString &title, const QString &defaultText) override;
    std::optional<QString> fileDialog(const FileRequest &request) override;
    std::optional<QStringList> formBox(const QString &prompt, const QString &title,
                                       const QList<FormField> &fields) override;

private:
    QWidget *parent_ = nullptr;
};

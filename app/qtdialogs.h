#pragma once
// The dialogs as the user sees them: QMessageBox, QInputDialog and QFileDialog.

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

private:
    QWidget *parent_ = nullptr;
};

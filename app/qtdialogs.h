#pragma once
// The dialogs as the user sees them: QMessageBox, QInputDialog and QFileDialog.

#include "app/dialogs.h"

class QWidget;

class QtDialogs final : public Dialogs {
public:
    void setParent(QWidget *parent) { parent_ = parent; }
    int msgBox(const QString &text, int buttons, MsgIcon icon, const QString &title) override;
    std::optional<QString> inputBox(const QString &prompt, const QString &title, const QString &defaultText) override;
    std::optional<QString> fileDialog(const FileRequest &request) override;

private:
    QWidget *parent_ = nullptr;
};

#pragma once
// The program's own messages (refusals, failures and their reasons) in the language of the
// chosen language pack, through one translator installed in the application.

#include <QString>

#include <memory>

class QTranslator;

class MessageLanguage {
public:
    MessageLanguage();
    ~MessageLanguage(); // removes its translator from the application
    MessageLanguage(const MessageLanguage &) = delete;
    MessageLanguage &operator=(const MessageLanguage &) = delete;

    // Puts the translation for the language code `code` in place of the one installed
    // before; none for English and for codes that fall back to it. False when the
    // translation cannot be loaded: the messages are then in English.
    bool use(const QString &code);

    // The base name of the installed translation, empty when there is none.
    QString current() const { return current_; }

private:
    std::unique_ptr<QTranslator> translator_;
    QString current_;
};

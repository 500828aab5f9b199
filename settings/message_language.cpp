#include "settings/message_language.h"

#include "settings/language_file.h"

#include <QCoreApplication>
#include <QTranslator>
#include <QtDebug>

MessageLanguage::MessageLanguage() = default;

MessageLanguage::~MessageLanguage() = default; // a translator removes itself when deleted

bool MessageLanguage::use(const QString &code)
{
    const QString name = messageTranslation(code);
    if (name == current_ && (translator_ || name.isEmpty()))
        return true;
    translator_.reset();
    current_.clear();
    if (name.isEmpty())
        return true;
    auto translator = std::make_unique<QTranslator>();
    const QString path = QStringLiteral(":/translations/%1.qm").arg(name);
    if (!translator->load(path)) {
        qWarning().noquote()
            << QStringLiteral("trevisto: translation %1 not loaded; messages stay in English.").arg(path);
        return false;
    }
    QCoreApplication::installTranslator(translator.get());
    translator_ = std::move(translator);
    current_ = name;
    return true;
}

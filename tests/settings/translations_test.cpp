// The translations of the program's own messages: complete, in step with the code, and
// installed for the chosen language.
#include "settings/language_file.h"
#include "settings/message_language.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <algorithm>

#include <utility>

namespace {

struct Entry {
    QString translation;
    bool finished = false;
    QStringList forms; // of a text that counts (%n): one a plural form of the language
};
// Keyed by context and source text.
using TsFile = QMap<std::pair<QString, QString>, Entry>;

// The text of an element, with the control characters the file writes as <byte value="xd"/>.
QString readText(QXmlStreamReader &xml)
{
    QString text;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::Characters) {
            text += xml.text();
        } else if (token == QXmlStreamReader::StartElement && xml.name() == u"byte") {
            const QString value = xml.attributes().value(QStringLiteral("value")).toString();
            bool ok = false;
            const int code = value.startsWith('x') ? value.mid(1).toInt(&ok, 16) : value.toInt(&ok);
            EXPECT_TRUE(ok) << value.toStdString();
            text += QChar(code);
        } else if (token == QXmlStreamReader::EndElement && xml.name() != u"byte") {
            break;
        }
    }
    return text;
}

// A <translation>: its text, or the texts of its plural forms.
Entry readTranslation(QXmlStreamReader &xml)
{
    Entry entry;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement && xml.name() == u"numerusform") {
            entry.forms << readText(xml);
        } else if (token == QXmlStreamReader::StartElement && xml.name() == u"byte") {
            bool ok = false;
            const QString value = xml.attributes().value(QStringLiteral("value")).toString();
            entry.translation += QChar(value.startsWith('x') ? value.mid(1).toInt(&ok, 16) : value.toInt(&ok));
        } else if (token == QXmlStreamReader::Characters) {
            entry.translation += xml.text();
        } else if (token == QXmlStreamReader::EndElement && xml.name() == u"translation") {
            break;
        }
    }
    if (!entry.forms.isEmpty())
        entry.translation = entry.forms.front();
    return entry;
}

TsFile readTs(const QString &path)
{
    TsFile entries;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = readText(xml);
        } else if (xml.name() == u"source") {
            source = readText(xml);
        } else if (xml.name() == u"translation") {
            const QString type = xml.attributes().value(QStringLiteral("type")).toString();
            Entry entry = readTranslation(xml);
            entry.finished = type.isEmpty() && !entry.translation.isEmpty() &&
                             std::none_of(entry.forms.begin(), entry.forms.end(), [](const QString &f) { return f.isEmpty(); });
            entries.insert({context, source}, entry);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return entries;
}

// What the code marks today, as the update script extracts it.
TsFile markedInTheCode()
{
    QTemporaryDir dir;
    const QString scratch = dir.filePath("marked.ts");
    QProcess script;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LUPDATE", LUPDATE_PATH);
    script.setProcessEnvironment(env);
    script.start("bash", {SOURCE_DIR "/scripts/update-translations.sh", scratch});
    EXPECT_TRUE(script.waitForFinished(60000));
    EXPECT_EQ(script.exitCode(), 0) << script.readAllStandardError().toStdString();
    return readTs(scratch);
}

// The placeholders of a text and its line breaks, in order of number.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%\\d+|\r\n"));
    QStringList found;
    for (const auto &match : marker.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

std::string describe(const std::pair<QString, QString> &key)
{
    return (key.first + " / " + key.second).toStdString();
}

// The language packs that have a translation, with a text each shows for a full disk.
const struct {
    const char *code;
    const char *translation;
    const char *diskFull;
} Languages[] = {
    {"ger", "trevisto_de", "der Datenträger ist voll"},
    {"spa", "trevisto_es", "el disco está lleno"},
    {"fra", "trevisto_fr", "le disque est plein"},
    {"it", "trevisto_it", "il disco è pieno"},
    {"ru", "trevisto_ru", "диск заполнен"},
    {"sch", "trevisto_zh_CN", "磁盘已满"},
    {"tch", "trevisto_zh_TW", "磁碟已滿"},
};

TEST(MessageTranslations, EveryMarkedTextIsTranslatedInEveryLanguageWithItsPlaceholders)
{
    const TsFile marked = markedInTheCode();
    ASSERT_GT(marked.size(), 50) << "the script found the marked texts";
    EXPECT_EQ(messageTranslations().size(), std::size(Languages));

    for (const auto &language : Languages) {
        SCOPED_TRACE(language.translation);
        EXPECT_EQ(messageTranslation(language.code), language.translation);
        EXPECT_TRUE(messageTranslations().contains(language.translation));
        const TsFile ts = readTs(QStringLiteral(TRANSLATIONS_DIR "/%1.ts").arg(language.translation));
        QTranslator compiled;
        ASSERT_TRUE(compiled.load(QStringLiteral(":/translations/%1.qm").arg(language.translation)));

        for (auto it = marked.cbegin(); it != marked.cend(); ++it)
            EXPECT_TRUE(ts.contains(it.key())) << "not in the .ts: " << describe(it.key());
        for (auto it = ts.cbegin(); it != ts.cend(); ++it) {
            const auto &[context, source] = it.key();
            EXPECT_TRUE(marked.contains(it.key())) << "no longer in the code: " << describe(it.key());
            EXPECT_TRUE(it->finished) << "unfinished: " << describe(it.key());
            EXPECT_NE(it->translation, source) << "left in English: " << describe(it.key());
            if (it->forms.isEmpty()) {
                EXPECT_EQ(placeholders(it->translation), placeholders(source)) << describe(it.key());
                EXPECT_EQ(compiled.translate(context.toUtf8(), source.toUtf8()), it->translation)
                    << "the compiled translation differs: " << describe(it.key());
                continue;
            }
            // A text that counts: every plural form keeps the count and the placeholders, and
            // each count gets one of them.
            for (const QString &form : it->forms) {
                EXPECT_TRUE(form.contains(QLatin1String("%n"))) << "no count in a form: " << describe(it.key());
                EXPECT_EQ(placeholders(form), placeholders(source)) << describe(it.key());
            }
            for (const int n : {1, 2, 5, 21}) {
                EXPECT_TRUE(it->forms.contains(compiled.translate(context.toUtf8(), source.toUtf8(), nullptr, n)))
                    << "the compiled translation for " << n << " differs: " << describe(it.key());
            }
        }
    }
}

TEST(MessageTranslations, TheInstalledTranslationFollowsEachLanguageAndEnglishHasNone)
{
    auto diskFull = [] { return QCoreApplication::translate("System", "the disk is full"); };
    {
        MessageLanguage messages;
        for (const auto &language : Languages) {
            ASSERT_TRUE(messages.use(language.code)) << language.code;
            EXPECT_EQ(messages.current(), language.translation);
            EXPECT_EQ(diskFull(), QString::fromUtf8(language.diskFull)) << language.code;
        }
        // English, and every code that falls back to it, takes the translation away.
        for (const char *english : {"en", "", "GER", "xx"}) {
            ASSERT_TRUE(messages.use("ru"));
            ASSERT_TRUE(messages.use(english));
            EXPECT_EQ(messages.current(), QString()) << english;
            EXPECT_EQ(diskFull(), "the disk is full") << english;
        }
        ASSERT_TRUE(messages.use("sch"));
    }
    EXPECT_EQ(diskFull(), "the disk is full") << "a translation goes with its owner";
}

} // namespace

#include "settings/language_file.h"

#include "settings/captions.h"

#include <QStringDecoder>

#include <algorithm>

QString BytesToText(const QByteArray &bytes, int codePage)
{
    if (bytes.isEmpty() || (codePage != CP_UTF8 && codePage != 0))
        return {};
    // A byte-order mark stays in the text as U+FEFF, like any other character; a sequence
    // cut off at the end is invalid too.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

LanguageSections splitLanguageText(const QString &text)
{
    static const QString sectionSeparator = QStringLiteral("..\\") + QChar(0);
    static const QString groupSeparator = QStringLiteral("\\\\") + QChar(0);
    LanguageSections sections;
    for (const QString &section : text.split(sectionSeparator)) {
        QList<QStringList> groups;
        for (const QString &group : section.split(groupSeparator))
            groups.append(group.split(QChar(0)));
        sections.append(groups);
    }
    return sections;
}

namespace {

// Each language pack: its stored code, the base name of its language file and the base
// name of the translation of the program's own messages (none for English, the language
// they are written in).
struct LanguagePack {
    const char *code;
    const char *baseName;
    const char *messages;
};

constexpr LanguagePack Packs[] = {
    {"en", "english", ""},
    {"fra", "french", "trevisto_fr"},
    {"ger", "german", "trevisto_de"},
    {"it", "italian", "trevisto_it"},
    {"sch", "SimplifiedChinese", "trevisto_zh_CN"},
    {"tch", "TraditionalChinese", "trevisto_zh_TW"},
    {"spa", "spanish", "trevisto_es"},
    {"ru", "russian", "trevisto_ru"},
};

const LanguagePack &packFor(const QString &code)
{
    for (const LanguagePack &pack : Packs)
        if (code == QLatin1String(pack.code))
            return pack;
    return Packs[0];
}

} // namespace

QString languageBaseName(const QString &code)
{
    return QString::fromLatin1(packFor(code).baseName);
}

QString messageTranslation(const QString &code)
{
    return QString::fromLatin1(packFor(code).messages);
}

QStringList messageTranslations()
{
    QStringList names;
    for (const LanguagePack &pack : Packs)
        if (*pack.messages)
            names << QString::fromLatin1(pack.messages);
    return names;
}

LanguageNeeds programNeeds()
{
    LanguageNeeds needs;
    auto need = [&needs](trevisto::TextEntry entry) {
        using enum trevisto::TextTable;
        int &last = entry.table == Prompts ? needs.prompts
                    : entry.table == Messages ? needs.messages
                    : entry.table == Captions ? needs.captions
                                              : needs.menus;
        last = std::max(last, entry.index);
    };
    for (const trevisto::Caption &caption : trevisto::windowCaptions())
        if (caption.entry)
            need(*caption.entry);
    for (const trevisto::PackMessage &message : trevisto::PackMessages)
        need(message.entry);
    return needs;
}

std::optional<LanguageTables> languageTables(const QString &text, const LanguageNeeds &needs, QString *why)
{
    auto fail = [why](const QString &reason) -> std::optional<LanguageTables> {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    if (text.isEmpty())
        return fail(QStringLiteral("no text"));
    if (text.size() > MaxLanguageFileBytes)
        return fail(QStringLiteral("longer than %1 characters").arg(MaxLanguageFileBytes));
    const LanguageSections s = splitLanguageText(text);
    if (s.size() < 3)
        return fail(QStringLiteral("%1 of 3 sections").arg(s.size()));
    if (s[1].size() < 3 || s[2].size() < 3)
        return fail(QStringLiteral("section %1 has fewer than 3 groups").arg(s[1].size() < 3 ? 1 : 2));

    LanguageTables t{s[1][0], s[1][1], s[1][2], s[2][2]};
    const struct {
        const QStringList &table;
        int last;
        const char *name;
    } checks[] = {{t.prompts, needs.prompts, "prompts"},
                  {t.messages, needs.messages, "messages"},
                  {t.captions, needs.captions, "captions"},
                  {t.menus, needs.menus, "menus"}};
    for (const auto &c : checks)
        if (c.table.size() <= c.last)
            return fail(QStringLiteral("%1 has %2 entries, %3 are needed").arg(QLatin1String(c.name)).arg(c.table.size()).arg(c.last + 1));
    return t;
}

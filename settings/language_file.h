#pragma once
// Language files: UTF-8 text in three levels of NUL-separated pieces.
//
//   sections  separated by  "..\" NUL   section 0 is a free header (a byte-order mark lands there)
//   groups    separated by  "\\" NUL
//   entries   separated by  NUL
//
// The window's four text tables come from section 1 groups 0, 1, 2 (prompts, messages,
// captions) and section 2 group 2 (menus). Entries are taken exactly as they are.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

inline constexpr int CP_UTF8 = 65001;

// Decodes `bytes` in `codePage`; only UTF-8 (65001, and 0 for the system's own code page,
// which is UTF-8 here) is known. Invalid sequences become U+FFFD. The empty text for no
// bytes or an unknown code page.
QString BytesToText(const QByteArray &bytes, int codePage);

// Sections of groups of entries, cut outermost first, with no limit on the pieces.
using LanguageSections = QList<QList<QStringList>>;
LanguageSections splitLanguageText(const QString &text);

// The base name of the language file for a stored language code ("ger" -> "german");
// "english" for every code it does not know, letter case included.
QString languageBaseName(const QString &code);

// The base name of the translation of the program's own messages for a stored language
// code ("ru" -> "trevisto_ru"); empty for English, in which they are written, and for
// every code that gives "english". The translations are compiled in under
// ":/translations/", one .qm file each.
QString messageTranslation(const QString &code);
// Every translation that messageTranslation names, each once.
QStringList messageTranslations();

struct LanguageTables {
    QStringList prompts, messages, captions, menus;
};

// The entries a table must have for the window to take it: each table reaches at least
// the highest index the program reads from it.
struct LanguageNeeds {
    int prompts = 0, messages = 0, captions = 0, menus = 0; // highest index read
};
LanguageNeeds programNeeds();

// Language files are a few kilobytes. Anything longer is refused before it is split:
// tens of megabytes would take seconds, and millions of entries as many strings.
inline constexpr qsizetype MaxLanguageFileBytes = 1024 * 1024;

// The tables of a language text, or nothing with the reason in `why` when the text lacks a
// section, a group or an entry that `needs` asks for, or is longer than
// MaxLanguageFileBytes characters.
std::optional<LanguageTables> languageTables(const QString &text, const LanguageNeeds &needs, QString *why = nullptr);

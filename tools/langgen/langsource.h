#pragma once
// The readable source of a language file, one per language, in UTF-8:
//
//   # comment
//   language = Deutsch
//   caption 292 = Marke ein
//   menu 2 = "Öffnen "
//
// Tables are prompt, message, caption and menu. The text runs from the first non-blank
// after "=" to the last non-blank of the line; a text in double quotes keeps blanks at
// its ends (the outer quotes are removed, nothing else is). Entries not named stay empty.

#include <map>
#include <string>
#include <vector>

namespace langgen {

enum Table { Prompt, Message, Caption, Menu, TableCount };
const char *tableName(Table t);

struct Source {
    std::string language; // the "language =" line
    std::map<int, std::string> entries[TableCount];
};

// Parses `text`; on failure returns false with "line N: reason" in `error`.
bool parseSource(const std::string &text, Source &out, std::string &error);

// The file's bytes: a header section naming the language, then the tables. Each table
// has `sizes[t]` entries (at least enough for its own highest index). False, with the
// reason, when an entry cannot be written (invalid UTF-8, a NUL, or an end that would
// read as a separator).
bool buildLanguageFile(const Source &source, const int sizes[TableCount], std::string &out, std::string &error);

} // namespace langgen

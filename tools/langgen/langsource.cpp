#include "langsource.h"

#include <algorithm>
#include <cstring>
#include <sstream>

namespace langgen {

namespace {

const std::string kSectionSeparator("..\\\0", 4);
const std::string kGroupSeparator("\\\\\0", 3);

std::string trim(const std::string &s)
{
    const size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos)
        return {};
    const size_t b = s.find_last_not_of(" \t\r");
    return s.substr(a, b - a + 1);
}

bool validUtf8(const std::string &s)
{
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        const size_t len = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
        if (len == 0 || i + len > s.size() || (len == 2 && c < 0xC2))
            return false;
        for (size_t k = 1; k < len; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        i += len;
    }
    return true;
}

bool endsWith(const std::string &s, const std::string &end)
{
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

std::vector<std::string> split(const std::string &s, const std::string &sep)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at; (at = s.find(sep, start)) != std::string::npos; start = at + sep.size())
        parts.push_back(s.substr(start, at - start));
    parts.push_back(s.substr(start));
    return parts;
}

} // namespace

const char *tableName(Table t)
{
    static const char *names[] = {"prompt", "message", "caption", "menu"};
    return names[t];
}

bool parseSource(const std::string &text, Source &out, std::string &error)
{
    std::istringstream in(text);
    std::string raw;
    for (int lineNo = 1; std::getline(in, raw); ++lineNo) {
        if (lineNo == 1 && raw.compare(0, 3, "\xEF\xBB\xBF") == 0)
            raw.erase(0, 3);
        const std::string line = trim(raw);
        if (line.empty() || line[0] == '#')
            continue;
        const size_t eq = line.find('=');
        if (eq == std::string::npos) {
            error = "line " + std::to_string(lineNo) + ": no \"=\"";
            return false;
        }
        std::string key = trim(line.substr(0, eq));
        std::string value = trim(line.substr(eq + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (!validUtf8(value)) {
            error = "line " + std::to_string(lineNo) + ": not UTF-8";
            return false;
        }
        if (key == "language") {
            out.language = value;
            continue;
        }
        std::istringstream k(key);
        std::string table, index, extra;
        k >> table >> index >> extra;
        int t = 0;
        while (t < TableCount && table != tableName(Table(t)))
            ++t;
        const bool numeric = !index.empty() && index.size() <= 6 &&
                             std::all_of(index.begin(), index.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (t == TableCount || !numeric || !extra.empty()) {
            error = "line " + std::to_string(lineNo) + ": expected \"<prompt|message|caption|menu> <index> = text\"";
            return false;
        }
        if (!out.entries[t].emplace(std::stoi(index), value).second) {
            error = "line " + std::to_string(lineNo) + ": " + key + " given twice";
            return false;
        }
    }
    return true;
}

bool buildLanguageFile(const Source &source, const int sizes[TableCount], std::string &out, std::string &error)
{
    std::vector<std::string> tables[TableCount];
    for (int t = 0; t < TableCount; ++t) {
        const auto &entries = source.entries[t];
        const int size = std::max(sizes[t], entries.empty() ? 0 : entries.rbegin()->first + 1);
        tables[t].assign(size_t(std::max(size, 1)), std::string());
        for (const auto &[index, text] : entries) {
            const std::string name = std::string(tableName(Table(t))) + ' ' + std::to_string(index);
            // Entries are joined by NUL, so these endings would cut a group or section short.
            if (text.find('\0') != std::string::npos || endsWith(text, "\\\\") || endsWith(text, "..\\")) {
                error = name + ": a text may not end in \"\\\\\" or \"..\\\"";
                return false;
            }
            tables[t][size_t(index)] = text;
        }
    }
    auto group = [](const std::vector<std::string> &entries) {
        std::string g;
        for (size_t i = 0; i < entries.size(); ++i)
            g += (i ? std::string(1, '\0') : std::string()) + entries[i];
        return g;
    };
    const std::string unused = group({std::string()});
    out = "Trevisto MP3 Editor language file: " + source.language + "\n";
    out += kSectionSeparator;
    out += group(tables[Prompt]) + kGroupSeparator + group(tables[Message]) + kGroupSeparator + group(tables[Caption]);
    out += kSectionSeparator;
    out += unused + kGroupSeparator + unused + kGroupSeparator + group(tables[Menu]);

    // Read the result back the way the program does, so a text that would shift the
    // entries can never reach a file.
    const auto sections = split(out, kSectionSeparator);
    bool same = sections.size() == 3;
    if (same) {
        const auto s1 = split(sections[1], kGroupSeparator), s2 = split(sections[2], kGroupSeparator);
        same = s1.size() == 3 && s2.size() == 3 && split(s1[0], std::string(1, '\0')) == tables[Prompt] &&
               split(s1[1], std::string(1, '\0')) == tables[Message] &&
               split(s1[2], std::string(1, '\0')) == tables[Caption] && split(s2[2], std::string(1, '\0')) == tables[Menu];
    }
    if (!same) {
        error = "the texts do not read back as written";
        return false;
    }
    return true;
}

} // namespace langgen

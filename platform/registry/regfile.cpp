#include "platform/registry/regfile.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace trevisto::registry {

namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";
constexpr std::string_view kOldHeader = "REGEDIT4";
constexpr uint32_t kSz = 1, kBinary = 3, kDword = 4;

char fold(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool lessFolded(std::string_view a, std::string_view b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return uint8_t(fold(x)) < uint8_t(fold(y)); });
}

std::string_view trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

bool startsWithFolded(std::string_view s, std::string_view prefix)
{
    return s.size() >= prefix.size() && namesEqual(s.substr(0, prefix.size()), prefix);
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = fold(c);
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Up to `maxDigits` hex digits, the whole of `s`.
std::optional<uint32_t> parseHex(std::string_view s, size_t maxDigits)
{
    if (s.empty() || s.size() > maxDigits)
        return std::nullopt;
    uint32_t v = 0;
    for (char c : s) {
        const int d = hexDigit(c);
        if (d < 0)
            return std::nullopt;
        v = v * 16 + uint32_t(d);
    }
    return v;
}

bool validUtf8(const uint8_t *p, size_t n)
{
    size_t i = 0;
    while (i < n) {
        const uint8_t c = p[i];
        size_t len;
        uint32_t cp;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            len = 2, cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            len = 3, cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            len = 4, cp = c & 0x07;
        } else {
            return false;
        }
        if (i + len > n)
            return false;
        for (size_t k = 1; k < len; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        const uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < least[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += len;
    }
    return true;
}

// A quoted text at the start of `s`: the text (escapes resolved) and the rest after the
// closing quote. A backslash before anything but "\" or a quote stands for itself.
std::optional<std::pair<std::string, std::string_view>> parseQuoted(std::string_view s)
{
    if (s.empty() || s.front() != '"')
        return std::nullopt;
    std::string out;
    for (size_t i = 1; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"')
            return std::make_pair(std::move(out), s.substr(i + 1));
        if (c == '\\' && i + 1 < s.size() && (s[i + 1] == '\\' || s[i + 1] == '"')) {
            out += s[++i];
            continue;
        }
        out += c;
    }
    return std::nullopt;
}

void appendQuoted(std::string &out, std::string_view s)
{
    out += '"';
    for (char c : s) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    out += '"';
}

class Parser {
public:
    explicit Parser(std::string_view text)
    {
        if (text.substr(0, 3) == "\xEF\xBB\xBF")
            text.remove_prefix(3);
        size_t start = 0;
        while (start <= text.size()) {
            size_t end = text.find('\n', start);
            if (end == std::string_view::npos)
                end = text.size();
            std::string_view line = text.substr(start, end - start);
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            lines_.push_back(line);
            start = end + 1;
        }
    }

    ParseResult run()
    {
        size_t i = 0;
        while (i < lines_.size() && trim(lines_[i]).empty())
            ++i;
        if (i == lines_.size() || (trim(lines_[i]) != kHeader && trim(lines_[i]) != kOldHeader))
            return fail(i, "the first line is not a registry file header");
        for (++i; i < lines_.size(); ++i) {
            const std::string_view line = trim(lines_[i]);
            if (line.empty() || line.front() == ';')
                continue;
            if (line.front() == '[') {
                if (!section(line))
                    return fail(i, error_);
            } else if (line.front() == '"' || line.front() == '@') {
                if (!current_ && !removing_)
                    return fail(i, "a value before the first key");
                if (!value(i))
                    return fail(i, error_);
            } else {
                return fail(i, "a line that is neither a key nor a value");
            }
        }
        result_.root = std::move(root_);
        return std::move(result_);
    }

private:
    ParseResult fail(size_t line, const std::string &why)
    {
        ParseResult r;
        r.error = why;
        r.line = int(line) + 1;
        return r;
    }

    bool section(std::string_view line)
    {
        if (line.back() != ']' || line.size() < 3) {
            error_ = "a key line without its closing bracket";
            return false;
        }
        std::string_view path = line.substr(1, line.size() - 2);
        const bool remove = !path.empty() && path.front() == '-';
        if (remove)
            path.remove_prefix(1);
        std::vector<std::string_view> parts;
        for (size_t start = 0;;) {
            const size_t sep = path.find('\\', start);
            parts.push_back(path.substr(start, sep == std::string_view::npos ? std::string_view::npos : sep - start));
            if (sep == std::string_view::npos)
                break;
            start = sep + 1;
        }
        for (std::string_view p : parts) {
            if (p.empty()) {
                error_ = "a key path with an empty name in it";
                return false;
            }
        }
        if (!startsWithFolded(parts.front(), "HKEY_")) {
            error_ = "a key outside the known roots";
            return false;
        }
        Key *k = &root_;
        if (remove) {
            for (size_t n = 0; k && n + 1 < parts.size(); ++n)
                k = k->child(parts[n]);
            if (k)
                k->removeChild(parts.back());
            current_ = nullptr;
            removing_ = true;
            return true;
        }
        for (std::string_view p : parts)
            k = &k->childOrAdd(p);
        current_ = k;
        removing_ = false;
        return true;
    }

    bool value(size_t &i)
    {
        std::string_view line = trim(lines_[i]);
        std::string name;
        std::string_view rest;
        if (line.front() == '@') {
            rest = line.substr(1);
        } else {
            auto q = parseQuoted(line);
            if (!q) {
                error_ = "a value name without its closing quote";
                return false;
            }
            name = std::move(q->first);
            rest = q->second;
        }
        rest = trim(rest);
        if (rest.empty() || rest.front() != '=') {
            error_ = "a value name without \"=\"";
            return false;
        }
        rest = trim(rest.substr(1));

        uint32_t type = 0;
        std::vector<uint8_t> data;
        if (rest == "-") {
            if (current_)
                current_->removeValue(name);
            return true;
        } else if (!rest.empty() && rest.front() == '"') {
            auto q = parseQuoted(rest);
            if (!q || !trim(q->second).empty()) {
                error_ = "a text value that is not one quoted text";
                return false;
            }
            type = kSz;
            data.assign(q->first.begin(), q->first.end());
            data.push_back(0);
        } else if (startsWithFolded(rest, "dword:")) {
            const auto v = parseHex(rest.substr(6), 8);
            if (!v) {
                error_ = "a dword value that is not 1 to 8 hex digits";
                return false;
            }
            type = kDword;
            for (int b = 0; b < 4; ++b)
                data.push_back(uint8_t(*v >> (8 * b)));
        } else if (startsWithFolded(rest, "hex")) {
            rest.remove_prefix(3);
            type = kBinary;
            if (!rest.empty() && rest.front() == '(') {
                const size_t close = rest.find(')');
                const auto t = close == std::string_view::npos ? std::nullopt : parseHex(rest.substr(1, close - 1), 8);
                if (!t) {
                    error_ = "a hex value with a bad type number";
                    return false;
                }
                type = *t;
                rest.remove_prefix(close + 1);
            }
            if (rest.empty() || rest.front() != ':') {
                error_ = "a hex value without \":\"";
                return false;
            }
            if (!bytes(rest.substr(1), i, data))
                return false;
        } else {
            error_ = "a value of unknown form";
            return false;
        }
        if (current_)
            current_->setValue(name, type, std::move(data));
        return true;
    }

    // Comma-separated bytes, continued on the next line after a trailing backslash.
    bool bytes(std::string_view list, size_t &i, std::vector<uint8_t> &out)
    {
        for (;;) {
            list = trim(list);
            bool more = false;
            if (!list.empty() && list.back() == '\\') {
                more = true;
                list = trim(list.substr(0, list.size() - 1));
            }
            size_t start = 0;
            while (start < list.size()) {
                size_t comma = list.find(',', start);
                if (comma == std::string_view::npos)
                    comma = list.size();
                const std::string_view item = trim(list.substr(start, comma - start));
                // A comma may end a line (the editor ends continued lines so).
                const auto b = parseHex(item, 2);
                if (!b) {
                    error_ = "a hex value with something other than bytes in it";
                    return false;
                }
                out.push_back(uint8_t(*b));
                start = comma + 1;
            }
            if (!more)
                return true;
            if (++i >= lines_.size()) {
                error_ = "a hex value continued past the end of the file";
                return false;
            }
            list = lines_[i];
        }
    }

    std::vector<std::string_view> lines_;
    Key root_;
    Key *current_ = nullptr;
    bool removing_ = false;
    std::string error_;
    ParseResult result_;
};

void appendHex(std::string &out, const Value &v)
{
    std::string head;
    if (v.name.empty())
        head = "@";
    else
        appendQuoted(head, v.name);
    char type[24];
    if (v.type == kBinary)
        std::snprintf(type, sizeof type, "=hex:");
    else
        std::snprintf(type, sizeof type, "=hex(%x):", unsigned(v.type));
    head += type;
    out += head;
    size_t column = head.size();
    for (size_t n = 0; n < v.data.size(); ++n) {
        char byte[4];
        std::snprintf(byte, sizeof byte, "%02x", v.data[n]);
        out += byte;
        column += 2;
        if (n + 1 < v.data.size()) {
            out += ',';
            ++column;
            if (column > 76) {
                out += "\\\n  ";
                column = 2;
            }
        }
    }
    out += '\n';
}

void appendValue(std::string &out, const Value &v)
{
    const auto &d = v.data;
    const bool quotable = v.type == kSz && !d.empty() && d.back() == 0 &&
                          std::find_if(d.begin(), d.end() - 1, [](uint8_t c) { return c == 0 || c == '\n' || c == '\r'; }) ==
                              d.end() - 1 &&
                          validUtf8(d.data(), d.size() - 1);
    if (quotable) {
        if (v.name.empty())
            out += '@';
        else
            appendQuoted(out, v.name);
        out += '=';
        appendQuoted(out, std::string_view(reinterpret_cast<const char *>(d.data()), d.size() - 1));
        out += '\n';
    } else if (v.type == kDword && d.size() == 4) {
        if (v.name.empty())
            out += '@';
        else
            appendQuoted(out, v.name);
        char dword[24];
        std::snprintf(dword, sizeof dword, "=dword:%08x\n", unsigned(d[0] | d[1] << 8 | d[2] << 16 | uint32_t(d[3]) << 24));
        out += dword;
    } else {
        appendHex(out, v);
    }
}

void appendKey(std::string &out, const Key &key, const std::string &path, bool isRoot)
{
    // A root with nothing of its own needs no section when its keys name it; an empty
    // one still gets its line, or it would be gone after the next save.
    if (!isRoot || !key.values.empty() || key.children.empty()) {
        out += '[' + path + "]\n";
        for (const Value &v : key.values)
            appendValue(out, v);
        out += '\n';
    }
    for (const Key &c : key.children)
        appendKey(out, c, path + '\\' + c.name, false);
}

} // namespace

bool namesEqual(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return fold(x) == fold(y); });
}

Key *Key::child(std::string_view childName)
{
    for (Key &c : children)
        if (namesEqual(c.name, childName))
            return &c;
    return nullptr;
}

Key &Key::childOrAdd(std::string_view childName, bool *added)
{
    if (added)
        *added = false;
    if (Key *c = child(childName))
        return *c;
    if (added)
        *added = true;
    const auto at = std::find_if(children.begin(), children.end(), [&](const Key &c) { return lessFolded(childName, c.name); });
    Key k;
    k.name = std::string(childName);
    return *children.insert(at, std::move(k));
}

void Key::removeChild(std::string_view childName)
{
    std::erase_if(children, [&](const Key &c) { return namesEqual(c.name, childName); });
}

const Value *Key::value(std::string_view valueName) const
{
    for (const Value &v : values)
        if (namesEqual(v.name, valueName))
            return &v;
    return nullptr;
}

void Key::setValue(std::string_view valueName, uint32_t type, std::vector<uint8_t> data)
{
    for (Value &v : values) {
        if (namesEqual(v.name, valueName)) {
            v.type = type;
            v.data = std::move(data);
            return;
        }
    }
    values.push_back(Value{std::string(valueName), type, std::move(data)});
}

void Key::removeValue(std::string_view valueName)
{
    std::erase_if(values, [&](const Value &v) { return namesEqual(v.name, valueName); });
}

ParseResult parseRegText(std::string_view text)
{
    if (text.size() > kMaxRegTextBytes) {
        ParseResult r;
        r.error = "larger than " + std::to_string(kMaxRegTextBytes) + " bytes";
        return r;
    }
    return Parser(text).run();
}

std::string formatRegText(const Key &root)
{
    std::string out(kHeader);
    out += "\n\n";
    for (const Key &hive : root.children)
        appendKey(out, hive, hive.name, true);
    return out;
}

} // namespace trevisto::registry

#pragma once
// The key tree and its text form, the registry editor's export format:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_LOCAL_MACHINE\SOFTWARE\Trevisto]
//   "Language"="ger"
//   "Count"=dword:0000040a
//   "Path"=hex(2):25,00,41,00,00,00
//   @="default value"
//
// Writing: a REG_SZ that is valid UTF-8 with exactly one NUL, at its end, and no line
// break is written as a quoted text ("\" and the quote escaped by a backslash); a REG_DWORD
// of exactly 4 bytes as dword:; every other value as hex(N): (hex: for REG_BINARY), which
// keeps its bytes exactly, a REG_SZ without its NUL included. Long byte lists are wrapped
// with a trailing backslash. Keys are written parent first, children in name order.
//
// Reading accepts the same, plus: "REGEDIT4" as the first line, a UTF-8 byte-order mark,
// CR LF line ends, ";" comment lines, blank lines, surrounding blanks, "[-key]" and
// "name"=- (which remove what they name). A section names its parents too. Sections of
// other roots than HKEY_LOCAL_MACHINE are kept as they are. Anything else is an error.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace trevisto::registry {

struct Value {
    std::string name; // "" is the default value
    uint32_t type = 0;
    std::vector<uint8_t> data;
};

struct Key {
    std::string name;
    std::vector<Value> values;
    std::vector<Key> children; // in name order, compared without regard to ASCII case

    Key *child(std::string_view childName);
    // The child of that name, added when missing; `added` tells which happened.
    Key &childOrAdd(std::string_view childName, bool *added = nullptr);
    void removeChild(std::string_view childName);
    const Value *value(std::string_view valueName) const;
    void setValue(std::string_view valueName, uint32_t type, std::vector<uint8_t> data);
    void removeValue(std::string_view valueName);
};

bool namesEqual(std::string_view a, std::string_view b);

struct ParseResult {
    Key root;          // its children are the roots, "HKEY_LOCAL_MACHINE", ...
    std::string error; // empty when the whole text was understood
    int line = 0;      // 1-based line of the error; 0 for a text refused whole
    bool ok() const { return error.empty(); }
};

// The program's own file is a few hundred bytes. A longer text is refused whole: keys and
// values are found by linear search, so a crafted file of megabytes would take minutes to
// read, and every call reads it.
inline constexpr size_t kMaxRegTextBytes = 64 * 1024;

ParseResult parseRegText(std::string_view text);
std::string formatRegText(const Key &root);

} // namespace trevisto::registry

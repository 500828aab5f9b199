// The settings-file parser: whatever it accepts must survive being written out and read
// back, or a setting would change or vanish on the next save.

#include "platform/registry/regfile.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

using trevisto::registry::Key;

bool sameTree(const Key &a, const Key &b)
{
    if (a.name != b.name || a.values.size() != b.values.size() || a.children.size() != b.children.size())
        return false;
    for (size_t i = 0; i < a.values.size(); ++i) {
        const auto &x = a.values[i];
        const auto &y = b.values[i];
        if (x.name != y.name || x.type != y.type || x.data != y.data)
            return false;
    }
    for (size_t i = 0; i < a.children.size(); ++i)
        if (!sameTree(a.children[i], b.children[i]))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const auto first = trevisto::registry::parseRegText(text);
    if (!first.ok())
        return 0;
    const std::string written = trevisto::registry::formatRegText(first.root);
    // Every section line spells its whole path, so deep keys can write out longer than
    // they read in; the store refuses to save such a tree rather than lose it.
    if (written.size() > trevisto::registry::kMaxRegTextBytes)
        return 0;
    const auto second = trevisto::registry::parseRegText(written);
    if (!second.ok()) {
        std::fprintf(stderr, "the written file does not parse (line %d: %s):\n%s\n", second.line,
                     second.error.c_str(), written.c_str());
        std::abort();
    }
    if (!sameTree(first.root, second.root)) {
        std::fprintf(stderr, "the tree changed on its way through the file:\n%s\n", written.c_str());
        std::abort();
    }
    return 0;
}

#pragma once
// The file behind the keys. Every reader and writer takes an exclusive lock on
// "<file>.lock" for the length of one operation; a change re-reads the file, edits the tree
// and replaces the file through a temporary file in the same folder (written, flushed,
// synced, renamed), so concurrent programs never lose each other's changes and nobody ever
// sees half a file.
//
// A file that is not in the expected form is never overwritten: it is moved aside to
// "<file>.bad", one warning line goes to stderr, and the store goes on empty.

#include "platform/registry/registry.h"
#include "platform/registry/regfile.h"

#include <filesystem>
#include <functional>

namespace trevisto::registry {

class Store {
public:
    explicit Store(std::filesystem::path file) : file_(std::move(file)) {}

    // The current tree. A missing file is an empty tree; an unreadable one is an error.
    LONG read(Key &root) const;

    // Re-reads the tree and hands it to `change`, which returns a result code and sets
    // `changed` when the tree must be written. The file is replaced only then.
    LONG modify(const std::function<LONG(Key &root, bool &changed)> &change) const;

private:
    // `canReplace` is false while a bad file could not be moved aside.
    LONG load(Key &root, bool &canReplace) const;
    LONG save(const Key &root) const;

    std::filesystem::path file_;
};

} // namespace trevisto::registry

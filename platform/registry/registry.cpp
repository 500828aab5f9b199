#include "platform/registry/registry.h"

#include "platform/drive/drive.h"
#include "platform/registry/store.h"

#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace trevisto::registry {

namespace {

constexpr const char *kRootName = "HKEY_LOCAL_MACHINE";

struct OpenKey {
    std::vector<std::string> path; // below the root
    DWORD access = 0;
};

std::mutex handlesMutex;
std::map<HKEY, OpenKey> handles;
HKEY nextHandle = 0x100;

std::optional<OpenKey> lookup(HKEY key)
{
    if (key == HKEY_LOCAL_MACHINE)
        return OpenKey{{}, KEY_ALL_ACCESS};
    std::lock_guard guard(handlesMutex);
    const auto it = handles.find(key);
    if (it == handles.end())
        return std::nullopt;
    return it->second;
}

HKEY addHandle(OpenKey k)
{
    std::lock_guard guard(handlesMutex);
    const HKEY h = nextHandle++;
    handles.emplace(h, std::move(k));
    return h;
}

bool hasLineBreak(const char *s)
{
    return s && std::strpbrk(s, "\r\n") != nullptr;
}

// `base` extended by the levels of `subKey`; empty levels are skipped. Null when a name
// could not be written to the file.
std::optional<std::vector<std::string>> extend(std::vector<std::string> base, const char *subKey)
{
    if (hasLineBreak(subKey))
        return std::nullopt;
    std::string_view rest = subKey ? subKey : "";
    while (!rest.empty()) {
        const size_t sep = rest.find('\\');
        const std::string_view part = rest.substr(0, sep);
        if (!part.empty())
            base.emplace_back(part);
        rest = sep == std::string_view::npos ? std::string_view{} : rest.substr(sep + 1);
    }
    return base;
}

Key *find(Key &root, const std::vector<std::string> &path)
{
    Key *k = root.child(kRootName);
    for (size_t i = 0; k && i < path.size(); ++i)
        k = k->child(path[i]);
    return k;
}

Key &findOrAdd(Key &root, const std::vector<std::string> &path, bool *added)
{
    bool any = false, one = false;
    Key *k = &root.childOrAdd(kRootName, &one);
    for (const std::string &name : path) {
        k = &k->childOrAdd(name, &one);
        any = any || one;
    }
    if (added)
        *added = any;
    return *k;
}

Store store()
{
    return Store(storePath());
}

} // namespace

std::filesystem::path storePath()
{
    return drive::prefix() / "system.reg";
}

LONG RegCreateKeyExA(HKEY key, const char *subKey, DWORD, const char *, DWORD, DWORD samDesired, const void *,
                     HKEY *result, DWORD *disposition)
{
    if (!result)
        return ERROR_INVALID_PARAMETER;
    *result = 0;
    const auto base = lookup(key);
    if (!base)
        return ERROR_INVALID_HANDLE;
    const auto path = extend(base->path, subKey);
    if (!path)
        return ERROR_INVALID_PARAMETER;
    bool created = false;
    const LONG r = store().modify([&](Key &root, bool &changed) {
        findOrAdd(root, *path, &created);
        changed = created;
        return ERROR_SUCCESS;
    });
    if (r != ERROR_SUCCESS)
        return r;
    if (disposition)
        *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    *result = addHandle(OpenKey{*path, samDesired});
    return ERROR_SUCCESS;
}

LONG RegOpenKeyExA(HKEY key, const char *subKey, DWORD, DWORD samDesired, HKEY *result)
{
    if (!result)
        return ERROR_INVALID_PARAMETER;
    *result = 0;
    const auto base = lookup(key);
    if (!base)
        return ERROR_INVALID_HANDLE;
    const auto path = extend(base->path, subKey);
    if (!path)
        return ERROR_FILE_NOT_FOUND;
    Key root;
    if (const LONG r = store().read(root); r != ERROR_SUCCESS)
        return r;
    // The root itself always exists, even in an empty store.
    if (!path->empty() && !find(root, *path))
        return ERROR_FILE_NOT_FOUND;
    *result = addHandle(OpenKey{*path, samDesired});
    return ERROR_SUCCESS;
}

LONG RegSetValueExA(HKEY key, const char *valueName, DWORD, DWORD type, const BYTE *data, DWORD size)
{
    const auto k = lookup(key);
    if (!k)
        return ERROR_INVALID_HANDLE;
    if (!(k->access & KEY_SET_VALUE))
        return ERROR_ACCESS_DENIED;
    if ((size > 0 && !data) || hasLineBreak(valueName))
        return ERROR_INVALID_PARAMETER;
    std::vector<uint8_t> bytes(data, data + size);
    return store().modify([&](Key &root, bool &changed) {
        // A key removed by someone else since it was opened comes back with the value.
        findOrAdd(root, k->path, nullptr).setValue(valueName ? valueName : "", type, std::move(bytes));
        changed = true;
        return ERROR_SUCCESS;
    });
}

LONG RegQueryValueExA(HKEY key, const char *valueName, DWORD *, DWORD *type, BYTE *data, DWORD *size)
{
    const auto k = lookup(key);
    if (!k)
        return ERROR_INVALID_HANDLE;
    if (!(k->access & KEY_QUERY_VALUE))
        return ERROR_ACCESS_DENIED;
    if (data && !size)
        return ERROR_INVALID_PARAMETER;
    Key root;
    if (const LONG r = store().read(root); r != ERROR_SUCCESS)
        return r;
    const Key *found = find(root, k->path);
    const Value *v = found ? found->value(valueName ? valueName : "") : nullptr;
    if (!v)
        return ERROR_FILE_NOT_FOUND;
    if (type)
        *type = v->type;
    const DWORD needed = DWORD(v->data.size());
    if (data) {
        if (*size < needed) {
            *size = needed;
            return ERROR_MORE_DATA;
        }
        // An empty value's bytes have no address to copy from.
        if (needed > 0)
            std::memcpy(data, v->data.data(), needed);
    }
    if (size)
        *size = needed;
    return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY key)
{
    if (key == HKEY_LOCAL_MACHINE)
        return ERROR_SUCCESS;
    std::lock_guard guard(handlesMutex);
    return handles.erase(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

} // namespace trevisto::registry

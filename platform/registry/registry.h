#pragma once
// Keys and typed values under HKEY_LOCAL_MACHINE, with the operations and result codes of
// the classic registry interface: create, open, set, query and close.
//
// The keys live in one text file, <prefix>/system.reg (see regfile.h for its form), that
// every call reads afresh and every change rewrites whole, atomically and under a lock, so
// several programs may use it at once. Key and value names match regardless of ASCII
// letter case and keep the spelling they were created with. Texts are passed as bytes;
// the program uses UTF-8.

#include <cstdint>
#include <filesystem>

namespace trevisto::registry {

using HKEY = std::uintptr_t;
using LONG = std::int32_t;
using DWORD = std::uint32_t;
using BYTE = std::uint8_t;

inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;

// Value types.
inline constexpr DWORD REG_NONE = 0;
inline constexpr DWORD REG_SZ = 1;
inline constexpr DWORD REG_EXPAND_SZ = 2;
inline constexpr DWORD REG_BINARY = 3;
inline constexpr DWORD REG_DWORD = 4;
inline constexpr DWORD REG_MULTI_SZ = 7;
inline constexpr DWORD REG_QWORD = 11;

// Access rights.
inline constexpr DWORD KEY_QUERY_VALUE = 0x0001;
inline constexpr DWORD KEY_SET_VALUE = 0x0002;
inline constexpr DWORD KEY_CREATE_SUB_KEY = 0x0004;
inline constexpr DWORD KEY_ENUMERATE_SUB_KEYS = 0x0008;
inline constexpr DWORD KEY_NOTIFY = 0x0010;
inline constexpr DWORD KEY_CREATE_LINK = 0x0020;
inline constexpr DWORD KEY_ALL_ACCESS = 0xF003F;

// Dispositions of RegCreateKeyExA.
inline constexpr DWORD REG_CREATED_NEW_KEY = 1;
inline constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

// Result codes.
inline constexpr LONG ERROR_SUCCESS = 0;
inline constexpr LONG ERROR_FILE_NOT_FOUND = 2;
inline constexpr LONG ERROR_ACCESS_DENIED = 5;
inline constexpr LONG ERROR_INVALID_HANDLE = 6;
inline constexpr LONG ERROR_WRITE_PROTECT = 19; // the store's file system is read-only
inline constexpr LONG ERROR_WRITE_FAULT = 29;
inline constexpr LONG ERROR_READ_FAULT = 30;
inline constexpr LONG ERROR_INVALID_PARAMETER = 87;
inline constexpr LONG ERROR_DISK_FULL = 112;
inline constexpr LONG ERROR_MORE_DATA = 234;

// Opens `subKey` of `key`, creating every missing level. `keyClass`, `options` and
// `securityAttributes` are accepted and ignored. The file is written only when a key was
// added. `disposition` may be null.
LONG RegCreateKeyExA(HKEY key, const char *subKey, DWORD reserved, const char *keyClass, DWORD options,
                     DWORD samDesired, const void *securityAttributes, HKEY *result, DWORD *disposition);

// Opens an existing key; ERROR_FILE_NOT_FOUND (and *result = 0) when it is missing.
LONG RegOpenKeyExA(HKEY key, const char *subKey, DWORD options, DWORD samDesired, HKEY *result);

// Stores `size` bytes of `type` as value `valueName` (null or "" is the key's default
// value). The bytes are kept exactly as given, whatever the type. Needs KEY_SET_VALUE.
// ERROR_INVALID_PARAMETER, with nothing written, when the file would grow past its limit
// (kMaxRegTextBytes in regfile.h); so does a key created past it.
LONG RegSetValueExA(HKEY key, const char *valueName, DWORD reserved, DWORD type, const BYTE *data, DWORD size);

// Reports a value's type and size; with `data`, also copies its bytes when *size is large
// enough (else ERROR_MORE_DATA with the needed size in *size). Needs KEY_QUERY_VALUE.
LONG RegQueryValueExA(HKEY key, const char *valueName, DWORD *reserved, DWORD *type, BYTE *data, DWORD *size);

LONG RegCloseKey(HKEY key);

// <prefix>/system.reg, the file behind every key.
std::filesystem::path storePath();

} // namespace trevisto::registry

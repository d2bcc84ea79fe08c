#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// Value types, roots and result codes of the registry, with the numbers a
// Windows caller knows, so code that stores or reports them keeps them as is.
namespace platform {

enum class RegRoot : int {
    CurrentUser = 1,  // HKEY_CURRENT_USER
    ClassesRoot = 2,  // HKEY_CLASSES_ROOT
    LocalMachine = 3, // HKEY_LOCAL_MACHINE
};

using RegType = std::uint32_t;
inline constexpr RegType REG_NONE = 0;
inline constexpr RegType REG_SZ = 1;
inline constexpr RegType REG_EXPAND_SZ = 2;
inline constexpr RegType REG_BINARY = 3;
inline constexpr RegType REG_DWORD = 4;

// Result codes: 0 is success, anything else a system error code that
// ShowSystemError can report.
using RegError = long;
inline constexpr RegError ERROR_SUCCESS = 0;
inline constexpr RegError ERROR_FILE_NOT_FOUND = 2;
inline constexpr RegError ERROR_ACCESS_DENIED = 5;
inline constexpr RegError ERROR_INVALID_HANDLE = 6;
inline constexpr RegError ERROR_OUTOFMEMORY = 14;
inline constexpr RegError ERROR_WRITE_PROTECT = 19;
inline constexpr RegError ERROR_DISK_FULL = 112;
inline constexpr RegError ERROR_INVALID_PARAMETER = 87;
inline constexpr RegError ERROR_BUSY = 170;
inline constexpr RegError ERROR_NO_MORE_ITEMS = 259;
inline constexpr RegError ERROR_KEY_DELETED = 1018;
inline constexpr RegError ERROR_REGISTRY_CORRUPT = 1015;
inline constexpr RegError ERROR_IO_DEVICE = 1117;
inline constexpr RegError ERROR_UNSUPPORTED_TYPE = 1630;

// Limits, as on Windows: longer names are refused with ERROR_INVALID_PARAMETER.
inline constexpr int kMaxKeyNameLength = 255;     // one path component
inline constexpr int kMaxKeyDepth = 512;          // levels of keys below a root
inline constexpr int kMaxValueNameLength = 16383; // characters
inline constexpr int kMaxValueDataSize = 16 * 1024 * 1024; // bytes, our own bound

// A raw value as stored: its type and its bytes exactly as set.
struct RegValue {
    RegType type = REG_NONE;
    QByteArray data;
};

// What a typed read found: callers keep their default unless it is Ok.
enum class RegReadStatus {
    Ok,
    Missing,   // no such value (or no such key)
    WrongType, // the value exists with another type or an impossible size
};

const char* rootName(RegRoot root); // "HKEY_CURRENT_USER", ...

// True when name holds a UTF-16 surrogate without its partner: such a name
// has no form in the database (it would be stored as a replacement
// character, so different names would become one) and is refused.
bool hasUnpairedSurrogate(const QString& name);

// Strings are stored as UTF-16LE with one terminating NUL.
QByteArray encodeRegString(const QString& text);
// Reads UTF-16LE bytes up to the first NUL (or the end); an odd last byte is
// ignored.
QString decodeRegString(const QByteArray& data);
QByteArray encodeRegDword(std::uint32_t value);

} // namespace platform

#pragma once

#include "platform/registry/RegTypes.h"
#include "platform/registry/Registry.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

// An open registry key: a cheap value type (copyable), like an HKEY that
// closes itself. Operations on a key deleted meanwhile fail with
// ERROR_KEY_DELETED. A default-constructed RegKey is invalid and every
// operation on it fails with ERROR_INVALID_HANDLE.
//
// Typical use:
//   RegKey key = RegKey::create(RegRoot::CurrentUser, "Software\\Ovrel\\Quorrelin\\Settings");
//   if (auto v = key.readDword("TabWidth")) ...
class RegKey {
public:
    RegKey() = default;

    // Creates the key (and missing parents) or opens it when it exists
    // (RegCreateKeyEx). error receives the result code when given.
    static RegKey create(RegRoot root, const QString& path, RegError* error = nullptr,
                         Registry* registry = nullptr);
    // Opens an existing key (RegOpenKeyEx); invalid when missing.
    static RegKey open(RegRoot root, const QString& path, RegError* error = nullptr,
                       Registry* registry = nullptr);
    // The root key itself.
    static RegKey root(RegRoot root, Registry* registry = nullptr);

    // Subkeys relative to this key.
    RegKey createSubkey(const QString& path, RegError* error = nullptr) const;
    RegKey openSubkey(const QString& path, RegError* error = nullptr) const;
    // Deletes the subkey at path with its whole tree (SHDeleteKey).
    RegError deleteSubtree(const QString& path) const;

    bool isValid() const { return registry_ != nullptr && id_ != 0; }
    explicit operator bool() const { return isValid(); }
    std::int64_t id() const { return id_; }
    Registry* registry() const { return registry_; }

    // ---- Raw values ----
    RegError setValue(const QString& name, RegType type, const QByteArray& data) const;
    RegError queryValue(const QString& name, RegValue* value) const;
    RegError deleteValue(const QString& name) const;

    // ---- Typed writes ----
    RegError setString(const QString& name, const QString& text) const; // REG_SZ
    RegError setExpandString(const QString& name, const QString& text) const; // REG_EXPAND_SZ
    RegError setDword(const QString& name, std::uint32_t value) const;
    RegError setBinary(const QString& name, const QByteArray& data) const;

    // ---- Typed reads: nullopt when missing or of the wrong type/size. ----
    // The status form tells which of the two it was.
    std::optional<std::uint32_t> readDword(const QString& name,
                                           RegReadStatus* status = nullptr) const;
    // Accepts REG_SZ and REG_EXPAND_SZ (no expansion).
    std::optional<QString> readString(const QString& name, RegReadStatus* status = nullptr) const;
    std::optional<QByteArray> readBinary(const QString& name,
                                         RegReadStatus* status = nullptr) const;

    // ---- Enumeration ----
    RegError enumKey(int index, QString* name) const;
    QStringList subkeyNames() const; // case-insensitive name order
    RegError enumValue(int index, QString* name, RegValue* value) const;
    std::vector<Registry::NamedValue> values() const; // creation order
    RegError info(Registry::KeyInfo* info) const;

private:
    RegKey(Registry* registry, std::int64_t id) : registry_(registry), id_(id) {}

    Registry* registry_ = nullptr;
    std::int64_t id_ = 0;
};

} // namespace platform

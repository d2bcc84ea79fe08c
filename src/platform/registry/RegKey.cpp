#include "platform/registry/RegKey.h"

namespace platform {

namespace {

Registry* orDefault(Registry* registry) { return registry ? registry : &Registry::instance(); }

void report(RegError* out, RegError error) {
    if (out)
        *out = error;
}

} // namespace

RegKey RegKey::create(RegRoot root, const QString& path, RegError* error, Registry* registry) {
    return RegKey::root(root, registry).createSubkey(path, error);
}

RegKey RegKey::open(RegRoot root, const QString& path, RegError* error, Registry* registry) {
    return RegKey::root(root, registry).openSubkey(path, error);
}

RegKey RegKey::root(RegRoot root, Registry* registry) {
    Registry* r = orDefault(registry);
    return RegKey(r, r->rootId(root));
}

RegKey RegKey::createSubkey(const QString& path, RegError* error) const {
    if (!isValid()) {
        report(error, ERROR_INVALID_HANDLE);
        return {};
    }
    std::int64_t id = 0;
    const RegError e = registry_->createKey(id_, path, &id);
    report(error, e);
    return e == ERROR_SUCCESS ? RegKey(registry_, id) : RegKey();
}

RegKey RegKey::openSubkey(const QString& path, RegError* error) const {
    if (!isValid()) {
        report(error, ERROR_INVALID_HANDLE);
        return {};
    }
    std::int64_t id = 0;
    const RegError e = registry_->openKey(id_, path, &id);
    report(error, e);
    return e == ERROR_SUCCESS ? RegKey(registry_, id) : RegKey();
}

RegError RegKey::deleteSubtree(const QString& path) const {
    return isValid() ? registry_->deleteTree(id_, path) : ERROR_INVALID_HANDLE;
}

RegError RegKey::setValue(const QString& name, RegType type, const QByteArray& data) const {
    return isValid() ? registry_->setValue(id_, name, type, data) : ERROR_INVALID_HANDLE;
}

RegError RegKey::queryValue(const QString& name, RegValue* value) const {
    return isValid() ? registry_->queryValue(id_, name, value) : ERROR_INVALID_HANDLE;
}

RegError RegKey::deleteValue(const QString& name) const {
    return isValid() ? registry_->deleteValue(id_, name) : ERROR_INVALID_HANDLE;
}

RegError RegKey::setString(const QString& name, const QString& text) const {
    return setValue(name, REG_SZ, encodeRegString(text));
}

RegError RegKey::setExpandString(const QString& name, const QString& text) const {
    return setValue(name, REG_EXPAND_SZ, encodeRegString(text));
}

RegError RegKey::setDword(const QString& name, std::uint32_t value) const {
    return setValue(name, REG_DWORD, encodeRegDword(value));
}

RegError RegKey::setBinary(const QString& name, const QByteArray& data) const {
    return setValue(name, REG_BINARY, data);
}

namespace {

// Looks a value up and sorts the outcome into found / missing / wrong type.
bool fetch(const RegKey& key, const QString& name, RegValue* value, RegReadStatus* status,
           bool (*acceptable)(const RegValue&)) {
    RegReadStatus result = RegReadStatus::Missing;
    if (key.queryValue(name, value) == ERROR_SUCCESS)
        result = acceptable(*value) ? RegReadStatus::Ok : RegReadStatus::WrongType;
    if (status)
        *status = result;
    return result == RegReadStatus::Ok;
}

} // namespace

std::optional<std::uint32_t> RegKey::readDword(const QString& name, RegReadStatus* status) const {
    RegValue v;
    if (!fetch(*this, name, &v, status,
               [](const RegValue& x) { return x.type == REG_DWORD && x.data.size() == 4; }))
        return std::nullopt;
    const auto* p = reinterpret_cast<const unsigned char*>(v.data.constData());
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::optional<QString> RegKey::readString(const QString& name, RegReadStatus* status) const {
    RegValue v;
    if (!fetch(*this, name, &v, status,
               [](const RegValue& x) { return x.type == REG_SZ || x.type == REG_EXPAND_SZ; }))
        return std::nullopt;
    return decodeRegString(v.data);
}

std::optional<QByteArray> RegKey::readBinary(const QString& name, RegReadStatus* status) const {
    RegValue v;
    if (!fetch(*this, name, &v, status, [](const RegValue& x) { return x.type == REG_BINARY; }))
        return std::nullopt;
    return v.data;
}

RegError RegKey::enumKey(int index, QString* name) const {
    return isValid() ? registry_->enumKey(id_, index, name) : ERROR_INVALID_HANDLE;
}

QStringList RegKey::subkeyNames() const {
    QStringList names;
    if (isValid())
        registry_->subkeyNames(id_, &names);
    return names;
}

RegError RegKey::enumValue(int index, QString* name, RegValue* value) const {
    return isValid() ? registry_->enumValue(id_, index, name, value) : ERROR_INVALID_HANDLE;
}

std::vector<Registry::NamedValue> RegKey::values() const {
    std::vector<Registry::NamedValue> out;
    if (isValid())
        registry_->values(id_, &out);
    return out;
}

RegError RegKey::info(Registry::KeyInfo* info) const {
    return isValid() ? registry_->keyInfo(id_, info) : ERROR_INVALID_HANDLE;
}

} // namespace platform

#include "platform/os/OfflineState.h"

#include "platform/registry/RegKey.h"

namespace platform {

namespace {
const QString kKey = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings");
const QString kValue = QStringLiteral("GlobalUserOffline");
} // namespace

bool IsOffline(Registry* registry) {
    const RegKey key = RegKey::open(RegRoot::CurrentUser, kKey, nullptr, registry);
    return key && key.readDword(kValue).value_or(0) != 0;
}

bool SetOffline(bool offline, Registry* registry) {
    const RegKey key = RegKey::create(RegRoot::CurrentUser, kKey, nullptr, registry);
    return key && key.setDword(kValue, offline ? 1 : 0) == ERROR_SUCCESS;
}

} // namespace platform

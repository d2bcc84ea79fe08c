#include "system/RegistryRead.h"

#include "platform/registry/RegKey.h"

std::optional<QString> readRegistryString(platform::RegRoot root, const QString& path,
                                          const QString& name, platform::Registry* registry) {
    const platform::RegKey key = platform::RegKey::open(root, path, nullptr, registry);
    if (!key)
        return std::nullopt;
    return key.readString(name);
}

#pragma once

#include "platform/registry/RegTypes.h"

#include <QString>

#include <optional>

namespace platform {
class Registry;
}

// Reads a string value (REG_SZ or REG_EXPAND_SZ, taken as stored, without
// expansion) of the key at path below root; an empty name reads the key's
// default value. nullopt when the key or the value is missing or the value
// is not a string. registry null means the process's own.
std::optional<QString> readRegistryString(platform::RegRoot root, const QString& path,
                                          const QString& name = QString(),
                                          platform::Registry* registry = nullptr);

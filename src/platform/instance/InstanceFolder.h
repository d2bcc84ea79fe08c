#pragma once

#include "platform/instance/InstanceProtocol.h"

#include <QString>

#include <optional>

namespace platform {

// The private per-user folder that holds one local socket per running main
// window, named "<id>.sock" after the window's InstanceId.
//
// Location, first that applies:
//   $QUORRELIN_RUNTIME_DIR               when set and not empty
//   $XDG_RUNTIME_DIR/quorrelin           when XDG_RUNTIME_DIR is an absolute path
//   /tmp/quorrelin-<user id>
// The folder must be a real directory (no symbolic link) owned by the current
// user with no access for group or others (0700). ensure() creates it (and
// missing parents) with that mode and refuses a folder that exists with other
// ownership or a looser mode, since another user could then plant or read
// sockets there.
class InstanceFolder {
public:
    // Where the folder is, from the environment; nothing is created.
    static QString location();

    // Makes sure the folder at path exists and is private. Returns false with
    // a message in error (when given) when it cannot be created or must not
    // be used.
    static bool ensure(const QString& path, QString* error = nullptr);

    // The socket path of an instance inside folder.
    static QString socketPath(const QString& folder, InstanceId id);

    // The id a socket file name stands for ("1234.sock" -> 1234); nullopt for
    // any other name, including ids that are 0, negative or out of range.
    static std::optional<InstanceId> idFromSocketName(const QString& fileName);
};

} // namespace platform

#pragma once

#include "linkgroups/LinkGroup.h"
#include "platform/registry/RegTypes.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

namespace platform {
class Registry;
}

// Looks at the session keys that earlier runs and other instances left under
// kSessionsKeyPath, once at start-up.
//
// Walking the subkeys from the last to the first, a key is
//  - left alone when it is this process's own record, or when its name is the
//    id of a running instance (isRunning asks it through its socket);
//  - otherwise stale. A stale key named by a non-zero id whose "NormalExit" is
//    0 or missing belongs to a session that crashed: its windows are appended
//    to the crashed group and the key is kept until ForgetCrashed() (so that a
//    crash before the user has answered loses nothing). Every other stale key,
//    including names that are not numbers, is deleted at once.
//
// A key named by this process's id that this process has not written yet is
// left over from an earlier process that had the same id: it is stale too.
class SessionScanner {
public:
    // Whether a running instance other than this process owns id.
    using RunningCheck = std::function<bool(std::int32_t id)>;

    // ownId: this process's main window id. ownKeyWritten: whether this
    // process has written its own session key yet.
    SessionScanner(std::int32_t ownId, bool ownKeyWritten, RunningCheck isRunning,
                   platform::Registry* registry = nullptr);

    struct Result {
        // Whether at least one crashed session was found.
        bool crashFound = false;
        // The key paths of the crashed sessions, still in the registry.
        QStringList crashedKeys;
    };
    // Scans the keys; the crashed sessions' links are appended to *crashed.
    Result Scan(LinkGroup* crashed) const;

    // Deletes the crashed sessions' keys (each with its subtree) in one
    // transaction; inside an enclosing transaction it joins that one.
    static platform::RegError ForgetCrashed(const QStringList& keys,
                                            platform::Registry* registry = nullptr);

    // The id a session key's name stands for: its leading decimal digits,
    // 0 when it has none or they do not fit a positive 32-bit id.
    static std::int32_t IdFromKeyName(const QString& name);

private:
    std::int32_t ownId_;
    bool ownKeyWritten_;
    RunningCheck isRunning_;
    platform::Registry* registry_;
};

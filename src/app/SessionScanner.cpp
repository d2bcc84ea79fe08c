#include "app/SessionScanner.h"

#include "app/SettingsPaths.h"
#include "linkgroups/LinkGroupStore.h"
#include "platform/registry/RegKey.h"
#include "platform/registry/RegTransaction.h"

#include <limits>

using platform::RegError;
using platform::RegKey;

SessionScanner::SessionScanner(std::int32_t ownId, bool ownKeyWritten, RunningCheck isRunning,
                               platform::Registry* registry)
    : ownId_(ownId), ownKeyWritten_(ownKeyWritten), isRunning_(std::move(isRunning)),
      registry_(registry) {}

std::int32_t SessionScanner::IdFromKeyName(const QString& name) {
    std::int64_t id = 0;
    for (const QChar c : name) {
        if (c < u'0' || c > u'9')
            break;
        id = id * 10 + (c.unicode() - u'0');
        if (id > std::numeric_limits<std::int32_t>::max())
            return 0;
    }
    return static_cast<std::int32_t>(id);
}

SessionScanner::Result SessionScanner::Scan(LinkGroup* crashed) const {
    Result result;
    const QString sessionsPath = QString::fromUtf16(kSessionsKeyPath);
    const RegKey sessions =
        RegKey::open(platform::RegRoot::CurrentUser, sessionsPath, nullptr, registry_);
    platform::Registry::KeyInfo info;
    if (!sessions || sessions.info(&info) != platform::ERROR_SUCCESS || info.subkeyCount == 0 ||
        info.maxSubkeyNameLength == 0)
        return result;
    // From the last to the first, so deleting a key never moves one still
    // to be visited.
    for (int index = info.subkeyCount - 1; index >= 0; --index) {
        QString name;
        if (sessions.enumKey(index, &name) != platform::ERROR_SUCCESS)
            break;
        const std::int32_t id = IdFromKeyName(name);
        if (id != 0 && id == ownId_ && ownKeyWritten_)
            continue;
        if (id != 0 && id != ownId_ && isRunning_ && isRunning_(id))
            continue;
        if (id != 0) {
            const RegKey key = sessions.openSubkey(name);
            const std::optional<std::uint32_t> normalExit =
                key.readDword(QStringLiteral("NormalExit"));
            if (key && normalExit.value_or(0) == 0) {
                ReadLinkGroup(key, crashed, true);
                result.crashFound = true;
                result.crashedKeys << sessionsPath + QLatin1Char('\\') + name;
                continue;
            }
        }
        sessions.deleteSubtree(name);
    }
    return result;
}

RegError SessionScanner::ForgetCrashed(const QStringList& keys, platform::Registry* registry) {
    if (keys.isEmpty())
        return platform::ERROR_SUCCESS;
    platform::RegTransaction tx(registry);
    if (tx.beginError() != platform::ERROR_SUCCESS)
        return tx.beginError();
    const RegKey root = RegKey::root(platform::RegRoot::CurrentUser, registry);
    for (const QString& key : keys) {
        const RegError error = root.deleteSubtree(key);
        if (error != platform::ERROR_SUCCESS && error != platform::ERROR_FILE_NOT_FOUND)
            return error; // rolled back: the sessions stay to be offered again
    }
    return tx.commit();
}

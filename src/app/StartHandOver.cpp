#include "app/StartHandOver.h"

#include "app/SettingsPaths.h"
#include "platform/instance/InstanceClient.h"
#include "platform/instance/InstanceStartLock.h"
#include "platform/registry/RegKey.h"

namespace {

// How long a start that waited for another start gives that instance to
// answer the find request.
constexpr int kJustStartedFindTimeoutMs = 5000;

bool multipleInstancesAllowed() {
    const platform::RegKey key = platform::RegKey::open(
        platform::RegRoot::CurrentUser, QString::fromUtf16(kSettingsKeyPath));
    return key.readDword(QStringLiteral("MultipleInstance")).value_or(0) != 0;
}

} // namespace

QString CommandLineAddress(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        if (!argument.startsWith(QLatin1String("--")))
            return argument;
    }
    return QString();
}

StartHandOver::StartHandOver(QStringList arguments) : arguments_(std::move(arguments)) {}

StartHandOver::~StartHandOver() = default;

bool StartHandOver::run() {
    if (multipleInstancesAllowed())
        return false;
    searched_ = true;
    // Search and publish under one lock: of two starts at the same instant
    // one opens the main window and the other hands over to it.
    lock_ = std::make_unique<platform::InstanceStartLock>();
    lock_->acquire();
    platform::InstanceClient client;
    // An instance that published its socket a moment ago may still be busy
    // opening its start windows before it answers.
    if (lock_->waited())
        client.setFindTimeout(kJustStartedFindTimeoutMs);
    if (!client.handOver(CommandLineAddress(arguments_)))
        return false;
    lock_.reset();
    return true;
}

std::unique_ptr<platform::InstanceStartLock> StartHandOver::takeLock() { return std::move(lock_); }

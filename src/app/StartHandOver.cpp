#include "app/StartHandOver.h"

#include "app/SettingsPaths.h"
#include "platform/instance/InstanceClient.h"
#include "platform/instance/InstanceStartLock.h"
#include "platform/registry/RegKey.h"

#include <cstdlib>

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

bool StartHandOver::needsNoSearch() const {
    return arguments_.contains(QLatin1String("--print-settings"));
}

void StartHandOver::passOnForExec() {
    if (!searched_) {
        ::unsetenv(kLauncherSearchVariable);
        return;
    }
    const int fd = lock_ ? lock_->keepAcrossExec() : -1;
    const bool waited = lock_ && lock_->waited();
    const QByteArray value = QByteArray::number(fd) + (waited ? ":1" : ":0");
    ::setenv(kLauncherSearchVariable, value.constData(), 1);
}

bool StartHandOver::takeOverFromLauncher() {
    const QByteArray value = qgetenv(kLauncherSearchVariable);
    if (value.isNull())
        return false;
    ::unsetenv(kLauncherSearchVariable);
    const QList<QByteArray> parts = value.split(':');
    bool fdOk = false;
    const int fd = parts.size() == 2 ? parts[0].toInt(&fdOk) : -1;
    if (!fdOk || fd < -1 || (parts[1] != "0" && parts[1] != "1"))
        return false;
    auto lock = std::make_unique<platform::InstanceStartLock>();
    // A descriptor that is not our lock file is refused: the start then
    // searches again, which is only slower.
    if (fd >= 0 && !lock->adopt(fd, parts[1] == "1"))
        return false;
    searched_ = true;
    lock_ = std::move(lock);
    return true;
}

std::unique_ptr<platform::InstanceStartLock> StartHandOver::takeLock() { return std::move(lock_); }

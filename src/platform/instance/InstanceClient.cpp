#include "platform/instance/InstanceClient.h"

#include "platform/instance/InstanceExchange.h"
#include "platform/instance/InstanceFolder.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace platform {
namespace {

bool processIsGone(InstanceId id) {
    return ::kill(pid_t(id), 0) != 0 && errno == ESRCH;
}

InstanceId ownId() {
    return InstanceId(::getpid());
}

} // namespace

InstanceClient::InstanceClient(QString folder) : folder_(std::move(folder)) {}

InstanceClient::InstanceClient() : InstanceClient(InstanceFolder::location()) {}

bool InstanceClient::folderUsable() const {
    // A folder others may write to could hold a socket planted to catch the
    // addresses handed over; such a folder is not used at all.
    return InstanceFolder::ensure(folder_);
}

QList<InstanceId> InstanceClient::enumerate() const {
    QList<InstanceId> ids;
    if (!folderUsable())
        return ids;
    const QStringList names =
        QDir(folder_).entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::NoSort);
    for (const QString& name : names) {
        if (const auto id = InstanceFolder::idFromSocketName(name))
            ids.append(*id);
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

std::optional<InstanceId> InstanceClient::findInstance() const {
    const InstanceId self = ownId();
    for (InstanceId id : enumerate()) {
        if (id == self)
            continue;
        const auto answer = sendFindInstance(id);
        if (answer && *answer == quint64(id))
            return id;
    }
    return std::nullopt;
}

bool InstanceClient::isRunningInstance(InstanceId id) const {
    if (id <= 0)
        return false;
    if (id == ownId())
        return true;
    const auto answer = sendFindInstance(id);
    return answer && *answer == quint64(id);
}

std::optional<quint64> InstanceClient::sendFindInstance(InstanceId id) const {
    return request(id, instancewire::findInstanceRequest(), findTimeoutMs_);
}

std::optional<quint64> InstanceClient::sendCopyData(InstanceId id, quint64 tag,
                                                    const QByteArray& data) const {
    const QByteArray frame = instancewire::copyDataRequest(tag, data);
    if (frame.isEmpty())
        return std::nullopt;
    return request(id, frame, deliveryTimeoutMs_);
}

std::optional<quint64> InstanceClient::sendNavigate(InstanceId id, quint64 wParam,
                                                    quint64 lParam) const {
    return request(id, instancewire::navigateRequest(wParam, lParam), deliveryTimeoutMs_);
}

bool InstanceClient::handOver(const QString& address) const {
    const auto id = findInstance();
    if (!id)
        return false;
    if (address.isEmpty()) {
        sendNavigate(*id, 0, 0);
        return true;
    }
    const auto copied = sendCopyData(*id, 0, instancewire::copyDataFromText(address));
    if (copied && *copied != 0)
        sendNavigate(*id, 0, 1);
    return true;
}

std::optional<quint64> InstanceClient::request(InstanceId id, const QByteArray& frame,
                                               int timeoutMs) const {
    if (id <= 0 || !folderUsable())
        return std::nullopt;
    const QString path = InstanceFolder::socketPath(folder_, id);
    const InstanceExchange exchange = InstanceExchange::run(path, frame, timeoutMs);
    if (exchange.outcome == InstanceExchange::Outcome::Answered)
        return exchange.result;
    // Nobody listens and no process has the id: a left-over of a process that
    // died. While the process exists the file stays, since its server may be
    // about to take the name over.
    if (exchange.outcome == InstanceExchange::Outcome::Refused && processIsGone(id))
        QFile::remove(path);
    return std::nullopt;
}

} // namespace platform

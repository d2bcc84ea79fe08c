#pragma once

#include "platform/instance/InstanceProtocol.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace platform {

// The sending end of the instance messages: finds the running main windows
// through their sockets in the instance folder (see InstanceFolder) and sends
// them requests (wire format in InstanceProtocol.h).
//
// Every call blocks until it has its answer or its time-out has passed; it
// needs no event loop and may run on any thread, but must not be pointed at
// an InstanceServer served by the calling thread (that server cannot answer
// while the caller waits). It is meant for start-up, before any window
// exists, and for short checks such as whether an id still runs.
//
// A socket whose connection is refused belongs to no running window. When,
// in addition, no process with its id exists, the file is left over from a
// process that died and is removed on the way.
class InstanceClient {
public:
    static constexpr int kFindTimeoutMs = 500;
    static constexpr int kDeliveryTimeoutMs = 10000;

    // Talks to the instances whose sockets are in folder.
    explicit InstanceClient(QString folder);
    // ... in InstanceFolder::location().
    InstanceClient();

    const QString& folder() const { return folder_; }

    // Time-out of one FindInstance request (also used by isRunningInstance).
    void setFindTimeout(int milliseconds) { findTimeoutMs_ = milliseconds; }
    // Time-out of one CopyData or Navigate request, whose handler may take a
    // while (opening a window).
    void setDeliveryTimeout(int milliseconds) { deliveryTimeoutMs_ = milliseconds; }

    // The ids of the socket files in the folder, ascending; nobody is asked.
    // Empty when the folder is missing or not private.
    QList<InstanceId> enumerate() const;

    // Asks the instances in enumerate() order, skipping this process's own
    // id, and returns the first whose answer equals its own id; nullopt when
    // none does. A socket that gives no answer within the find time-out is
    // passed over.
    std::optional<InstanceId> findInstance() const;

    // Whether id's socket answers FindInstance with id. This process's own id
    // counts as running without asking.
    bool isRunningInstance(InstanceId id) const;

    // Single requests. The result is the receiver's answer, or nullopt when
    // it could not be reached, answered nothing valid in time, or (CopyData)
    // the data is longer than instancewire::kMaxCopyDataBytes.
    std::optional<quint64> sendFindInstance(InstanceId id) const;
    std::optional<quint64> sendCopyData(InstanceId id, quint64 tag, const QByteArray& data) const;
    std::optional<quint64> sendNavigate(InstanceId id, quint64 wParam, quint64 lParam) const;

    // Hands a start over to a running instance: finds one; then, for a
    // non-empty address, sends it as CopyData with tag 0 (UTF-16 with its
    // terminating zero) and, when that returns non-zero, Navigate with
    // wParam 0 and lParam 1; for an empty address sends Navigate with
    // wParam 0 and lParam 0. Returns whether an instance was found, in which
    // case the caller ends without opening a window.
    bool handOver(const QString& address) const;

private:
    std::optional<quint64> request(InstanceId id, const QByteArray& frame, int timeoutMs) const;
    bool folderUsable() const;

    QString folder_;
    int findTimeoutMs_ = kFindTimeoutMs;
    int deliveryTimeoutMs_ = kDeliveryTimeoutMs;
};

} // namespace platform

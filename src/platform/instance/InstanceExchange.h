#pragma once

#include <QByteArray>
#include <QString>

#include <QtGlobal>

namespace platform {

// One blocking request over a local socket, bounded by a total time-out:
// connect, send the request frame, read one Result frame. Used by
// InstanceClient; needs no event loop.
struct InstanceExchange {
    enum class Outcome {
        Answered, // a valid Result frame arrived; result holds its value
        NoSocket, // nothing at the path (or the path is too long for a socket)
        Refused,  // the path exists but nobody listens there
        NoAnswer, // connected, but no valid reply in time (or the peer hung up)
    };

    Outcome outcome = Outcome::NoAnswer;
    quint64 result = 0;

    static InstanceExchange run(const QString& socketPath, const QByteArray& request,
                                int timeoutMs);
};

} // namespace platform

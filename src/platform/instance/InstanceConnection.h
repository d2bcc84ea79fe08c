#pragma once

#include "platform/instance/InstanceProtocol.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <optional>

class QLocalSocket;

namespace platform {

class InstanceServer;

// The server side of one accepted connection (used by InstanceServer only).
// It reads one request frame with the bounds of InstanceProtocol.h, hands a
// valid one to the server from the event loop and writes the reply, or drops
// the peer without a reply when the frame is refused or does not arrive in
// time. It deletes itself (deleteLater) when done; it owns the socket.
class InstanceConnection : public QObject {
    Q_OBJECT
public:
    InstanceConnection(QLocalSocket* socket, InstanceServer* server, int timeoutMs);
    ~InstanceConnection() override;

    // Cuts the tie to a server that is closing: the peer is dropped and the
    // server is never called again.
    void detach();
    // Whether the peer has not yet sent its whole request.
    bool isIdle() const { return state_ == State::Reading; }
    // Drops an idle peer to make room for another; the place is free at once.
    void dropIdle();

private:
    enum class State { Reading, Dispatching, Answered, Finished };

    void readAvailable();
    bool readHeader();
    void dispatchRequest();
    void refuse(const QString& reason);
    void finish();

    QLocalSocket* socket_;
    InstanceServer* server_;
    QTimer deadline_;
    QByteArray buffer_;
    std::optional<instancewire::FrameHeader> header_;
    State state_ = State::Reading;
};

} // namespace platform

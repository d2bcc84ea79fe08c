#pragma once

#include "platform/instance/InstanceProtocol.h"

#include <QObject>
#include <QString>

#include <sys/types.h>

#include <functional>

class QLocalServer;

namespace platform {

class InstanceConnection;

// The receiving end of the instance messages for one main window: a local
// socket "<id>.sock" in the instance folder (see InstanceFolder) that answers
//   FindInstance  with the server's own id,
//   CopyData      with what the copy-data handler returns (0 without one),
//   Navigate      with what the navigate handler returns (0 without one).
// The wire format is described in InstanceProtocol.h.
//
// Everything runs on the thread that owns the server, driven by its event
// loop; no call ever waits for a peer. A peer that sends a malformed or
// oversized frame, or no complete frame within the request time-out, is
// disconnected without a reply and reaches no handler. Handlers run from the
// event loop (never inside socket code), so they may open dialogs or even
// destroy the server.
//
// The socket is made under a hidden name and renamed into place once it
// listens, so a "<id>.sock" that refuses connections never belongs to a
// server that is still starting. The destructor (or close()) removes it.
class InstanceServer : public QObject {
    Q_OBJECT
public:
    using CopyDataHandler = std::function<quint64(quint64 tag, const QByteArray& data)>;
    using NavigateHandler = std::function<quint64(quint64 wParam, quint64 lParam)>;

    static constexpr int kDefaultRequestTimeoutMs = 2000;
    // At most this many connections are served at once. When all are taken,
    // a new peer takes the place of the oldest one that has not yet sent a
    // complete request; only when none is idle is the new peer closed.
    static constexpr int kMaxConnections = 32;

    explicit InstanceServer(InstanceId id, QObject* parent = nullptr);
    ~InstanceServer() override;

    // Starts listening in InstanceFolder::location() or in folder. Returns
    // false with a message in error (when given) when the folder is unusable
    // or the socket cannot be made; an older socket file of the same id (left
    // by a dead process) is replaced.
    bool listen(QString* error = nullptr);
    bool listen(const QString& folder, QString* error = nullptr);

    // Stops listening, drops open connections and removes the socket file.
    void close();

    bool isListening() const { return !socketPath_.isEmpty(); }
    InstanceId id() const { return id_; }
    // The socket file while listening, else empty.
    QString socketPath() const { return socketPath_; }

    void setCopyDataHandler(CopyDataHandler handler) { copyDataHandler_ = std::move(handler); }
    void setNavigateHandler(NavigateHandler handler) { navigateHandler_ = std::move(handler); }

    // How long a peer may take from connecting to having sent its whole
    // request.
    void setRequestTimeout(int milliseconds) { requestTimeoutMs_ = milliseconds; }
    int requestTimeout() const { return requestTimeoutMs_; }

signals:
    // A peer was disconnected without a reply; reason says why.
    void requestRefused(const QString& reason);

private:
    friend class InstanceConnection;

    void acceptConnections();
    bool dropOldestIdleConnection();
    // The reply to a complete, valid request. May run a handler that
    // destroys this server: nothing of *this is touched after the handler.
    quint64 dispatch(instancewire::FrameKind kind, const QByteArray& payload);
    void connectionFinished() { --connectionCount_; }

    InstanceId id_;
    QLocalServer* server_ = nullptr;
    QString socketPath_;
    dev_t socketDevice_ = 0;
    ino_t socketInode_ = 0;
    int requestTimeoutMs_ = kDefaultRequestTimeoutMs;
    int connectionCount_ = 0;
    CopyDataHandler copyDataHandler_;
    NavigateHandler navigateHandler_;
};

} // namespace platform

#include "platform/instance/InstanceServer.h"

#include "platform/instance/InstanceConnection.h"
#include "platform/instance/InstanceFolder.h"

#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

void setError(QString* error, const QString& text) {
    if (error)
        *error = text;
}

} // namespace

InstanceServer::InstanceServer(InstanceId id, QObject* parent) : QObject(parent), id_(id) {}

InstanceServer::~InstanceServer() {
    close();
}

bool InstanceServer::listen(QString* error) {
    return listen(InstanceFolder::location(), error);
}

bool InstanceServer::listen(const QString& folder, QString* error) {
    if (isListening()) {
        setError(error, QStringLiteral("the instance server is already listening"));
        return false;
    }
    if (id_ <= 0) {
        setError(error, QStringLiteral("invalid instance id %1").arg(id_));
        return false;
    }
    if (!InstanceFolder::ensure(folder, error))
        return false;

    const QString finalPath = InstanceFolder::socketPath(folder, id_);
    const QString startPath = folder + QStringLiteral("/.%1.new").arg(id_);
    QLocalServer::removeServer(startPath);
    auto* server = new QLocalServer(this);
    if (!server->listen(startPath)) {
        setError(error,
                 QStringLiteral("cannot listen on %1: %2").arg(startPath, server->errorString()));
        delete server;
        return false;
    }
    const QByteArray startNative = QFile::encodeName(startPath);
    const QByteArray finalNative = QFile::encodeName(finalPath);
    ::chmod(startNative.constData(), 0600);
    struct stat info {};
    if (::rename(startNative.constData(), finalNative.constData()) != 0 ||
        ::lstat(finalNative.constData(), &info) != 0) {
        setError(error, QStringLiteral("cannot publish %1: %2")
                            .arg(finalPath, QString::fromLocal8Bit(std::strerror(errno))));
        delete server;
        return false;
    }
    socketDevice_ = info.st_dev;
    socketInode_ = info.st_ino;
    socketPath_ = finalPath;
    server_ = server;
    connect(server_, &QLocalServer::newConnection, this, &InstanceServer::acceptConnections);
    return true;
}

void InstanceServer::close() {
    const auto connections = findChildren<InstanceConnection*>(Qt::FindDirectChildrenOnly);
    for (InstanceConnection* connection : connections)
        connection->detach();
    connectionCount_ = 0;
    if (server_) {
        server_->close();
        server_->deleteLater();
        server_ = nullptr;
    }
    if (socketPath_.isEmpty())
        return;
    // Remove the file only while it is still the socket made here.
    const QByteArray native = QFile::encodeName(socketPath_);
    struct stat info {};
    if (::lstat(native.constData(), &info) == 0 && info.st_dev == socketDevice_ &&
        info.st_ino == socketInode_)
        ::unlink(native.constData());
    socketPath_.clear();
}

void InstanceServer::acceptConnections() {
    while (server_ && server_->hasPendingConnections()) {
        QLocalSocket* socket = server_->nextPendingConnection();
        if (!socket)
            break;
        // Peers that connect and send nothing must not lock the others out:
        // when every place is taken the longest-waiting idle peer goes.
        if (connectionCount_ >= kMaxConnections && !dropOldestIdleConnection()) {
            socket->abort();
            socket->deleteLater();
            QMetaObject::invokeMethod(
                this,
                [this] { emit requestRefused(QStringLiteral("too many connections at once")); },
                Qt::QueuedConnection);
            continue;
        }
        ++connectionCount_;
        new InstanceConnection(socket, this, requestTimeoutMs_);
    }
}

bool InstanceServer::dropOldestIdleConnection() {
    // Children keep their creation order: the first idle one waited longest.
    const auto connections = findChildren<InstanceConnection*>(Qt::FindDirectChildrenOnly);
    for (InstanceConnection* connection : connections) {
        if (connection->isIdle()) {
            connection->dropIdle();
            return true;
        }
    }
    return false;
}

quint64 InstanceServer::dispatch(instancewire::FrameKind kind, const QByteArray& payload) {
    using instancewire::FrameKind;
    switch (kind) {
    case FrameKind::FindInstance:
        return quint64(id_);
    case FrameKind::CopyData: {
        // A copy, because the handler may destroy this server.
        const CopyDataHandler handler = copyDataHandler_;
        if (!handler)
            return 0;
        const quint64 tag = instancewire::readU64(payload, 0);
        return handler(tag, payload.mid(instancewire::kCopyDataTagSize));
    }
    case FrameKind::Navigate: {
        const NavigateHandler handler = navigateHandler_;
        if (!handler)
            return 0;
        return handler(instancewire::readU64(payload, 0), instancewire::readU64(payload, 8));
    }
    case FrameKind::Result:
        break;
    }
    return 0;
}

} // namespace platform

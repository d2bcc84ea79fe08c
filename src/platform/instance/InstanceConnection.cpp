#include "platform/instance/InstanceConnection.h"

#include "platform/instance/InstanceServer.h"

#include <QLocalSocket>
#include <QPointer>

namespace platform {

using instancewire::FrameKind;

InstanceConnection::InstanceConnection(QLocalSocket* socket, InstanceServer* server, int timeoutMs)
    : QObject(server), socket_(socket), server_(server) {
    socket_->setParent(this);
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, [this] {
        if (state_ == State::Answered)
            finish();
        else
            refuse(QStringLiteral("no complete request in time"));
    });
    connect(socket_, &QLocalSocket::readyRead, this, &InstanceConnection::readAvailable);
    connect(socket_, &QLocalSocket::disconnected, this, [this] {
        readAvailable();
        if (state_ == State::Reading)
            refuse(QStringLiteral("the peer left before its request was complete"));
        else if (state_ == State::Answered)
            finish();
    });
    deadline_.start(timeoutMs);
    // Bytes may already be waiting when the connection is taken over.
    if (socket_->bytesAvailable() > 0)
        QMetaObject::invokeMethod(this, &InstanceConnection::readAvailable, Qt::QueuedConnection);
}

InstanceConnection::~InstanceConnection() {
    if (server_)
        server_->connectionFinished();
}

void InstanceConnection::detach() {
    server_ = nullptr;
    state_ = State::Finished;
    deadline_.stop();
    socket_->abort();
    deleteLater();
}

void InstanceConnection::dropIdle() {
    refuse(QStringLiteral("dropped to make room for another peer"));
    // Counted off now, not when the deferred deletion comes round.
    if (server_) {
        server_->connectionFinished();
        server_ = nullptr;
    }
}

void InstanceConnection::readAvailable() {
    while (state_ == State::Reading) {
        if (!header_) {
            if (socket_->bytesAvailable() <= 0)
                return;
            buffer_ += socket_->read(instancewire::kHeaderSize - buffer_.size());
            if (buffer_.size() < instancewire::kHeaderSize || !readHeader())
                return;
            continue;
        }
        const qint64 missing = qint64(header_->payloadLength) - buffer_.size();
        if (missing > 0) {
            if (socket_->bytesAvailable() <= 0)
                return;
            buffer_ += socket_->read(missing);
            continue;
        }
        // The whole frame is in. The handler runs from the event loop, not
        // from inside the socket's signal, so it may do anything, including
        // destroying the server.
        state_ = State::Dispatching;
        deadline_.stop();
        QMetaObject::invokeMethod(this, &InstanceConnection::dispatchRequest, Qt::QueuedConnection);
    }
}

bool InstanceConnection::readHeader() {
    QString error;
    header_ = instancewire::parseHeader(buffer_, &error);
    if (header_ && header_->kind == FrameKind::Result) {
        header_.reset();
        error = QStringLiteral("a reply sent as a request");
    }
    if (!header_) {
        refuse(error);
        return false;
    }
    buffer_.clear();
    buffer_.reserve(header_->payloadLength);
    return true;
}

void InstanceConnection::dispatchRequest() {
    if (state_ != State::Dispatching || !server_)
        return;
    QPointer<InstanceConnection> self(this);
    const quint64 result = server_->dispatch(header_->kind, buffer_);
    if (!self || !server_ || state_ != State::Dispatching)
        return;
    state_ = State::Answered;
    buffer_.clear();
    if (socket_->state() != QLocalSocket::ConnectedState) {
        finish(); // the peer gave up waiting
        return;
    }
    socket_->write(instancewire::resultReply(result));
    // Out now, not on the next turn of the event loop: the handler may have
    // queued work that would hold the asking process up.
    socket_->flush();
    // The reply is tiny; the time-out only guards against a peer that never
    // lets the connection close.
    deadline_.start();
    socket_->disconnectFromServer();
    if (socket_->state() == QLocalSocket::UnconnectedState)
        finish();
}

void InstanceConnection::refuse(const QString& reason) {
    if (state_ == State::Finished)
        return;
    state_ = State::Finished;
    deadline_.stop();
    if (server_) {
        // Queued, so that a receiver of the signal cannot pull the socket away
        // while its own code is still running.
        InstanceServer* server = server_;
        QMetaObject::invokeMethod(
            server, [server, reason] { emit server->requestRefused(reason); },
            Qt::QueuedConnection);
    }
    socket_->abort();
    deleteLater();
}

void InstanceConnection::finish() {
    if (state_ == State::Finished)
        return;
    state_ = State::Finished;
    deadline_.stop();
    socket_->abort();
    deleteLater();
}

} // namespace platform

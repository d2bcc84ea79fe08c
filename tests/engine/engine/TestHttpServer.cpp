#include "TestHttpServer.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

namespace {
// A request head larger than this is refused (the tests send small ones).
constexpr qsizetype kMaxHead = 64 * 1024;
} // namespace

TestHttpServer::TestHttpServer() {
    connect(&m_server, &QTcpServer::newConnection, this, &TestHttpServer::onConnection);
}

bool TestHttpServer::start() {
    return m_server.listen(QHostAddress::LocalHost, 0);
}

QString TestHttpServer::url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
}

void TestHttpServer::addPage(const QString& path, const QByteArray& html) {
    Page page;
    page.body = html;
    addPage(path, page);
}

void TestHttpServer::addPage(const QString& path, const Page& page) {
    m_pages.insert(path, page);
}

void TestHttpServer::onConnection() {
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadable(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void TestHttpServer::onReadable(QTcpSocket* socket) {
    if (socket->property("answered").toBool())
        return;
    QByteArray head = socket->property("head").toByteArray() + socket->readAll();
    if (head.size() > kMaxHead) {
        socket->abort();
        return;
    }
    socket->setProperty("head", head);
    if (!head.contains("\r\n\r\n"))
        return;
    socket->setProperty("answered", true);
    const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
    const QString target =
        requestLine.size() >= 2 ? QString::fromLatin1(requestLine[1]) : QString();
    const QString path = QUrl(target).path();
    m_requests.append(path);
    for (const QByteArray& line : head.split('\n')) {
        if (line.toLower().startsWith("user-agent:"))
            m_userAgents.insert(path, line.mid(11).trimmed());
    }
    const int delay = m_pages.value(path).delayMilliseconds;
    if (delay <= 0) {
        answer(socket, path);
        return;
    }
    QPointer<QTcpSocket> guard(socket);
    QTimer::singleShot(delay, this, [this, guard, path] {
        if (guard)
            answer(guard, path);
    });
}

void TestHttpServer::answer(QTcpSocket* socket, const QString& path) {
    QByteArray response;
    const auto found = m_pages.constFind(path);
    if (found == m_pages.constEnd()) {
        const QByteArray body = "<html><head><title>Not found</title></head></html>";
        response = "HTTP/1.1 404 Not Found\r\nContent-Type: text/html\r\nContent-Length: " +
                   QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
    } else {
        response = "HTTP/1.1 200 OK\r\nContent-Type: " + found->contentType +
                   "\r\nContent-Length: " + QByteArray::number(found->body.size()) +
                   "\r\nCache-Control: no-store\r\nConnection: close\r\n" + found->extraHeaders +
                   "\r\n" + found->body;
    }
    socket->write(response);
    socket->disconnectFromHost();
}

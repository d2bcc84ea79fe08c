#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTcpServer>

class QTcpSocket;

// A small HTTP server on 127.0.0.1 for engine tests: serves pages kept in
// memory, answers 404 for anything else, and records the path of every
// request it receives. Each answer closes its connection.
class TestHttpServer : public QObject {
    Q_OBJECT
public:
    struct Page {
        QByteArray body;
        QByteArray contentType = "text/html; charset=utf-8";
        int delayMilliseconds = 0; // wait before answering
        QByteArray extraHeaders;   // whole lines, each ending in "\r\n"
    };

    TestHttpServer();

    // Starts listening on a free loopback port; false when it cannot.
    bool start();
    // "http://127.0.0.1:<port><path>"; path starts with '/'.
    QString url(const QString& path) const;

    void addPage(const QString& path, const QByteArray& html);
    void addPage(const QString& path, const Page& page);

    // Paths requested so far (without the query), oldest first.
    QStringList requests() const { return m_requests; }
    bool requested(const QString& path) const { return m_requests.contains(path); }
    // The User-Agent header of the last request for path (empty if none).
    QByteArray userAgent(const QString& path) const { return m_userAgents.value(path); }

private:
    void onConnection();
    void onReadable(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const QString& path);

    QTcpServer m_server;
    QHash<QString, Page> m_pages;
    QStringList m_requests;
    QHash<QString, QByteArray> m_userAgents;
};

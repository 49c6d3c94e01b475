#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QTcpServer>
#include <QUrl>
#include <functional>

// A small HTTP/1.1 server on 127.0.0.1 that a test starts and scripts path by path.
// It lives in the test's own thread and works only while that thread's event loop
// runs (QTRY_*, QSignalSpy::wait, QEventLoop), like the client under test.
//
//     LoopbackHttpServer server;
//     QVERIFY(server.start());                        // any free port
//     LoopbackHttpServer::Response r;
//     r.status = 206;
//     r.body = QByteArray(5000, 'x');                 // Content-Length is added unless set
//     r.chunkSize = 1024; r.chunkDelayMs = 20;        // slow: 1024 bytes every 20 ms
//     r.dropAfter = 3000;                             // or: close the connection after 3000 body bytes
//     server.setResponse("/soft/file.exe", r);
//     ... client fetches server.url("/soft/file.exe") ...
//     QCOMPARE(server.requests().first().header("Range"), "bytes=0-");
//
// A path that has no response gets a 404 (or what setFallback() returns). Every
// response ends with closing the connection ("Connection: close"), so a body without
// a Content-Length ends where the connection ends. A large body can be streamed from a
// file (bodyFile) instead of memory; it is sent as the client takes it.
class LoopbackHttpServer : public QObject
{
    Q_OBJECT
public:
    using Headers = QList<QPair<QByteArray, QByteArray>>;

    struct Request
    {
        QByteArray method;
        QByteArray target; // as sent: path and query
        QByteArray path;   // the target without its query
        Headers headers;   // in the order received
        QByteArray body;   // when the request had a Content-Length
        // The first header of that name (case-insensitive); empty when absent.
        QByteArray header(const QByteArray& name) const;
        bool hasHeader(const QByteArray& name) const;
    };

    struct Response
    {
        int status = 200;
        QByteArray reason; // empty: the usual phrase of the status
        Headers headers;
        QByteArray body;
        QString bodyFile;             // when set, the body is this file's content (streamed)
        bool addContentLength = true; // add "Content-Length" unless the headers carry one
        qint64 dropAfter = -1;        // close the connection after this many body bytes
        int chunkSize = 0;            // 0: the body as fast as the socket takes it
        int chunkDelayMs = 0;         // pause before each chunk after the first
        int headerDelayMs = 0;        // pause before the status line is sent
        Response& header(const QByteArray& name, const QByteArray& value)
        {
            headers.append({name, value});
            return *this;
        }
    };
    using Handler = std::function<Response(const Request&)>;

    explicit LoopbackHttpServer(QObject* parent = nullptr);
    ~LoopbackHttpServer() override;

    bool start(quint16 port = 0);
    quint16 port() const;
    // http://127.0.0.1:<port><path>
    QUrl url(const QString& path = QStringLiteral("/")) const;
    // host:port, for code that builds its own address from a host name.
    QString hostAndPort() const;

    void setResponse(const QByteArray& path, const Response& response);
    void setResponse(const QByteArray& path, int status, const QByteArray& body = {}, const Headers& headers = {});
    // Called for a path without its own response.
    void setFallback(Handler handler);
    void clearResponses();

    const QList<Request>& requests() const { return m_requests; }
    void clearRequests() { m_requests.clear(); }
    // Connections still sending (0 once every response is out or dropped).
    int openConnections() const { return m_open; }

    static QByteArray reasonPhrase(int status);

Q_SIGNALS:
    void requestReceived(const LoopbackHttpServer::Request& request);
    // A response's connection ended (sent whole, dropped as scripted, or the client left).
    void responseFinished(const QByteArray& path, qint64 bodyBytesSent);

private:
    struct Connection;
    void onNewConnection();
    void onReadyRead(Connection* c);
    void beginResponse(Connection* c);
    void pump(Connection* c);
    void finish(Connection* c);

    QTcpServer m_server;
    QHash<QByteArray, Response> m_responses;
    Handler m_fallback;
    QList<Request> m_requests;
    QList<Connection*> m_connections;
    int m_open = 0;
};

#include "LoopbackHttpServer.h"

#include <QFile>
#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

namespace {
// How much the server keeps queued in the socket before it waits for the client.
constexpr qint64 kQueueLimit = 256 * 1024;
constexpr qint64 kPiece = 64 * 1024;
} // namespace

struct LoopbackHttpServer::Connection
{
    QTcpSocket* socket = nullptr;
    QTimer* timer = nullptr;
    QByteArray in;
    bool requestRead = false;
    bool responding = false;
    bool done = false;
    qint64 requestBodyLength = -1;
    Request request;
    Response response;
    QFile file;
    qint64 bodyLength = 0; // what the response's body holds
    qint64 limit = 0;      // what will be sent of it (less when dropped)
    qint64 sent = 0;
};

QByteArray LoopbackHttpServer::Request::header(const QByteArray& name) const
{
    for (const auto& h : headers)
        if (h.first.compare(name, Qt::CaseInsensitive) == 0)
            return h.second;
    return {};
}

bool LoopbackHttpServer::Request::hasHeader(const QByteArray& name) const
{
    for (const auto& h : headers)
        if (h.first.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

LoopbackHttpServer::LoopbackHttpServer(QObject* parent) : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &LoopbackHttpServer::onNewConnection);
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    for (Connection* c : std::as_const(m_connections)) {
        c->socket->disconnect();
        c->socket->abort();
        delete c->socket; // and its timer
        delete c;
    }
}

bool LoopbackHttpServer::start(quint16 port)
{
    return m_server.listen(QHostAddress::LocalHost, port);
}

quint16 LoopbackHttpServer::port() const
{
    return m_server.serverPort();
}

QUrl LoopbackHttpServer::url(const QString& path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path));
}

QString LoopbackHttpServer::hostAndPort() const
{
    return QStringLiteral("127.0.0.1:%1").arg(port());
}

void LoopbackHttpServer::setResponse(const QByteArray& path, const Response& response)
{
    m_responses.insert(path, response);
}

void LoopbackHttpServer::setResponse(const QByteArray& path, int status, const QByteArray& body, const Headers& headers)
{
    Response r;
    r.status = status;
    r.body = body;
    r.headers = headers;
    setResponse(path, r);
}

void LoopbackHttpServer::setFallback(Handler handler)
{
    m_fallback = std::move(handler);
}

void LoopbackHttpServer::clearResponses()
{
    m_responses.clear();
    m_fallback = nullptr;
}

QByteArray LoopbackHttpServer::reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 201:
        return "Created";
    case 202:
        return "Accepted";
    case 204:
        return "No Content";
    case 206:
        return "Partial Content";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 304:
        return "Not Modified";
    case 400:
        return "Bad Request";
    case 401:
        return "Unauthorized";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 407:
        return "Proxy Authentication Required";
    case 408:
        return "Request Timeout";
    case 416:
        return "Range Not Satisfiable";
    case 500:
        return "Internal Server Error";
    case 501:
        return "Not Implemented";
    case 502:
        return "Bad Gateway";
    case 503:
        return "Service Unavailable";
    default:
        return "Status";
    }
}

void LoopbackHttpServer::onNewConnection()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        auto* c = new Connection;
        c->socket = socket;
        c->timer = new QTimer(socket);
        c->timer->setSingleShot(true);
        m_connections.append(c);
        ++m_open;
        connect(socket, &QTcpSocket::readyRead, socket, [this, c] { onReadyRead(c); });
        connect(socket, &QTcpSocket::bytesWritten, socket, [this, c] {
            if (c->responding && !c->timer->isActive())
                pump(c);
        });
        connect(c->timer, &QTimer::timeout, socket, [this, c] {
            if (!c->responding)
                beginResponse(c);
            else
                pump(c);
        });
        connect(socket, &QTcpSocket::disconnected, this, [this, c] {
            c->timer->stop();
            if (!c->done) {
                c->done = true;
                --m_open;
                if (c->requestRead)
                    Q_EMIT responseFinished(c->request.path, c->sent);
            }
            m_connections.removeOne(c);
            c->timer->disconnect();
            c->socket->disconnect();
            c->socket->deleteLater();
            delete c;
        });
        if (socket->bytesAvailable() > 0)
            onReadyRead(c);
    }
}

void LoopbackHttpServer::onReadyRead(Connection* c)
{
    c->in += c->socket->readAll();
    if (c->requestRead)
        return; // one request per connection; anything after it is ignored
    if (c->requestBodyLength < 0) {
        const qsizetype end = c->in.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QList<QByteArray> lines = c->in.left(end).split('\n');
        c->in.remove(0, end + 4);
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        c->request.method = first.value(0);
        c->request.target = first.value(1);
        const qsizetype q = c->request.target.indexOf('?');
        c->request.path = q < 0 ? c->request.target : c->request.target.left(q);
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QByteArray line = lines[i].trimmed();
            const qsizetype colon = line.indexOf(':');
            if (colon > 0)
                c->request.headers.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
        }
        bool ok = false;
        const qint64 length = c->request.header("Content-Length").toLongLong(&ok);
        c->requestBodyLength = ok && length > 0 ? length : 0;
    }
    if (c->in.size() < c->requestBodyLength)
        return;
    c->request.body = c->in.left(c->requestBodyLength);
    c->in.clear();
    c->requestRead = true;
    m_requests.append(c->request);
    Q_EMIT requestReceived(c->request);

    if (m_responses.contains(c->request.path))
        c->response = m_responses.value(c->request.path);
    else if (m_fallback)
        c->response = m_fallback(c->request);
    else
        c->response.status = 404;
    if (c->response.headerDelayMs > 0)
        c->timer->start(c->response.headerDelayMs);
    else
        beginResponse(c);
}

void LoopbackHttpServer::beginResponse(Connection* c)
{
    const Response& r = c->response;
    if (!r.bodyFile.isEmpty()) {
        c->file.setFileName(r.bodyFile);
        c->bodyLength = c->file.open(QIODevice::ReadOnly) ? c->file.size() : 0;
    } else {
        c->bodyLength = r.body.size();
    }
    if (c->request.method == "HEAD")
        c->limit = 0;
    else
        c->limit = r.dropAfter >= 0 ? qMin(r.dropAfter, c->bodyLength) : c->bodyLength;

    QByteArray head = "HTTP/1.1 " + QByteArray::number(r.status) + ' ' +
                      (r.reason.isEmpty() ? reasonPhrase(r.status) : r.reason) + "\r\n";
    bool hasLength = false;
    bool hasConnection = false;
    for (const auto& h : r.headers) {
        head += h.first + ": " + h.second + "\r\n";
        hasLength |= h.first.compare("Content-Length", Qt::CaseInsensitive) == 0;
        hasConnection |= h.first.compare("Connection", Qt::CaseInsensitive) == 0;
    }
    if (r.addContentLength && !hasLength)
        head += "Content-Length: " + QByteArray::number(c->bodyLength) + "\r\n";
    if (!hasConnection)
        head += "Connection: close\r\n";
    head += "\r\n";
    c->socket->write(head);
    c->responding = true;
    pump(c);
}

void LoopbackHttpServer::pump(Connection* c)
{
    if (c->done || c->timer->isActive())
        return;
    const Response& r = c->response;
    auto piece = [&](qint64 n) {
        QByteArray data;
        if (c->file.isOpen()) {
            c->file.seek(c->sent);
            data = c->file.read(n);
        } else {
            data = r.body.mid(c->sent, n);
        }
        if (data.isEmpty()) { // the file shrank under us: end here
            c->limit = c->sent;
            return;
        }
        c->socket->write(data);
        c->sent += data.size();
    };

    if (r.chunkSize > 0 && r.chunkDelayMs > 0) {
        if (c->sent < c->limit) {
            piece(qMin<qint64>(r.chunkSize, c->limit - c->sent));
            if (c->sent < c->limit) {
                c->timer->start(r.chunkDelayMs);
                return;
            }
        }
    } else {
        const qint64 step = r.chunkSize > 0 ? r.chunkSize : kPiece;
        while (c->sent < c->limit && c->socket->bytesToWrite() < kQueueLimit)
            piece(qMin(step, c->limit - c->sent));
        if (c->sent < c->limit)
            return; // more once the client takes what is queued
    }
    finish(c);
}

void LoopbackHttpServer::finish(Connection* c)
{
    if (c->done)
        return;
    c->done = true;
    --m_open;
    c->file.close();
    Q_EMIT responseFinished(c->request.path, c->sent);
    // Sends what is queued, then closes; the client sees the end of a body without a
    // length, or a body cut short when dropAfter was set.
    c->socket->disconnectFromHost();
}

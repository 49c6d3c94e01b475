#include "HttpTransfer.h"

#include <QCoreApplication>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <cstring>

HttpTransfer::HttpTransfer(QObject* parent) : QObject(parent) {}

HttpTransfer::~HttpTransfer()
{
    Cancel();
}

void HttpTransfer::Execute(const QString& operation, const QString& headers)
{
    Cancel();
    m_headersIn = false;
    m_interrupted = false;

    QNetworkRequest request{QUrl(m_url)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setTransferTimeout(m_timeoutMs);
    // Without this Qt asks for gzip and inflates on the fly, and Content-Length would
    // count compressed bytes.
    request.setRawHeader("Accept-Encoding", "identity");
    if (!m_userName.isEmpty() || !m_password.isEmpty())
        request.setRawHeader("Authorization", "Basic " + (m_userName + u':' + m_password).toUtf8().toBase64());
    for (QString line : headers.split(u'\n')) {
        line = line.trimmed();
        const qsizetype colon = line.indexOf(u':');
        if (colon > 0)
            request.setRawHeader(line.left(colon).trimmed().toLatin1(), line.mid(colon + 1).trimmed().toLatin1());
    }

    const QByteArray verb = operation.trimmed().toUpper().toLatin1();
    QNetworkReply* reply = verb == "GET" || verb.isEmpty() ? m_manager.get(request)
                           : verb == "HEAD"                ? m_manager.head(request)
                                                           : m_manager.sendCustomRequest(request, verb);
    reply->setReadBufferSize(kReadBuffer);
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] {
        if (reply == m_reply && reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
            m_headersIn = true;
    });
    m_reply = reply;
}

bool HttpTransfer::StillExecuting() const
{
    return m_reply && !m_reply->isFinished() && !m_headersIn;
}

QString HttpTransfer::GetHeader() const
{
    if (!m_reply)
        return {};
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        return {};
    QString text = QStringLiteral("HTTP/1.1 ") + QString::number(status.toInt()) + u' ' +
                   m_reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString() + QStringLiteral("\r\n");
    for (const auto& pair : m_reply->rawHeaderPairs())
        text += QString::fromLatin1(pair.first) + QStringLiteral(": ") + QString::fromLatin1(pair.second) +
                QStringLiteral("\r\n");
    return text + QStringLiteral("\r\n");
}

QString HttpTransfer::GetHeader(const QString& name) const
{
    if (!m_reply)
        return {};
    return QString::fromLatin1(m_reply->rawHeader(name.toLatin1()));
}

QByteArray HttpTransfer::GetChunk(qint64 n)
{
    if (n <= 0)
        return {};
    // The reply is read in large pieces into a buffer of fixed size: every read of a
    // reply with a bounded buffer sends a request for more to Qt's network thread, and
    // doing that per small chunk would have the socket read in small pieces too.
    n = qMin(n, kReadBuffer);
    if (m_buffer.size() != kReadBuffer)
        m_buffer.resize(kReadBuffer);
    while (m_end - m_begin < n && m_reply) {
        if (m_reply->bytesAvailable() > 0) {
            if (m_begin > 0) {
                std::memmove(m_buffer.data(), m_buffer.constData() + m_begin, m_end - m_begin);
                m_end -= m_begin;
                m_begin = 0;
            }
            const qint64 got = m_reply->read(m_buffer.data() + m_end, kReadBuffer - m_end);
            if (got > 0)
                m_end += got;
        } else if (m_reply->isFinished() || m_interrupted) {
            break;
        } else {
            // Data reaches the reply through queued events from the network thread.
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
    }
    const qint64 size = qMin(n, m_end - m_begin);
    QByteArray chunk(m_buffer.constData() + m_begin, size);
    m_begin += size;
    if (m_begin == m_end)
        m_begin = m_end = 0;
    return chunk;
}

void HttpTransfer::Cancel()
{
    m_interrupted = true;
    m_begin = m_end = 0;
    if (!m_reply)
        return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    if (!reply->isFinished() && reply->error() == QNetworkReply::NoError)
        reply->abort();
    // At once, not later: what Qt's network thread still queues for this reply (the end
    // of an error answer's body) must not reach it while the next request runs. Nothing
    // of ours runs inside the reply's own signals, so this is never a delete from within.
    delete reply;
}

bool HttpTransfer::failedWithoutAnswer() const
{
    return m_reply && m_reply->isFinished() && m_reply->error() != QNetworkReply::NoError &&
           !m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
}

QString HttpTransfer::errorString() const
{
    return m_reply ? m_reply->errorString() : QString();
}

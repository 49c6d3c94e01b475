#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QString>

class QNetworkReply;

// One HTTP request at a time, pulled by its user rather than pushed: execute() starts
// the request and returns at once; stillExecuting() stays true until the answer's
// headers are in (or the request has failed); the body is then taken with getChunk().
// The caller keeps the event loop turning between calls, on the thread that owns the
// transfer.
//
// The transfer asks for the identity encoding, so Content-Length counts the bytes that
// getChunk() returns, and reads the body through a small buffer: a large file is never
// held in memory. Redirects are not followed; a 3xx answer is the answer.
class HttpTransfer : public QObject
{
    Q_OBJECT
public:
    explicit HttpTransfer(QObject* parent = nullptr);
    ~HttpTransfer() override;

    QString URL() const { return m_url; }
    void setURL(const QString& url) { m_url = url; }
    QString UserName() const { return m_userName; }
    void setUserName(const QString& name) { m_userName = name; }
    QString Password() const { return m_password; }
    void setPassword(const QString& password) { m_password = password; }

    // Starts the request to URL(). headers: extra request headers as text, one
    // "Name: value" per line (CR LF or LF between lines). A running request is dropped.
    void Execute(const QString& operation, const QString& headers = {});
    // True while the request runs and its answer's headers have not arrived yet.
    bool StillExecuting() const;
    // The status line and every header of the answer, each line ended by CR LF, then an
    // empty line; empty when there is no answer.
    QString GetHeader() const;
    // One header's value; empty when the answer has none.
    QString GetHeader(const QString& name) const;
    // The next part of the body: n bytes, fewer only at its end; empty once it is
    // exhausted (or the connection ended). Waits for data by running the event loop.
    QByteArray GetChunk(qint64 n);
    // Stops whatever request is in progress.
    void Cancel();

    // A GetChunk() waiting for data returns with what it has.
    void interruptWait() { m_interrupted = true; }
    // The request ended without an answer (refused, host unknown, timed out); the reason.
    bool failedWithoutAnswer() const;
    QString errorString() const;
    // Inactivity limit of a request; 60 s unless set.
    void setTimeout(int ms) { m_timeoutMs = ms; }

    // How much of the body is buffered ahead of GetChunk(), in the reply and here.
    static constexpr qint64 kReadBuffer = 1024 * 1024;

private:
    QNetworkAccessManager m_manager;
    QPointer<QNetworkReply> m_reply;
    QString m_url;
    QString m_userName;
    QString m_password;
    QByteArray m_buffer; // read from the reply; [m_begin, m_end) not yet handed out
    qint64 m_begin = 0;
    qint64 m_end = 0;
    bool m_headersIn = false;
    bool m_interrupted = false;
    int m_timeoutMs = 60000;
};

#include "VersionCheck.h"

#include "PelimoraConfig.h"
#include "data/TextNumber.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringDecoder>
#include <QTimer>

namespace {
// The version file holds a few characters; anything much larger is not one.
constexpr qint64 kMaxBodyBytes = 64 * 1024;
} // namespace

QString VersionCheck::runningVersionText()
{
    return QStringLiteral("%1.%2").arg(PELIMORA_VERSION_MAJOR).arg(PELIMORA_VERSION_MINOR);
}

double VersionCheck::runningVersion()
{
    return readVersion(runningVersionText());
}

double VersionCheck::readVersion(QStringView text)
{
    return leadingNumber(text);
}

bool VersionCheck::isNewer(double published, double running)
{
    return published > running;
}

QUrl VersionCheck::lastVersionUrl(const QString& host)
{
    return QUrl(QStringLiteral("http://") + host + QLatin1String(kVersionPath));
}

QString VersionCheck::fetchText(const QUrl& url, int timeoutMs)
{
    if (!url.isValid() || url.host().isEmpty())
        return {};

    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    // A stale copy from a cache would hide a new release.
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setTransferTimeout(timeoutMs);
    QNetworkReply* reply = manager.get(request);

    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    bool timedOut = false;
    bool tooLarge = false;
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::downloadProgress, &loop, [&](qint64 received, qint64 total) {
        if (received > kMaxBodyBytes || total > kMaxBodyBytes) {
            tooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    deadline.start(timeoutMs);
    if (!reply->isFinished())
        loop.exec(); // input is not held back: the caller disables what must not take it
    deadline.stop();

    QString text;
    if (!timedOut && !tooLarge && reply->error() == QNetworkReply::NoError) {
        // Decoded as UTF-8; a leading byte-order mark is dropped by the decoder.
        QStringDecoder decode(QStringDecoder::Utf8);
        text = decode(reply->readAll());
    }
    delete reply;
    return text;
}

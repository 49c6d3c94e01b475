// The loopback server that the network tests script: what it sends is what they assert on.
#include "LoopbackHttpServer.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QTest>

class TstLoopbackServer : public QObject
{
    Q_OBJECT

    QNetworkAccessManager m_nam;

    QNetworkReply* get(const QUrl& url, const QByteArray& extra = {})
    {
        QNetworkRequest request(url);
        if (!extra.isEmpty())
            request.setRawHeader(extra.left(extra.indexOf(':')), extra.mid(extra.indexOf(':') + 1).trimmed());
        return m_nam.get(request);
    }
    static bool finish(QNetworkReply* reply)
    {
        if (!reply->isFinished())
            QSignalSpy(reply, &QNetworkReply::finished).wait(10000);
        return reply->isFinished();
    }

private Q_SLOTS:
    void scriptedResponseAndRecordedRequest()
    {
        LoopbackHttpServer server;
        QVERIFY(server.start());
        LoopbackHttpServer::Response r;
        r.status = 206;
        r.body = "hello world";
        r.header("X-Test", "yes");
        server.setResponse("/a/b.txt", r);

        QNetworkReply* reply = get(server.url("/a/b.txt?x=1"), "Range: bytes=0-");
        QVERIFY(finish(reply));
        QCOMPARE(reply->error(), QNetworkReply::NoError);
        QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 206);
        QCOMPARE(reply->rawHeader("X-Test"), QByteArray("yes"));
        QCOMPARE(reply->rawHeader("Content-Length"), QByteArray("11"));
        QCOMPARE(reply->readAll(), QByteArray("hello world"));
        reply->deleteLater();

        QCOMPARE(server.requests().size(), 1);
        const auto& req = server.requests().first();
        QCOMPARE(req.method, QByteArray("GET"));
        QCOMPARE(req.path, QByteArray("/a/b.txt"));
        QCOMPARE(req.target, QByteArray("/a/b.txt?x=1"));
        QCOMPARE(req.header("range"), QByteArray("bytes=0-"));
        QVERIFY(!req.hasHeader("X-None"));
    }

    void unknownPathIs404AndFallbackAnswers()
    {
        LoopbackHttpServer server;
        QVERIFY(server.start());
        QNetworkReply* reply = get(server.url("/nothing"));
        QVERIFY(finish(reply));
        QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 404);
        reply->deleteLater();

        server.setFallback([](const LoopbackHttpServer::Request& req) {
            LoopbackHttpServer::Response r;
            r.body = req.path;
            return r;
        });
        reply = get(server.url("/echo"));
        QVERIFY(finish(reply));
        QCOMPARE(reply->readAll(), QByteArray("/echo"));
        reply->deleteLater();
    }

    void dropCutsTheBodyShort()
    {
        LoopbackHttpServer server;
        QVERIFY(server.start());
        LoopbackHttpServer::Response r;
        r.body = QByteArray(10000, 'z');
        r.dropAfter = 3000;
        server.setResponse("/cut", r);
        QSignalSpy finished(&server, &LoopbackHttpServer::responseFinished);

        QNetworkReply* reply = get(server.url("/cut"));
        QVERIFY(finish(reply));
        QCOMPARE(reply->error(), QNetworkReply::RemoteHostClosedError);
        QTRY_COMPARE(finished.size(), 1);
        QCOMPARE(finished.first().at(1).toLongLong(), 3000);
        reply->deleteLater();
    }

    void slowChunksArriveApart()
    {
        LoopbackHttpServer server;
        QVERIFY(server.start());
        LoopbackHttpServer::Response r;
        r.body = QByteArray(4 * 100, 'q');
        r.chunkSize = 100;
        r.chunkDelayMs = 60;
        server.setResponse("/slow", r);

        QElapsedTimer clock;
        clock.start();
        QNetworkReply* reply = get(server.url("/slow"));
        int reads = 0;
        connect(reply, &QNetworkReply::readyRead, this, [&] {
            ++reads;
            reply->readAll();
        });
        QVERIFY(finish(reply));
        QCOMPARE(reply->error(), QNetworkReply::NoError);
        QVERIFY2(clock.elapsed() >= 150, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(reads >= 3);
        reply->deleteLater();
    }

    void bodyFromFileWithoutLength()
    {
        QTemporaryFile file;
        QVERIFY(file.open());
        QByteArray data;
        for (int i = 0; i < 300000; ++i)
            data += char('a' + i % 26);
        file.write(data);
        file.flush();

        LoopbackHttpServer server;
        QVERIFY(server.start());
        LoopbackHttpServer::Response r;
        r.bodyFile = file.fileName();
        r.addContentLength = false;
        server.setResponse("/big", r);
        QNetworkReply* reply = get(server.url("/big"));
        QVERIFY(finish(reply));
        QCOMPARE(reply->error(), QNetworkReply::NoError);
        QVERIFY(reply->rawHeader("Content-Length").isEmpty());
        QCOMPARE(reply->readAll(), data);
        reply->deleteLater();
        QTRY_COMPARE(server.openConnections(), 0);
    }
};

QTEST_MAIN(TstLoopbackServer)
#include "tst_loopbackserver.moc"

// The downloader against a loopback server: what reaches the disk and what the holder hears.
#include "FileDownloader.h"
#include "LoopbackHttpServer.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using Response = LoopbackHttpServer::Response;

namespace {
QByteArray pattern(qint64 n)
{
    QByteArray data(n, Qt::Uninitialized);
    for (qint64 i = 0; i < n; ++i)
        data[i] = char((i * 7 + i / 251) & 0xff);
    return data;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Everything the holder is told, in order.
struct Heard
{
    QStringList errors;
    QStringList events;
    QStringList progress;
    int completions = 0;
    QStringList order;
    explicit Heard(FileDownloader& d)
    {
        QObject::connect(&d, &FileDownloader::DownloadErrors, [this](const QString& s) {
            errors << s;
            order << QStringLiteral("error");
        });
        QObject::connect(&d, &FileDownloader::DownloadEvents, [this](const QString& s) {
            events << s;
            order << QStringLiteral("event");
        });
        QObject::connect(&d, &FileDownloader::DownloadProgress, [this](const QString& s) {
            progress << s;
            order << QStringLiteral("progress");
        });
        QObject::connect(&d, &FileDownloader::DowloadComplete, [this] {
            ++completions;
            order << QStringLiteral("complete");
        });
    }
};

QStringList expectedProgress(qint64 size)
{
    QStringList list;
    for (qint64 got = qMin<qint64>(1024, size);; got = qMin<qint64>(got + 1024, size)) {
        list << FileDownloader::percentText(got, size);
        if (got == size)
            break;
    }
    list << QStringLiteral("100"); // the empty chunk that ends the body
    return list;
}
} // namespace

class TstFileDownloader : public QObject
{
    Q_OBJECT

    LoopbackHttpServer* m_server = nullptr;
    QTemporaryDir* m_dir = nullptr;

    QString dest(const QString& name = QStringLiteral("setup-Ornavex.exe")) const { return m_dir->filePath(name); }
    QStringList folderEntries() const
    {
        return QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
    QString url(const char* path) const { return m_server->url(QString::fromLatin1(path)).toString(); }

private Q_SLOTS:
    void init()
    {
        m_server = new LoopbackHttpServer;
        QVERIFY(m_server->start());
        m_dir = new QTemporaryDir;
        QVERIFY(m_dir->isValid());
    }
    void cleanup()
    {
        delete m_server;
        delete m_dir;
    }

    void wholeBodyIsStored_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<int>("chunkSize");
        QTest::newRow("200, several chunks and a short last one") << 200 << qint64(5000) << 0;
        QTest::newRow("206, exact multiple of the chunk") << 206 << qint64(4096) << 0;
        QTest::newRow("200, one byte") << 200 << qint64(1) << 0;
        QTest::newRow("200, a last chunk of one byte") << 200 << qint64(1025) << 0;
        QTest::newRow("200, server sends in odd pieces") << 200 << qint64(7000) << 333;
        QTest::newRow("206, larger than the read buffer") << 206 << qint64(300 * 1024 + 17) << 0;
    }
    void wholeBodyIsStored()
    {
        QFETCH(int, status);
        QFETCH(qint64, size);
        QFETCH(int, chunkSize);
        const QByteArray body = pattern(size);
        Response r;
        r.status = status;
        r.body = body;
        r.chunkSize = chunkSize;
        r.chunkDelayMs = chunkSize ? 2 : 0;
        m_server->setResponse("/Soft/Pelimora/setup-Ornavex.exe", r);

        FileDownloader downloader;
        Heard heard(downloader);
        QVERIFY(downloader.DownloadFile(url("/Soft/Pelimora/setup-Ornavex.exe"), dest()));
        QVERIFY(!downloader.isRunning());

        QCOMPARE(readAll(dest()), body);
        QCOMPARE(folderEntries(), QStringList{QStringLiteral("setup-Ornavex.exe")});
        QCOMPARE(heard.errors, QStringList());
        QCOMPARE(heard.events, QStringList{QStringLiteral("Getting file information")});
        QCOMPARE(heard.progress, expectedProgress(size));
        QCOMPARE(heard.completions, 1);
        QCOMPARE(heard.order.last(), QStringLiteral("complete"));

        QCOMPARE(m_server->requests().size(), 1);
        const auto& request = m_server->requests().first();
        QCOMPARE(request.method, QByteArray("GET"));
        QCOMPARE(request.header("Range"), QByteArray("bytes=0-"));
        QCOMPARE(request.header("Accept-Encoding"), QByteArray("identity"));
        QVERIFY(!request.hasHeader("Authorization"));
    }

    void earlierFileIsReplacedOnlyWhenComplete()
    {
        QFile old(dest());
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(9000, 'o'));
        old.close();
        const QByteArray body = pattern(2500);
        m_server->setResponse("/f.exe", 200, body);
        FileDownloader downloader;
        QVERIFY(downloader.DownloadFile(url("/f.exe"), dest()));
        QCOMPARE(readAll(dest()), body);
    }

    void noAnnouncedLength_data()
    {
        QTest::addColumn<QByteArray>("length"); // empty: no header at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("zero") << QByteArray("0");
        QTest::newRow("not a number") << QByteArray("abc");
    }
    void noAnnouncedLength()
    {
        QFETCH(QByteArray, length);
        Response r;
        r.body = "some bytes that nobody announced";
        r.addContentLength = false;
        if (!length.isEmpty())
            r.header("Content-Length", length);
        r.body = length.isEmpty() ? r.body : QByteArray();
        m_server->setResponse("/f.exe", r);

        FileDownloader downloader;
        Heard heard(downloader);
        QVERIFY(downloader.DownloadFile(url("/f.exe"), dest()));
        QCOMPARE(heard.completions, 1);
        QCOMPARE(heard.errors, QStringList());
        QCOMPARE(heard.progress, QStringList());
        QCOMPARE(folderEntries(), QStringList());
    }

    void failedAnswers_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message"); // %1: the address
        QTest::newRow("404") << 404 << QStringLiteral("The file, \"%1\" was not found!");
        QTest::newRow("500")
            << 500
            << QStringLiteral("The server returned the following response:\r\rHTTP/1.1 500 Internal Server Error\r");
        QTest::newRow("503")
            << 503
            << QStringLiteral("The server returned the following response:\r\rHTTP/1.1 503 Service Unavailable\r");
        QTest::newRow("302 is not followed")
            << 302 << QStringLiteral("The server returned the following response:\r\rHTTP/1.1 302 Found\r");
        QTest::newRow("204") << 204 << QStringLiteral("Nothing to download!");
        QTest::newRow("401") << 401 << QStringLiteral("Authorization failed!");
    }
    void failedAnswers()
    {
        QFETCH(int, status);
        QFETCH(QString, message);
        Response r;
        r.status = status;
        r.body = status == 204 ? QByteArray() : QByteArray("<html>no</html>");
        if (status == 302)
            r.header("Location", m_server->url("/elsewhere.exe").toEncoded());
        if (status == 401)
            r.header("WWW-Authenticate", "Basic realm=\"soft\"");
        m_server->setResponse("/Soft/x.exe", r);
        m_server->setResponse("/elsewhere.exe", 200, "moved");
        QFile old(dest());
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("earlier");
        old.close();

        FileDownloader downloader;
        Heard heard(downloader);
        const QString address = url("/Soft/x.exe");
        QVERIFY(!downloader.DownloadFile(address, dest()));
        QCOMPARE(heard.errors, QStringList{message.contains(QLatin1String("%1")) ? message.arg(address) : message});
        QCOMPARE(heard.completions, 0);
        QCOMPARE(heard.progress, QStringList());
        QCOMPARE(readAll(dest()), QByteArray("earlier"));
        QCOMPARE(folderEntries(), QStringList{QStringLiteral("setup-Ornavex.exe")});
        QCOMPARE(m_server->requests().size(), 1);
    }

    void credentialsAreSent()
    {
        m_server->setResponse("/f.exe", 200, "abc");
        FileDownloader downloader;
        QVERIFY(downloader.DownloadFile(url("/f.exe"), dest(), QStringLiteral("clinic"), QStringLiteral("s3cret")));
        QCOMPARE(m_server->requests().first().header("Authorization"),
                 "Basic " + QByteArray("clinic:s3cret").toBase64());
    }

    void bodyCutShort()
    {
        QFile old(dest());
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the earlier installer");
        old.close();
        Response r;
        r.body = pattern(10000);
        r.dropAfter = 3000;
        m_server->setResponse("/f.exe", r);

        FileDownloader downloader;
        Heard heard(downloader);
        QVERIFY(!downloader.DownloadFile(url("/f.exe"), dest()));
        QCOMPARE(heard.errors, QStringList{QStringLiteral("The connection with the server was reset.")});
        QCOMPARE(heard.completions, 0);
        QCOMPARE(heard.progress.first(), QStringLiteral("10"));
        QCOMPARE(readAll(dest()), QByteArray("the earlier installer"));
        QCOMPARE(folderEntries(), QStringList{QStringLiteral("setup-Ornavex.exe")});
    }

    void cancelDuringBody()
    {
        Response r;
        r.body = pattern(20 * 1024);
        r.chunkSize = 1024;
        r.chunkDelayMs = 30;
        m_server->setResponse("/f.exe", r);

        FileDownloader downloader;
        Heard heard(downloader);
        QObject::connect(&downloader, &FileDownloader::DownloadProgress, &downloader, [&](const QString&) {
            if (heard.progress.size() == 2)
                downloader.Cancel();
        });
        QVERIFY(!downloader.DownloadFile(url("/f.exe"), dest()));
        QCOMPARE(heard.progress, (QStringList{QStringLiteral("5"), QStringLiteral("10")}));
        QCOMPARE(heard.errors, QStringList());
        QCOMPARE(heard.completions, 0);
        QCOMPARE(folderEntries(), QStringList());
        QTRY_COMPARE(m_server->openConnections(), 0); // the request was dropped, not read to its end
    }

    void cancelWhileWaitingForTheAnswer()
    {
        Response r;
        r.body = "late";
        r.headerDelayMs = 5000;
        m_server->setResponse("/f.exe", r);
        FileDownloader downloader;
        Heard heard(downloader);
        QTimer::singleShot(100, &downloader, &FileDownloader::Cancel);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!downloader.DownloadFile(url("/f.exe"), dest()));
        QVERIFY(clock.elapsed() < 3000);
        QCOMPARE(heard.errors, QStringList());
        QCOMPARE(heard.completions, 0);
        QCOMPARE(folderEntries(), QStringList());
    }

    void tooLittleFreeSpace()
    {
        m_server->setResponse("/f.exe", 200, pattern(5000));
        FileDownloader downloader;
        QStringList asked;
        downloader.setFreeSpaceReading([&](const QString& folder) {
            asked << folder;
            return qint64(4999);
        });
        Heard heard(downloader);
        QVERIFY(!downloader.DownloadFile(url("/f.exe"), m_dir->filePath(QStringLiteral("new/f.exe"))));
        QCOMPARE(heard.errors, QStringList{QStringLiteral("There is not enough free space on disk for this file.")});
        QCOMPARE(heard.completions, 0);
        QCOMPARE(asked, QStringList{QDir(m_dir->path()).absolutePath()}); // the folder to be made is not there yet
        QCOMPARE(folderEntries(), QStringList());

        // Exactly enough is enough.
        downloader.setFreeSpaceReading([](const QString&) { return qint64(5000); });
        QVERIFY(downloader.DownloadFile(url("/f.exe"), dest()));
    }

    void theRealFreeSpaceReading() { QVERIFY(FileDownloader::freeSpaceOf(m_dir->path()) > 0); }

    void missingFolders()
    {
        const QByteArray body = pattern(3000);
        m_server->setResponse("/f.exe", 200, body);
        FileDownloader downloader;
        Heard heard(downloader);
        QVERIFY(downloader.DownloadFile(url("/f.exe"), m_dir->filePath(QStringLiteral("one/f.exe"))));
        QCOMPARE(readAll(m_dir->filePath(QStringLiteral("one/f.exe"))), body);

        QVERIFY(!downloader.DownloadFile(url("/f.exe"), m_dir->filePath(QStringLiteral("two/levels/f.exe"))));
        QCOMPARE(heard.errors, QStringList{QStringLiteral("Cannot write file to disk.\r\rError 76: Path not found")});
        QCOMPARE(heard.completions, 1);
        QVERIFY(!QFileInfo::exists(m_dir->filePath(QStringLiteral("two"))));
    }

    void destinationIsAFolder()
    {
        // What an address without a file name gives: the folder itself.
        m_server->setResponse("/f.exe", 200, pattern(3000));
        FileDownloader downloader;
        Heard heard(downloader);
        QVERIFY(!downloader.DownloadFile(url("/f.exe"), m_dir->path() + u'/'));
        QCOMPARE(heard.errors.size(), 1);
        QVERIFY2(heard.errors.first().startsWith(QStringLiteral("Cannot write file to disk.\r\rError 75: ")),
                 qPrintable(heard.errors.first()));
        QCOMPARE(heard.completions, 0);
        QCOMPARE(folderEntries(), QStringList());
    }

    void noServer()
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        const quint16 port = probe.serverPort();
        probe.close();
        FileDownloader downloader;
        Heard heard(downloader);
        QVERIFY(!downloader.DownloadFile(QStringLiteral("http://127.0.0.1:%1/f.exe").arg(port), dest()));
        QCOMPARE(heard.errors.size(), 1);
        QVERIFY2(heard.errors.first().startsWith(QStringLiteral("Error: ")) &&
                     heard.errors.first().endsWith(QStringLiteral(" occurred.")),
                 qPrintable(heard.errors.first()));
        QCOMPARE(heard.completions, 0);
        QCOMPARE(folderEntries(), QStringList());
    }

    void aNewDownloadAfterAFailure()
    {
        m_server->setResponse("/f.exe", 404);
        FileDownloader downloader;
        Heard heard(downloader);
        downloader.Cancel(); // a cancel left over from before does not carry into the next call
        QVERIFY(!downloader.DownloadFile(url("/f.exe"), dest()));
        m_server->setResponse("/f.exe", 200, "now it is there");
        QVERIFY(downloader.DownloadFile(url("/f.exe"), dest()));
        QCOMPARE(readAll(dest()), QByteArray("now it is there"));
        QCOMPARE(heard.errors.size(), 1);
        QCOMPARE(heard.completions, 1);
    }

    void transferLayer()
    {
        Response r;
        r.status = 206;
        r.body = pattern(2500);
        r.header("X-Build", "17");
        m_server->setResponse("/t.bin", r);
        HttpTransfer transfer;
        transfer.setURL(url("/t.bin"));
        transfer.Execute(QStringLiteral("GET"), QStringLiteral("Range: bytes=0-\r\nX-One: 1\r\n"));
        QVERIFY(transfer.StillExecuting());
        QTRY_VERIFY(!transfer.StillExecuting());
        const QString header = transfer.GetHeader();
        QVERIFY2(header.startsWith(QStringLiteral("HTTP/1.1 206 Partial Content\r\n")), qPrintable(header));
        QVERIFY(header.contains(QStringLiteral("X-Build: 17\r\n")));
        QVERIFY(header.endsWith(QStringLiteral("\r\n\r\n")));
        QCOMPARE(transfer.GetHeader(QStringLiteral("x-build")), QStringLiteral("17"));
        QCOMPARE(transfer.GetHeader(QStringLiteral("Content-Length")), QStringLiteral("2500"));
        QCOMPARE(transfer.GetHeader(QStringLiteral("X-None")), QString());
        QByteArray got;
        QList<int> sizes;
        for (QByteArray chunk = transfer.GetChunk(1024); !chunk.isEmpty(); chunk = transfer.GetChunk(1024)) {
            sizes << chunk.size();
            got += chunk;
        }
        QCOMPARE(sizes, (QList<int>{1024, 1024, 452}));
        QCOMPARE(got, r.body);
        QCOMPARE(m_server->requests().first().header("X-One"), QByteArray("1"));
        transfer.Cancel();
        QCOMPARE(transfer.GetHeader(), QString());
        QVERIFY(!transfer.StillExecuting());
    }

    void readLength_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("length");
        QTest::newRow("plain") << QStringLiteral("5000") << qint64(5000);
        QTest::newRow("blanks first") << QStringLiteral("  \t42") << qint64(42);
        QTest::newRow("trailing junk") << QStringLiteral("12ab") << qint64(12);
        QTest::newRow("empty") << QString() << qint64(0);
        QTest::newRow("no digits") << QStringLiteral("abc") << qint64(0);
        QTest::newRow("half to even, down") << QStringLiteral("12.5") << qint64(12);
        QTest::newRow("half to even, up") << QStringLiteral("13.5") << qint64(14);
        QTest::newRow("beyond 32 bits") << QStringLiteral("4294967297") << qint64(4294967297LL);
        QTest::newRow("exponent") << QStringLiteral("1e3") << qint64(1000);
    }
    void readLength()
    {
        QFETCH(QString, text);
        QFETCH(qint64, length);
        QCOMPARE(FileDownloader::readLength(text), length);
    }

    void percentText_data()
    {
        QTest::addColumn<qint64>("received");
        QTest::addColumn<qint64>("expected");
        QTest::addColumn<QString>("text");
        QTest::newRow("12.5 to 12") << qint64(1) << qint64(8) << QStringLiteral("12");
        QTest::newRow("37.5 to 38") << qint64(3) << qint64(8) << QStringLiteral("38");
        QTest::newRow("all") << qint64(5000) << qint64(5000) << QStringLiteral("100");
        QTest::newRow("large counts") << qint64(3) * 1024 * 1024 * 1024 << qint64(4) * 1024 * 1024 * 1024
                                      << QStringLiteral("75");
    }
    void percentText()
    {
        QFETCH(qint64, received);
        QFETCH(qint64, expected);
        QFETCH(QString, text);
        QCOMPARE(FileDownloader::percentText(received, expected), text);
    }
};

QTEST_MAIN(TstFileDownloader)
#include "tst_filedownloader.moc"

#include "LoopbackHttpServer.h"
#include "PelimoraConfig.h"
#include "update/VersionCheck.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QtTest>

namespace {
const QByteArray kPath = "/Soft/Pelimora/LastVersion.txt";

// A port on which nothing listens.
quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}
} // namespace

class tst_VersionCheck : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readVersion_data();
    void readVersion();
    void isNewer_data();
    void isNewer();
    void runningVersionIsMajorPointMinorOfTheBuild();
    void addressOfTheVersionFile();
    void fetch_data();
    void fetch();
    void fetchFromClosedPortIsEmpty();
    void fetchThatTimesOutIsEmpty();
};

void tst_VersionCheck::readVersion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("version");
    QTest::newRow("2.2") << "2.2" << 2.2;
    QTest::newRow("revision ignored") << "2.1.1" << 2.1;
    QTest::newRow("minor 10 is one tenth") << "2.10" << 2.1;
    QTest::newRow("line end") << "2.3\r\n" << 2.3;
    QTest::newRow("leading blank") << " 3" << 3.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("not a number") << "version 2.2" << 0.0;
    QTest::newRow("html page") << "<html>2.5</html>" << 0.0;
}

void tst_VersionCheck::readVersion()
{
    QFETCH(QString, text);
    QFETCH(double, version);
    QCOMPARE(VersionCheck::readVersion(text), version);
}

void tst_VersionCheck::isNewer_data()
{
    QTest::addColumn<QString>("published");
    QTest::addColumn<QString>("running");
    QTest::addColumn<bool>("newer");
    QTest::newRow("2.2 over 2.1") << "2.2" << "2.1" << true;
    QTest::newRow("same") << "2.1" << "2.1" << false;
    QTest::newRow("revision only") << "2.1.5" << "2.1" << false;
    QTest::newRow("older") << "2.0" << "2.1" << false;
    QTest::newRow("2.10 not over 2.9") << "2.10" << "2.9" << false;
    QTest::newRow("3 over 2.9") << "3" << "2.9" << true;
    QTest::newRow("no answer") << "" << "2.1" << false;
}

void tst_VersionCheck::isNewer()
{
    QFETCH(QString, published);
    QFETCH(QString, running);
    QFETCH(bool, newer);
    QCOMPARE(VersionCheck::isNewer(VersionCheck::readVersion(published), VersionCheck::readVersion(running)), newer);
}

void tst_VersionCheck::runningVersionIsMajorPointMinorOfTheBuild()
{
    QCOMPARE(VersionCheck::runningVersionText(),
             QStringLiteral("%1.%2").arg(PELIMORA_VERSION_MAJOR).arg(PELIMORA_VERSION_MINOR));
    QCOMPARE(VersionCheck::runningVersionText(), QStringLiteral("2.1"));
    QCOMPARE(VersionCheck::runningVersion(), 2.1);
}

void tst_VersionCheck::addressOfTheVersionFile()
{
    QCOMPARE(VersionCheck::lastVersionUrl(QStringLiteral("127.0.0.1:8123")).toString(),
             QStringLiteral("http://127.0.0.1:8123/Soft/Pelimora/LastVersion.txt"));
    QCOMPARE(VersionCheck::lastVersionUrl(QStringLiteral("update.example")).toString(),
             QStringLiteral("http://update.example/Soft/Pelimora/LastVersion.txt"));
    QCOMPARE(VersionCheck::lastVersionUrl(QStringLiteral("update.example")).fileName(),
             QLatin1String(VersionCheck::kVersionFileName));
}

void tst_VersionCheck::fetch_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("text");
    QTest::newRow("version") << 200 << QByteArray("2.2") << "2.2";
    QTest::newRow("with line end") << 200 << QByteArray("2.1.5\r\n") << "2.1.5\r\n";
    QTest::newRow("byte-order mark dropped") << 200 << QByteArray("\xEF\xBB\xBF" "2.4") << "2.4";
    QTest::newRow("empty file") << 200 << QByteArray() << "";
    QTest::newRow("missing file") << 404 << QByteArray("2.9") << "";
    QTest::newRow("server error page") << 500 << QByteArray("3.0") << "";
    QTest::newRow("too large to be a version file") << 200 << QByteArray(200 * 1024, '9') << "";
}

void tst_VersionCheck::fetch()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QString, text);
    LoopbackHttpServer server;
    QVERIFY(server.start());
    server.setResponse(kPath, status, body);
    const QString got = VersionCheck::fetchText(VersionCheck::lastVersionUrl(server.hostAndPort()));
    QCOMPARE(got, text);
    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(server.requests().first().method, QByteArray("GET"));
    QCOMPARE(server.requests().first().path, kPath);
}

void tst_VersionCheck::fetchFromClosedPortIsEmpty()
{
    const QUrl url = VersionCheck::lastVersionUrl(QStringLiteral("127.0.0.1:%1").arg(closedPort()));
    QCOMPARE(VersionCheck::fetchText(url), QString());
}

void tst_VersionCheck::fetchThatTimesOutIsEmpty()
{
    LoopbackHttpServer server;
    QVERIFY(server.start());
    LoopbackHttpServer::Response slow;
    slow.body = "9.9";
    slow.headerDelayMs = 3000;
    server.setResponse(kPath, slow);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(VersionCheck::fetchText(VersionCheck::lastVersionUrl(server.hostAndPort()), 300), QString());
    QVERIFY2(clock.elapsed() < 2500, qPrintable(QString::number(clock.elapsed())));
}

QTEST_MAIN(tst_VersionCheck)
#include "tst_versioncheck.moc"

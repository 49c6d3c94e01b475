// The updater window driven through its buttons against a loopback server.
#include "GetFileName.h"
#include "LoopbackHttpServer.h"
#include "Progress.h"
#include "RecordingUpdaterDialogs.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using Response = LoopbackHttpServer::Response;
using Icon = UpdaterDialogs::Icon;

namespace {
const QString kIdle = QStringLiteral("دانلود");
const QString kRunning = QStringLiteral("انصراف");
const QString kSuccess = QStringLiteral("دانلود فايل با موفقيت به پايان رسيد ");
const QByteArray kPath = "/Soft/Pelimora/setup-Ornavex.exe";
} // namespace

class TstProgress : public QObject
{
    Q_OBJECT

    LoopbackHttpServer* m_server = nullptr;
    QTemporaryDir* m_dir = nullptr;
    RecordingUpdaterDialogs* m_dialogs = nullptr;
    Progress* m_window = nullptr;
    QStringList m_started;
    bool m_startSucceeds = true;
    int m_ended = 0;

    template <class T> T* find(const char* name) { return m_window->findChild<T*>(QString::fromLatin1(name)); }
    QPushButton* update() { return find<QPushButton>("cmdUpdate"); }
    QProgressBar* bar() { return find<QProgressBar>("ProgressBar1"); }
    QString installerPath() const { return m_dir->filePath(QStringLiteral("setup-Ornavex.exe")); }
    QStringList folderEntries() const
    {
        return QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

private Q_SLOTS:
    void init()
    {
        m_server = new LoopbackHttpServer;
        QVERIFY(m_server->start());
        m_dir = new QTemporaryDir;
        m_dialogs = new RecordingUpdaterDialogs;
        m_window = new Progress(*m_dialogs, m_dir->path(), m_server->hostAndPort());
        m_started.clear();
        m_startSucceeds = true;
        m_ended = 0;
        m_window->setProcessStarter([this](const QString& program, const QString& folder) {
            m_started << program << folder;
            return m_startSucceeds;
        });
        m_window->setEndProgram([this] { ++m_ended; });
        m_window->show();
    }
    void cleanup()
    {
        delete m_window;
        delete m_dialogs;
        delete m_server;
        delete m_dir;
    }

    void startsIdle()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Downloading File ... "));
        QCOMPARE(update()->text(), kIdle);
        QCOMPARE(find<QPushButton>("Command1")->text(), QStringLiteral("خروج"));
        QLineEdit* address = find<QLineEdit>("Text");
        QVERIFY(address->isHidden());
        QVERIFY(find<QLabel>("Label1")->isHidden());
        QCOMPARE(address->text(), QStringLiteral("http://") + m_server->hostAndPort() + QString::fromLatin1(kPath));
        QCOMPARE(Progress::defaultAddress(QStringLiteral(PELIMORA_UPDATE_HOST)),
                 QStringLiteral("http://" PELIMORA_UPDATE_HOST "/Soft/Pelimora/setup-Ornavex.exe"));
        QCOMPARE(bar()->value(), 0);
        QCOMPARE(find<QLabel>("Label4")->text(), QString());
        QCOMPARE(find<QLabel>("Label2")->text(), QStringLiteral("Ornavex"));
        QTimer* timer = find<QTimer>("Timer1");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 1000);
        QCOMPARE(m_window->size(), QSize(560, 193));
    }

    void completedDownloadStartsTheInstaller()
    {
        const QByteArray body(40 * 1024 + 3, 'i');
        m_server->setResponse(kPath, 200, body);
        QList<int> barWhenStarted;
        QStringList captionWhenStarted;
        m_window->setProcessStarter([&](const QString& program, const QString& folder) {
            barWhenStarted << bar()->value();
            captionWhenStarted << update()->text();
            m_started << program << folder;
            return true;
        });
        int seenRunning = 0;
        connect(&m_window->downloader(), &FileDownloader::DownloadProgress, this,
                [&] { seenRunning += update()->text() == kRunning; });
        update()->click();

        QVERIFY(seenRunning > 0);
        QCOMPARE(m_dialogs->calls.size(), 1);
        QCOMPARE(m_dialogs->calls[0].title, QStringLiteral("Success"));
        QCOMPARE(m_dialogs->calls[0].text, kSuccess);
        QCOMPARE(m_dialogs->calls[0].icon, Icon::Information);
        QFile installer(installerPath());
        QVERIFY(installer.open(QIODevice::ReadOnly));
        QCOMPARE(installer.readAll(), body);
        QVERIFY(installer.permissions() & QFileDevice::ExeOwner);
        QCOMPARE(m_started, (QStringList{installerPath(), m_dir->path()}));
        QCOMPARE(barWhenStarted, QList<int>{0});
        QCOMPARE(captionWhenStarted, QStringList{kIdle});
        QCOMPARE(m_ended, 1);
        QVERIFY(m_window->isHidden());
    }

    void installerThatCannotStart()
    {
        m_server->setResponse(kPath, 200, "not really a program");
        m_startSucceeds = false;
        update()->click();
        QCOMPARE(m_dialogs->calls.size(), 2);
        QCOMPARE(m_dialogs->calls[0].title, QStringLiteral("Success"));
        QCOMPARE(m_dialogs->calls[1].title, QStringLiteral("Error"));
        QCOMPARE(m_dialogs->calls[1].icon, Icon::Critical);
        QVERIFY(m_dialogs->calls[1].text.contains(QStringLiteral("setup-Ornavex.exe")));
        QCOMPARE(m_ended, 0);
        QVERIFY(m_window->isVisible());
        QCOMPARE(update()->text(), kIdle);
    }

    void installerThatIsNotThere()
    {
        // Another address stores another name; the fixed installer name is not there.
        m_server->setResponse("/Soft/Pelimora/other.zip", 200, "zip");
        find<QLineEdit>("Text")->setText(m_server->url(QStringLiteral("/Soft/Pelimora/other.zip")).toString());
        update()->click();
        QVERIFY(QFile::exists(m_dir->filePath(QStringLiteral("other.zip"))));
        QCOMPARE(m_started, QStringList());
        QCOMPARE(m_dialogs->calls.size(), 2);
        QCOMPARE(m_dialogs->calls[1].title, QStringLiteral("Error"));
        QCOMPARE(m_ended, 0);
    }

    void failuresShowOneErrorAndReturnToIdle_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("404") << kPath << 404 << QStringLiteral("The file, \"%1\" was not found!");
        QTest::newRow("no file name in the address")
            << QByteArray("/Soft/Pelimora/") << 200 << QStringLiteral("Cannot write file to disk.\r\rError 75: ");
    }
    void failuresShowOneErrorAndReturnToIdle()
    {
        QFETCH(QByteArray, path);
        QFETCH(int, status);
        QFETCH(QString, message);
        m_server->setResponse(path, status, "some body");
        const QString address = m_server->url(QString::fromLatin1(path)).toString();
        find<QLineEdit>("Text")->setText(address);
        update()->click();

        QCOMPARE(m_dialogs->calls.size(), 1);
        QCOMPARE(m_dialogs->calls[0].title, QStringLiteral("Error"));
        QCOMPARE(m_dialogs->calls[0].icon, Icon::Critical);
        if (message.contains(QLatin1String("%1")))
            QCOMPARE(m_dialogs->calls[0].text, message.arg(address));
        else
            QVERIFY2(m_dialogs->calls[0].text.startsWith(message), qPrintable(m_dialogs->calls[0].text));
        QCOMPARE(update()->text(), kIdle);
        QCOMPARE(bar()->value(), 0);
        QCOMPARE(m_started, QStringList());
        QCOMPARE(m_ended, 0);
        QCOMPARE(folderEntries(), QStringList());

        // And the next press downloads again.
        m_server->setResponse(kPath, 200, "second try");
        find<QLineEdit>("Text")->setText(Progress::defaultAddress(m_server->hostAndPort()));
        update()->click();
        QCOMPARE(m_dialogs->calls.size(), 2);
        QCOMPARE(m_dialogs->calls[1].title, QStringLiteral("Success"));
    }

    void secondPressCancels()
    {
        QFile old(installerPath());
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the earlier installer");
        old.close();
        Response r;
        r.body = QByteArray(50 * 1024, 'x');
        r.chunkSize = 1024;
        r.chunkDelayMs = 20;
        m_server->setResponse(kPath, r);
        QList<int> bars;
        connect(&m_window->downloader(), &FileDownloader::DownloadProgress, this, [&] {
            bars << bar()->value();
            if (bars.size() == 3) // the press arrives while the download lets events run
                QTimer::singleShot(0, update(), &QPushButton::click);
        });
        update()->click();

        QVERIFY(bars.size() >= 3 && bars.size() < 10);
        QCOMPARE(bars.mid(0, 3), (QList<int>{2, 4, 6}));
        QCOMPARE(update()->text(), kIdle);
        QCOMPARE(bar()->value(), 0);
        QCOMPARE(m_dialogs->calls.size(), 0);
        QCOMPARE(m_started, QStringList());
        QFile kept(installerPath());
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("the earlier installer"));
        QCOMPARE(folderEntries(), QStringList{QStringLiteral("setup-Ornavex.exe")});
    }

    void exitDuringADownload()
    {
        Response r;
        r.body = QByteArray(50 * 1024, 'x');
        r.chunkSize = 1024;
        r.chunkDelayMs = 20;
        m_server->setResponse(kPath, r);
        int progress = 0;
        connect(&m_window->downloader(), &FileDownloader::DownloadProgress, this, [&] {
            if (++progress == 2)
                QTimer::singleShot(0, find<QPushButton>("Command1"), &QPushButton::click);
        });
        update()->click();
        QCOMPARE(m_ended, 1);
        QVERIFY(progress < 10);
        QVERIFY(!m_window->downloader().isRunning());
        QCOMPARE(m_dialogs->calls.size(), 0);
        QCOMPARE(folderEntries(), QStringList());
    }

    void timerShowsTheBar()
    {
        bar()->setValue(42);
        QTimer* timer = find<QTimer>("Timer1");
        timer->setInterval(10);
        QTRY_COMPARE(find<QLabel>("Label4")->text(), QStringLiteral("42"));
    }

    void getFileName_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("name");
        QTest::newRow("the default address")
            << Progress::defaultAddress(QStringLiteral(PELIMORA_UPDATE_HOST)) << QStringLiteral("setup-Ornavex.exe");
        QTest::newRow("with a port") << QStringLiteral("http://127.0.0.1:8080/a/b.zip") << QStringLiteral("b.zip");
        QTest::newRow("capitals in the scheme") << QStringLiteral("HTTP://host/Soft/setup.exe") << QString();
        QTest::newRow("another scheme") << QStringLiteral("https://host/Soft/setup.exe") << QString();
        QTest::newRow("no dot") << QStringLiteral("http://host/Soft/setup") << QString();
        QTest::newRow("a trailing dot") << QStringLiteral("http://host/Soft/setup.") << QString();
        QTest::newRow("a dot before the trailing one") << QStringLiteral("http://host/a.b.") << QStringLiteral("a.b.");
        QTest::newRow("a trailing slash") << QStringLiteral("http://host/Soft/") << QString();
        QTest::newRow("the last slash is not looked at")
            << QStringLiteral("http://host/Soft/a.b/") << QStringLiteral("a.b/");
        QTest::newRow("only a host") << QStringLiteral("http://host.example") << QStringLiteral("host.example");
        QTest::newRow("http:// alone") << QStringLiteral("http://") << QString();
        QTest::newRow("one character after the scheme") << QStringLiteral("http://x") << QString();
        QTest::newRow("a one-character address") << QStringLiteral("h") << QString();
        QTest::newRow("empty") << QString() << QString();
    }
    void getFileName()
    {
        QFETCH(QString, url);
        QFETCH(QString, name);
        QCOMPARE(GetFileName(url), name);
    }
};

QTEST_MAIN(TstProgress)
#include "tst_progress.moc"

#include "ScriptedDialogs.h"
#include "TestEnvironment.h"
#include "shell/QtDialogs.h"
#include "shell/SingleInstance.h"
#include "shell/Startup.h"

#include <QAbstractButton>
#include <QFile>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void secondCopyRefused();
    void databaseCheck_data();
    void databaseCheck();
    void noticeClosesItself();
};

void TestStartup::secondCopyRefused()
{
    // The first copy is the real program, started in its own process from a fresh folder.
    TestEnvironment env;
    const QString program = env.folder() + QStringLiteral("/Pelimora");
    QVERIFY(QFile::copy(qEnvironmentVariable("PELIMORA_PROGRAM_DIR") + QStringLiteral("/Pelimora"), program));
    QProcess first;
    first.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    first.start(program, {});
    QVERIFY(first.waitForStarted());
    QLockFile probe(SingleInstance::lockPath(env.folder()));
    qint64 pid = 0;
    QString host, app;
    QTRY_VERIFY_WITH_TIMEOUT(probe.getLockInfo(&pid, &host, &app) && pid == first.processId(), 20000);

    ScriptedDialogs dialogs;
    QCOMPARE(Startup::runProgram(env.folder(), dialogs), 0);
    QCOMPARE(dialogs.calls.size(), 1);
    QCOMPARE(dialogs.calls[0].title, QStringLiteral("Warnnig"));
    QCOMPARE(dialogs.calls[0].text, QStringLiteral("برنامه در حال اجراست"));
    QCOMPARE(dialogs.calls[0].icon, Dialogs::Icon::Information);
    QTest::qWait(200);
    QCOMPARE(first.state(), QProcess::Running); // the first copy is undisturbed
    first.kill();
    first.waitForFinished();
}

void TestStartup::databaseCheck_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file at all
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not a database") << QByteArray("just some words, no database\n");
    QTest::newRow("truncated database") << QByteArray("SQLite format 3\0\x10\0", 19);
}

void TestStartup::databaseCheck()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = Startup::databasePath(dir.path());
    if (!content.isEmpty()) {
        QDir(dir.path()).mkpath(QStringLiteral("Pelimora1"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    ScriptedDialogs dialogs;
    QCOMPARE(Startup::runProgram(dir.path(), dialogs), 1);
    QCOMPARE(dialogs.calls.size(), 1);
    QVERIFY2(dialogs.calls[0].text.contains(QDir::toNativeSeparators(path)), qPrintable(dialogs.calls[0].text));
    QCOMPARE(QFile::exists(path), !content.isEmpty()); // never an empty database in its place
    if (!content.isEmpty()) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        QCOMPARE(f.readAll(), content);
    }
}

void TestStartup::noticeClosesItself()
{
    QtDialogs dialogs;
    QWidget owner;
    owner.show();
    // Left alone, the notice closes after its delay.
    QElapsedTimer t;
    t.start();
    QString title, text;
    QTimer::singleShot(50, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            text = box->text();
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->buttons().size(), 1);
        }
    });
    dialogs.notice(&owner, QStringLiteral("یک پیام"), 600);
    QVERIFY(t.elapsed() >= 550);
    QCOMPARE(title, QStringLiteral("پيام"));
    QCOMPARE(text, QStringLiteral("یک پیام"));

    // OK closes it at once; its timer then touches nothing else.
    t.restart();
    QTimer::singleShot(50, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(QMessageBox::Ok)->click();
    });
    dialogs.notice(&owner, QStringLiteral("دوم"), 2000);
    QVERIFY(t.elapsed() < 1500);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"

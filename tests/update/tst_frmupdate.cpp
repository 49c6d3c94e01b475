#include "LoopbackHttpServer.h"
#include "TestEnvironment.h"
#include "shell/Frm1.h"
#include "shell/Skin.h"
#include "shell/Twips.h"
#include "update/FrmUpdate.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTcpServer>
#include <QtTest>

namespace {
const QByteArray kPath = "/Soft/Pelimora/LastVersion.txt";
const QString kUpToDate = QStringLiteral("شما آخرين ورژن نرم افزار را داريد و يا اينکه ارتباط شما با اينترنت برقرار نمي باشد ");
const QString kInstruction = QStringLiteral("جهت به روز رساني نرم افزار ابتدا اتصال به اينترنت را چک کنيد سپس روي دکمه آپديت کليک کنيد");

// What the window looked like while the server was being asked.
struct DuringFetch
{
    bool seen = false;
    bool windowEnabled = true;
    bool checkEnabled = true;
    QString caption;
    bool busyPointer = false;
};
} // namespace

class tst_FrmUpdate : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void opensWithTitleVersionAndTexts();
    void themeUsesItsOwnTable_data();
    void themeUsesItsOwnTable();
    void newerVersionStartsUpdaterAndEnds();
    void noNewerVersionShowsMessage_data();
    void noNewerVersionShowsMessage();
    void closedPortShowsMessage();
    void updaterThatCannotStartIsReported();
    void closingIsRefusedWhileChecking();
    void exitClosesOnlyThisWindow();
    void mainWindowOpensItModal();

private:
    FrmUpdate* open();
    void watch(DuringFetch* seen);
    QPushButton* button(const char* name) const { return m_window->findChild<QPushButton*>(QLatin1String(name)); }

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<LoopbackHttpServer> m_server;
    QPointer<FrmUpdate> m_window;
};

void tst_FrmUpdate::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_server = std::make_unique<LoopbackHttpServer>();
    QVERIFY(m_server->start());
    m_env->context.config.updateHost = m_server->hostAndPort();
}

void tst_FrmUpdate::cleanup()
{
    m_window.clear();
    m_env.reset();
    m_server.reset();
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

FrmUpdate* tst_FrmUpdate::open()
{
    m_window = m_env->windows->show<FrmUpdate>();
    return m_window;
}

void tst_FrmUpdate::watch(DuringFetch* seen)
{
    connect(m_server.get(), &LoopbackHttpServer::requestReceived, this, [this, seen] {
        seen->seen = true;
        seen->windowEnabled = m_window->isEnabled();
        seen->checkEnabled = button("Command1")->isEnabled();
        seen->caption = m_window->windowTitle();
        seen->busyPointer = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    });
}

void tst_FrmUpdate::opensWithTitleVersionAndTexts()
{
    FrmUpdate* w = open();
    QCOMPARE(w->windowTitle(), QStringLiteral("Pelimora 2.1"));
    QCOMPARE(w->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Pelimora 2.1"));
    QCOMPARE(w->findChild<QLabel*>(QStringLiteral("Label2"))->text(), kInstruction);
    QCOMPARE(button("Command1")->text(), QStringLiteral("بررسي آپديت جديد"));
    QCOMPARE(button("Command2")->text(), QStringLiteral("خروج"));
    QVERIFY(button("Command1")->isEnabled());
    QCOMPARE(w->pos(), QPoint(tw(4085), tw(2745)));
    QVERIFY(m_server->requests().isEmpty()); // nothing is asked before the button
}

void tst_FrmUpdate::themeUsesItsOwnTable_data()
{
    QTest::addColumn<int>("theme");
    QTest::addColumn<QString>("skin");
    QTest::newRow("1") << 1 << "chizh.skn";
    QTest::newRow("7 differs from the other windows") << 7 << "TopSecret.skn";
    QTest::newRow("11") << 11 << "office2007.skn";
    QTest::newRow("12 only here") << 12 << "OrionNext.skn";
    QTest::newRow("13 only here") << 13 << "Retro.skn";
    QTest::newRow("14 none") << 14 << "";
    QTest::newRow("0 none") << 0 << "";
}

void tst_FrmUpdate::themeUsesItsOwnTable()
{
    QFETCH(int, theme);
    QFETCH(QString, skin);
    // Skin files of our own, so the case does not depend on what the skins folder holds.
    for (const QString& file : Skin::updateTable()) {
        QFile f(QDir(m_env->folder()).filePath(file));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("/* Pelimora skin: " + file.toUtf8() + " */\nQWidget { color: rgb(20, 20, 20); }\n");
    }
    m_env->setTheme(theme);
    FrmUpdate* w = open();
    QCOMPARE(w->property("skinFile").toString(), skin);
    QCOMPARE(w->styleSheet().isEmpty(), skin.isEmpty());
}

void tst_FrmUpdate::newerVersionStartsUpdaterAndEnds()
{
    m_server->setResponse(kPath, 200, "2.2");
    DuringFetch seen;
    watch(&seen);
    open();
    QTest::mouseClick(button("Command1"), Qt::LeftButton);

    QVERIFY(seen.seen);
    QVERIFY(!seen.windowEnabled);
    QVERIFY(!seen.checkEnabled);
    QCOMPARE(seen.caption, QStringLiteral("Please wait..."));
    QVERIFY(seen.busyPointer);

    QCOMPARE(m_env->startedProcesses.size(), 1);
    QCOMPARE(m_env->startedProcesses.first().first, m_env->folder() + QStringLiteral("/Pelimoraupdate"));
    QVERIFY(m_env->startedProcesses.first().second.isEmpty());
    QCOMPARE(m_env->endProgramCalls, 1);
    QVERIFY(m_env->dialogs.calls.isEmpty());
    QVERIFY(!m_env->windows->find<FrmUpdate>());
    QVERIFY(!QApplication::overrideCursor());
}

void tst_FrmUpdate::noNewerVersionShowsMessage_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("same version") << 200 << QByteArray("2.1");
    QTest::newRow("revision of the same") << 200 << QByteArray("2.1.5");
    QTest::newRow("minor 10 reads as one tenth") << 200 << QByteArray("2.10");
    QTest::newRow("older") << 200 << QByteArray("1.9");
    QTest::newRow("empty file") << 200 << QByteArray();
    QTest::newRow("missing file") << 404 << QByteArray("9.9");
    QTest::newRow("server error") << 503 << QByteArray("9.9");
}

void tst_FrmUpdate::noNewerVersionShowsMessage()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    m_server->setResponse(kPath, status, body);
    DuringFetch seen;
    watch(&seen);
    FrmUpdate* w = open();
    bool buttonDisabledDuringMessage = false;
    m_env->dialogs.onCall = [&](const ScriptedDialogs::Call&) {
        buttonDisabledDuringMessage = !button("Command1")->isEnabled();
    };
    QTest::mouseClick(button("Command1"), Qt::LeftButton);

    QVERIFY(seen.seen);
    QVERIFY(!seen.windowEnabled);
    QCOMPARE(seen.caption, QStringLiteral("Please wait..."));
    QVERIFY(seen.busyPointer);

    QCOMPARE(m_env->dialogs.calls.size(), 1);
    const ScriptedDialogs::Call& call = m_env->dialogs.calls.first();
    QCOMPARE(call.kind, QStringLiteral("message"));
    QCOMPARE(call.title, QString()); // the application's title
    QCOMPARE(call.text, kUpToDate);
    QCOMPARE(call.icon, Dialogs::Icon::Information);
    QCOMPARE(call.buttons, Dialogs::Buttons::Ok);
    QVERIFY(buttonDisabledDuringMessage);

    QVERIFY(m_env->startedProcesses.isEmpty());
    QCOMPARE(m_env->endProgramCalls, 0);
    QVERIFY(m_env->windows->find<FrmUpdate>() == w);
    QVERIFY(w->isEnabled());
    QVERIFY(button("Command1")->isEnabled());
    QCOMPARE(w->windowTitle(), QStringLiteral("Pelimora 2.1"));
    QVERIFY(!QApplication::overrideCursor());

    // The operator may try again.
    m_server->setResponse(kPath, 200, "2.2");
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    QCOMPARE(m_env->startedProcesses.size(), 1);
    QCOMPARE(m_env->endProgramCalls, 1);
}

void tst_FrmUpdate::closedPortShowsMessage()
{
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    m_env->context.config.updateHost = QStringLiteral("127.0.0.1:%1").arg(probe.serverPort());
    probe.close();
    FrmUpdate* w = open();
    QString captionDuringMessage;
    m_env->dialogs.onCall = [&](const ScriptedDialogs::Call&) { captionDuringMessage = w->windowTitle(); };
    button("Command1")->click();
    QCOMPARE(m_env->dialogs.texts(QStringLiteral("message")), QStringList{kUpToDate});
    QCOMPARE(captionDuringMessage, QStringLiteral("Please wait..."));
    QCOMPARE(w->windowTitle(), QStringLiteral("Pelimora 2.1"));
    QVERIFY(button("Command1")->isEnabled());
    QVERIFY(m_env->startedProcesses.isEmpty());
}

void tst_FrmUpdate::updaterThatCannotStartIsReported()
{
    m_server->setResponse(kPath, 200, "2.2");
    m_env->processStartSucceeds = false;
    FrmUpdate* w = open();
    button("Command1")->click();

    QCOMPARE(m_env->startedProcesses.size(), 1);
    QCOMPARE(m_env->endProgramCalls, 0);
    QCOMPARE(m_env->dialogs.calls.size(), 1);
    const ScriptedDialogs::Call& call = m_env->dialogs.calls.first();
    QCOMPARE(call.title, QStringLiteral("خطا"));
    QCOMPARE(call.icon, Dialogs::Icon::Warning);
    QVERIFY(call.text.contains(QStringLiteral("Pelimoraupdate")));
    QVERIFY(call.text != kUpToDate);
    QVERIFY(m_env->windows->find<FrmUpdate>() == w);
    QVERIFY(button("Command1")->isEnabled());
    QCOMPARE(w->windowTitle(), QStringLiteral("Pelimora 2.1"));
    QVERIFY(!QApplication::overrideCursor());
}

void tst_FrmUpdate::closingIsRefusedWhileChecking()
{
    m_server->setResponse(kPath, 200, "2.1");
    connect(m_server.get(), &LoopbackHttpServer::requestReceived, this, [this] {
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        m_window->close();
    });
    FrmUpdate* w = open();
    button("Command1")->click();
    QVERIFY(m_window);
    QVERIFY(m_env->windows->find<FrmUpdate>() == w);
    QCOMPARE(m_env->dialogs.texts(QStringLiteral("message")), QStringList{kUpToDate});
    QVERIFY(!w->isChecking());
    // Once idle again the window closes as usual.
    QVERIFY(w->close());
}

void tst_FrmUpdate::exitClosesOnlyThisWindow()
{
    Frm1* main = m_env->showMain();
    open();
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    QVERIFY(!m_env->windows->find<FrmUpdate>());
    QVERIFY(m_env->windows->find<Frm1>() == main);
    QVERIFY(main->isVisible());
    QVERIFY(m_server->requests().isEmpty());
}

void tst_FrmUpdate::mainWindowOpensItModal()
{
    Frm1* main = m_env->showMain();
    main->findChild<QPushButton*>(QStringLiteral("cmdUpdate"))->click();
    FrmUpdate* w = m_env->windows->find<FrmUpdate>();
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QCOMPARE(w->windowModality(), Qt::ApplicationModal);
}

QTEST_MAIN(tst_FrmUpdate)
#include "tst_frmupdate.moc"

// The AAS, APS and MAC_R buttons of the main window: the code prompt, the lookup in
// the scale's answer table, and the test window handed over in its ready state.
#include "TestWindowDriver.h"

#include "subjects/RegistrationPanel.h"

#include <memory>

class TestLaunchTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        m_drive = std::make_unique<Driver>(Driver{*m_env});
    }
    void cleanup()
    {
        m_drive.reset();
        m_env.reset();
    }

    void opensTheReadyTestWindow_data();
    void opensTheReadyTestWindow();
    void stopsWithANotice_data();
    void stopsWithANotice();
    void staysSilentWhileNoSubjectIsRegistered_data();
    void staysSilentWhileNoSubjectIsRegistered();
    void resetsTheMainWindowFirst();
    void everyWayOutShowsTheMainWindowAgain_data();
    void everyWayOutShowsTheMainWindowAgain();
    void failingLookupIsReported();

private:
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<Driver> m_drive;
};

void TestLaunchTest::opensTheReadyTestWindow_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<QString>("code");
    QTest::newRow("AAS") << 1 << QStringLiteral("100");
    QTest::newRow("APS") << 2 << QStringLiteral("100");
    QTest::newRow("MAC_R") << 3 << QStringLiteral("100");
    QTest::newRow("apostrophe") << 1 << QStringLiteral("O'Hara");
    QTest::newRow("persian code") << 3 << QStringLiteral("کد۱۲");
}

void TestLaunchTest::opensTheReadyTestWindow()
{
    QFETCH(int, scale);
    QFETCH(QString, code);
    m_env->addSubject(QStringLiteral("other"));
    m_env->addSubject(code,
                      {QStringLiteral("مریم"), QStringLiteral("احمدی"), QStringLiteral("زن"), QStringLiteral("34")});
    m_env->showMain();

    FrmTest* w = m_drive->launch(scale, code);
    QVERIFY(w);

    const ScriptedDialogs::Call& prompt = m_env->dialogs.calls.value(0);
    QCOMPARE(prompt.kind, QStringLiteral("input"));
    QCOMPARE(prompt.title, QStringLiteral("Enter Code "));
    QCOMPARE(prompt.text, QStringLiteral(" Plese Insert Code "));
    QCOMPARE(prompt.defaultText, QString());
    QCOMPARE(m_env->dialogs.calls.size(), 1);

    QVERIFY(w->isVisible());
    QCOMPARE(w->scaleNumber(), scale);
    QCOMPARE(child<QLineEdit>(w, "txtCode")->text(), code);
    QCOMPARE(child<QLineEdit>(w, "txtF2")->text(), QStringLiteral("احمدی"));
    QCOMPARE(child<QLineEdit>(w, "txtF4")->text(), QStringLiteral("34"));
    QCOMPARE(w->answerView().rowCount(), 1);
    QCOMPARE(w->answerView().text(QStringLiteral("Code")), code);

    // Ready: instruction, Start, Exit, subject panel, empty item text; item number 0.
    for (const char* shown : {"lblInstruction", "cmdStart", "cmdExit", "subjectPanel", "lblItem"})
        QVERIFY2(child<QWidget>(w, shown)->isVisible(), shown);
    for (const char* hidden : {"cmdNext", "cmdBack", "itemFrame", "txtItem", "cmdSaveExit"})
        QVERIFY2(!child<QWidget>(w, hidden)->isVisible(), hidden);
    QCOMPARE(shownItem(w), QString());
    QCOMPARE(itemBox(w)->text(), QStringLiteral("0"));

    // The main window is gone until the test window closes.
    QVERIFY(!m_env->windows->find<Frm1>());
}

void TestLaunchTest::stopsWithANotice_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("notice");
    QTest::newRow("empty code") << 1 << QString() << Text::noCode;
    QTest::newRow("cancel") << 2 << QString() << Text::noCode; // the prompt answers an empty text
    QTest::newRow("unknown code") << 1 << QStringLiteral("999") << Text::notFound;
    QTest::newRow("trailing space") << 3 << QStringLiteral("100 ") << Text::notFound;
    QTest::newRow("leading space") << 1 << QStringLiteral(" 100") << Text::notFound;
    QTest::newRow("other case") << 1 << QStringLiteral("ab") << Text::notFound;
    QTest::newRow("in IDE only, not in AnswerAPS") << 2 << QStringLiteral("AB") << Text::notFound;
}

void TestLaunchTest::stopsWithANotice()
{
    QFETCH(int, scale);
    QFETCH(QString, typed);
    QFETCH(QString, notice);
    m_env->addSubject(QStringLiteral("100"));
    m_env->addSubject(QStringLiteral("AB"));
    m_env->exec(QStringLiteral("DELETE FROM AnswerAPS WHERE Code = 'AB'"));
    Frm1* main = m_env->showMain();

    QVERIFY(!m_drive->launch(scale, typed));

    QCOMPARE(m_env->dialogs.texts(), QStringList{notice});
    QCOMPARE(m_env->dialogs.calls.last().delay, 1000);
    QCOMPARE(m_env->dialogs.calls.last().title, QStringLiteral("پيام"));
    QCOMPARE(m_env->windows->find<Frm1>(), main);
    QVERIFY(main->isVisible());

    // The next launch builds the test window again and succeeds.
    FrmTest* w = m_drive->launch(1, QStringLiteral("100"));
    QVERIFY(w && w->isVisible());
}

void TestLaunchTest::staysSilentWhileNoSubjectIsRegistered_data()
{
    QTest::addColumn<int>("scale");
    QTest::newRow("AAS") << 1;
    QTest::newRow("APS") << 2;
    QTest::newRow("MAC_R") << 3;
}

void TestLaunchTest::staysSilentWhileNoSubjectIsRegistered()
{
    QFETCH(int, scale);
    // Rows in the other tables do not count: only AnswerAAS tells whether anyone is registered.
    m_env->exec(QStringLiteral("INSERT INTO IDE (Code) VALUES ('100')"));
    m_env->exec(QStringLiteral("INSERT INTO AnswerAPS (Code) VALUES ('100')"));
    m_env->exec(QStringLiteral("INSERT INTO AnswerMACR (Code) VALUES ('100')"));
    Frm1* main = m_env->showMain();

    QVERIFY(!m_drive->launch(scale, QStringLiteral("100")));
    QVERIFY(m_env->dialogs.calls.isEmpty());
    QVERIFY(main->isVisible());
    QCOMPARE(m_env->windows->find<Frm1>(), main);
}

void TestLaunchTest::resetsTheMainWindowFirst()
{
    m_env->addSubject(QStringLiteral("100"));
    Frm1* main = m_env->showMain();
    child<QPushButton>(main, "cmdRegister")->click();
    QVERIFY(main->registrationPanel()->isVisible());

    m_drive->launch(1, QString()); // stops at the prompt
    QVERIFY(!main->registrationPanel()->isVisible());
}

void TestLaunchTest::everyWayOutShowsTheMainWindowAgain_data()
{
    QTest::addColumn<QByteArray>("way");
    QTest::newRow("exit in the ready state") << QByteArray("cmdExit");
    QTest::newRow("close box in the ready state") << QByteArray("close");
    QTest::newRow("exit while running") << QByteArray("start,cmdExit");
    QTest::newRow("save and exit") << QByteArray("start,cmdSaveExit");
    QTest::newRow("close box while running") << QByteArray("start,close");
}

void TestLaunchTest::everyWayOutShowsTheMainWindowAgain()
{
    QFETCH(QByteArray, way);
    m_env->addSubject(QStringLiteral("100"));
    m_env->showMain();
    FrmTest* w = m_drive->launch(1, QStringLiteral("100"));
    QVERIFY(w);
    QPointer<FrmTest> watch(w);
    for (const QByteArray& step : way.split(',')) {
        if (step == "start")
            clickButton(w, "cmdStart");
        else if (step == "close")
            QVERIFY(w->close());
        else
            clickButton(w, step.constData());
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!watch);
    QVERIFY(!m_env->windows->find<FrmTest>());
    Frm1* main = m_env->windows->find<Frm1>();
    QVERIFY(main && main->isVisible());

    // The main window was made afresh and launches again.
    QVERIFY(m_drive->launch(2, QStringLiteral("100")));
}

void TestLaunchTest::failingLookupIsReported()
{
    m_env->addSubject(QStringLiteral("100"));
    Frm1* main = m_env->showMain();
    // The subject table cannot be read: the launch says why instead of opening an empty panel.
    m_env->exec(QStringLiteral("ALTER TABLE IDE RENAME TO IDE_gone"));
    QVERIFY(!m_drive->launch(1, QStringLiteral("100")));
    QCOMPARE(m_env->dialogs.calls.last().kind, QStringLiteral("message"));
    QCOMPARE(m_env->dialogs.calls.last().title, Text::error);
    QVERIFY(!m_env->dialogs.calls.last().text.isEmpty());
    QVERIFY(main->isVisible());
}

QTEST_MAIN(TestLaunchTest)
#include "tst_testlaunch.moc"

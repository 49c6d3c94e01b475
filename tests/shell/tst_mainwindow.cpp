#include "TestEnvironment.h"
#include "data/View.h"
#include "shell/About.h"
#include "shell/Frm1.h"
#include "shell/Frmskin.h"
#include "shell/Twips.h"
#include "shell/TwoPictureButton.h"
#include "shell/exitpro.h"
#include "scoring/FrmkLID.h"
#include "subjects/FrmCode.h"
#include "subjects/RegistrationPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void registrationNotices();
    void registrationStoresTrimmedCode();
    void duplicateRefusedThenNewCodeAccepted();
    void blanksOnlyCode();
    void cancelStoresNothing();
    void themeChange();
    void gatedButtonsWithoutSubjects();
    void calculatorAndLinks();
    void closeBoxEndsWithoutConfirmation();
    void hoverHelp();

private:
    static QPushButton* button(QWidget* w, const char* name)
    {
        auto* b = w->findChild<QPushButton*>(QLatin1String(name));
        if (!b)
            qFatal("no button %s", name);
        return b;
    }
    static void fill(RegistrationPanel* panel, const QString& code, const QStringList& fields)
    {
        panel->codeField()->setText(code);
        for (int k = 1; k <= 8; ++k)
            panel->field(k)->setText(k <= fields.size() ? fields[k - 1] : QString());
    }
};

void TestMainWindow::registrationNotices()
{
    TestEnvironment env;
    Frm1* main = env.showMain();
    button(main, "cmdRegister")->click();
    RegistrationPanel* panel = main->registrationPanel();
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->field(3)->maxLength(), 2);

    // With every field empty only the code is asked for; then one field at a time.
    button(panel, "regSave")->click();
    QStringList expected{QStringLiteral("کد آزمودني را وارد کنيد")};
    QTest::keyClicks(panel->codeField(), QStringLiteral("5"));
    button(panel, "regSave")->click();
    for (int k = 1; k <= 8; ++k) {
        expected << main->caption(k) + (k == 6 ? QStringLiteral(" را وارد کنيد") : QStringLiteral("  را وارد کنيد"));
        if (k > 1) {
            QTest::keyClicks(panel->field(k - 1), QStringLiteral("x"));
            button(panel, "regSave")->click();
        }
        QCOMPARE(panel->focusWidget(), panel->field(k));
    }
    QCOMPARE(env.dialogs.texts(), expected);
    for (const auto& call : env.dialogs.calls)
        QCOMPARE(call.delay, 1000);
    QCOMPARE(env.count(QStringLiteral("IDE")), 0);
    QVERIFY(panel->isVisible());
    QCOMPARE(main->caption(1), QStringLiteral("نام"));
}

void TestMainWindow::registrationStoresTrimmedCode()
{
    TestEnvironment env;
    Frm1* main = env.showMain();
    button(main, "cmdRegister")->click();
    RegistrationPanel* panel = main->registrationPanel();
    fill(panel, QStringLiteral(" 12 "), {"علی", "رضایی", "M", "34", "متاهل", "ليسانس", "معلم", "0912"});
    button(panel, "regSave")->click();
    QVERIFY(env.dialogs.calls.isEmpty());
    QVERIFY(!panel->isVisible());
    for (const char* table : {"IDE", "AnswerAAS", "AnswerAPS", "AnswerMACR"})
        QCOMPARE(env.exec(QStringLiteral("SELECT Code FROM %1").arg(QLatin1String(table))).next() ? 1 : 0, 1);
    QCOMPARE(env.value(QStringLiteral("IDE"), QStringLiteral("12"), QStringLiteral("F1")), QStringLiteral("علی"));
    QCOMPARE(env.value(QStringLiteral("AnswerMACR"), QStringLiteral("12"), QStringLiteral("Code")), QStringLiteral("12"));

    // "12" again is a duplicate of the trimmed code.
    button(main, "cmdRegister")->click();
    fill(panel, QStringLiteral("12"), {"a", "b", "c", "d", "e", "f", "g", "h"});
    button(panel, "regSave")->click();
    QCOMPARE(env.dialogs.texts(), QStringList{QStringLiteral("فردديگري با اين کد ثبت شده")});
    QCOMPARE(env.count(QStringLiteral("IDE")), 1);
}

void TestMainWindow::duplicateRefusedThenNewCodeAccepted()
{
    TestEnvironment env;
    env.addSubject(QStringLiteral("7"));
    Frm1* main = env.showMain();
    button(main, "cmdRegister")->click();
    RegistrationPanel* panel = main->registrationPanel();
    const QStringList values{"مینا", "کریمی", "F", "29", "مجرد", "ديپلم", "دانشجو", "021"};
    fill(panel, QStringLiteral("7"), values);
    button(panel, "regSave")->click();
    QCOMPARE(env.dialogs.texts(), QStringList{QStringLiteral("فردديگري با اين کد ثبت شده")});
    // Nothing of the refused subject is stored, and the panel keeps what was typed.
    QCOMPARE(env.count(QStringLiteral("IDE")), 1);
    for (const char* table : {"AnswerAAS", "AnswerAPS", "AnswerMACR"})
        QCOMPARE(env.count(QLatin1String(table)), 1);
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->field(2)->text(), values[1]);

    panel->codeField()->clear();
    QTest::keyClicks(panel->codeField(), QStringLiteral("8"));
    button(panel, "regSave")->click();
    QCOMPARE(env.dialogs.calls.size(), 1);
    QCOMPARE(env.count(QStringLiteral("IDE")), 2);
    for (int k = 1; k <= 8; ++k)
        QCOMPARE(env.value(QStringLiteral("IDE"), QStringLiteral("8"), QStringLiteral("F%1").arg(k)), values[k - 1]);
    for (const char* table : {"AnswerAAS", "AnswerAPS", "AnswerMACR"})
        QCOMPARE(env.count(QLatin1String(table)), 2);
}

void TestMainWindow::blanksOnlyCode()
{
    TestEnvironment env;
    Frm1* main = env.showMain();
    RegistrationPanel* panel = main->registrationPanel();
    for (int attempt = 0; attempt < 2; ++attempt) {
        button(main, "cmdRegister")->click();
        fill(panel, QStringLiteral("   "), {"a", "b", "c", "d", "e", "f", "g", "h"});
        button(panel, "regSave")->click();
    }
    QCOMPARE(env.count(QStringLiteral("IDE")), 1);
    QCOMPARE(env.value(QStringLiteral("AnswerAAS"), QString(), QStringLiteral("Code")), QString());
    QCOMPARE(env.exec(QStringLiteral("SELECT COUNT(*) FROM IDE WHERE Code = ''")).next(), true);
    QCOMPARE(env.dialogs.texts(), QStringList{QStringLiteral("فردديگري با اين کد ثبت شده")});
}

void TestMainWindow::cancelStoresNothing()
{
    TestEnvironment env;
    Frm1* main = env.showMain();
    button(main, "cmdRegister")->click();
    RegistrationPanel* panel = main->registrationPanel();
    fill(panel, QStringLiteral("99"), {"a", "b", "c", "d", "e", "f", "g", "h"});
    button(panel, "regCancel")->click();
    QVERIFY(!panel->isVisible());
    // Leaving the panel through another menu button drops the pending row too.
    button(main, "cmdRegister")->click();
    fill(panel, QStringLiteral("98"), {"a", "b", "c", "d", "e", "f", "g", "h"});
    button(main, "cmdSettings")->click();
    QVERIFY(!panel->isVisible());
    QCOMPARE(env.count(QStringLiteral("IDE")), 0);
    QCOMPARE(env.count(QStringLiteral("AnswerAAS")), 0);
}

void TestMainWindow::themeChange()
{
    TestEnvironment env;
    QPointer<Frm1> main = env.showMain();
    QCOMPARE(main->property("skinFile").toString(), QStringLiteral("chizh.skn"));
    button(main, "cmdSettings")->click();
    button(main, "cmdThemes")->click();
    button(main, "theme3")->click();
    QApplication::processEvents();
    QSqlQuery q = env.exec(QStringLiteral("SELECT TH FROM Theme"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("3"));
    // The main window is gone; the skin confirmation and the exit confirmation are shown.
    QVERIFY(!main || !main->isVisible());
    QTRY_VERIFY(!main);
    auto* skin = env.windows->find<Frmskin>();
    QVERIFY(skin && skin->isVisible());
    auto* exit = env.windows->find<exitpro>();
    QVERIFY(exit && exit->isVisible());
    QCOMPARE(exit->pos(), QPoint(tw(5000), tw(1500)));

    emit skin->okButton()->clicked();
    QApplication::processEvents();
    Frm1* again = env.windows->find<Frm1>();
    QVERIFY(again && again->isVisible());
    QCOMPARE(again->property("skinFile").toString(), QStringLiteral("galaxy.skn"));
    QTRY_VERIFY(!env.windows->find<Frmskin>());
}

void TestMainWindow::gatedButtonsWithoutSubjects()
{
    TestEnvironment env;
    env.exec(QStringLiteral("INSERT INTO IDE (Code) VALUES ('only-ide')")); // AnswerAAS stays empty
    Frm1* main = env.showMain();
    for (const char* name : {"cmdKeying", "cmdBrowse", "cmdAbout"})
        button(main, name)->click();
    QVERIFY(main->isVisible());
    QVERIFY(!env.windows->find<FrmkLID>());
    QVERIFY(!env.windows->find<FrmCode>());
    QVERIFY(!env.windows->find<About>());
    QVERIFY(env.dialogs.calls.isEmpty());

    env.addSubject(QStringLiteral("1"));
    main->answerView(1).refresh(); // as a registration re-reads it
    button(main, "cmdKeying")->click();
    QVERIFY(env.windows->find<FrmkLID>());
    QVERIFY(!main->isVisible()); // hidden while the scoring window is open
}

void TestMainWindow::calculatorAndLinks()
{
    TestEnvironment env;
    env.processStartSucceeds = false; // a calculator that cannot start is ignored
    Frm1* main = env.showMain();
    button(main, "cmdCalculator")->click();
    QCOMPARE(env.startedProcesses.size(), 1);
    QCOMPARE(env.startedProcesses[0].first, QStringLiteral("calculator-for-tests"));
    QVERIFY(main->isVisible());
    QVERIFY(env.dialogs.calls.isEmpty());

    main->findChild<QToolButton*>(QStringLiteral("cmdHelp"))->click();
    main->findChild<QToolButton*>(QStringLiteral("logo"))->click();
    QCOMPARE(env.openedUrls,
             (QList<QUrl>{QUrl(QStringLiteral("http://site.test/software/software-settings.html")),
                          QUrl(QStringLiteral("http://site.test/")), QUrl(QStringLiteral("http://shop.test/")),
                          QUrl(QStringLiteral("http://store.test/"))}));
}

void TestMainWindow::closeBoxEndsWithoutConfirmation()
{
    TestEnvironment env;
    QPointer<Frm1> main = env.showMain();
    QCOMPARE(main->closeMode(), 2);
    QVERIFY(main->close());
    QTRY_VERIFY(!main);
    QVERIFY(!env.windows->find<exitpro>());
}

void TestMainWindow::hoverHelp()
{
    TestEnvironment env;
    Frm1* main = env.showMain();
    auto* line = main->findChild<QLabel*>(QStringLiteral("hoverHelp"));
    QVERIFY(!line->isVisible());
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(button(main, "cmdSettings"), &enter);
    QVERIFY(line->isVisible());
    QVERIFY(line->text().startsWith(QStringLiteral("با کليک بر روي اين دکمه")));
    QApplication::sendEvent(button(main, "cmdAPS"), &enter); // not one of the five: no change
    QVERIFY(line->text().startsWith(QStringLiteral("با کليک")));
    QApplication::sendEvent(main->findChild<QFrame*>(QStringLiteral("menuFrame")), &enter);
    QVERIFY(!line->isVisible());
    QVERIFY(line->text().isEmpty());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

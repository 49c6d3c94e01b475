// The test window: items shown one by one, answers stored in the subject's answer
// row, the item-number box driving the display, the digits-only boxes.
#include "TestWindowDriver.h"

#include "data/Scales.h"
#include "shell/DigitsLineEdit.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <memory>

class FrmTestTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsTheInstructionAndTheCaptions();
    void wholeAasFromStartToSaveAndExit();
    void relaunchShowsStoredAnswers();
    void backTwiceOnTheFirstItem();
    void nextOnTheLastItem_data();
    void nextOnTheLastItem();
    void itemNumberFollowsEveryKeystroke_data();
    void itemNumberFollowsEveryKeystroke();
    void choicesActOnTheItemShownWhileZero();
    void exitStoresNothing_data();
    void exitStoresNothing();
    void saveAndExitKeepsTheLastAnswer_data();
    void saveAndExitKeepsTheLastAnswer();
    void saveAndExitStoresTheSubjectPanel();
    void failedCommitIsReported();
    void digitsOnlyKeys_data();
    void digitsOnlyKeys();
    void pasteTakesDigitsOnly_data();
    void pasteTakesDigitsOnly();
    void contextMenuPasteIsChecked();
    void ageLimitKeepsALongerStoredValue();

private:
    FrmTest* startedWindow(int scale = 1);
    QString stored(int scale, int item)
    {
        return m_env->value(QString::fromLatin1(scaleByNumber(scale)->answerTable), QStringLiteral("100"),
                            QString::number(item));
    }
    QString statement(int scale, int item)
    {
        return m_env->value(QString::fromLatin1(scaleByNumber(scale)->itemTable), QString::number(item),
                            QStringLiteral("1"));
    }
    void expectItem(FrmTest* w, int scale, int item)
    {
        QCOMPARE(itemBox(w)->text(), QString::number(item));
        QCOMPARE(shownItem(w), statement(scale, item));
        QCOMPARE(frameCaption(w), QString::number(item));
    }

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<Driver> m_drive;
};

void FrmTestTest::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_drive = std::make_unique<Driver>(Driver{*m_env});
    m_env->addSubject(QStringLiteral("100"));
    m_env->showMain();
}

void FrmTestTest::cleanup()
{
    m_drive.reset();
    m_env.reset();
}

FrmTest* FrmTestTest::startedWindow(int scale)
{
    FrmTest* w = m_drive->launchAndStart(scale, QStringLiteral("100"));
    if (!w)
        qFatal("the test window did not open");
    m_env->dialogs.calls.clear();
    return w;
}

void FrmTestTest::showsTheInstructionAndTheCaptions()
{
    m_env->exec(QStringLiteral("UPDATE Settings SET F4 = 'سن (سال)'"));
    FrmTest* w = m_drive->launch(1, QStringLiteral("100"));
    QCOMPARE(w->windowTitle(), QStringLiteral("..."));
    QCOMPARE(child<QLabel>(w, "lblInstruction")->text(), Text::instruction);
    QCOMPARE(child<QLabel>(w, "lblF4")->text(), QStringLiteral("سن (سال)"));
    QSqlQuery settings = m_env->exec(QStringLiteral("SELECT F1, F8 FROM Settings"));
    QVERIFY(settings.next());
    QCOMPARE(child<QLabel>(w, "lblF1")->text(), settings.value(0).toString());
    QCOMPARE(child<QLabel>(w, "lblF8")->text(), settings.value(1).toString());
    QVERIFY(child<QLineEdit>(w, "txtCode")->isReadOnly());

    clickButton(w, "cmdStart");
    QVERIFY(!child<QWidget>(w, "lblInstruction")->isVisible());
    for (const char* shown :
         {"subjectPanel", "lblItem", "txtItem", "itemFrame", "cmdBack", "cmdNext", "cmdExit", "cmdSaveExit"})
        QVERIFY2(child<QWidget>(w, shown)->isVisible(), shown);
    QVERIFY(!child<QWidget>(w, "cmdStart")->isVisible());
    QCOMPARE(w->focusWidget(), child<QWidget>(w, "txtCode"));
    expectItem(w, 1, 1);
    QVERIFY(!child<QRadioButton>(w, "optTrue")->isChecked());
    QVERIFY(!child<QRadioButton>(w, "optFalse")->isChecked());
}

void FrmTestTest::wholeAasFromStartToSaveAndExit()
{
    FrmTest* w = startedWindow(1);
    QStringList expected;
    for (int item = 1; item <= 13; ++item) {
        expectItem(w, 1, item);
        const bool answerTrue = item % 3 != 0;
        clickButton(w, answerTrue ? "optTrue" : "optFalse");
        expected << (answerTrue ? QStringLiteral("1") : QStringLiteral("2"));
        if (item < 13)
            clickButton(w, "cmdNext");
        // Each Next stores the row: what was chosen so far is in the file.
        QCOMPARE(stored(1, item), item < 13 ? expected.last() : QString());
    }
    QVERIFY(m_env->dialogs.calls.isEmpty());
    clickButton(w, "cmdSaveExit");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (int item = 1; item <= 13; ++item)
        QCOMPARE(stored(1, item), expected[item - 1]);
    QVERIFY(!m_env->windows->find<FrmTest>());
    QVERIFY(m_env->windows->find<Frm1>() && m_env->windows->find<Frm1>()->isVisible());
    // The other scales were not touched.
    QCOMPARE(stored(2, 1), QString());
}

void FrmTestTest::relaunchShowsStoredAnswers()
{
    m_env->setAnswers(QStringLiteral("100"), 2, {QStringLiteral("2"), QStringLiteral("1"), QString()});
    FrmTest* w = startedWindow(2);
    auto* yes = child<QRadioButton>(w, "optTrue");
    auto* no = child<QRadioButton>(w, "optFalse");
    QVERIFY(!yes->isChecked() && no->isChecked());
    clickButton(w, "cmdNext");
    QVERIFY(yes->isChecked() && !no->isChecked());
    clickButton(w, "cmdNext");
    QVERIFY(!yes->isChecked() && !no->isChecked());
    // Showing a stored answer writes nothing; changing it does.
    QCOMPARE(stored(2, 1), QStringLiteral("2"));
    clickButton(w, "cmdBack");
    clickButton(w, "cmdBack");
    clickButton(w, "optTrue");
    clickButton(w, "cmdNext");
    QCOMPARE(stored(2, 1), QStringLiteral("1"));
}

void FrmTestTest::backTwiceOnTheFirstItem()
{
    FrmTest* w = startedWindow(1);
    clickButton(w, "optFalse");
    clickButton(w, "cmdBack");
    // 0: committed, the box shows 0, item 1 stays on screen.
    QCOMPARE(stored(1, 1), QStringLiteral("2"));
    QCOMPARE(itemBox(w)->text(), QStringLiteral("0"));
    QCOMPARE(shownItem(w), statement(1, 1));
    QCOMPARE(frameCaption(w), QStringLiteral("1"));
    QVERIFY(m_env->dialogs.calls.isEmpty());

    clickButton(w, "cmdBack");
    QCOMPARE(m_env->dialogs.texts(), QStringList{Text::start});
    QCOMPARE(m_env->dialogs.calls.last().delay, 1000);
    expectItem(w, 1, 1);
    QVERIFY(child<QRadioButton>(w, "optFalse")->isChecked());
}

void FrmTestTest::nextOnTheLastItem_data()
{
    QTest::addColumn<int>("scale");
    QTest::newRow("AAS") << 1;
    QTest::newRow("APS") << 2;
    QTest::newRow("MAC-R") << 3;
}

void FrmTestTest::nextOnTheLastItem()
{
    QFETCH(int, scale);
    const int n = scaleByNumber(scale)->items;
    FrmTest* w = startedWindow(scale);
    w->setItemNumber(QString::number(n));
    expectItem(w, scale, n);
    clickButton(w, "optTrue");
    // The row is in the file by the time the end notice shows.
    QString storedAtNotice;
    m_env->dialogs.onCall = [&](const ScriptedDialogs::Call&) { storedAtNotice = stored(scale, n); };
    clickButton(w, "cmdNext");
    QCOMPARE(m_env->dialogs.texts(), QStringList{Text::end});
    QCOMPARE(m_env->dialogs.calls.last().delay, 600);
    QCOMPARE(storedAtNotice, QStringLiteral("1"));
    expectItem(w, scale, n);
    QVERIFY(w->isVisible());
    QVERIFY(!m_env->windows->find<Frm1>());
}

void FrmTestTest::itemNumberFollowsEveryKeystroke_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<QString>("before"); // set as text before typing
    QTest::addColumn<QString>("keys");   // "<" is Backspace
    QTest::addColumn<int>("item");
    QTest::addColumn<QStringList>("notices");
    QTest::newRow("backspace to empty gives 1, then 2 gives 12") << 2 << "1"
                                                                 << "<2" << 12 << QStringList();
    QTest::newRow("9 then 9 on AAS ends on 13") << 1 << "9"
                                                << "9" << 13 << QStringList{Text::end};
    QTest::newRow("past the end on MAC-R") << 3 << "4"
                                           << "9" << 49 << QStringList();
    QTest::newRow("past the end on MAC-R by one") << 3 << "5"
                                                  << "0" << 49 << QStringList{Text::end};
    QTest::newRow("leading zero is dropped") << 1 << "0"
                                             << "5" << 5 << QStringList();
    QTest::newRow("persian digits") << 2 << "1"
                                    << "<۳" << 13 << QStringList();
    QTest::newRow("persian digits past the end") << 2 << "4"
                                                 << "۷" << 39 << QStringList{Text::end};
    QTest::newRow("arabic-indic digits") << 1 << "1"
                                         << "٢" << 12 << QStringList();
}

void FrmTestTest::itemNumberFollowsEveryKeystroke()
{
    QFETCH(int, scale);
    QFETCH(QString, before);
    QFETCH(QString, keys);
    QFETCH(int, item);
    QFETCH(QStringList, notices);
    FrmTest* w = startedWindow(scale);
    QLineEdit* box = itemBox(w);
    box->setText(before);
    box->setFocus();
    box->end(false);
    for (QChar c : keys) {
        if (c == u'<') {
            const bool emptying = box->text().size() == 1;
            QTest::keyClick(box, Qt::Key_Backspace);
            // Emptying the box puts 1 back into it at once, with item 1 shown.
            if (emptying)
                expectItem(w, scale, 1);
        } else {
            typeText(box, QString(c));
        }
    }
    expectItem(w, scale, item);
    QCOMPARE(m_env->dialogs.texts(), notices);
    QCOMPARE(m_env->dialogs.beeps, 0);
}

void FrmTestTest::choicesActOnTheItemShownWhileZero()
{
    FrmTest* w = startedWindow(1);
    clickButton(w, "cmdNext");
    clickButton(w, "cmdNext");
    w->setItemNumber(QStringLiteral("0"));
    // The box shows 0; item 3 stays on screen and the choices still act on it.
    QCOMPARE(shownItem(w), statement(1, 3));
    QCOMPARE(frameCaption(w), QStringLiteral("3"));
    clickButton(w, "optTrue");
    clickButton(w, "cmdNext"); // 0 + 1: item 1
    expectItem(w, 1, 1);
    QCOMPARE(stored(1, 3), QStringLiteral("1"));
    QCOMPARE(stored(1, 1), QString());
}

void FrmTestTest::exitStoresNothing_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("exit") << false;
    QTest::newRow("close box") << true;
}

void FrmTestTest::exitStoresNothing()
{
    QFETCH(bool, closeBox);
    FrmTest* w = startedWindow(1);
    clickButton(w, "optTrue");
    child<QLineEdit>(w, "txtF1")->clear();
    typeText(child<QLineEdit>(w, "txtF1"), QStringLiteral("تغییر"));
    if (closeBox)
        QVERIFY(w->close());
    else
        clickButton(w, "cmdExit");
    QCOMPARE(stored(1, 1), QString());
    QCOMPARE(m_env->value(QStringLiteral("IDE"), QStringLiteral("100"), QStringLiteral("F1")), QStringLiteral("v1"));
    QVERIFY(m_env->windows->find<Frm1>()->isVisible());
}

void FrmTestTest::saveAndExitKeepsTheLastAnswer_data()
{
    QTest::addColumn<int>("scale");
    QTest::newRow("AAS") << 1;
    QTest::newRow("APS") << 2;
    QTest::newRow("MAC-R") << 3;
}

void FrmTestTest::saveAndExitKeepsTheLastAnswer()
{
    QFETCH(int, scale);
    const int n = scaleByNumber(scale)->items;
    FrmTest* w = startedWindow(scale);
    w->setItemNumber(QString::number(n));
    clickButton(w, "optFalse");
    clickButton(w, "cmdSaveExit");
    QCOMPARE(stored(scale, n), QStringLiteral("2"));
}

void FrmTestTest::saveAndExitStoresTheSubjectPanel()
{
    FrmTest* w = startedWindow(1);
    QLineEdit* f2 = child<QLineEdit>(w, "txtF2");
    f2->selectAll();
    typeText(f2, QStringLiteral("رضایی"));
    QLineEdit* age = child<QLineEdit>(w, "txtF4");
    age->selectAll();
    typeText(age, QStringLiteral("۴۵"));
    QCOMPARE(age->text(), QStringLiteral("45"));
    clickButton(w, "cmdSaveExit");
    QCOMPARE(m_env->value(QStringLiteral("IDE"), QStringLiteral("100"), QStringLiteral("F2")), QStringLiteral("رضایی"));
    QCOMPARE(m_env->value(QStringLiteral("IDE"), QStringLiteral("100"), QStringLiteral("F4")), QStringLiteral("45"));
}

void FrmTestTest::failedCommitIsReported()
{
    FrmTest* w = startedWindow(2);
    m_env->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON AnswerAPS BEGIN "
                               "SELECT RAISE(ABORT, 'the disk refused the answer'); END"));
    clickButton(w, "optTrue");
    clickButton(w, "cmdNext");
    QCOMPARE(m_env->dialogs.calls.size(), 1);
    QCOMPARE(m_env->dialogs.calls[0].kind, QStringLiteral("message"));
    QCOMPARE(m_env->dialogs.calls[0].title, Text::error);
    QVERIFY2(m_env->dialogs.calls[0].text.contains(QStringLiteral("the disk refused the answer")),
             qPrintable(m_env->dialogs.calls[0].text));
    expectItem(w, 2, 2);

    // Save and exit that cannot store keeps the window and the answer.
    m_env->dialogs.calls.clear();
    clickButton(w, "cmdSaveExit");
    QCOMPARE(m_env->dialogs.calls.size(), 1);
    QCOMPARE(m_env->dialogs.calls[0].title, Text::error);
    QVERIFY(w->isVisible());
    QVERIFY(!m_env->windows->find<Frm1>());

    m_env->exec(QStringLiteral("DROP TRIGGER refuse"));
    clickButton(w, "cmdSaveExit");
    QCOMPARE(stored(2, 1), QStringLiteral("1"));
    QVERIFY(m_env->windows->find<Frm1>());
}

void FrmTestTest::digitsOnlyKeys_data()
{
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("after"); // box text after the key
    QTest::newRow("letter in the item box") << QByteArray("txtItem") << int(Qt::Key_A) << "a" << true << "1";
    QTest::newRow("minus in the item box") << QByteArray("txtItem") << int(Qt::Key_Minus) << "-" << true << "1";
    QTest::newRow("space in F4") << QByteArray("txtF4") << int(Qt::Key_Space) << " " << true << "34";
    QTest::newRow("persian letter in F4") << QByteArray("txtF4") << int(Qt::Key_unknown) << "س" << true << "34";
    QTest::newRow("point in F4") << QByteArray("txtF4") << int(Qt::Key_Period) << "." << true << "34";
    QTest::newRow("persian digit in F4") << QByteArray("txtF4") << int(Qt::Key_unknown) << "۷" << false << "347";
    QTest::newRow("digit in F4") << QByteArray("txtF4") << int(Qt::Key_5) << "5" << false << "345";
    QTest::newRow("backspace in F4") << QByteArray("txtF4") << int(Qt::Key_Backspace) << "\b" << false << "3";
    QTest::newRow("enter in F4") << QByteArray("txtF4") << int(Qt::Key_Return) << "\r" << false << "34";
    QTest::newRow("arrow in F4") << QByteArray("txtF4") << int(Qt::Key_Left) << "" << false << "34";
}

void FrmTestTest::digitsOnlyKeys()
{
    QFETCH(QByteArray, box);
    QFETCH(int, key);
    QFETCH(QString, typed);
    QFETCH(bool, refused);
    QFETCH(QString, after);
    m_env->exec(QStringLiteral("UPDATE IDE SET F4 = '34'"));
    FrmTest* w = startedWindow(1);
    auto* edit = child<QLineEdit>(w, box.constData());
    edit->setFocus();
    edit->end(false);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, typed);
    QApplication::sendEvent(edit, &press);
    QCOMPARE(edit->text(), after);
    QCOMPARE(m_env->dialogs.beeps, refused ? 1 : 0);
    QCOMPARE(m_env->dialogs.texts(), refused ? QStringList{Text::notANumber} : QStringList());
    if (refused)
        QCOMPARE(m_env->dialogs.calls.last().delay, 1000);
}

void FrmTestTest::pasteTakesDigitsOnly_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("after");
    QTest::newRow("digits") << "12" << false << "12";
    QTest::newRow("persian digits") << "۱۲" << false << "12";
    QTest::newRow("digits and a letter") << "12a" << true << "";
    QTest::newRow("trailing space") << "12 " << true << "";
    QTest::newRow("negative") << "-3" << true << "";
    QTest::newRow("longer than the box takes") << "98765" << false << "987";
}

void FrmTestTest::pasteTakesDigitsOnly()
{
    QFETCH(QString, clipboard);
    QFETCH(bool, refused);
    QFETCH(QString, after);
    FrmTest* w = startedWindow(1);
    auto* age = child<QLineEdit>(w, "txtF4");
    age->clear();
    age->setFocus();
    QGuiApplication::clipboard()->setText(clipboard);
    QTest::keyClick(age, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(age->text(), after);
    QCOMPARE(m_env->dialogs.beeps, refused ? 1 : 0);
    QCOMPARE(m_env->dialogs.texts(), refused ? QStringList{Text::notANumber} : QStringList());

    // The same text pasted into the item box: refused, or taken as the item number.
    m_env->dialogs.calls.clear();
    QLineEdit* box = itemBox(w);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->text(), refused ? QStringLiteral("1") : QStringLiteral("%1").arg(qMin(after.toInt(), 13)));
}

void FrmTestTest::contextMenuPasteIsChecked()
{
    FrmTest* w = startedWindow(1);
    QLineEdit* box = itemBox(w);
    QGuiApplication::clipboard()->setText(QStringLiteral("x7"));
    box->selectAll();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), box->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(box, &event);
    QMenu* menu = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* m = qobject_cast<QMenu*>(top); m && m->isVisible())
            menu = m;
    QVERIFY(menu);
    auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
    QVERIFY(paste);
    paste->trigger();
    menu->close();
    QCOMPARE(box->text(), QStringLiteral("1"));
    QCOMPARE(m_env->dialogs.beeps, 1);
    QCOMPARE(m_env->dialogs.texts(), QStringList{Text::notANumber});
}

void FrmTestTest::ageLimitKeepsALongerStoredValue()
{
    // Registration does not limit F4; the test window's three-digit limit applies to typing only.
    m_env->exec(QStringLiteral("UPDATE IDE SET F4 = '1234'"));
    FrmTest* w = startedWindow(1);
    auto* age = child<QLineEdit>(w, "txtF4");
    QCOMPARE(age->text(), QStringLiteral("1234"));
    age->end(false);
    QTest::keyClick(age, Qt::Key_5, Qt::NoModifier);
    QCOMPARE(age->text(), QStringLiteral("1234"));
    typeText(child<QLineEdit>(w, "txtF1"), QStringLiteral("x"));
    clickButton(w, "cmdSaveExit");
    QCOMPARE(m_env->value(QStringLiteral("IDE"), QStringLiteral("100"), QStringLiteral("F4")), QStringLiteral("1234"));
    QCOMPARE(m_env->value(QStringLiteral("IDE"), QStringLiteral("100"), QStringLiteral("F1")), QStringLiteral("v1x"));
    QVERIFY(DigitsLineEdit::asciiDigits(u"۰۱۲۳۴۵۶۷۸۹٠١٢٣٤٥٦٧٨٩") == QStringLiteral("01234567890123456789"));
}

QTEST_MAIN(FrmTestTest)
#include "tst_frmtest.moc"

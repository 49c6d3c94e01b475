#include "TestEnvironment.h"

#include "data/View.h"
#include "shell/Frm1.h"
#include "subjects/FrmCode.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlTableModel>
#include <QTableView>
#include <QTest>

// Types text key by key; letters outside Latin-1 come as key events with their text,
// as an input method delivers them.
inline void typeText(QWidget* widget, const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

namespace {
const QString kEmptyCode = QStringLiteral("شما بايد شماره آزمودني مورد نظر را وارد كنيد");
const QString kNotFound = QStringLiteral("فردي با اين کد وجود ندارد");
const QString kConfirm = QStringLiteral("آيا براي حذف کردن مطمئن هستيد؟");
const QString kDeleted = QStringLiteral("حذف با موفقيت انجام گرفت");

const QStringList kAnswerTables{QStringLiteral("AnswerAAS"), QStringLiteral("AnswerAPS"), QStringLiteral("AnswerMACR")};
} // namespace

class TestSubjectBrowser : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestEnvironment> env;

    // Five subjects: two named "Ali", one "Al", two with F3 "B"; one family name with an
    // apostrophe and one Persian.
    void addFiveSubjects()
    {
        env->addSubject(QStringLiteral("101"), {QStringLiteral("Ali"), QStringLiteral("Karimi"), QStringLiteral("A")});
        env->addSubject(QStringLiteral("102"), {QStringLiteral("Al"), QStringLiteral("O'Neil"), QStringLiteral("B")});
        env->addSubject(QStringLiteral("103"), {QStringLiteral("Ali"), QStringLiteral("Rezaei"), QStringLiteral("B")});
        env->addSubject(QStringLiteral("کد۴"), {QStringLiteral("مریم"), QStringLiteral("احمدی"), QStringLiteral("C")});
        env->addSubject(QStringLiteral("105"), {QStringLiteral("ali"), QStringLiteral("Karimi"), QStringLiteral("D")});
    }

    FrmCode* openBrowser()
    {
        Frm1* main = env->showMain();
        main->findChild<QPushButton*>(QStringLiteral("cmdBrowse"))->click();
        return env->windows->find<FrmCode>();
    }

    // The codes the grid shows, fetching every row.
    static QStringList gridCodes(FrmCode* w)
    {
        QAbstractItemModel* m = w->grid()->model();
        while (m->canFetchMore({}))
            m->fetchMore({});
        QStringList codes;
        for (int r = 0; r < m->rowCount(); ++r)
            codes << m->index(r, 0).data().toString();
        codes.sort();
        return codes;
    }

    static void typeInto(QComboBox* box, const QString& text)
    {
        box->lineEdit()->setFocus();
        typeText(box->lineEdit(), text);
    }

    void expectSubject(const QString& code, bool present)
    {
        QCOMPARE(env->value(QStringLiteral("IDE"), code, QStringLiteral("Code")) == code, present);
        for (const QString& table : kAnswerTables)
            QVERIFY2((env->value(table, code, QStringLiteral("Code")) == code) == present, qPrintable(table));
    }

private slots:
    void init() { env = std::make_unique<TestEnvironment>(); }
    void cleanup() { env.reset(); }

    void openedOnlyWhenSubjectsExistAndHidesTheMainWindow()
    {
        Frm1* main = env->showMain();
        main->findChild<QPushButton*>(QStringLiteral("cmdBrowse"))->click();
        QVERIFY(!env->windows->find<FrmCode>());
        QVERIFY(main->isVisible());

        addFiveSubjects();
        main->answerView(1).refresh();
        main->findChild<QPushButton*>(QStringLiteral("cmdBrowse"))->click();
        FrmCode* w = env->windows->find<FrmCode>();
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QVERIFY(!main->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("کد آزمودني"));
        QCOMPARE(w->pos(), QPoint(156, 51));
        QCOMPARE(env->dialogs.calls.size(), 0);
    }

    void closingShowsTheMainWindowAgain_data()
    {
        QTest::addColumn<bool>("byExitButton");
        QTest::newRow("exit button") << true;
        QTest::newRow("close box") << false;
    }
    void closingShowsTheMainWindowAgain()
    {
        QFETCH(bool, byExitButton);
        addFiveSubjects();
        FrmCode* w = openBrowser();
        QVERIFY(w);
        QPointer<FrmCode> guard(w);
        if (byExitButton)
            w->findChild<QPushButton*>(QStringLiteral("cmdExit"))->click();
        else
            w->close();
        QVERIFY(!env->windows->find<FrmCode>());
        Frm1* main = env->windows->find<Frm1>();
        QVERIFY(main && main->isVisible());
        QTRY_VERIFY(guard.isNull());
    }

    void openingListsEverySubjectUnderTheFourHeadings()
    {
        addFiveSubjects();
        FrmCode* w = openBrowser();
        QTableView* grid = w->grid();
        QCOMPARE(grid->model(), w->listView().model());
        QCOMPARE(gridCodes(w), (QStringList{QStringLiteral("101"), QStringLiteral("102"), QStringLiteral("103"),
                                            QStringLiteral("105"), QStringLiteral("کد۴")}));
        for (int k = 1; k <= 3; ++k)
            QVERIFY(w->filterBox(k)->currentText().isEmpty());
        QStringList shown;
        for (int c = 0; c < grid->model()->columnCount(); ++c)
            if (!grid->isColumnHidden(c))
                shown << grid->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(shown,
                 (QStringList{QStringLiteral("کد"), QStringLiteral("F1"), QStringLiteral("F2"), QStringLiteral("F3")}));
        // Headings and hidden columns outlive a re-reading of the list.
        w->filterBox(3)->setCurrentIndex(1);
        int visible = 0;
        for (int c = 0; c < grid->model()->columnCount(); ++c)
            visible += grid->isColumnHidden(c) ? 0 : 1;
        QCOMPARE(visible, 4);
        QCOMPARE(grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("کد"));
        // The clinic's captions stand beside the boxes, not above the grid.
        QSqlQuery q = env->exec(QStringLiteral("SELECT F1, F2, F3 FROM Settings"));
        QVERIFY(q.next());
        for (int k = 1; k <= 3; ++k) {
            QCOMPARE(w->filterCaption(k)->text(), q.value(k - 1).toString());
            QCOMPARE(w->filterCaption(k)->buddy(), w->filterBox(k));
        }
        QAbstractItemModelTester tester(grid->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    }

    void valueListsOfTheThreeBoxes()
    {
        addFiveSubjects();
        env->exec(QStringLiteral("INSERT INTO IDE (Code, F1, F2, F3) VALUES ('106', '', NULL, 'A')"));
        FrmCode* w = openBrowser();
        // Distinct values, each once, without the empty ones; exact texts ("ali" beside "Ali").
        QStringList f1 = w->listValues(1);
        f1.sort();
        QCOMPARE(f1, (QStringList{QStringLiteral("Al"), QStringLiteral("Ali"), QStringLiteral("ali"),
                                  QStringLiteral("مریم")}));
        QStringList f2 = w->listValues(2);
        f2.sort();
        QCOMPARE(f2, (QStringList{QStringLiteral("Karimi"), QStringLiteral("O'Neil"), QStringLiteral("Rezaei"),
                                  QStringLiteral("احمدی")}));
        QCOMPARE(w->listValues(3),
                 (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"),
                              QStringLiteral("E"), QStringLiteral("F"), QStringLiteral("G")}));
        QComboBox* f3 = w->filterBox(3);
        QCOMPARE(f3->palette().color(QPalette::Base), QColor(192, 192, 255));
        QVERIFY(f3->styleSheet().contains(QStringLiteral("rgb(192, 192, 255)")));
        // What is rendered is light blue too, under the window's skin.
        w->applyTheme();
        QImage shot = f3->lineEdit()->grab().toImage();
        QCOMPARE(QColor(shot.pixel(shot.width() / 2, 2)), QColor(192, 192, 255));
    }

    void filterChangeByBox_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("pick"); // picked from the list, else typed
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("F3 picked B") << 3 << "B" << true << QStringList{"102", "103"};
        QTest::newRow("F1 picked Ali") << 1 << "Ali" << true << QStringList{"101", "103"};
        QTest::newRow("F1 typed Ali, exact case") << 1 << "Ali" << false << QStringList{"101", "103"};
        QTest::newRow("F1 typed Al, no partial match") << 1 << "Al" << false << QStringList{"102"};
        QTest::newRow("F1 typed with a trailing space") << 1 << "Ali " << false << QStringList{};
        QTest::newRow("F2 typed apostrophe") << 2 << "O'Neil" << false << QStringList{"102"};
        QTest::newRow("F2 typed Persian") << 2 << "احمدی" << false << QStringList{"کد۴"};
        QTest::newRow("F3 typed lower case") << 3 << "b" << false << QStringList{};
    }
    void filterChangeByBox()
    {
        QFETCH(int, box);
        QFETCH(QString, text);
        QFETCH(bool, pick);
        QFETCH(QStringList, codes);
        addFiveSubjects();
        FrmCode* w = openBrowser();
        QComboBox* b = w->filterBox(box);
        if (pick) {
            const int index = b->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
            QVERIFY(index >= 0);
            b->setCurrentIndex(index);
            emit b->activated(index);
        } else {
            typeInto(b, text);
        }
        QCOMPARE(b->currentText(), text);
        QCOMPARE(gridCodes(w), codes);
        QCOMPARE(env->count(QStringLiteral("IDE")), 5);
    }

    void everyKeystrokeFiltersOnWhatIsTypedSoFar()
    {
        addFiveSubjects();
        FrmCode* w = openBrowser();
        QComboBox* f1 = w->filterBox(1);
        f1->lineEdit()->setFocus();
        QTest::keyClick(f1->lineEdit(), 'A');
        QCOMPARE(gridCodes(w), QStringList{});
        QTest::keyClick(f1->lineEdit(), 'l');
        QCOMPARE(gridCodes(w), QStringList{QStringLiteral("102")});
        QTest::keyClick(f1->lineEdit(), 'i');
        QCOMPARE(gridCodes(w), (QStringList{QStringLiteral("101"), QStringLiteral("103")}));
        // The suggestions never fill in the text of their own accord.
        QCOMPARE(f1->currentText(), QStringLiteral("Ali"));
    }

    void typingInOneBoxEmptiesTheOthersWithoutTheirFilters()
    {
        addFiveSubjects();
        FrmCode* w = openBrowser();
        w->filterBox(1)->setCurrentIndex(w->filterBox(1)->findText(QStringLiteral("Ali")));
        typeInto(w->filterBox(3), QStringLiteral("B"));
        QVERIFY(w->filterBox(1)->currentText().isEmpty());
        QCOMPARE(gridCodes(w), (QStringList{QStringLiteral("102"), QStringLiteral("103")}));

        // One keystroke in F2 is one reading of the list: emptying F1 and F3 reads nothing.
        QSignalSpy readings(&w->listView(), &View::currentRowChanged);
        typeInto(w->filterBox(2), QStringLiteral("Karimi"));
        QCOMPARE(readings.size(), 6);
        QVERIFY(w->filterBox(1)->currentText().isEmpty());
        QVERIFY(w->filterBox(3)->currentText().isEmpty());
        QCOMPARE(w->filterBox(3)->currentIndex(), -1);
        QCOMPARE(gridCodes(w), (QStringList{QStringLiteral("101"), QStringLiteral("105")}));
    }

    void emptiedBoxFiltersOnTheEmptyValue()
    {
        addFiveSubjects();
        env->exec(QStringLiteral("INSERT INTO IDE (Code, F1, F2, F3) VALUES ('106', '', 'x', 'A')"));
        FrmCode* w = openBrowser();
        typeInto(w->filterBox(1), QStringLiteral("Al"));
        QCOMPARE(gridCodes(w), QStringList{QStringLiteral("102")});
        QTest::keyClick(w->filterBox(1)->lineEdit(), Qt::Key_Backspace);
        QTest::keyClick(w->filterBox(1)->lineEdit(), Qt::Key_Backspace);
        QVERIFY(w->filterBox(1)->currentText().isEmpty());
        QCOMPARE(gridCodes(w), QStringList{QStringLiteral("106")});
    }

    void deleteRefusals_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("notice");
        QTest::newRow("empty box") << QString() << kEmptyCode;
        QTest::newRow("unknown code") << "999" << kNotFound;
        QTest::newRow("trailing space") << "101 " << kNotFound;
        QTest::newRow("leading space") << " 101" << kNotFound;
        QTest::newRow("apostrophe") << "10'1" << kNotFound;
    }
    void deleteRefusals()
    {
        QFETCH(QString, typed);
        QFETCH(QString, notice);
        addFiveSubjects();
        FrmCode* w = openBrowser();
        typeText(w->codeBox(), typed);
        QTest::mouseClick(w->deleteButton(), Qt::LeftButton);
        QCOMPARE(env->dialogs.calls.size(), 1);
        QCOMPARE(env->dialogs.calls[0].kind, QStringLiteral("notice"));
        QCOMPARE(env->dialogs.calls[0].text, notice);
        QCOMPARE(env->dialogs.calls[0].delay, 1000);
        QCOMPARE(env->count(QStringLiteral("IDE")), 5);
        for (const QString& table : kAnswerTables)
            QCOMPARE(env->count(table), 5);
    }

    void deleteAnsweredNo()
    {
        addFiveSubjects();
        FrmCode* w = openBrowser();
        typeInto(w->filterBox(3), QStringLiteral("B"));
        typeText(w->codeBox(), QStringLiteral("103"));
        env->dialogs.answers << Dialogs::Answer::No;
        QTest::mouseClick(w->deleteButton(), Qt::LeftButton);
        QCOMPARE(env->dialogs.calls.size(), 1);
        const ScriptedDialogs::Call& c = env->dialogs.calls[0];
        QCOMPARE(c.kind, QStringLiteral("message"));
        QCOMPARE(c.title, QString()); // the program's title
        QCOMPARE(c.text, kConfirm);
        QCOMPARE(c.icon, Dialogs::Icon::Question);
        QCOMPARE(c.buttons, Dialogs::Buttons::YesNo);
        expectSubject(QStringLiteral("103"), true);
        QCOMPARE(env->count(QStringLiteral("IDE")), 5);
        // The list is read again, whole; the box keeps its text.
        QCOMPARE(gridCodes(w).size(), 5);
        QCOMPARE(w->filterBox(3)->currentText(), QStringLiteral("B"));
        QCOMPARE(w->codeBox()->text(), QStringLiteral("103"));
    }

    void deleteAnsweredYes_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("missingAnswerTable");
        QTest::newRow("all four rows") << "103" << QString();
        QTest::newRow("Persian code") << "کد۴" << QString();
        QTest::newRow("code with an apostrophe") << "10'7" << QString();
        QTest::newRow("no AnswerAPS row") << "103"
                                          << "AnswerAPS";
        QTest::newRow("no AnswerAAS row") << "102"
                                          << "AnswerAAS";
        QTest::newRow("no AnswerMACR row") << "101"
                                           << "AnswerMACR";
    }
    void deleteAnsweredYes()
    {
        QFETCH(QString, code);
        QFETCH(QString, missingAnswerTable);
        addFiveSubjects();
        env->addSubject(QStringLiteral("10'7"), {QStringLiteral("Sara")});
        if (!missingAnswerTable.isEmpty())
            env->exec(QStringLiteral("DELETE FROM %1 WHERE Code = ?").arg(missingAnswerTable), {code});
        env->setAnswers(code, 1, {QStringLiteral("1"), QStringLiteral("2")});
        FrmCode* w = openBrowser();
        typeInto(w->filterBox(2), QStringLiteral("Karimi"));
        typeText(w->codeBox(), code);
        env->dialogs.answers << Dialogs::Answer::Yes;
        QTest::mouseClick(w->deleteButton(), Qt::LeftButton);

        QCOMPARE(env->dialogs.texts(QStringLiteral("message")), QStringList{kConfirm});
        QCOMPARE(env->dialogs.texts(), QStringList{kDeleted});
        QCOMPARE(env->dialogs.calls.last().delay, 1000);
        expectSubject(code, false);
        QCOMPARE(env->count(QStringLiteral("IDE")), 5);
        for (const QString& table : kAnswerTables)
            QCOMPARE(env->count(table), 5);
        // All remaining subjects, without a group filter; the boxes keep their text.
        QStringList codes = gridCodes(w);
        QCOMPARE(codes.size(), 5);
        QVERIFY(!codes.contains(code));
        QCOMPARE(w->filterBox(2)->currentText(), QStringLiteral("Karimi"));
        QVERIFY(w->codeBox()->text().isEmpty());
        QCOMPARE(w->focusWidget(), w->codeBox());
    }

    void failedDeletionLeavesEveryRow()
    {
        addFiveSubjects();
        env->exec(QStringLiteral("CREATE TRIGGER keep_macr BEFORE DELETE ON AnswerMACR "
                                 "BEGIN SELECT RAISE(ABORT, 'answers are locked'); END"));
        FrmCode* w = openBrowser();
        typeText(w->codeBox(), QStringLiteral("101"));
        env->dialogs.answers << Dialogs::Answer::Yes;
        QTest::mouseClick(w->deleteButton(), Qt::LeftButton);

        QCOMPARE(env->dialogs.calls.size(), 2);
        const ScriptedDialogs::Call& error = env->dialogs.calls[1];
        QCOMPARE(error.kind, QStringLiteral("message"));
        QCOMPARE(error.title, QStringLiteral("Error"));
        QCOMPARE(error.icon, Dialogs::Icon::Warning);
        QVERIFY2(error.text.contains(QStringLiteral("answers are locked")), qPrintable(error.text));
        QVERIFY(env->dialogs.texts().isEmpty()); // no success notice
        expectSubject(QStringLiteral("101"), true);
        QCOMPARE(gridCodes(w).size(), 5);

        // Nothing is left half done: once the cause is gone the same deletion succeeds, and
        // the main window, shown again, still registers.
        env->exec(QStringLiteral("DROP TRIGGER keep_macr"));
        env->dialogs.clear();
        env->dialogs.answers << Dialogs::Answer::Yes;
        QTest::mouseClick(w->deleteButton(), Qt::LeftButton);
        QCOMPARE(env->dialogs.texts(), QStringList{kDeleted});
        expectSubject(QStringLiteral("101"), false);
        w->close();
        Frm1* main = env->windows->find<Frm1>();
        QVERIFY(main && main->isVisible());
        main->findChild<QPushButton*>(QStringLiteral("cmdRegister"))->click();
        typeText(main->findChild<QLineEdit*>(QStringLiteral("regCode")), QStringLiteral("201"));
        for (int k = 1; k <= 8; ++k)
            typeText(main->findChild<QLineEdit*>(QStringLiteral("regF%1").arg(k)), QStringLiteral("x"));
        main->findChild<QPushButton*>(QStringLiteral("regSave"))->click();
        expectSubject(QStringLiteral("201"), true);
    }

    void deletionKeepsTheValueListsTrue()
    {
        addFiveSubjects();
        FrmCode* w = openBrowser();
        QComboBox* f2 = w->filterBox(2);
        f2->setCurrentIndex(f2->findText(QStringLiteral("Rezaei")));
        // "Ali" is still held by 101 and stays; "Rezaei" was 103's only and goes.
        typeText(w->codeBox(), QStringLiteral("103"));
        env->dialogs.answers << Dialogs::Answer::Yes;
        QTest::mouseClick(w->deleteButton(), Qt::LeftButton);
        QVERIFY(w->listValues(1).contains(QStringLiteral("Ali")));
        QVERIFY(!w->listValues(2).contains(QStringLiteral("Rezaei")));
        QCOMPARE(f2->currentText(), QStringLiteral("Rezaei"));
        QCOMPARE(gridCodes(w).size(), 4);
    }

    void longListIsFetchedAsItScrolls()
    {
        env->db.begin();
        for (int i = 0; i < 1500; ++i)
            env->addSubject(
                QStringLiteral("S%1").arg(i, 5, 10, QLatin1Char('0')),
                {QStringLiteral("N%1").arg(i % 40), QStringLiteral("L%1").arg(i % 70), QString(QChar(u'A' + i % 7))});
        env->db.commit();
        FrmCode* w = openBrowser();
        QAbstractItemModel* m = w->grid()->model();
        QVERIFY(m->canFetchMore({}));
        QVERIFY(m->rowCount() < 1500);
        QCOMPARE(w->listValues(1).size(), 40);
        QCOMPARE(w->listValues(2).size(), 70);
        QCOMPARE(gridCodes(w).size(), 1500);
    }

    void captionsAreThoseStoredWhenTheBrowserOpens()
    {
        addFiveSubjects();
        env->exec(QStringLiteral("UPDATE Settings SET F1 = ?, F3 = ?"), {QStringLiteral("نام کوچک"), QString()});
        FrmCode* w = openBrowser();
        QCOMPARE(w->filterCaption(1)->text(), QStringLiteral("نام کوچک"));
        QCOMPARE(w->filterCaption(3)->text(), QString());
        QCOMPARE(w->filterBox(1)->accessibleName(), QStringLiteral("نام کوچک"));
    }
};

QTEST_MAIN(TestSubjectBrowser)
#include "tst_subjectbrowser.moc"

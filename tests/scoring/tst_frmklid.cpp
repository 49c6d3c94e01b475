#include "TestEnvironment.h"
#include "data/Scales.h"
#include "scoring/FrmkLID.h"
#include "scoring/ScaleKeys.h"
#include "shell/Frm1.h"
#include "shell/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString kSuccess = QStringLiteral("اطلاعات با موفقيت محاسبه و ذخيره شد");
const QString kNeedCode = QStringLiteral("شما بايد شماره آزمودني مورد نظر را وارد كنيد");
const QString kNoSubject = QStringLiteral("فردي با اين مشخصات وجود ندارد");
const QString kHint = QStringLiteral("ابتدا روي جستجو کليک کرده سپس کد آزمودني را وارد کنيد بعد روي پرينت کليک کنيد ");

template <class T> T* child(QWidget* w, const char* name)
{
    T* c = w->findChild<T*>(QString::fromLatin1(name));
    if (!c)
        qFatal("no child %s", name);
    return c;
}

QStringList filled(int n, const QString& answer)
{
    QStringList out;
    for (int i = 0; i < n; ++i)
        out << answer;
    return out;
}

QStringList keyedAnswers(int scale)
{
    QStringList out;
    for (const QChar c : ScaleKeys::key(scale))
        out << (c == u'T' ? QStringLiteral("1") : QStringLiteral("2"));
    return out;
}

} // namespace

class TestFrmkLID : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env;

    FrmkLID* open()
    {
        auto* w = env->windows->show<FrmkLID>();
        env->dialogs.clear();
        env->dialogs.calls.clear();
        return w;
    }

    void select(FrmkLID* w, const QString& code)
    {
        env->dialogs.inputs << code;
        QTest::mouseClick(child<QPushButton>(w, "cmdSelect"), Qt::LeftButton);
    }

    // One transaction for the many single-column updates of the fixture: much faster
    // on a file with full synchronous writes.
    void setAnswers(const QString& code, int scale, const QStringList& answers)
    {
        env->db.begin();
        env->setAnswers(code, scale, answers);
        env->db.commit();
    }

    void answerAll(const QString& code, const QString& answer)
    {
        for (const ScaleInfo& s : kScales)
            setAnswers(code, s.number, filled(s.items, answer));
    }

    QStringList scoresStored(const QString& code)
    {
        return {env->value(Tables::IDE, code, QStringLiteral("AAS")),
                env->value(Tables::IDE, code, QStringLiteral("APS")),
                env->value(Tables::IDE, code, QStringLiteral("MACR"))};
    }

    QStringList scoresShown(FrmkLID* w)
    {
        return {child<QLineEdit>(w, "txtAAS")->text(), child<QLineEdit>(w, "txtAPS")->text(),
                child<QLineEdit>(w, "txtMACR")->text()};
    }

private slots:
    void init() { env = std::make_unique<TestEnvironment>(); }
    void cleanup() { env.reset(); }

    void opensWithItsLayoutAndCaptions()
    {
        env->exec(QStringLiteral("UPDATE Settings SET F3 = ?, F8 = ?"),
                  {QStringLiteral("جنسيت"), QStringLiteral("تلفن همراه")});
        FrmkLID* w = open();
        QCOMPARE(w->windowTitle(), QStringLiteral("کليد گذاري"));
        QCOMPARE(w->pos(), QPoint(tw(2340), tw(765)));
        QCOMPARE(w->size(), QSize(tw(10035), tw(6060)));
        QSqlQuery settings = env->exec(QStringLiteral("SELECT F1, F2, F3, F4, F5, F6, F7, F8 FROM Settings"));
        QVERIFY(settings.next());
        for (int k = 0; k < 8; ++k) {
            QLabel* label = w->findChild<QLabel*>(QStringLiteral("lblF%1").arg(k + 1));
            QCOMPARE(label->text(), settings.value(k).toString());
            QCOMPARE(label->buddy(), w->findChild<QLineEdit*>(QStringLiteral("txtF%1").arg(k + 1)));
        }
        QCOMPARE(child<QLabel>(w, "lblF3")->text(), QStringLiteral("جنسيت"));
        QCOMPARE(child<QLabel>(w, "lblCode")->text(), QStringLiteral(" :کد"));
        QCOMPARE(child<QPushButton>(w, "cmdSelect")->text(), QStringLiteral("انتخاب آزمودني"));
        QCOMPARE(child<QPushButton>(w, "cmdPrintSelected")->text(), QStringLiteral("پرينت آزمودني انتخاب شده"));
        QCOMPARE(child<QPushButton>(w, "cmdPrintAll")->text(), QStringLiteral("پرينت کل  آزمودني ها "));
        QCOMPARE(child<QPushButton>(w, "cmdHelp")->text(), QStringLiteral("راهنما"));
        QCOMPARE(child<QPushButton>(w, "cmdExit")->text(), QStringLiteral(" خروج"));
        QVERIFY(child<QPushButton>(w, "cmdAAS")->isHidden());
        QVERIFY(child<QPushButton>(w, "cmdAPS")->isHidden());
        QWidget* help = child<QWidget>(w, "Frame4");
        QVERIFY(help->isHidden());
        QCOMPARE(help->geometry(), twRect(1380, 1080, 7635, 4935));
        // Nothing is shown before a subject is selected, even with subjects stored.
        QVERIFY(child<QLineEdit>(w, "txtCode")->text().isEmpty());
        QVERIFY(child<QLineEdit>(w, "txtF1")->isReadOnly());
    }

    void keyingStoresTheScores_data()
    {
        QTest::addColumn<QString>("answer"); // empty: every item answered as keyed
        QTest::addColumn<QStringList>("scores");
        QTest::newRow("as keyed") << QString() << QStringList{"13", "39", "49"};
        QTest::newRow("all 1") << "1" << QStringList{"10", "23", "37"};
        QTest::newRow("all 2") << "2" << QStringList{"3", "16", "12"};
    }

    void keyingStoresTheScores()
    {
        QFETCH(QString, answer);
        QFETCH(QStringList, scores);
        env->addSubject(QStringLiteral("1001"), {QStringLiteral("مریم"), QStringLiteral("احمدی")});
        env->addSubject(QStringLiteral("1002"));
        for (const ScaleInfo& s : kScales)
            setAnswers(QStringLiteral("1001"), s.number,
                       answer.isEmpty() ? keyedAnswers(s.number) : filled(s.items, answer));
        FrmkLID* w = open();
        select(w, QStringLiteral("1001"));

        QCOMPARE(env->dialogs.calls.size(), 2);
        const auto& prompt = env->dialogs.calls[0];
        QCOMPARE(prompt.kind, QStringLiteral("input"));
        QCOMPARE(prompt.title, QStringLiteral(" کد آزمودني را وارد کنيد"));
        QCOMPARE(prompt.text, QStringLiteral(" Enter Number "));
        QVERIFY(prompt.defaultText.isEmpty());
        const auto& notice = env->dialogs.calls[1];
        QCOMPARE(notice.kind, QStringLiteral("notice"));
        QCOMPARE(notice.text, kSuccess);
        QCOMPARE(notice.delay, 1000);

        QCOMPARE(scoresStored(QStringLiteral("1001")), scores);
        QCOMPARE(scoresShown(w), scores);
        QCOMPARE(child<QLineEdit>(w, "txtCode")->text(), QStringLiteral("1001"));
        QCOMPARE(child<QLineEdit>(w, "txtF1")->text(), QStringLiteral("مریم"));
        QCOMPARE(child<QLineEdit>(w, "txtF2")->text(), QStringLiteral("احمدی"));
        QCOMPARE(w->selectedMark(), QStringLiteral("1001"));
        // The other subject is untouched.
        QCOMPARE(scoresStored(QStringLiteral("1002")), (QStringList{QString(), QString(), QString()}));

        // Keying again recomputes from zero.
        env->dialogs.calls.clear();
        select(w, QStringLiteral("1001"));
        QCOMPARE(scoresStored(QStringLiteral("1001")), scores);
        QCOMPARE(env->dialogs.texts(), QStringList{kSuccess});
    }

    void unansweredItemsWarnOncePerScaleInOrder()
    {
        env->addSubject(QStringLiteral("7"));
        QStringList aas = keyedAnswers(1);
        aas[1] = QString();
        aas[6] = QString();
        setAnswers(QStringLiteral("7"), 1, aas);
        setAnswers(QStringLiteral("7"), 2, keyedAnswers(2));
        QStringList macr = keyedAnswers(3);
        macr[48] = QString();
        setAnswers(QStringLiteral("7"), 3, macr);
        FrmkLID* w = open();
        select(w, QStringLiteral("7"));

        QStringList kinds;
        for (const auto& c : env->dialogs.calls)
            kinds << c.kind;
        QCOMPARE(kinds, (QStringList{"input", "message", "message", "notice"}));
        const auto& first = env->dialogs.calls[1];
        QCOMPARE(first.title, QStringLiteral("خطا"));
        QCOMPARE(first.icon, Dialogs::Icon::Warning);
        QCOMPARE(first.buttons, Dialogs::Buttons::Ok);
        QCOMPARE(first.text,
                 QStringLiteral("شما به سوالات زير مربوط به مقياس پذيرش اعتياد پاسخ نداده ايد\r\n\r\n2  7  "));
        QCOMPARE(env->dialogs.calls[2].text,
                 QStringLiteral("شما به سوالات زير مربوط به مقياس مک اندرو پاسخ نداده ايد\r\n\r\n49  "));
        QCOMPARE(scoresStored(QStringLiteral("7")), (QStringList{"11", "39", "48"}));
        QCOMPARE(w->selectedMark(), QStringLiteral("7"));
    }

    void aSubjectNeverAnsweredGetsThreeWarningsAndZeros()
    {
        env->addSubject(QStringLiteral("8"));
        FrmkLID* w = open();
        select(w, QStringLiteral("8"));
        const QStringList warnings = env->dialogs.texts(QStringLiteral("message"));
        QCOMPARE(warnings.size(), 3);
        QCOMPARE(warnings[0], QStringLiteral("شما به سوالات زير مربوط به مقياس پذيرش اعتياد پاسخ نداده ايد\r\n\r\n1  2 "
                                             " 3  4  5  6  7  8  9  10  11  12  13  "));
        QVERIFY(warnings[1].startsWith(
            QStringLiteral("شما به سوالات زير مربوط به مقياس استعداد اعتياد پاسخ نداده ايد\r\n\r\n1  2  ")));
        QVERIFY(warnings[2].endsWith(QStringLiteral("48  49  ")));
        QCOMPARE(scoresStored(QStringLiteral("8")), (QStringList{"0", "0", "0"}));
        QCOMPARE(env->dialogs.texts(), QStringList{kSuccess});
    }

    void refusedSelections_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("notice");
        QTest::newRow("empty code or cancelled") << QString() << kNeedCode;
        QTest::newRow("unknown code") << "9999" << kNoSubject;
        QTest::newRow("code with a trailing blank") << "1001 " << kNoSubject;
        QTest::newRow("subject row without answer rows") << "orphan" << kNoSubject;
    }

    void refusedSelections()
    {
        QFETCH(QString, code);
        QFETCH(QString, notice);
        env->addSubject(QStringLiteral("1001"));
        answerAll(QStringLiteral("1001"), QStringLiteral("1"));
        env->exec(QStringLiteral("INSERT INTO IDE (Code) VALUES ('orphan')"));
        FrmkLID* w = open();
        select(w, code);
        const auto& last = env->dialogs.calls.last();
        QCOMPARE(last.kind, QStringLiteral("notice"));
        QCOMPARE(last.text, notice);
        QCOMPARE(last.delay, 1000);
        QCOMPARE(env->dialogs.calls.size(), 2);
        QCOMPARE(env->value(Tables::IDE, QStringLiteral("1001"), QStringLiteral("AAS")), QString());
        QCOMPARE(env->value(Tables::IDE, QStringLiteral("orphan"), QStringLiteral("AAS")), QString());
        QVERIFY(w->selectedMark().isEmpty());
    }

    void aCodeWithAnApostropheIsAnOrdinaryCode()
    {
        const QString code = QStringLiteral("O'Neil");
        env->addSubject(code);
        answerAll(code, QStringLiteral("2"));
        FrmkLID* w = open();
        select(w, code);
        QCOMPARE(scoresStored(code), (QStringList{"3", "16", "12"}));
        QCOMPARE(w->selectedMark(), code);
    }

    void printSelectedNeedsAFreshSelection()
    {
        env->addSubject(QStringLiteral("1001"));
        answerAll(QStringLiteral("1001"), QStringLiteral("1"));
        env->addSubject(QStringLiteral("1002"));
        answerAll(QStringLiteral("1002"), QStringLiteral("1"));
        FrmkLID* w = open();
        auto* print = child<QPushButton>(w, "cmdPrintSelected");

        QTest::mouseClick(print, Qt::LeftButton);
        QCOMPARE(env->dialogs.calls.size(), 1);
        QCOMPARE(env->dialogs.calls[0].text, kHint);
        QCOMPARE(env->dialogs.calls[0].delay, 2000);

        select(w, QStringLiteral("1001"));
        env->dialogs.calls.clear();
        QTest::mouseClick(print, Qt::LeftButton);
        QCOMPARE(env->dialogs.calls.size(), 1);
        QCOMPARE(env->dialogs.calls[0].kind, QStringLiteral("preview"));
        QVERIFY(w->selectedMark().isEmpty());

        env->dialogs.calls.clear();
        QTest::mouseClick(print, Qt::LeftButton);
        QCOMPARE(env->dialogs.texts(), QStringList{kHint});

        // A mistyped code after a selection leaves nothing to print: the panels no
        // longer show the keyed subject.
        select(w, QStringLiteral("1002"));
        select(w, QStringLiteral("nobody"));
        QVERIFY(child<QLineEdit>(w, "txtCode")->text().isEmpty());
        env->dialogs.calls.clear();
        QTest::mouseClick(print, Qt::LeftButton);
        QCOMPARE(env->dialogs.texts(), QStringList{kHint});

        // An empty code changes nothing: the mark of the last selection stays.
        select(w, QStringLiteral("1002"));
        select(w, QString());
        QCOMPARE(w->selectedMark(), QStringLiteral("1002"));
        QCOMPARE(child<QLineEdit>(w, "txtCode")->text(), QStringLiteral("1002"));
    }

    void printAllLeavesTheSelection()
    {
        env->addSubject(QStringLiteral("1001"));
        answerAll(QStringLiteral("1001"), QStringLiteral("1"));
        FrmkLID* w = open();
        select(w, QStringLiteral("1001"));
        env->dialogs.calls.clear();
        QTest::mouseClick(child<QPushButton>(w, "cmdPrintAll"), Qt::LeftButton);
        QCOMPARE(env->dialogs.calls.size(), 1);
        QCOMPARE(env->dialogs.calls[0].kind, QStringLiteral("preview"));
        QVERIFY(env->dialogs.lastPaint);
        QCOMPARE(w->selectedMark(), QStringLiteral("1001"));
        QCOMPARE(child<QLineEdit>(w, "txtCode")->text(), QStringLiteral("1001"));
    }

    void helpPanelOpensAndClosesWithoutChangingTheSelection()
    {
        env->addSubject(QStringLiteral("1001"));
        answerAll(QStringLiteral("1001"), QStringLiteral("1"));
        FrmkLID* w = open();
        select(w, QStringLiteral("1001"));
        QWidget* help = child<QWidget>(w, "Frame4");
        QTest::mouseClick(child<QPushButton>(w, "cmdHelp"), Qt::LeftButton);
        QVERIFY(help->isVisible());
        const QString expected = QStringLiteral(
            "در اين قسمت از نرم افزار ابتدا روي انتخاب آزمودني \r\nکليک کرده سپس کد آزمودني را وارد کنيد و دکمه "
            "\r\nاينتر را فشار دهيد نتيجه آزمون نمايش داده و ذخيره \r\nخواهد شد در صورتيکه تمايل داريد نتيجه آزمون را "
            "\r\nپرينت بگيريد روي دکمه پرينت آزمودني انتخاب شده \r\nکليک کنيد و در صورتيکه تمايل به پرينت نتيجه آزمون "
            "\r\nکل آزمودنيها را داريد روي دکمه پرينت کل آزمودنيها کليک کنيد\r\n");
        QCOMPARE(child<QPlainTextEdit>(w, "txtHelp")->toPlainText(),
                 QString(expected).replace(QLatin1String("\r\n"), QLatin1String("\n")));
        QPushButton* close = child<QPushButton>(help, "cmdHelpExit");
        QCOMPARE(close->text(), QStringLiteral("خروج"));
        QTest::mouseClick(close, Qt::LeftButton);
        QVERIFY(help->isHidden());
        QCOMPARE(w->selectedMark(), QStringLiteral("1001"));
        QCOMPARE(scoresShown(w), (QStringList{"10", "23", "37"}));
    }

    // The failures that used to end in the success notice.
    void aMissingSubjectRowIsReportedNotConfirmed()
    {
        env->addSubject(QStringLiteral("1001"));
        answerAll(QStringLiteral("1001"), QStringLiteral("1"));
        env->exec(QStringLiteral("DELETE FROM IDE WHERE Code = '1001'"));
        FrmkLID* w = open();
        select(w, QStringLiteral("1001"));
        QVERIFY(env->dialogs.texts().isEmpty()); // no success notice
        const QStringList errors = env->dialogs.texts(QStringLiteral("message"));
        QCOMPARE(errors.size(), 1);
        QCOMPARE(env->dialogs.calls.last().title, QStringLiteral("خطا"));
        QVERIFY(errors[0].contains(QStringLiteral("IDE")));
        QVERIFY(w->selectedMark().isEmpty());
        QCOMPARE(env->count(Tables::IDE), 0);
    }

    void aRefusedStoreIsReportedAndNothingIsKept()
    {
        env->addSubject(QStringLiteral("1001"));
        answerAll(QStringLiteral("1001"), QStringLiteral("1"));
        // The file refuses the change, as a locked or damaged file would.
        env->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON IDE BEGIN SELECT RAISE(ABORT, "
                                 "'disk refused the write'); END"));
        FrmkLID* w = open();
        select(w, QStringLiteral("1001"));
        QVERIFY(env->dialogs.texts().isEmpty());
        const auto& error = env->dialogs.calls.last();
        QCOMPARE(error.kind, QStringLiteral("message"));
        QCOMPARE(error.title, QStringLiteral("خطا"));
        QVERIFY2(error.text.contains(QStringLiteral("disk refused the write")), qPrintable(error.text));
        QVERIFY(w->selectedMark().isEmpty());
        QCOMPARE(scoresStored(QStringLiteral("1001")), (QStringList{QString(), QString(), QString()}));
        // The panels show the row as stored, not the scores that were refused.
        QCOMPARE(scoresShown(w), (QStringList{QString(), QString(), QString()}));
        env->dialogs.calls.clear();
        QTest::mouseClick(child<QPushButton>(w, "cmdPrintSelected"), Qt::LeftButton);
        QCOMPARE(env->dialogs.texts(), QStringList{kHint});

        // Once the file takes changes again, the same selection succeeds.
        env->exec(QStringLiteral("DROP TRIGGER refuse"));
        select(w, QStringLiteral("1001"));
        QCOMPARE(scoresStored(QStringLiteral("1001")), (QStringList{"10", "23", "37"}));
    }

    void theMainWindowOpensItAndComesBack()
    {
        Frm1* main = env->showMain();
        // With no subject registered the keying button does nothing.
        QTest::mouseClick(child<QPushButton>(main, "cmdKeying"), Qt::LeftButton);
        QVERIFY(!env->windows->find<FrmkLID>());
        QVERIFY(main->isVisible());
        main->close();
        QApplication::processEvents();

        env->addSubject(QStringLiteral("1001"));
        main = env->showMain();
        QTest::mouseClick(child<QPushButton>(main, "cmdKeying"), Qt::LeftButton);
        FrmkLID* w = env->windows->find<FrmkLID>();
        QVERIFY(w && w->isVisible());
        QVERIFY(main->isHidden());
        QTest::mouseClick(child<QPushButton>(w, "cmdExit"), Qt::LeftButton);
        QApplication::processEvents();
        QVERIFY(!env->windows->find<FrmkLID>());
        QVERIFY(env->windows->find<Frm1>()->isVisible());
    }
};

QTEST_MAIN(TestFrmkLID)
#include "tst_frmklid.moc"

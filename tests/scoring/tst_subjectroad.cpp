// The road of one subject through the real windows: registration in the main window,
// the three scales answered in the test window, keying in the scoring window and the
// subject's sheet from its preview.
#include "TestEnvironment.h"
#include "data/Scales.h"
#include "reports/DataR1.h"
#include "scoring/FrmkLID.h"
#include "scoring/ScaleKeys.h"
#include "shell/Frm1.h"
#include "testing/FrmTest.h"

#include <QApplication>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

template <class T> T* child(QWidget* w, const char* name)
{
    T* c = w ? w->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    if (!c)
        qFatal("no child %s", name);
    return c;
}

void click(QWidget* w, const char* name)
{
    QTest::mouseClick(child<QAbstractButton>(w, name), Qt::LeftButton);
}

// Types key by key, Persian letters included, as a keyboard does.
void type(QWidget* widget, const QString& text)
{
    widget->setFocus();
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

} // namespace

class TestSubjectRoad : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env;

    // Answers one scale in the test window: answers[i] is "1" (true), "2" (false) or
    // empty (the item passed by without an answer); then Save and exit.
    void answerScale(const char* button, const QString& code, const QStringList& answers)
    {
        Frm1* main = env->windows->find<Frm1>();
        QVERIFY(main && main->isVisible());
        env->dialogs.inputs << code;
        click(main, button);
        settle();
        FrmTest* test = env->windows->find<FrmTest>();
        QVERIFY(test && test->isVisible());
        click(test, "cmdStart");
        for (int i = 0; i < answers.size(); ++i) {
            if (answers[i] == QLatin1String("1"))
                click(test, "optTrue");
            else if (answers[i] == QLatin1String("2"))
                click(test, "optFalse");
            if (i + 1 < answers.size())
                click(test, "cmdNext");
        }
        click(test, "cmdSaveExit");
        settle();
        QVERIFY(!env->windows->find<FrmTest>());
    }

private slots:
    void init() { env = std::make_unique<TestEnvironment>(); }
    void cleanup() { env.reset(); }

    void fromRegistrationToTheSheet()
    {
        env->exec(QStringLiteral("UPDATE Theme SET Adress = ?"), {QStringLiteral("اصفهان، خيابان چهارباغ")});
        const QString code = QStringLiteral("1403");
        const QStringList fields{QStringLiteral("مریم"), QStringLiteral("احمدی"),      QStringLiteral("زن"),
                                 QStringLiteral("34"),   QStringLiteral("متاهل"),      QStringLiteral("لیسانس"),
                                 QStringLiteral("معلم"), QStringLiteral("09120000000")};

        // Registration: the code and the eight fields, then save.
        Frm1* main = env->showMain();
        click(main, "cmdRegister");
        type(child<QLineEdit>(main, "regCode"), code);
        for (int k = 1; k <= 8; ++k)
            type(main->findChild<QLineEdit*>(QStringLiteral("regF%1").arg(k)), fields[k - 1]);
        click(main, "regSave");
        QCOMPARE(env->count(Tables::IDE), 1);
        for (const ScaleInfo& s : kScales)
            QCOMPARE(env->count(QString::fromLatin1(s.answerTable)), 1);
        QCOMPARE(env->value(Tables::IDE, code, QStringLiteral("F6")), fields[5]);

        // AAS answered as keyed, APS all true, MAC-R all false but its last item.
        QStringList aas;
        for (QChar c : ScaleKeys::key(1))
            aas << (c == u'T' ? QStringLiteral("1") : QStringLiteral("2"));
        answerScale("cmdAAS", code, aas);
        answerScale("cmdAPS", code, QStringList(39, QStringLiteral("1")));
        QStringList macr(49, QStringLiteral("2"));
        macr.last() = QString();
        answerScale("cmdMACR", code, macr);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(env->value(Tables::AnswerAAS, code, QStringLiteral("3")), QStringLiteral("2"));
        QCOMPARE(env->value(Tables::AnswerAPS, code, QStringLiteral("39")), QStringLiteral("1"));
        QCOMPARE(env->value(Tables::AnswerMACR, code, QStringLiteral("48")), QStringLiteral("2"));
        QCOMPARE(env->value(Tables::AnswerMACR, code, QStringLiteral("49")), QString());

        // Keying: one warning for MAC-R's unanswered item, then the scores stored.
        main = env->windows->find<Frm1>();
        QVERIFY(main && main->isVisible());
        click(main, "cmdKeying");
        settle();
        FrmkLID* keying = env->windows->find<FrmkLID>();
        QVERIFY(keying && keying->isVisible());
        QVERIFY(main->isHidden());
        env->dialogs.calls.clear();
        env->dialogs.inputs << code;
        click(keying, "cmdSelect");
        QCOMPARE(env->dialogs.texts(QStringLiteral("message")),
                 QStringList{ScaleKeys::warningText(3, QStringLiteral("49  "))});
        QCOMPARE(env->dialogs.texts(), QStringList{QStringLiteral("اطلاعات با موفقيت محاسبه و ذخيره شد")});
        QCOMPARE(env->value(Tables::IDE, code, QStringLiteral("AAS")), QStringLiteral("13"));
        QCOMPARE(env->value(Tables::IDE, code, QStringLiteral("APS")), QStringLiteral("23"));
        QCOMPARE(env->value(Tables::IDE, code, QStringLiteral("MACR")), QStringLiteral("12"));

        // The sheet, painted as the preview saves it to PDF.
        env->dialogs.calls.clear();
        click(keying, "cmdPrintSelected");
        QCOMPARE(env->dialogs.calls.size(), 1);
        QCOMPARE(env->dialogs.calls[0].kind, QStringLiteral("preview"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QDir(env->folder()).filePath(QStringLiteral("sheet.pdf")));
        env->dialogs.lastPaint(&printer);
        QVERIFY(QFileInfo(printer.outputFileName()).size() > 1000);
        const ReportPage& sheet = keying->subjectSheet()->pages().value(0);
        QCOMPARE(sheet.text(QStringLiteral("Label15")), code);
        for (int k = 0; k < 6; ++k)
            QCOMPARE(sheet.text(DataR1::valueLabels()[k]), fields[k]);
        QCOMPARE(sheet.text(QStringLiteral("Label23")), QStringLiteral("13"));
        QCOMPARE(sheet.text(QStringLiteral("Label18")), QStringLiteral("23"));
        QCOMPARE(sheet.text(QStringLiteral("Label25")), QStringLiteral("12"));
        QCOMPARE(sheet.text(QStringLiteral("Label13")), QStringLiteral("اصفهان، خيابان چهارباغ"));

        // Closing the scoring window brings the main window back.
        click(keying, "cmdExit");
        settle();
        QVERIFY(!env->windows->find<FrmkLID>());
        QVERIFY(env->windows->find<Frm1>()->isVisible());
    }
};

QTEST_MAIN(TestSubjectRoad)
#include "tst_subjectroad.moc"

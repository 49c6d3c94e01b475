#include "TestEnvironment.h"
#include "shell/Frm1.h"
#include "shell/Frmravansanji.h"
#include "shell/Twips.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolButton>
#include <QtTest>

class tst_Frmravansanji : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void showsStoredTextRightToLeft();
    void longTextScrollsVertically();
    void emptyTextShowsEmptyBox();
    void textIsReadOnlyAndNothingIsStored();
    void panelIsLightBlue();
    void logoOpensTheThreePages();
    void appliesStandardTheme();
    void exitClosesAndMainGoesOn();

private:
    Frmravansanji* open();
    void setIntroduction(const QString& text);
    std::unique_ptr<TestEnvironment> m_env;
};

namespace {
const QString kTitle = QStringLiteral("معرفي پرسشنامه");
const QString kExit = QStringLiteral("خروج");

QString longText()
{
    QStringList lines;
    for (int i = 1; i <= 60; ++i)
        lines << QStringLiteral("بند %1: اين پرسشنامه براي سنجش گرايش به مصرف مواد به کار مي رود.").arg(i);
    return lines.join(QLatin1Char('\n'));
}
} // namespace

void tst_Frmravansanji::init()
{
    m_env = std::make_unique<TestEnvironment>();
}

void tst_Frmravansanji::cleanup()
{
    m_env.reset();
}

void tst_Frmravansanji::setIntroduction(const QString& text)
{
    m_env->exec(QStringLiteral("UPDATE Settings SET T3 = ?"), {text});
}

Frmravansanji* tst_Frmravansanji::open()
{
    Frm1* main = m_env->showMain();
    main->findChild<QPushButton*>(QStringLiteral("cmdIntro"))->click();
    Frmravansanji* w = m_env->windows->find<Frmravansanji>();
    if (w)
        (void)QTest::qWaitForWindowExposed(w);
    return w;
}

void tst_Frmravansanji::showsStoredTextRightToLeft()
{
    setIntroduction(QStringLiteral("سلام\n") + longText());
    Frmravansanji* w = open();
    QVERIFY(w);
    QCOMPARE(w->windowModality(), Qt::ApplicationModal);
    QCOMPARE(w->windowTitle(), kTitle);
    QCOMPARE(w->size(), QSize(tw(10110), tw(9120)));
    QCOMPARE(w->pos(), QPoint(tw(2340), tw(200)));
    QVERIFY(!(w->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));

    QPlainTextEdit* text = w->findChild<QPlainTextEdit*>(QStringLiteral("T3"));
    QVERIFY(text);
    QCOMPARE(text->toPlainText(), QStringLiteral("سلام\n") + longText());
    QCOMPARE(text->geometry(), twRect(495, 405, 8520, 5415));
    QCOMPARE(text->font().pointSizeF(), 12.0);
    QVERIFY(text->font().bold());

    // A short first line stands at the right edge; so do the lines of the long text.
    const int right = text->viewport()->width();
    QTextCursor start(text->document());
    QVERIFY(text->cursorRect(start).x() > right - 20);
    QTextBlock block = text->document()->findBlockByNumber(1);
    QTextLine first = block.layout()->lineAt(0);
    QVERIFY2(first.naturalTextRect().right() > right - 20, qPrintable(QString::number(first.naturalTextRect().right())));
    QCOMPARE(block.textDirection(), Qt::RightToLeft);
}

void tst_Frmravansanji::longTextScrollsVertically()
{
    setIntroduction(longText());
    Frmravansanji* w = open();
    QPlainTextEdit* text = w->findChild<QPlainTextEdit*>(QStringLiteral("T3"));
    QVERIFY(text->verticalScrollBar()->isVisible());
    QVERIFY(text->verticalScrollBar()->maximum() > 0);
    QVERIFY(!text->horizontalScrollBar()->isVisible());
    text->verticalScrollBar()->setValue(text->verticalScrollBar()->maximum());
    QCOMPARE(text->verticalScrollBar()->value(), text->verticalScrollBar()->maximum());
}

void tst_Frmravansanji::emptyTextShowsEmptyBox()
{
    setIntroduction(QString());
    Frmravansanji* w = open();
    QPlainTextEdit* text = w->findChild<QPlainTextEdit*>(QStringLiteral("T3"));
    QVERIFY(text->toPlainText().isEmpty());
}

void tst_Frmravansanji::textIsReadOnlyAndNothingIsStored()
{
    setIntroduction(QStringLiteral("متن معرفي"));
    Frmravansanji* w = open();
    QPlainTextEdit* text = w->findChild<QPlainTextEdit*>(QStringLiteral("T3"));
    text->setFocus();
    QTest::keyClicks(text, QStringLiteral("abc"));
    QTest::keyClick(text, Qt::Key_Backspace);
    QTest::keyClick(text, Qt::Key_Delete);
    QCOMPARE(text->toPlainText(), QStringLiteral("متن معرفي"));
    w->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    QVERIFY(!m_env->windows->find<Frmravansanji>());
    QSqlQuery q = m_env->exec(QStringLiteral("SELECT T3 FROM Settings"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("متن معرفي"));
}

void tst_Frmravansanji::panelIsLightBlue()
{
    Frmravansanji* w = open();
    QFrame* panel = w->findChild<QFrame*>(QStringLiteral("Frame1"));
    QVERIFY(panel);
    QVERIFY(panel->geometry().width() * panel->geometry().height() > w->width() * w->height() / 2);
    const QImage image = panel->grab().toImage();
    // A point of the panel outside the text box and the logo.
    QCOMPARE(QColor(image.pixel(image.width() / 2, image.height() - 8)), QColor(192, 192, 255));
    QCOMPARE(QColor(image.pixel(10, image.height() / 2)), QColor(192, 192, 255));
}

void tst_Frmravansanji::logoOpensTheThreePages()
{
    Frmravansanji* w = open();
    QToolButton* logo = w->findChild<QToolButton*>(QStringLiteral("Image1"));
    QVERIFY(logo);
    QCOMPARE(logo->toolTip(), QStringLiteral("http://shop.test"));
    QTest::mouseClick(logo, Qt::LeftButton);
    QCOMPARE(m_env->openedUrls, (QList<QUrl>{QUrl(QStringLiteral("http://site.test/")),
                                             QUrl(QStringLiteral("http://shop.test/")),
                                             QUrl(QStringLiteral("http://store.test/"))}));
}

void tst_Frmravansanji::appliesStandardTheme()
{
    for (const char* file : {"O-Universe.skn", "TopSecret.skn"}) {
        QFile f(QDir(m_env->folder()).filePath(QLatin1String(file)));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray("/* Pelimora skin: ") + file + " */\nQWidget { color: rgb(20, 20, 20); }\n");
    }
    m_env->setTheme(7);
    Frmravansanji* w = open();
    QCOMPARE(w->property("skinFile").toString(), QStringLiteral("O-Universe.skn"));
    // The panel keeps its own colour under the skin.
    const QImage image = w->findChild<QFrame*>(QStringLiteral("Frame1"))->grab().toImage();
    QCOMPARE(QColor(image.pixel(10, image.height() / 2)), QColor(192, 192, 255));
}

void tst_Frmravansanji::exitClosesAndMainGoesOn()
{
    Frmravansanji* w = open();
    QPushButton* exit = w->findChild<QPushButton*>(QStringLiteral("Command1"));
    QCOMPARE(exit->text(), kExit);
    QTest::mouseClick(exit, Qt::LeftButton);
    QVERIFY(!m_env->windows->find<Frmravansanji>());
    QVERIFY(m_env->windows->find<Frm1>()->isVisible());
    QVERIFY(m_env->openedUrls.isEmpty());
}

QTEST_MAIN(tst_Frmravansanji)
#include "tst_frmravansanji.moc"

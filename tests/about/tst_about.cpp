#include "TestEnvironment.h"
#include "shell/About.h"
#include "shell/Frm1.h"
#include "shell/Twips.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {
const QString kEntry0 = QStringLiteral("نام نرم افزار:");
const QString kEntry1 = QStringLiteral(" نرم افزار تست Ornavex");
} // namespace

class tst_About : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void startUp();
    void creditList();
    void scrollRecyclesThroughNineEntries();
    void sentenceCondensesThenStaysStill();
    void colourStepsThroughEvenPaletteColours();
    void secondOpeningStartsAgainButColourCarriesOn();
    void exitCloses();
    void mainWindowOpensItOnlyWithSubjects();

private:
    About* open();
    std::unique_ptr<TestEnvironment> m_env;
};

void tst_About::init()
{
    m_env = std::make_unique<TestEnvironment>();
}

void tst_About::cleanup()
{
    m_env.reset();
}

About* tst_About::open()
{
    About* w = m_env->windows->show<About>();
    // The tests step the animations themselves.
    for (QTimer* t : w->findChildren<QTimer*>())
        t->stop();
    return w;
}

void tst_About::startUp()
{
    About* w = m_env->windows->show<About>();
    QCOMPARE(w->windowTitle(), QStringLiteral("about"));
    QCOMPARE(w->size(), QSize(tw(8430), tw(7200)));
    QCOMPARE(w->pos(), QPoint(tw(2500), tw(1200)));
    QVERIFY(!(w->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));

    const struct { const char* name; int interval; } timers[] = {
        {"colourTimer", 700}, {"scrollTimer", 55}, {"condenseTimer", 1}};
    for (const auto& t : timers) {
        QTimer* timer = w->findChild<QTimer*>(QLatin1String(t.name));
        QVERIFY2(timer, t.name);
        QVERIFY2(timer->isActive(), t.name);
        QCOMPARE(timer->interval(), t.interval);
    }
    for (QTimer* t : w->findChildren<QTimer*>())
        t->stop();

    const int tops[4] = {1920, 2640, 3240, 3840};
    const QStringList credits = About::creditList(m_env->context.config.siteHost, m_env->context.config.shopHost);
    for (int i = 1; i <= 4; ++i) {
        QCOMPARE(w->creditLabel(i)->objectName(), QStringLiteral("Label%1").arg(i));
        QCOMPARE(w->creditLabel(i)->text(), credits[i - 1]);
        QCOMPARE(w->labelTopTwips(i), tops[i - 1]);
        QCOMPARE(w->creditLabel(i)->y(), tops[i - 1] / 15);
        QCOMPARE(w->creditLabel(i)->font().pointSizeF(), 15.75);
        QVERIFY(w->creditLabel(i)->font().bold());
    }
    QCOMPARE(w->nextEntry(), 4);

    // The spread-out form: letters each followed by blanks, words joined by dots, a final dot.
    const QString sentence = w->creditSentence();
    QVERIFY2(QRegularExpression(QStringLiteral("^([^ .] +)+(\\.([^ .] +)+)*\\.$")).match(sentence).hasMatch(),
             qPrintable(sentence));
    QVERIFY(sentence.startsWith(QStringLiteral("T ")));
    QLabel* line = w->findChild<QLabel*>(QStringLiteral("Label5"));
    QCOMPARE(line->geometry(), twRect(2040, 6600, 4095, 285));
    QCOMPARE(line->palette().color(QPalette::WindowText), QColor(0, 0, 192));
}

void tst_About::creditList()
{
    const QStringList credits = About::creditList(QStringLiteral("site.test"), QStringLiteral("shop.test"));
    QCOMPARE(credits.size(), 9);
    QCOMPARE(credits[0], kEntry0);
    QCOMPARE(credits[1], kEntry1);
    for (int i = 2; i <= 6; ++i) {
        QVERIFY2(credits[i].contains(QLatin1Char(':')), qPrintable(credits[i]));
        QVERIFY(!credits[i].section(QLatin1Char(':'), 1).trimmed().isEmpty());
    }
    QVERIFY(credits[4].contains(QLatin1Char('@')));
    QVERIFY(credits[5].contains(QStringLiteral("site.test")));
    QVERIFY(credits[6].contains(QStringLiteral("shop.test")));
    QVERIFY(credits[7].isEmpty());
    QVERIFY(credits[8].isEmpty());
}

void tst_About::scrollRecyclesThroughNineEntries()
{
    About* w = open();
    const QStringList credits = About::creditList(m_env->context.config.siteHost, m_env->context.config.shopHost);
    const int reentry = w->frameGeometry().height() * 15 - 1500;
    QStringList recycled;
    QList<int> recycledLabels;
    for (int tick = 0; tick < 5000 && recycled.size() < 19; ++tick) {
        int before[4];
        for (int i = 1; i <= 4; ++i)
            before[i - 1] = w->labelTopTwips(i);
        w->scrollTick();
        int moved = 0;
        for (int i = 1; i <= 4; ++i) {
            const int top = w->labelTopTwips(i);
            QCOMPARE(w->creditLabel(i)->y(), top / 15);
            if (top == before[i - 1] - 15)
                continue;
            QVERIFY(before[i - 1] <= 1000);
            QCOMPARE(top, reentry - 15);
            recycled << w->creditLabel(i)->text();
            recycledLabels << i;
            ++moved;
        }
        QVERIFY(moved <= 1);
        QVERIFY(w->nextEntry() >= 0 && w->nextEntry() <= 8);
    }
    QCOMPARE(recycled.size(), 19);
    // Entries 4, 5, 6, 7, 8, 0, 1, 2, 3, then the cycle again.
    const int order[9] = {4, 5, 6, 7, 8, 0, 1, 2, 3};
    for (int k = 0; k < recycled.size(); ++k)
        QCOMPARE(recycled[k], credits[order[k % 9]]);
    QCOMPARE(recycled[5], kEntry0);
    QCOMPARE(recycled[14], kEntry0);
    QCOMPARE(recycled.mid(0, 9).count(QString()), 2);
    QCOMPARE(recycled.mid(9, 9).count(QString()), 2);
    // The labels leave the top in the order they stand.
    QCOMPARE(recycledLabels.mid(0, 8), (QList<int>{1, 2, 3, 4, 1, 2, 3, 4}));
}

void tst_About::sentenceCondensesThenStaysStill()
{
    About* w = open();
    const QString spread = w->creditSentence();
    QStringList states{spread};
    for (int tick = 0; tick < 5000; ++tick) {
        w->condenseTick();
        if (w->creditSentence() != states.last())
            states << w->creditSentence();
    }
    // First the blanks go one per tick, then the dots turn into blanks one per tick.
    const QString joined = QString(spread).remove(QLatin1Char(' '));
    QVERIFY(states.contains(joined));
    const int blanks = spread.count(QLatin1Char(' '));
    const int dots = spread.count(QLatin1Char('.'));
    QCOMPARE(states.size(), 1 + blanks + dots);
    QCOMPARE(states[blanks], joined);
    for (int k = 1; k <= blanks; ++k)
        QCOMPARE(states[k].size(), spread.size() - k);
    const QString condensed = QString(joined).replace(QLatin1Char('.'), QLatin1Char(' '));
    QCOMPARE(states.last(), condensed);
    QVERIFY(condensed.startsWith(QStringLiteral("This ")));
    QVERIFY(condensed.endsWith(QLatin1Char(' ')));

    // The timer keeps running and changes nothing.
    for (int tick = 0; tick < 200; ++tick)
        w->condenseTick();
    QCOMPARE(w->creditSentence(), condensed);

    // Also when the real timer drives it.
    QTimer* timer = w->findChild<QTimer*>(QStringLiteral("condenseTimer"));
    timer->start();
    QTest::qWait(30);
    QCOMPARE(w->creditSentence(), condensed);
}

void tst_About::colourStepsThroughEvenPaletteColours()
{
    About* w = open();
    // The even entries of the standard 16-colour palette.
    const QColor colours[8] = {{0, 0, 0},       {0, 128, 0},   {128, 0, 0}, {128, 128, 0},
                               {128, 128, 128}, {0, 255, 0},   {255, 0, 0}, {255, 255, 0}};
    int step = About::colourStep();
    QVERIFY(step % 2 == 0);
    QColor third = w->creditLabel(3)->palette().color(QPalette::WindowText);
    int thirdChanges = 0;
    for (int k = 0; k < 20; ++k) {
        if (step > 15)
            step = 0;
        w->colourTick();
        QCOMPARE(w->creditLabel(1)->palette().color(QPalette::WindowText), colours[step / 2]);
        step += 2;
        QCOMPARE(About::colourStep(), step);
        const QColor now = w->creditLabel(3)->palette().color(QPalette::WindowText);
        if (now != third)
            ++thirdChanges;
        third = now;
    }
    QVERIFY(thirdChanges >= 18); // a fresh random colour each tick
    // Labels 2 and 4 keep their colour.
    QCOMPARE(w->creditLabel(2)->palette().color(QPalette::WindowText),
             w->creditLabel(4)->palette().color(QPalette::WindowText));
}

void tst_About::secondOpeningStartsAgainButColourCarriesOn()
{
    About* first = open();
    const QString spread = first->creditSentence();
    first->colourTick();
    first->colourTick();
    first->colourTick();
    for (int k = 0; k < 400; ++k) {
        first->scrollTick();
        first->condenseTick();
    }
    QVERIFY(first->nextEntry() != 4);
    QVERIFY(first->creditSentence() != spread);
    int step = About::colourStep();
    QPointer<About> closed(first);
    QVERIFY(first->close());
    QVERIFY(!m_env->windows->find<About>());
    QTest::qWait(1);

    About* second = open();
    QVERIFY(second != closed.data() || !closed);
    const QStringList credits = About::creditList(m_env->context.config.siteHost, m_env->context.config.shopHost);
    const int tops[4] = {1920, 2640, 3240, 3840};
    for (int i = 1; i <= 4; ++i) {
        QCOMPARE(second->creditLabel(i)->text(), credits[i - 1]);
        QCOMPARE(second->labelTopTwips(i), tops[i - 1]);
    }
    QCOMPARE(second->nextEntry(), 4);
    QCOMPARE(second->creditSentence(), spread);
    QCOMPARE(About::colourStep(), step);
    if (step > 15)
        step = 0;
    second->colourTick();
    QCOMPARE(second->creditLabel(1)->palette().color(QPalette::WindowText), About::paletteColour(step));
    QCOMPARE(About::colourStep(), step + 2);
    // The first recycled label of the new opening carries entry 4 again.
    for (int k = 0; k < 200 && second->nextEntry() == 4; ++k)
        second->scrollTick();
    QCOMPARE(second->nextEntry(), 5);
    QCOMPARE(second->creditLabel(1)->text(), credits[4]);
}

void tst_About::exitCloses()
{
    open();
    QToolButton* exit = m_env->windows->find<About>()->findChild<QToolButton*>(QStringLiteral("cmdExit"));
    QVERIFY(exit);
    QCOMPARE(exit->accessibleName(), QStringLiteral("خروج"));
    QTest::mouseClick(exit, Qt::LeftButton);
    QVERIFY(!m_env->windows->find<About>());
}

void tst_About::mainWindowOpensItOnlyWithSubjects()
{
    Frm1* main = m_env->showMain();
    QPushButton* about = main->findChild<QPushButton*>(QStringLiteral("cmdAbout"));
    about->click();
    QVERIFY(!m_env->windows->find<About>());

    m_env->addSubject(QStringLiteral("7"));
    m_env->windows->find<Frm1>()->close();
    main = m_env->showMain();
    main->findChild<QPushButton*>(QStringLiteral("cmdAbout"))->click();
    About* w = m_env->windows->find<About>();
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QCOMPARE(w->windowModality(), Qt::ApplicationModal);
    QVERIFY(m_env->dialogs.calls.isEmpty());
}

QTEST_MAIN(tst_About)
#include "tst_about.moc"

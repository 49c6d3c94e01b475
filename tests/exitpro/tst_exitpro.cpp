#include "TestEnvironment.h"
#include "backup/Frmbackup.h"
#include "shell/Frm1.h"
#include "shell/Frmskin.h"
#include "shell/Twips.h"
#include "shell/TwoPictureButton.h"
#include "shell/exitpro.h"

#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

const QString kTitle = QStringLiteral("تهيه نسخه پشتيبان");
const QString kTitleA = QStringLiteral(" تهيه نسخه پشتيبان");
const QString kTitleB = QStringLiteral("پشتيبان گيري");

} // namespace

class tst_exitpro : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startUp();
    void titleSteps();
    void titleAlternatesWhileOpen();
    void hover();
    void yes_data();
    void yes();
    void no();
    void closeBox();
    void openedByMainWindow_data();
    void openedByMainWindow();
    void noAfterSkinConfirmation();

private:
    exitpro* open();
    QTimer* timer(const char* name) const { return m_window->findChild<QTimer*>(QLatin1String(name)); }
    void tick(const char* name) { QVERIFY(QMetaObject::invokeMethod(timer(name), "timeout")); }
    // Pointer onto the normal picture, then a click on the highlighted one that replaces it.
    void press(TwoPictureButton* button);

    std::unique_ptr<TestEnvironment> m_env;
    QPointer<exitpro> m_window;
};

void tst_exitpro::init()
{
    m_env = std::make_unique<TestEnvironment>();
}

void tst_exitpro::cleanup()
{
    m_env.reset();
}

exitpro* tst_exitpro::open()
{
    m_window = m_env->windows->show<exitpro>();
    return m_window;
}

void tst_exitpro::press(TwoPictureButton* button)
{
    QVERIFY(QTest::qWaitForWindowExposed(button->window()));
    QTest::mouseMove(button->normalPicture(), QPoint(5, 5));
    QTRY_VERIFY(button->highlightedPicture()->isVisible());
    QVERIFY(!button->normalPicture()->isVisible());
    QTest::mouseClick(button->highlightedPicture(), Qt::LeftButton, {}, QPoint(5, 5));
}

void tst_exitpro::startUp()
{
    exitpro* w = open();
    QCOMPARE(w->windowTitle(), kTitle);
    QCOMPARE(w->pos(), QPoint(tw(5000), tw(2500)));
    QCOMPARE(w->size(), QSize(tw(4530), tw(3330)));
    QVERIFY(!(w->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
    auto* question = w->findChild<QLabel*>(QStringLiteral("Label1"));
    QCOMPARE(question->text(), QStringLiteral("آيا براي خروج از برنامه اطمينان داريد"));
    QCOMPARE(question->font().pointSizeF(), 13.5);
    QVERIFY(question->font().bold());
    QCOMPARE(w->backupBox()->text(), kTitle);
    QVERIFY(!w->backupBox()->isChecked());
    for (const char* name : {"Timer1", "Timer2", "Timer3"}) {
        QVERIFY2(timer(name)->isActive(), name);
        QCOMPARE(timer(name)->interval(), 500);
    }
    for (TwoPictureButton* b : {w->okButton(), w->cancelButton()}) {
        QVERIFY(b->normalPicture()->isVisible());
        QVERIFY(!b->highlightedPicture()->isVisible());
    }
}

void tst_exitpro::titleSteps()
{
    exitpro* w = open();
    tick("Timer1");
    QCOMPARE(w->windowTitle(), kTitleA);
    QVERIFY(!timer("Timer1")->isActive());
    QVERIFY(timer("Timer2")->isActive());
    QCOMPARE(w->backupBox()->text(), kTitle); // until the caption timer copies it
    tick("Timer3");
    QCOMPARE(w->backupBox()->text(), kTitleA);

    tick("Timer2");
    QCOMPARE(w->windowTitle(), kTitleB);
    QVERIFY(!timer("Timer2")->isActive());
    QVERIFY(timer("Timer1")->isActive());
    tick("Timer3");
    QCOMPARE(w->backupBox()->text(), kTitleB);

    // A title shorter than two characters is put back rather than copied.
    w->setWindowTitle(QStringLiteral("x"));
    tick("Timer3");
    QCOMPARE(w->windowTitle(), kTitleA);
    QCOMPARE(w->backupBox()->text(), kTitleB);
    tick("Timer3");
    QCOMPARE(w->backupBox()->text(), kTitleA);
}

void tst_exitpro::titleAlternatesWhileOpen()
{
    exitpro* w = open();
    QStringList titles;
    connect(w, &QWidget::windowTitleChanged, this, [&](const QString& t) {
        if (titles.isEmpty() || titles.last() != t)
            titles << t;
    });
    QTRY_VERIFY_WITH_TIMEOUT(titles.size() >= 4, 5000);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(titles[i], (titles[0] == kTitleA) == (i % 2 == 0) ? kTitleA : kTitleB);
    QVERIFY(titles.contains(kTitleA) && titles.contains(kTitleB));
    // The check box's caption takes both texts in turn as well.
    QSet<QString> shown;
    for (int i = 0; i < 60 && shown.size() < 2; ++i) {
        QTest::qWait(50);
        if (w->backupBox()->text() != kTitle)
            shown << w->backupBox()->text();
    }
    QCOMPARE(shown, QSet<QString>({kTitleA, kTitleB}));
}

void tst_exitpro::hover()
{
    exitpro* w = open();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTest::mouseMove(w->okButton()->normalPicture(), QPoint(5, 5));
    QTRY_VERIFY(w->okButton()->highlightedPicture()->isVisible());
    QVERIFY(w->cancelButton()->normalPicture()->isVisible());
    QTest::mouseMove(w, QPoint(3, 3));
    QTRY_VERIFY(w->okButton()->normalPicture()->isVisible());
    QVERIFY(!w->okButton()->highlightedPicture()->isVisible());
    QTest::mouseMove(w->cancelButton()->normalPicture(), QPoint(5, 5));
    QTRY_VERIFY(w->cancelButton()->highlightedPicture()->isVisible());
    QVERIFY(w->okButton()->normalPicture()->isVisible());
    QCOMPARE(m_env->endProgramCalls, 0);
}

void tst_exitpro::yes_data()
{
    QTest::addColumn<bool>("ticked");
    QTest::newRow("box unticked: the program ends") << false;
    QTest::newRow("box ticked: the backup window") << true;
}

void tst_exitpro::yes()
{
    QFETCH(bool, ticked);
    exitpro* w = open();
    w->backupBox()->setChecked(true);
    if (!ticked)
        w->backupBox()->setChecked(false);
    press(w->okButton());
    if (ticked) {
        QCOMPARE(m_env->endProgramCalls, 0);
        Frmbackup* backup = m_env->windows->find<Frmbackup>();
        QVERIFY(backup && backup->isVisible());
        QVERIFY(m_window);
        QVERIFY(!m_window->isVisible());
        QCOMPARE(m_env->windows->find<exitpro>(), m_window.data());
    } else {
        QCOMPARE(m_env->endProgramCalls, 1);
        QVERIFY(!m_env->windows->find<Frmbackup>());
    }
    QVERIFY(!m_env->windows->find<Frm1>());
    QVERIFY(m_env->dialogs.calls.isEmpty());
}

void tst_exitpro::no()
{
    exitpro* w = open();
    w->backupBox()->setChecked(true); // No is No, whatever the box says
    press(w->cancelButton());
    Frm1* main = m_env->windows->find<Frm1>();
    QVERIFY(main && main->isVisible());
    QTRY_VERIFY(!m_window);
    QVERIFY(!m_env->windows->find<exitpro>());
    QVERIFY(!m_env->windows->find<Frmbackup>());
    QCOMPARE(m_env->endProgramCalls, 0);
}

void tst_exitpro::closeBox()
{
    open()->close();
    QVERIFY(!m_env->windows->find<exitpro>());
    QVERIFY(!m_env->windows->find<Frmbackup>());
    QVERIFY(!m_env->windows->find<Frm1>());
    QCOMPARE(m_env->endProgramCalls, 0);
}

void tst_exitpro::openedByMainWindow_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("top");
    QTest::addColumn<bool>("skinConfirmation");
    QTest::newRow("exit button") << "exit" << 2500 << false;
    QTest::newRow("theme change") << "theme" << 1500 << true;
    QTest::newRow("field names saved") << "fields" << 1500 << true;
}

void tst_exitpro::openedByMainWindow()
{
    QFETCH(QString, how);
    QFETCH(int, top);
    QFETCH(bool, skinConfirmation);
    QPointer<Frm1> main = m_env->showMain();
    if (how == QLatin1String("exit"))
        main->findChild<QPushButton*>(QStringLiteral("cmdExit"))->click();
    else if (how == QLatin1String("theme"))
        main->changeTheme(4);
    else
        main->saveFieldNames();
    QTRY_VERIFY(!main);
    exitpro* w = m_env->windows->find<exitpro>();
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->pos(), QPoint(tw(5000), tw(top)));
    QCOMPARE(bool(m_env->windows->find<Frmskin>()), skinConfirmation);
    QCOMPARE(m_env->endProgramCalls, 0);
}

void tst_exitpro::noAfterSkinConfirmation()
{
    QPointer<Frm1> first = m_env->showMain();
    first->changeTheme(2);
    QTRY_VERIFY(!first);
    m_window = m_env->windows->find<exitpro>();
    QVERIFY(m_window);
    // The skin confirmation brings the main window back first ...
    Frmskin* skin = m_env->windows->find<Frmskin>();
    QVERIFY(skin);
    emit skin->okButton()->clicked();
    QPointer<Frm1> second = m_env->windows->find<Frm1>();
    QVERIFY(second && second->isVisible());
    // ... and No then simply shows it.
    press(m_window->cancelButton());
    QCOMPARE(m_env->windows->find<Frm1>(), second.data());
    QVERIFY(second && second->isVisible());
    QTRY_VERIFY(!m_window);
    QCOMPARE(m_env->endProgramCalls, 0);
}

QTEST_MAIN(tst_exitpro)
#include "tst_exitpro.moc"

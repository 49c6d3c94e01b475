#include "TestEnvironment.h"

#include "shell/Frm1.h"
#include "shell/Frmskin.h"
#include "shell/Twips.h"
#include "shell/TwoPictureButton.h"
#include "shell/exitpro.h"
#include "subjects/FrmCode.h"
#include "subjects/RegistrationPanel.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
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

// The clinic details panel and the field names panel of the main window.
class TestSettingsPanels : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestEnvironment> env;

    template <class W = QPushButton> static W* child(QWidget* main, const QString& name)
    {
        W* w = main->findChild<W*>(name);
        if (!w)
            qFatal("no %s", qPrintable(name));
        return w;
    }
    static QPushButton* button(QWidget* main, const char* name) { return child(main, QString::fromLatin1(name)); }
    static QLineEdit* edit(QWidget* main, const QString& name) { return child<QLineEdit>(main, name); }

    QString stored(const QString& table, const QString& column)
    {
        QSqlQuery q = env->exec(QStringLiteral("SELECT \"%1\" FROM %2").arg(column, table));
        return q.next() ? q.value(0).toString() : QStringLiteral("<no row>");
    }

    Frm1* openClinicPanel()
    {
        Frm1* main = env->showMain();
        button(main, "cmdSettings")->click();
        button(main, "cmdClinic")->click();
        return main;
    }

    Frm1* openFieldNamesPanel()
    {
        Frm1* main = env->showMain();
        button(main, "cmdSettings")->click();
        button(main, "cmdFieldNames")->click();
        return main;
    }

    static void retype(QLineEdit* field, const QString& text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        typeText(field, text);
    }

    // Closes the main window with its close box and shows it again, created anew.
    Frm1* reopenMain(Frm1* main)
    {
        QPointer<Frm1> old(main);
        main->close();
        for (int i = 0; i < 100 && !old.isNull(); ++i)
            QTest::qWait(10);
        if (!old.isNull())
            qFatal("the main window was not deleted");
        return env->showMain();
    }

    static QLabel* titleLine(Frm1* main) { return child<QLabel>(main, QStringLiteral("titleLine")); }

private slots:
    void init()
    {
        env = std::make_unique<TestEnvironment>();
        env->exec(QStringLiteral("UPDATE Theme SET Name = ?, Adress = ?"),
                  {QStringLiteral("مرکز آرامش"), QStringLiteral("خیابان اول")});
    }
    void cleanup() { env.reset(); }

    void clinicPanelShowsTheStoredDetails()
    {
        Frm1* main = openClinicPanel();
        QWidget* panel = child<QWidget>(main, QStringLiteral("clinicPanel"));
        QVERIFY(panel->isVisible());
        QVERIFY(child<QWidget>(main, QStringLiteral("settingsPanel"))->isVisible());
        QCOMPARE(panel->geometry(), twRect(1620, 840, 6075, 2295));
        QCOMPARE(edit(main, QStringLiteral("clinicName"))->text(), QStringLiteral("مرکز آرامش"));
        QCOMPARE(edit(main, QStringLiteral("clinicAddress"))->text(), QStringLiteral("خیابان اول"));
        QCOMPARE(titleLine(main)->text(), QStringLiteral("مرکز آرامش"));
        QCOMPARE(button(main, "clinicSave")->text(), QStringLiteral("ذخيره "));
        QCOMPARE(button(main, "clinicCancel")->text(), QStringLiteral("انصراف"));
        for (const char* name : {"clinicName", "clinicAddress"}) {
            QLineEdit* field = edit(main, QString::fromLatin1(name));
            QCOMPARE(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
            QCOMPARE(field->layoutDirection(), Qt::RightToLeft);
        }
        QStringList captions;
        for (QLabel* l : panel->findChildren<QLabel*>())
            captions << l->text();
        QVERIFY(captions.contains(QStringLiteral(" :نام")));
        QVERIFY(captions.contains(QStringLiteral(" :آدرس")));
    }

    void titleLineFollowsEveryKeystroke()
    {
        Frm1* main = openClinicPanel();
        QLineEdit* name = edit(main, QStringLiteral("clinicName"));
        name->setFocus();
        name->selectAll();
        QTest::keyClick(name, Qt::Key_Backspace);
        QCOMPARE(titleLine(main)->text(), QString());
        const QString typed = QStringLiteral("کلینیک نو");
        for (int i = 0; i < typed.size(); ++i) {
            typeText(name, typed.mid(i, 1));
            QCOMPARE(titleLine(main)->text(), typed.left(i + 1));
        }
        QCOMPARE(stored(QStringLiteral("Theme"), QStringLiteral("Name")), QStringLiteral("مرکز آرامش"));
    }

    void saveClinicDetails_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address");
        QTest::newRow("Persian") << "کلینیک نو"
                                 << "میدان دوم، پلاک ۳";
        QTest::newRow("apostrophe") << "Dr O'Hara"
                                    << "1 King's Road";
        QTest::newRow("empty texts are stored as they are") << ""
                                                            << "";
    }
    void saveClinicDetails()
    {
        QFETCH(QString, name);
        QFETCH(QString, address);
        Frm1* main = openClinicPanel();
        retype(edit(main, QStringLiteral("clinicName")), name);
        retype(edit(main, QStringLiteral("clinicAddress")), address);
        QTest::mouseClick(button(main, "clinicSave"), Qt::LeftButton);
        QCOMPARE(stored(QStringLiteral("Theme"), QStringLiteral("Name")), name);
        QCOMPARE(stored(QStringLiteral("Theme"), QStringLiteral("Adress")), address);
        QCOMPARE(env->count(QStringLiteral("Theme")), 1);
        QVERIFY(!child<QWidget>(main, QStringLiteral("clinicPanel"))->isVisible());
        QVERIFY(child<QWidget>(main, QStringLiteral("settingsPanel"))->isVisible());
        QCOMPARE(titleLine(main)->text(), name);
        QVERIFY(env->dialogs.calls.isEmpty());
        // The theme is untouched and the next main window shows the new name.
        QCOMPARE(stored(QStringLiteral("Theme"), QStringLiteral("TH")), QStringLiteral("1"));
        QCOMPARE(titleLine(reopenMain(main))->text(), name);
    }

    void refusedClinicSaveKeepsThePanelAndWhatWasTyped()
    {
        env->exec(QStringLiteral("CREATE TRIGGER keep_theme BEFORE UPDATE ON Theme "
                                 "BEGIN SELECT RAISE(ABORT, 'theme is read-only'); END"));
        Frm1* main = openClinicPanel();
        retype(edit(main, QStringLiteral("clinicName")), QStringLiteral("کلینیک نو"));
        QTest::mouseClick(button(main, "clinicSave"), Qt::LeftButton);
        QCOMPARE(env->dialogs.calls.size(), 1);
        QCOMPARE(env->dialogs.calls[0].title, QStringLiteral("خطا"));
        QCOMPARE(env->dialogs.calls[0].icon, Dialogs::Icon::Warning);
        QVERIFY(env->dialogs.calls[0].text.contains(QStringLiteral("theme is read-only")));
        QVERIFY(child<QWidget>(main, QStringLiteral("clinicPanel"))->isVisible());
        QCOMPARE(edit(main, QStringLiteral("clinicName"))->text(), QStringLiteral("کلینیک نو"));
        QCOMPARE(stored(QStringLiteral("Theme"), QStringLiteral("Name")), QStringLiteral("مرکز آرامش"));
        // Once the file takes it, the same Save stores what is in the fields.
        env->exec(QStringLiteral("DROP TRIGGER keep_theme"));
        QTest::mouseClick(button(main, "clinicSave"), Qt::LeftButton);
        QCOMPARE(stored(QStringLiteral("Theme"), QStringLiteral("Name")), QStringLiteral("کلینیک نو"));
        QVERIFY(!child<QWidget>(main, QStringLiteral("clinicPanel"))->isVisible());
    }

    void cancelKeepsTypedValuesUnstored()
    {
        Frm1* main = openClinicPanel();
        retype(edit(main, QStringLiteral("clinicName")), QStringLiteral("نام موقت"));
        retype(edit(main, QStringLiteral("clinicAddress")), QStringLiteral("نشانی موقت"));
        QTest::mouseClick(button(main, "clinicCancel"), Qt::LeftButton);
        QVERIFY(!child<QWidget>(main, QStringLiteral("clinicPanel"))->isVisible());
        QCOMPARE(titleLine(main)->text(), QStringLiteral("نام موقت"));

        // Reopening shows what was typed; nothing of it is in the file.
        button(main, "cmdClinic")->click();
        QCOMPARE(edit(main, QStringLiteral("clinicName"))->text(), QStringLiteral("نام موقت"));
        QCOMPARE(edit(main, QStringLiteral("clinicAddress"))->text(), QStringLiteral("نشانی موقت"));
        QCOMPARE(stored(QStringLiteral("Theme"), QStringLiteral("Name")), QStringLiteral("مرکز آرامش"));

        // Closing the main window stores nothing either.
        Frm1* again = reopenMain(main);
        QCOMPARE(stored(QStringLiteral("Theme"), QStringLiteral("Name")), QStringLiteral("مرکز آرامش"));
        QCOMPARE(stored(QStringLiteral("Theme"), QStringLiteral("Adress")), QStringLiteral("خیابان اول"));
        QCOMPARE(titleLine(again)->text(), QStringLiteral("مرکز آرامش"));
    }

    void cancelledNameIsNotStoredByTheFieldNamesSave()
    {
        Frm1* main = openClinicPanel();
        retype(edit(main, QStringLiteral("clinicName")), QStringLiteral("نام موقت"));
        QTest::mouseClick(button(main, "clinicCancel"), Qt::LeftButton);
        button(main, "cmdFieldNames")->click();
        retype(edit(main, QStringLiteral("fieldName1")), QStringLiteral("نام کوچک"));
        QTest::mouseClick(button(main, "fieldNamesSave"), Qt::LeftButton);
        QCOMPARE(stored(QStringLiteral("Settings"), QStringLiteral("F1")), QStringLiteral("نام کوچک"));
        QCOMPARE(stored(QStringLiteral("Theme"), QStringLiteral("Name")), QStringLiteral("مرکز آرامش"));
    }

    void fieldNamesPanelLayout()
    {
        Frm1* main = env->showMain();
        button(main, "cmdSettings")->click();
        button(main, "cmdClinic")->click();
        button(main, "cmdFieldNames")->click();
        auto* panel = child<QGroupBox>(main, QStringLiteral("fieldNamesPanel"));
        QVERIFY(panel->isVisible());
        // Nothing else is hidden.
        QVERIFY(child<QWidget>(main, QStringLiteral("settingsPanel"))->isVisible());
        QVERIFY(child<QWidget>(main, QStringLiteral("clinicPanel"))->isVisible());
        QCOMPARE(panel->title(), QStringLiteral("تعريف نام فيلد ها"));
        QCOMPARE(panel->geometry(), twRect(1380, 780, 6555, 3015));
        QCOMPARE(button(main, "fieldNamesSave")->text(), QStringLiteral("ذخيره"));
        QCOMPARE(button(main, "fieldNamesExit")->text(), QStringLiteral("خروج"));
        QVERIFY(!main->findChild<QLineEdit*>(QStringLiteral("fieldName9")));

        QSqlQuery q = env->exec(QStringLiteral("SELECT F1, F2, F3, F4, F5, F6, F7, F8 FROM Settings"));
        QVERIFY(q.next());
        QRect at[8];
        for (int k = 1; k <= 8; ++k) {
            QLineEdit* field = edit(main, QStringLiteral("fieldName%1").arg(k));
            QCOMPARE(field->text(), q.value(k - 1).toString());
            QCOMPARE(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
            QCOMPARE(field->accessibleName(), QStringLiteral("F%1").arg(k));
            at[k - 1] = QRect(field->mapTo(panel, QPoint()), field->size());
            // The label "Fk" stands at the right of its field.
            QLabel* label = nullptr;
            for (QLabel* l : panel->findChildren<QLabel*>())
                if (l->buddy() == field)
                    label = l;
            QVERIFY(label);
            QCOMPARE(label->text(), QStringLiteral("F%1").arg(k));
            QVERIFY(label->mapTo(panel, QPoint()).x() > at[k - 1].x());
        }
        // Right to left, top to bottom: F1 F2 F3 / F4 F5 F6 / F7 F8.
        for (int row : {0, 3, 6})
            for (int k = row; k < qMin(row + 2, 7); ++k) {
                QCOMPARE(at[k].y(), at[k + 1].y());
                QVERIFY(at[k].x() > at[k + 1].x());
            }
        QVERIFY(at[3].y() > at[0].y());
        QVERIFY(at[6].y() > at[3].y());
        QCOMPARE(at[0].x(), at[3].x());
        QCOMPARE(at[3].x(), at[6].x());
    }

    void savedCaptionsComeBackWithANewMainWindow()
    {
        Frm1* main = openFieldNamesPanel();
        QPointer<Frm1> old(main);
        retype(edit(main, QStringLiteral("fieldName1")), QStringLiteral("نام کوچک"));
        retype(edit(main, QStringLiteral("fieldName2")), QStringLiteral("Family's name"));
        retype(edit(main, QStringLiteral("fieldName6")), QString());
        retype(edit(main, QStringLiteral("fieldName8")), QStringLiteral("تلفن همراه"));
        QTest::mouseClick(button(main, "fieldNamesSave"), Qt::LeftButton);

        QCOMPARE(stored(QStringLiteral("Settings"), QStringLiteral("F1")), QStringLiteral("نام کوچک"));
        QCOMPARE(stored(QStringLiteral("Settings"), QStringLiteral("F2")), QStringLiteral("Family's name"));
        QCOMPARE(stored(QStringLiteral("Settings"), QStringLiteral("F6")), QString());
        QCOMPARE(stored(QStringLiteral("Settings"), QStringLiteral("F8")), QStringLiteral("تلفن همراه"));
        QCOMPARE(env->count(QStringLiteral("Settings")), 1);
        QVERIFY(env->dialogs.calls.isEmpty());

        // The main window is gone; the skin confirmation and the exit confirmation are shown.
        QTRY_VERIFY(old.isNull());
        QVERIFY(!env->windows->find<Frm1>());
        auto* skin = env->windows->find<Frmskin>();
        QVERIFY(skin && skin->isVisible());
        auto* exit = env->windows->find<exitpro>();
        QVERIFY(exit && exit->isVisible());

        emit skin->okButton()->clicked();
        Frm1* again = env->windows->find<Frm1>();
        QVERIFY(again && again->isVisible());
        RegistrationPanel* reg = again->registrationPanel();
        QCOMPARE(reg->findChild<QLabel*>(QStringLiteral("regLabelF1"))->text(), QStringLiteral("نام کوچک"));
        QCOMPARE(reg->findChild<QLabel*>(QStringLiteral("regLabelF2"))->text(), QStringLiteral("Family's name"));
        QCOMPARE(reg->findChild<QLabel*>(QStringLiteral("regLabelF6"))->text(), QString());
        QCOMPARE(reg->findChild<QLabel*>(QStringLiteral("regLabelF8"))->text(), QStringLiteral("تلفن همراه"));
        QCOMPARE(reg->field(1)->accessibleName(), QStringLiteral("نام کوچک"));

        // An empty caption makes a message that begins with the bare suffix.
        button(again, "cmdRegister")->click();
        typeText(reg->codeField(), QStringLiteral("301"));
        for (int k = 1; k <= 5; ++k)
            typeText(reg->field(k), QStringLiteral("x"));
        QTest::mouseClick(child(again, QStringLiteral("regSave")), Qt::LeftButton);
        QCOMPARE(env->dialogs.texts(), QStringList{QStringLiteral(" را وارد کنيد")});
    }

    void exitFieldNamesStoresNothing()
    {
        Frm1* main = openFieldNamesPanel();
        const QString before = stored(QStringLiteral("Settings"), QStringLiteral("F3"));
        retype(edit(main, QStringLiteral("fieldName3")), QStringLiteral("جنسیت"));
        QTest::mouseClick(button(main, "fieldNamesExit"), Qt::LeftButton);
        QVERIFY(!child<QWidget>(main, QStringLiteral("fieldNamesPanel"))->isVisible());
        QVERIFY(child<QWidget>(main, QStringLiteral("settingsPanel"))->isVisible());
        QCOMPARE(stored(QStringLiteral("Settings"), QStringLiteral("F3")), before);
        // Reopened, the panel still shows the typed caption.
        button(main, "cmdFieldNames")->click();
        QCOMPARE(edit(main, QStringLiteral("fieldName3"))->text(), QStringLiteral("جنسیت"));
        // Closing the main window stores nothing; the next one shows the stored caption.
        Frm1* again = reopenMain(main);
        QCOMPARE(stored(QStringLiteral("Settings"), QStringLiteral("F3")), before);
        QCOMPARE(again->registrationPanel()->findChild<QLabel*>(QStringLiteral("regLabelF3"))->text(), before);
        QVERIFY(!env->windows->find<exitpro>());
    }

    void savedCaptionsReachTheSubjectBrowser()
    {
        env->addSubject(QStringLiteral("1"));
        Frm1* main = openFieldNamesPanel();
        retype(edit(main, QStringLiteral("fieldName3")), QStringLiteral("گروه"));
        QTest::mouseClick(button(main, "fieldNamesSave"), Qt::LeftButton);
        emit env->windows->find<Frmskin>()->okButton()->clicked();
        Frm1* again = env->windows->find<Frm1>();
        QVERIFY(again);
        button(again, "cmdBrowse")->click();
        auto* browser = env->windows->find<FrmCode>();
        QVERIFY(browser);
        QCOMPARE(browser->filterCaption(3)->text(), QStringLiteral("گروه"));
    }
};

QTEST_MAIN(TestSettingsPanels)
#include "tst_settingspanels.moc"

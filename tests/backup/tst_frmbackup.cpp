#include "FileSizeLimit.h"
#include "TestEnvironment.h"
#include "backup/Frmbackup.h"
#include "shell/Twips.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>
#include <memory>

using Icon = Dialogs::Icon;
using Answer = Dialogs::Answer;

namespace {

const QString kBackupDone = QStringLiteral("نسخه پشتيبان تهيه گرديد");
const QString kOverwriteQuestion =
    QStringLiteral("فايل پشتيباني با اين نام قبلا ايجاد شده آيا ميخواهيد اين فايل را جايگزين کنيد؟");
const QString kOverwriteRefused = QStringLiteral("عدم موفقيت در تهيه نسخه پشتيبان");
const QString kRestoreQuestion = QStringLiteral("آيا ميخواهيد اطلاعات را بازيابي کنيد؟");
const QString kRestoreDone = QStringLiteral("بازيابي اطلاعات انجام شد");
const QString kRestoreRefused = QStringLiteral("عدم موفقيت در بازيابي اطلاعات ");
const QString kCopyFailed = QStringLiteral("اشکال در ايجاد نسخه پشتيباني\r\n");

QByteArray readFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(f.errorString()));
    QCOMPARE(f.write(data), qint64(data.size()));
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class tst_Frmbackup : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startUp();
    void clock_data();
    void clock();
    void browse_data();
    void browse();
    void emptyField_data();
    void emptyField();
    void backupToNewFile();
    void backupOverLongerFile();
    void overwriteRefused();
    void backupFailsHalfway();
    void restoreFromShorterBackup();
    void restoreDeclined();
    void restoreRefused_data();
    void restoreRefused();
    void restoreFailsHalfway();
    void noSecondCopyWhileOneRuns();
    void exitDuringCopy();
    void helpPanel();
    void wayOut_data();
    void wayOut();

private:
    Frmbackup* open();
    template <class W = QWidget> W* child(const QString& name)
    {
        W* w = m_window ? m_window->findChild<W*>(name) : nullptr;
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    void click(const QString& name) { child<QPushButton>(name)->click(); }
    QString back(const QString& name) const { return QDir(m_env->folder()).filePath(QStringLiteral("Back/") + name); }
    QString backFolder() const { return m_env->folder() + QStringLiteral("/Back"); }
    QList<ScriptedDialogs::Call> messages() const;
    // A copy of the database as it is now, as a backup file in Back.
    QString makeBackup(const QString& name);
    void growDatabase(int subjects);

    std::unique_ptr<TestEnvironment> m_env;
    QPointer<Frmbackup> m_window;
};

void tst_Frmbackup::init()
{
    m_env = std::make_unique<TestEnvironment>();
    // 18 Ordibehesht 1394, 14:05.
    m_env->fixedNow = QDateTime(QDate(2015, 5, 8), QTime(14, 5, 33));
}

void tst_Frmbackup::cleanup()
{
    m_env.reset();
}

Frmbackup* tst_Frmbackup::open()
{
    m_window = m_env->windows->show<Frmbackup>();
    return m_window;
}

QList<ScriptedDialogs::Call> tst_Frmbackup::messages() const
{
    QList<ScriptedDialogs::Call> out;
    for (const auto& c : m_env->dialogs.calls)
        if (c.kind == QLatin1String("message"))
            out << c;
    return out;
}

QString tst_Frmbackup::makeBackup(const QString& name)
{
    const QString path = back(name);
    QFile::remove(path);
    if (!QFile::copy(m_env->databasePath(), path))
        qFatal("cannot copy the database");
    return path;
}

void tst_Frmbackup::growDatabase(int subjects)
{
    m_env->db.begin();
    for (int i = 0; i < subjects; ++i)
        m_env->addSubject(QStringLiteral("S%1").arg(i), QStringList(8, QString(200, u'x')));
    m_env->db.commit();
}

void tst_Frmbackup::startUp()
{
    Frmbackup* w = open();
    QCOMPARE(w->windowTitle(), QStringLiteral("Back up ...  Reastor"));
    QCOMPARE(w->pos(), QPoint(tw(2340), tw(765)));
    QCOMPARE(child<QLabel>("lblDate")->text(), QStringLiteral("1394.2.18"));
    QCOMPARE(child<QLabel>("lblTime")->text(), QStringLiteral("14.05"));
    QCOMPARE(child<QLabel>("lblDate2")->text(), QStringLiteral("1394.2.18"));
    QCOMPARE(w->defaultBackupName(), QStringLiteral("در تاريخ1394.2.18 ساعت)14.05).mdbB"));
    QCOMPARE(child<QPushButton>("b1")->text(), QStringLiteral("---"));
    QCOMPARE(child<QPushButton>("b2")->text(), QStringLiteral("---"));
    QCOMPARE(child<QPushButton>("cmdBackup")->text(), QStringLiteral("BACKUP"));
    QCOMPARE(child<QPushButton>("cmdRestore")->text(), QStringLiteral("REASTOR"));
    QCOMPARE(child<QPushButton>("cmdHelp")->text(), QStringLiteral("راهنما"));
    QCOMPARE(child<QPushButton>("cmdExit")->text(), QStringLiteral("خروج"));
    QVERIFY(child<QLineEdit>("Text1")->text().isEmpty());
    QVERIFY(child<QLineEdit>("Text2")->text().isEmpty());
    QVERIFY(!child("helpPanel")->isVisible());
    QVERIFY(child<QTimer>("Timer1")->isActive());
    QCOMPARE(child<QTimer>("Timer1")->interval(), 1000);
}

void tst_Frmbackup::clock_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("shown");
    QTest::newRow("afternoon") << QTime(16, 7, 59) << QStringLiteral("16.07");
    QTest::newRow("morning, no leading zero") << QTime(9, 5) << QStringLiteral("9.05");
    QTest::newRow("midnight") << QTime(0, 0) << QStringLiteral("0.00");
    QTest::newRow("last minute") << QTime(23, 59, 59) << QStringLiteral("23.59");
}

void tst_Frmbackup::clock()
{
    QFETCH(QTime, time);
    QFETCH(QString, shown);
    open();
    // The next day: the time follows the clock, the date stays the one of the opening.
    m_env->fixedNow = QDateTime(QDate(2015, 5, 9), time);
    QVERIFY(QMetaObject::invokeMethod(child<QTimer>("Timer1"), "timeout"));
    QCOMPARE(child<QLabel>("lblTime")->text(), shown);
    QCOMPARE(child<QLabel>("lblDate")->text(), QStringLiteral("1394.2.18"));
    QCOMPARE(m_window->defaultBackupName(),
             QStringLiteral("در تاريخ1394.2.18 ساعت)") + shown + QStringLiteral(").mdbB"));
}

void tst_Frmbackup::browse_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("withDefaultName");
    QTest::newRow("backup") << "b1"
                            << "Text1"
                            << "saveFile" << true;
    QTest::newRow("restore") << "b2"
                             << "Text2"
                             << "openFile" << false;
}

void tst_Frmbackup::browse()
{
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QString, kind);
    QFETCH(bool, withDefaultName);
    Frmbackup* w = open();
    auto* edit = child<QLineEdit>(field);
    edit->setText(QStringLiteral("typed"));

    // Cancel leaves the field as it was.
    click(button);
    QCOMPARE(m_env->dialogs.calls.size(), 1);
    const auto call = m_env->dialogs.calls.first();
    QCOMPARE(call.kind, kind);
    QCOMPARE(call.folder, backFolder());
    QCOMPARE(call.filter, QStringLiteral("Database Backup |*.mdbB"));
    QCOMPARE(call.defaultText, withDefaultName ? w->defaultBackupName() : QString());
    QCOMPARE(edit->text(), QStringLiteral("typed"));

    m_env->dialogs.files << back(QStringLiteral("chosen.mdbB"));
    click(button);
    QCOMPARE(edit->text(), back(QStringLiteral("chosen.mdbB")));
    QVERIFY(messages().isEmpty());
}

void tst_Frmbackup::emptyField_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("warning");
    QTest::newRow("backup") << "cmdBackup"
                            << "Text1"
                            << "" << QStringLiteral("لطفا مسير تهيه نسخه پشتيبان را وارد کنيد");
    QTest::newRow("backup, blanks only") << "cmdBackup"
                                         << "Text1"
                                         << "   " << QStringLiteral("لطفا مسير تهيه نسخه پشتيبان را وارد کنيد");
    QTest::newRow("restore") << "cmdRestore"
                             << "Text2"
                             << "" << QStringLiteral("لطفا مسير فايل مربوطه را وارد کنيد");
}

void tst_Frmbackup::emptyField()
{
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, warning);
    open();
    child<QLineEdit>(field)->setText(typed);
    click(button);
    QCOMPARE(messages().size(), 1);
    QCOMPARE(messages()[0].title, QStringLiteral("خطا"));
    QCOMPARE(messages()[0].text, warning);
    QCOMPARE(messages()[0].icon, Icon::Warning);
    QCOMPARE(m_env->endProgramCalls, 0);
    QVERIFY(m_window && m_window->isVisible());
    QCOMPARE(entries(backFolder()), QStringList());
}

void tst_Frmbackup::backupToNewFile()
{
    open();
    // Typed by hand, relative to the program folder, used as it is.
    child<QLineEdit>("Text1")->setText(QStringLiteral("Back/by hand.mdbB"));
    click("cmdBackup");
    QCOMPARE(m_env->dialogs.texts(QStringLiteral("message")), QStringList{kBackupDone});
    QCOMPARE(messages()[0].title, QString());
    QCOMPARE(m_env->endProgramCalls, 1);
    QCOMPARE(readFile(back(QStringLiteral("by hand.mdbB"))), readFile(m_env->databasePath()));
    QCOMPARE(entries(backFolder()), QStringList{QStringLiteral("by hand.mdbB")});
}

void tst_Frmbackup::backupOverLongerFile()
{
    const QString path = back(QStringLiteral("old.mdbB"));
    const qint64 dbSize = QFileInfo(m_env->databasePath()).size();
    writeFile(path, QByteArray(dbSize * 3, 'z'));
    open();
    child<QLineEdit>("Text1")->setText(path);
    m_env->dialogs.answers << Answer::Yes;
    click("cmdBackup");
    QCOMPARE(m_env->dialogs.texts(QStringLiteral("message")), QStringList({kOverwriteQuestion, kBackupDone}));
    QCOMPARE(messages()[0].buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(messages()[0].title, QString());
    QCOMPARE(QFileInfo(path).size(), dbSize);
    QCOMPARE(readFile(path), readFile(m_env->databasePath()));
    QCOMPARE(m_env->endProgramCalls, 1);
}

void tst_Frmbackup::overwriteRefused()
{
    const QString path = back(QStringLiteral("old.mdbB"));
    writeFile(path, "old backup");
    open();
    child<QLineEdit>("Text1")->setText(path);
    m_env->dialogs.answers << Answer::No;
    click("cmdBackup");
    QCOMPARE(m_env->dialogs.texts(QStringLiteral("message")), QStringList({kOverwriteQuestion, kOverwriteRefused}));
    QCOMPARE(messages()[1].icon, Icon::Information);
    QCOMPARE(readFile(path), QByteArray("old backup"));
    QCOMPARE(entries(backFolder()), QStringList{QStringLiteral("old.mdbB")});
    QCOMPARE(m_env->endProgramCalls, 0);
    QVERIFY(m_window && m_window->isVisible());
}

void tst_Frmbackup::backupFailsHalfway()
{
    growDatabase(50);
    QVERIFY(QFileInfo(m_env->databasePath()).size() > 64 * 1024);
    const QString path = back(QStringLiteral("old.mdbB"));
    writeFile(path, "old backup");
    open();
    child<QLineEdit>("Text1")->setText(path);
    m_env->dialogs.answers << Answer::Yes;
    {
        FileSizeLimit full(32 * 1024);
        click("cmdBackup");
    }
    QCOMPARE(messages().size(), 2);
    QVERIFY2(messages()[1].text.startsWith(kCopyFailed), qPrintable(messages()[1].text));
    QVERIFY(messages()[1].text.size() > kCopyFailed.size());
    QCOMPARE(messages()[1].icon, Icon::Critical);
    QCOMPARE(readFile(path), QByteArray("old backup"));
    QCOMPARE(entries(backFolder()), QStringList{QStringLiteral("old.mdbB")});
    QCOMPARE(m_env->endProgramCalls, 0);
    QVERIFY(m_window && m_window->isVisible());

    // The window is ready for another try.
    child<QLineEdit>("Text1")->setText(back(QStringLiteral("second.mdbB")));
    click("cmdBackup");
    QCOMPARE(m_env->dialogs.texts(QStringLiteral("message")).last(), kBackupDone);
    QCOMPARE(readFile(back(QStringLiteral("second.mdbB"))), readFile(m_env->databasePath()));
    QCOMPARE(m_env->endProgramCalls, 1);
}

void tst_Frmbackup::restoreFromShorterBackup()
{
    const QString backup = makeBackup(QStringLiteral("fresh.mdbB"));
    growDatabase(100);
    QVERIFY(QFileInfo(m_env->databasePath()).size() > QFileInfo(backup).size());
    open();
    child<QLineEdit>("Text2")->setText(backup);
    m_env->dialogs.answers << Answer::Yes;
    click("cmdRestore");
    QCOMPARE(m_env->dialogs.texts(QStringLiteral("message")), QStringList({kRestoreQuestion, kRestoreDone}));
    QCOMPARE(messages()[0].buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(messages()[1].title, QString());
    QCOMPARE(m_env->endProgramCalls, 1);
    QCOMPARE(readFile(m_env->databasePath()), readFile(backup));
    QCOMPARE(entries(m_env->folder() + QStringLiteral("/Pelimora1")), QStringList{QStringLiteral("Pelimora1.mdb")});
    // The program ends after a restore; opened again, it finds the backup's data.
    QVERIFY(m_env->db.open(m_env->databasePath()));
    QCOMPARE(m_env->count(QStringLiteral("IDE")), 0);
}

void tst_Frmbackup::restoreDeclined()
{
    const QString backup = makeBackup(QStringLiteral("fresh.mdbB"));
    growDatabase(3);
    const QByteArray before = readFile(m_env->databasePath());
    open();
    child<QLineEdit>("Text2")->setText(backup);
    m_env->dialogs.answers << Answer::No;
    click("cmdRestore");
    QCOMPARE(m_env->dialogs.texts(QStringLiteral("message")), QStringList({kRestoreQuestion, kRestoreRefused}));
    QCOMPARE(readFile(m_env->databasePath()), before);
    QCOMPARE(m_env->count(QStringLiteral("IDE")), 3);
    QCOMPARE(m_env->endProgramCalls, 0);
}

void tst_Frmbackup::restoreRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("text file") << "text";
    QTest::newRow("database of another program") << "foreign";
    QTest::newRow("damaged copy of ours") << "damaged";
    QTest::newRow("no such file") << "missing";
    QTest::newRow("a folder") << "folder";
}

void tst_Frmbackup::restoreRefused()
{
    QFETCH(QString, kind);
    growDatabase(2);
    QString path = back(QStringLiteral("chosen.mdbB"));
    if (kind == QLatin1String("text")) {
        writeFile(path, "not a database at all\r\n");
    } else if (kind == QLatin1String("foreign")) {
        {
            QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("foreign"));
            other.setDatabaseName(path);
            QVERIFY(other.open());
            QSqlQuery(other).exec(QStringLiteral("CREATE TABLE IDE (Code TEXT)"));
            other.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("foreign"));
    } else if (kind == QLatin1String("damaged")) {
        makeBackup(QStringLiteral("chosen.mdbB"));
        QByteArray bytes = readFile(path);
        for (qsizetype i = 4096; i < bytes.size(); ++i)
            bytes[i] = char(0x5a);
        writeFile(path, bytes);
    } else if (kind == QLatin1String("folder")) {
        path = backFolder();
    }
    const QByteArray before = readFile(m_env->databasePath());
    const QByteArray chosen = readFile(path);

    open();
    child<QLineEdit>("Text2")->setText(path);
    m_env->dialogs.answers << Answer::Yes;
    click("cmdRestore");
    QCOMPARE(messages().size(), 2);
    QCOMPARE(messages()[0].text, kRestoreQuestion);
    QCOMPARE(messages()[1].title, QStringLiteral("خطا"));
    QCOMPARE(messages()[1].icon, Icon::Warning);
    QVERIFY(!messages()[1].text.startsWith(kCopyFailed));
    QCOMPARE(readFile(m_env->databasePath()), before);
    QCOMPARE(readFile(path), chosen);
    QVERIFY(m_env->db.isOpen());
    QCOMPARE(m_env->count(QStringLiteral("IDE")), 2);
    QCOMPARE(m_env->endProgramCalls, 0);
    QVERIFY(m_window && m_window->isVisible());
}

void tst_Frmbackup::restoreFailsHalfway()
{
    growDatabase(60);
    const QString backup = makeBackup(QStringLiteral("big.mdbB"));
    m_env->exec(QStringLiteral("DELETE FROM IDE WHERE Code <> 'S0'"));
    const QByteArray before = readFile(m_env->databasePath());
    QVERIFY(QFileInfo(backup).size() > 64 * 1024);
    open();
    child<QLineEdit>("Text2")->setText(backup);
    m_env->dialogs.answers << Answer::Yes;
    {
        FileSizeLimit full(32 * 1024);
        click("cmdRestore");
    }
    QCOMPARE(messages().size(), 2);
    QVERIFY2(messages()[1].text.startsWith(kCopyFailed), qPrintable(messages()[1].text));
    QCOMPARE(messages()[1].icon, Icon::Critical);
    QCOMPARE(readFile(m_env->databasePath()), before);
    QCOMPARE(entries(m_env->folder() + QStringLiteral("/Pelimora1")), QStringList{QStringLiteral("Pelimora1.mdb")});
    // The program goes on with its database.
    QVERIFY(m_env->db.isOpen());
    QCOMPARE(m_env->count(QStringLiteral("IDE")), 1);
    QCOMPARE(m_env->endProgramCalls, 0);
}

void tst_Frmbackup::noSecondCopyWhileOneRuns()
{
    growDatabase(20);
    const QString backup = makeBackup(QStringLiteral("fresh.mdbB"));
    open();
    child<QLineEdit>("Text1")->setText(back(QStringLiteral("new.mdbB")));
    child<QLineEdit>("Text2")->setText(backup);
    m_env->dialogs.answers << Answer::Yes << Answer::Yes;
    m_env->dialogs.files << back(QStringLiteral("other.mdbB")) << back(QStringLiteral("other.mdbB"));
    bool copying = false;
    int ran = 0;
    // Runs at the copy's first yield to the event loop.
    QTimer::singleShot(0, m_window, [&] {
        copying = m_window->isCopying();
        click("b1");
        click("b2");
        click("cmdBackup");
        click("cmdRestore");
        ++ran;
    });
    click("cmdBackup");
    QVERIFY(copying);
    QCOMPARE(ran, 1);
    // Only the first copy ran: no dialog, question or second message.
    QCOMPARE(m_env->dialogs.calls.size(), 1);
    QCOMPARE(m_env->dialogs.calls[0].text, kBackupDone);
    QCOMPARE(readFile(back(QStringLiteral("new.mdbB"))), readFile(m_env->databasePath()));
    QCOMPARE(entries(backFolder()), QStringList({QStringLiteral("fresh.mdbB"), QStringLiteral("new.mdbB")}));
    QCOMPARE(m_env->endProgramCalls, 1);
}

void tst_Frmbackup::exitDuringCopy()
{
    growDatabase(20);
    const QString path = back(QStringLiteral("old.mdbB"));
    writeFile(path, "old backup");
    open();
    child<QLineEdit>("Text1")->setText(path);
    m_env->dialogs.answers << Answer::Yes;
    QTimer::singleShot(0, m_window, [this] { click("cmdExit"); });
    click("cmdBackup");
    QCOMPARE(m_env->endProgramCalls, 1);
    QVERIFY(!m_window);
    // Nothing after the question: the copy stopped, the old backup is whole.
    QCOMPARE(m_env->dialogs.texts(QStringLiteral("message")), QStringList{kOverwriteQuestion});
    QCOMPARE(readFile(path), QByteArray("old backup"));
    QCOMPARE(entries(backFolder()), QStringList{QStringLiteral("old.mdbB")});
}

void tst_Frmbackup::helpPanel()
{
    open();
    QWidget* panel = child("helpPanel");
    QVERIFY(!panel->isVisible());
    click("cmdHelp");
    QVERIFY(panel->isVisible());
    const QStringList lines = child<QPlainTextEdit>("txtHelp")->toPlainText().split(u'\n');
    QCOMPARE(lines.size(), 41);
    QCOMPARE(lines[0], QStringLiteral("اين قسمت از برنامه جهت پشتيبان گيري و "));
    QCOMPARE(lines[1], QStringLiteral("برگرداندن "));
    QCOMPARE(lines[39], QStringLiteral("موفق و پيروز باشيد"));
    QCOMPARE(lines[40], QString());
    click("cmdHelpExit");
    QVERIFY(!panel->isVisible());
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_env->endProgramCalls, 0);
}

void tst_Frmbackup::wayOut_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("exit button") << false;
    QTest::newRow("close box") << true;
}

void tst_Frmbackup::wayOut()
{
    QFETCH(bool, closeBox);
    open();
    if (closeBox)
        m_window->close();
    else
        click("cmdExit");
    QCOMPARE(m_env->endProgramCalls, 1);
    QVERIFY(m_env->dialogs.calls.isEmpty());
}

QTEST_MAIN(tst_Frmbackup)
#include "tst_frmbackup.moc"

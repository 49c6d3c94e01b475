#include "TestEnvironment.h"
#include "data/Database.h"
#include "data/DatabaseSchema.h"
#include "data/Scales.h"
#include "data/TextNumber.h"
#include "data/View.h"

#include <QFile>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QTemporaryDir>
#include <QTest>

class TestData : public QObject
{
    Q_OBJECT
private slots:
    void installedDatabase();
    void viewOperations_data();
    void viewOperations();
    void rowCountOfLargeTable();
    void fileCheck();
    void statements_data();
    void statements();
    void leadingNumber_data();
    void leadingNumber();
};

void TestData::installedDatabase()
{
    TestEnvironment env;
    QCOMPARE(env.count(QStringLiteral("Settings")), 1);
    QCOMPARE(env.count(QStringLiteral("Theme")), 1);
    for (const ScaleInfo& s : kScales) {
        QCOMPARE(env.count(QLatin1String(s.itemTable)), s.items);
        QCOMPARE(env.count(QLatin1String(s.answerTable)), 0);
        // One answer column per item, named by its number.
        QSqlQuery q = env.exec(QStringLiteral("SELECT * FROM %1").arg(QLatin1String(s.answerTable)));
        QCOMPARE(q.record().count(), s.items + 1);
        QCOMPARE(q.record().fieldName(s.items), QString::number(s.items));
    }
    QCOMPARE(env.exec(QStringLiteral("SELECT TH FROM Theme")).next(), true);
    QString error;
    QVERIFY(!DatabaseSchema::createFile(env.databasePath(), &error)); // never over an existing file
    QCOMPARE(Database::checkFile(env.databasePath(), true), Database::FileCheck::Ok);
}

// Each case runs a few view operations on IDE holding subject "1", then checks what
// the file and the view hold.
void TestData::viewOperations_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("lastOk");
    QTest::addColumn<int>("storedRows");
    QTest::addColumn<int>("viewRows");

    // Steps are separated by '|'; values keep their blanks.
    QTest::newRow("refresh drops an uncommitted change") << "set:F1=changed|refresh" << true << 1 << 1;
    QTest::newRow("refresh drops an added row") << "add|set:Code=2|refresh" << true << 1 << 1;
    QTest::newRow("added row committed") << "add|set:Code=2|commit" << true << 2 << 2;
    QTest::newRow("duplicate commit fails") << "add|set:Code=1|commit" << false << 1 << 2;
    QTest::newRow("apostrophe code stored") << "add|set:Code=O'Brien|commit|filter:O'Brien" << true << 2 << 1;
    QTest::newRow("apostrophe code refused twice")
        << "add|set:Code=O'Brien|commit|add|set:Code=O'Brien|commit" << false << 2 << 3;
    QTest::newRow("exact match: trailing blank differs") << "filter:1 " << true << 1 << 0;
    QTest::newRow("exact match: same code") << "filter:1" << true << 1 << 1;
    QTest::newRow("delete current row") << "filter:1|delete" << true << 0 << 0;
}

void TestData::viewOperations()
{
    QFETCH(QString, script);
    QFETCH(bool, lastOk);
    QFETCH(int, storedRows);
    QFETCH(int, viewRows);
    TestEnvironment env;
    env.addSubject(QStringLiteral("1"));
    View view(env.db, Tables::IDE);
    QVERIFY(view.open());
    bool ok = true;
    for (const QString& step : script.split(u'|')) {
        if (step == QLatin1String("add"))
            ok = view.addRow();
        else if (step == QLatin1String("refresh"))
            ok = view.refresh();
        else if (step == QLatin1String("commit"))
            ok = view.commit();
        else if (step == QLatin1String("delete"))
            ok = view.deleteRow();
        else if (step.startsWith(QLatin1String("set:"))) {
            const QStringList kv = step.mid(4).split(u'=');
            ok = view.setColumn(kv[0], kv[1]);
        } else if (step.startsWith(QLatin1String("filter:"))) {
            ok = view.filter(QStringLiteral("code"), step.mid(7));
        }
        if (!ok)
            QVERIFY(!view.lastError().isEmpty());
    }
    QCOMPARE(ok, lastOk);
    QCOMPARE(env.count(QStringLiteral("IDE")), storedRows);
    QCOMPARE(view.rowCount(), viewRows);
    if (script.startsWith(QLatin1String("set:F1")))
        QCOMPARE(env.value(QStringLiteral("IDE"), QStringLiteral("1"), QStringLiteral("F1")), QStringLiteral("v1"));
}

void TestData::rowCountOfLargeTable()
{
    TestEnvironment env;
    env.db.begin();
    for (int i = 0; i < 1000; ++i)
        env.exec(QStringLiteral("INSERT INTO AnswerAAS (Code) VALUES (?)"), {QString::number(i)});
    env.db.commit();
    View view(env.db, Tables::AnswerAAS);
    view.open();
    QVERIFY(view.model()->canFetchMore()); // the view has not read every row
    QCOMPARE(view.rowCount(), 1000);
    view.addRow();
    QCOMPARE(view.rowCount(), 1001);
    QVERIFY(view.filter(QStringLiteral("Code"), QStringLiteral("999")));
    QCOMPARE(view.rowCount(), 1);
    QCOMPARE(view.text(QStringLiteral("code")), QStringLiteral("999"));
    // A code that exists only in IDE is not in an answer table.
    env.exec(QStringLiteral("INSERT INTO IDE (Code) VALUES ('only-ide')"));
    View macr(env.db, Tables::AnswerMACR);
    macr.open();
    macr.filter(QStringLiteral("code"), QStringLiteral("only-ide"));
    QCOMPARE(macr.rowCount(), 0);
    QVERIFY(!macr.hasCurrent());
    // An empty filter value finds the fields that hold nothing, null or empty text alike.
    env.exec(QStringLiteral("INSERT INTO IDE (Code, F1) VALUES ('empty-f1', '')"));
    View ide(env.db, Tables::IDE);
    ide.open();
    ide.filter(QStringLiteral("F1"), QString());
    QCOMPARE(ide.rowCount(), 2);
}

void TestData::fileCheck()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("none.mdb"));
    QCOMPARE(Database::checkFile(missing), Database::FileCheck::Missing);
    Database db(QStringLiteral("check"));
    QVERIFY(!db.open(missing));
    QVERIFY(!QFile::exists(missing)); // never made in its place

    const QString text = dir.filePath(QStringLiteral("text.mdb"));
    QFile f(text);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("not a database at all, just some bytes of text\n");
    f.close();
    QCOMPARE(Database::checkFile(text), Database::FileCheck::NotOurs);

    const QString other = dir.filePath(QStringLiteral("other.mdb"));
    {
        QSqlDatabase s = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        s.setDatabaseName(other);
        QVERIFY(s.open());
        QSqlQuery(s).exec(QStringLiteral("CREATE TABLE IDE (Code TEXT)"));
        s.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    QCOMPARE(Database::checkFile(other), Database::FileCheck::NotOurs);
}

void TestData::statements_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("error"); // empty: accepted

    QByteArray aas;
    for (int i = 1; i <= 13; ++i)
        aas += "AAS\t" + QByteArray::number(i) + "\tجمله " + QByteArray::number(i) + "\n";
    QTest::newRow("whole scale") << aas << QString();
    QTest::newRow("wrong count") << aas.left(aas.lastIndexOf("AAS\t13")) << QStringLiteral("line 12:");
    QTest::newRow("duplicate") << aas + "AAS\t5\tagain\n" << QStringLiteral("line 14:");
    QTest::newRow("unknown item") << aas + "AAS\t14\textra\n" << QStringLiteral("line 14:");
    QTest::newRow("unknown scale") << "XYZ\t1\ttext\n" + aas << QStringLiteral("line 1:");
    QTest::newRow("bad encoding") << aas.left(20) + "\xff\xfe bad\n" + aas.mid(20) << QStringLiteral("line 2:");
}

void TestData::statements()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, error);
    TestEnvironment env;
    const QString before = env.value(QStringLiteral("AAS"), QStringLiteral("1"), QStringLiteral("1"));
    const QString path = env.folder() + QStringLiteral("/statements.tsv");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
    f.close();
    env.db.close(); // the tool works on the file alone
    QString message;
    const bool ok = DatabaseSchema::loadStatements(env.databasePath(), path, &message);
    env.db.open(env.databasePath());
    if (error.isEmpty()) {
        QVERIFY2(ok, qPrintable(message));
        QCOMPARE(env.value(QStringLiteral("AAS"), QStringLiteral("7"), QStringLiteral("1")), QStringLiteral("جمله 7"));
    } else {
        QVERIFY(!ok);
        QVERIFY2(message.startsWith(error), qPrintable(message));
        QCOMPARE(env.value(QStringLiteral("AAS"), QStringLiteral("1"), QStringLiteral("1")), before);
    }
}

void TestData::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("whole") << "3" << 3.0;
    QTest::newRow("point zero") << "3.0" << 3.0;
    QTest::newRow("fraction") << "3.5" << 3.5;
    QTest::newRow("second point ends") << "2.1.1" << 2.1;
    QTest::newRow("leading blanks") << "  12abc" << 12.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("negative") << "-4" << -4.0;
}

void TestData::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(::leadingNumber(text), value);
}

QTEST_MAIN(TestData)
#include "tst_data.moc"

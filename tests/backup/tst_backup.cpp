#include "backup/Backup.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include "FileSizeLimit.h"

#include <memory>

namespace {

QByteArray randomBytes(qint64 size, quint32 seed = 7)
{
    QByteArray data(size, Qt::Uninitialized);
    QRandomGenerator gen(seed);
    for (qint64 i = 0; i < size; ++i)
        data[i] = char(gen.bounded(256));
    return data;
}

void writeFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(f.errorString()));
    QCOMPARE(f.write(data), qint64(data.size()));
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return f.readAll();
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class tst_Backup : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void copiesExactly_data();
    void copiesExactly();
    void replacesLongerFile();
    void missingSource();
    void unwritableFolder_data();
    void unwritableFolder();
    void fullDiskHalfway();
    void stoppedHalfway();
    void replaceStepRunsLastAndCanRefuse();
    void failureMessage();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString folder() const { return m_dir->path(); }
    QString path(const char* name) const { return QDir(folder()).filePath(QLatin1String(name)); }
};

void tst_Backup::init()
{
    // A fresh folder per test, so that leftovers of one case cannot hide in the next.
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_Backup::copiesExactly_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<int>("blocks");
    QTest::newRow("empty") << qint64(0) << 0;
    QTest::newRow("one byte") << qint64(1) << 1;
    QTest::newRow("one byte short of a block") << qint64(4047) << 1;
    QTest::newRow("one block") << qint64(4048) << 1;
    QTest::newRow("one byte more") << qint64(4049) << 2;
    QTest::newRow("several blocks and a remainder") << qint64(5 * 4048 + 17) << 6;
}

void tst_Backup::copiesExactly()
{
    QFETCH(qint64, size);
    QFETCH(int, blocks);
    const QByteArray data = randomBytes(size);
    writeFile(path("db.mdb"), data);

    int yields = 0;
    Backup::CopyHooks hooks;
    hooks.beforeBlock = [&yields] {
        ++yields;
        return true;
    };
    QString error;
    QCOMPARE(Backup::CopyBackupFile(path("db.mdb"), path("copy.mdbB"), &error, hooks), 1);
    QCOMPARE(error, QString());
    QCOMPARE(yields, blocks);
    QCOMPARE(readFile(path("copy.mdbB")), data);
    QCOMPARE(entries(folder()), QStringList({"copy.mdbB", "db.mdb"}));
}

void tst_Backup::replacesLongerFile()
{
    const QByteArray data = randomBytes(3 * 4048 + 5, 1);
    writeFile(path("db.mdb"), data);
    writeFile(path("old.mdbB"), randomBytes(10 * 4048, 2));
    QCOMPARE(Backup::CopyBackupFile(path("db.mdb"), path("old.mdbB")), 1);
    QCOMPARE(QFileInfo(path("old.mdbB")).size(), qint64(data.size()));
    QCOMPARE(readFile(path("old.mdbB")), data);

    // And back from a shorter file.
    const QByteArray shorter = randomBytes(100, 3);
    writeFile(path("short.mdbB"), shorter);
    QCOMPARE(Backup::CopyBackupFile(path("short.mdbB"), path("db.mdb")), 1);
    QCOMPARE(readFile(path("db.mdb")), shorter);
}

void tst_Backup::missingSource()
{
    writeFile(path("old.mdbB"), "old backup");
    QString error;
    QCOMPARE(Backup::CopyBackupFile(path("none.mdb"), path("old.mdbB"), &error), 0);
    QVERIFY(!error.isEmpty());
    QCOMPARE(readFile(path("old.mdbB")), QByteArray("old backup"));
    QCOMPARE(Backup::CopyBackupFile(path("none.mdb"), path("new.mdbB"), &error), 0);
    QCOMPARE(entries(folder()), QStringList({"old.mdbB"}));
    // A folder is not a source either.
    QCOMPARE(Backup::CopyBackupFile(folder(), path("new.mdbB"), &error), 0);
    QVERIFY(!error.isEmpty());
    QCOMPARE(entries(folder()), QStringList({"old.mdbB"}));
}

void tst_Backup::unwritableFolder_data()
{
    QTest::addColumn<QString>("destination");
    QTest::newRow("folder missing") << QStringLiteral("no such folder/copy.mdbB");
    QTest::newRow("folder is a file") << QStringLiteral("plain.txt/copy.mdbB");
    QTest::newRow("destination is a folder") << QStringLiteral("sub");
}

void tst_Backup::unwritableFolder()
{
    QFETCH(QString, destination);
    writeFile(path("db.mdb"), randomBytes(9000));
    writeFile(path("plain.txt"), "text");
    QVERIFY(QDir(folder()).mkdir(QStringLiteral("sub")));
    QString error;
    QCOMPARE(Backup::CopyBackupFile(path("db.mdb"), QDir(folder()).filePath(destination), &error), 0);
    QVERIFY(!error.isEmpty());
    QCOMPARE(entries(folder()), QStringList({"db.mdb", "plain.txt"}));
    QCOMPARE(readFile(path("plain.txt")), QByteArray("text"));
    QVERIFY(entries(path("sub")).isEmpty());
}

void tst_Backup::fullDiskHalfway()
{
    const QByteArray data = randomBytes(64 * 1024);
    writeFile(path("db.mdb"), data);
    const QByteArray old = randomBytes(20000, 9);
    writeFile(path("old.mdbB"), old);
    QString error;
    {
        FileSizeLimit limit(16 * 1024);
        QCOMPARE(Backup::CopyBackupFile(path("db.mdb"), path("old.mdbB"), &error), 0);
    }
    QVERIFY(!error.isEmpty());
    QCOMPARE(readFile(path("old.mdbB")), old);
    QCOMPARE(entries(folder()), QStringList({"db.mdb", "old.mdbB"}));
}

void tst_Backup::stoppedHalfway()
{
    writeFile(path("db.mdb"), randomBytes(10 * 4048));
    writeFile(path("old.mdbB"), "old backup");
    int yields = 0;
    Backup::CopyHooks hooks;
    hooks.beforeBlock = [&yields] { return ++yields < 4; };
    QString error;
    QCOMPARE(Backup::CopyBackupFile(path("db.mdb"), path("old.mdbB"), &error, hooks), 0);
    QCOMPARE(yields, 4);
    QVERIFY(!error.isEmpty());
    QCOMPARE(readFile(path("old.mdbB")), QByteArray("old backup"));
    QCOMPARE(entries(folder()), QStringList({"db.mdb", "old.mdbB"}));
}

void tst_Backup::replaceStepRunsLastAndCanRefuse()
{
    const QByteArray data = randomBytes(3 * 4048);
    writeFile(path("db.mdb"), data);
    writeFile(path("old.mdbB"), "old backup");
    int yields = 0;
    int yieldsAtReplace = -1;
    QByteArray destinationAtReplace;
    Backup::CopyHooks hooks;
    hooks.beforeBlock = [&yields] {
        ++yields;
        return true;
    };
    hooks.beforeReplace = [&](QString& error) {
        yieldsAtReplace = yields;
        destinationAtReplace = readFile(path("old.mdbB"));
        error = QStringLiteral("not now");
        return false;
    };
    QString error;
    QCOMPARE(Backup::CopyBackupFile(path("db.mdb"), path("old.mdbB"), &error, hooks), 0);
    QCOMPARE(error, QStringLiteral("not now"));
    QCOMPARE(yieldsAtReplace, 3);
    QCOMPARE(destinationAtReplace, QByteArray("old backup"));
    QCOMPARE(readFile(path("old.mdbB")), QByteArray("old backup"));
    QCOMPARE(entries(folder()), QStringList({"db.mdb", "old.mdbB"}));

    hooks.beforeReplace = [](QString&) { return true; };
    QCOMPARE(Backup::CopyBackupFile(path("db.mdb"), path("old.mdbB"), &error, hooks), 1);
    QCOMPARE(readFile(path("old.mdbB")), data);
}

void tst_Backup::failureMessage()
{
    QCOMPARE(Backup::failureMessage(QStringLiteral("Disk full")),
             QStringLiteral("اشکال در ايجاد نسخه پشتيباني") + QStringLiteral("\r\nDisk full"));
}

QTEST_GUILESS_MAIN(tst_Backup)
#include "tst_backup.moc"

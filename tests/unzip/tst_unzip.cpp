// The extraction wrapper: CGUnzipFiles's properties and Unzip, CodeModule's callbacks and
// module state, over real archives written in the test.

#include "CGUnzipFiles.h"
#include "CodeModule.h"
#include "FakeUpdaterDialogs.h"
#include "UnzipError.h"
#include "ZipFixtures.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

using Answer = UpdaterDialogs::Answer;
Q_DECLARE_METATYPE(Answer)

class TestUnzip : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_temp;
    int m_case = 0;

    // A fresh folder for one test.
    QString folder(const QString& name)
    {
        const QString path = m_temp.filePath(QStringLiteral("%1-%2").arg(++m_case).arg(name));
        QDir().mkpath(path);
        return path;
    }

    static QByteArray text(const char* s) { return QByteArray(s); }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_temp.isValid()); }

    void defaults_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("value");
        const char* off[] = {"ExtractNewer",     "SpaceToUnderScore", "PromptOverwrite", "WriteToStdOut", "TestZip",
                             "ExtractOnlyNewer", "DisplayComment",    "ConvertCRtoCRLF", "Verbose"};
        for (const char* name : off)
            QTest::newRow(name) << QString::fromLatin1(name) << QVariant(false);
        for (const char* name : {"HonorDirectories", "OverWriteFiles", "CaseSensitive"})
            QTest::newRow(name) << QString::fromLatin1(name) << QVariant(true);
        QTest::newRow("MessageLevel") << QStringLiteral("MessageLevel") << QVariant(qint32(2));
        QTest::newRow("ExtractList") << QStringLiteral("ExtractList") << QVariant(qint32(0));
        QTest::newRow("Privilege") << QStringLiteral("Privilege") << QVariant(qint32(0));
        QTest::newRow("ZipFileName") << QStringLiteral("ZipFileName") << QVariant(QString());
        QTest::newRow("ExtractDir") << QStringLiteral("ExtractDir") << QVariant(QString());
    }
    void defaults()
    {
        QFETCH(QString, property);
        QFETCH(QVariant, value);
        FakeUpdaterDialogs dialogs;
        CGUnzipFiles unzip(dialogs);
        const QVariant actual = unzip.property(property.toLatin1().constData());
        QVERIFY2(actual.isValid(), "no such property");
        QCOMPARE(actual, value);
        QCOMPARE(unzip.metaObject()->propertyCount() - QObject::staticMetaObject.propertyCount(), 17);

        // Every property is writable and reads back what was written.
        QVariant other;
        if (value.typeId() == QMetaType::Bool)
            other = !value.toBool();
        else if (value.typeId() == QMetaType::QString)
            other = QStringLiteral("x");
        else
            other = qint32(70000);
        QVERIFY(unzip.setProperty(property.toLatin1().constData(), other));
        QCOMPARE(unzip.property(property.toLatin1().constData()), other);
    }

    // Empty texts use the properties; non-empty ones are stored into them first.
    void unzipUsesOrStoresTexts()
    {
        const QString base = folder(QStringLiteral("texts"));
        const QString first = base + QStringLiteral("/first.zip"), second = base + QStringLiteral("/second.zip");
        QVERIFY(makeZip(first, {ZipEntry::file(QStringLiteral("one.txt"), "1")}));
        QVERIFY(makeZip(second, {ZipEntry::file(QStringLiteral("two.txt"), "2")}));
        FakeUpdaterDialogs dialogs;
        CGUnzipFiles unzip(dialogs);

        unzip.setZipFileName(first);
        unzip.setExtractDir(base + QStringLiteral("/a"));
        QCOMPARE(unzip.Unzip(QString(), QString()), 0);
        QCOMPARE(readAll(base + QStringLiteral("/a/one.txt")), text("1"));

        QCOMPARE(unzip.Unzip(second, base + QStringLiteral("/b")), 0);
        QCOMPARE(readAll(base + QStringLiteral("/b/two.txt")), text("2"));
        QCOMPARE(unzip.ZipFileName(), second);
        QCOMPARE(unzip.ExtractDir(), base + QStringLiteral("/b"));

        // One text given, the other taken from its property.
        QCOMPARE(unzip.Unzip(first, QString()), 0);
        QCOMPARE(readAll(base + QStringLiteral("/b/one.txt")), text("1"));
        QCOMPARE(unzip.ZipFileName(), first);
        QCOMPARE(unzip.Unzip(QString(), base + QStringLiteral("/c")), 0);
        QCOMPARE(readAll(base + QStringLiteral("/c/one.txt")), text("1"));
        QCOMPARE(dialogs.calls.size(), 0);
    }

    void plainExtraction()
    {
        const QString base = folder(QStringLiteral("plain"));
        const QString zip = base + QStringLiteral("/setup.zip");
        const QString out = base + QStringLiteral("/out");
        const QByteArray binary = binaryData(200000, 7);
        const QByteArray readme = QByteArray("Ornavex\nsetup notes\n").repeated(500);
        QVERIFY(makeZip(zip, {ZipEntry::file(QStringLiteral("readme.txt"), readme),
                              ZipEntry::folder(QStringLiteral("empty/")),
                              ZipEntry::file(QStringLiteral("data/bin.dat"), binary, ZIP_CM_STORE),
                              ZipEntry::file(QStringLiteral("data/sub/deep.txt"), "deep")}));
        FakeUpdaterDialogs dialogs;
        CGUnzipFiles unzip(dialogs);
        unzip.setMessageLevel(0);
        QCOMPARE(unzip.Unzip(zip, out), 0);

        QCOMPARE(treeOf(out),
                 (QStringList{"data/", "data/bin.dat", "data/sub/", "data/sub/deep.txt", "empty/", "readme.txt"}));
        QCOMPARE(readAll(out + QStringLiteral("/readme.txt")), readme);
        QCOMPARE(readAll(out + QStringLiteral("/data/bin.dat")), binary);
        QCOMPARE(readAll(out + QStringLiteral("/data/sub/deep.txt")), text("deep"));

        const QString said = unzip.GetLastMessage();
        QVERIFY2(said.contains(zip), qPrintable(said));
        for (const char* name : {"/readme.txt", "/data/bin.dat", "/data/sub/deep.txt", "/empty/"})
            QVERIFY2(said.contains(QDir::cleanPath(out + QLatin1String(name))), qPrintable(said));
        QCOMPARE(said, CodeModule::lastMessage());

        // Quiet by default: a run that prints nothing leaves an empty last message, also
        // after a run that printed.
        unzip.setMessageLevel(2);
        QCOMPARE(unzip.Unzip(zip, out), 0);
        QCOMPARE(unzip.GetLastMessage(), QString());
        QCOMPARE(dialogs.calls.size(), 0);
    }

    // Yes replaces; No keeps this file and asks about the next; Cancel (104) keeps this
    // and every further existing file without asking again.
    void existingFile_data()
    {
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QByteArray>("a");
        QTest::addColumn<QByteArray>("b");
        QTest::newRow("yes") << QList<Answer>{Answer::Yes, Answer::Yes} << 2 << text("new a") << text("new b");
        QTest::newRow("no") << QList<Answer>{Answer::No, Answer::Yes} << 2 << text("old a") << text("new b");
        QTest::newRow("cancel") << QList<Answer>{Answer::Cancel} << 1 << text("old a") << text("old b");
    }
    void existingFile()
    {
        QFETCH(QList<Answer>, answers);
        QFETCH(int, questions);
        QFETCH(QByteArray, a);
        QFETCH(QByteArray, b);
        const QString base = folder(QStringLiteral("existing"));
        const QString zip = base + QStringLiteral("/u.zip");
        const QString out = base + QStringLiteral("/out");
        QVERIFY(makeZip(zip, {ZipEntry::file(QStringLiteral("a.txt"), "new a"),
                              ZipEntry::file(QStringLiteral("b.txt"), "new b"),
                              ZipEntry::file(QStringLiteral("c.txt"), "new c")}));
        QVERIFY(writeFile(out + QStringLiteral("/a.txt"), "old a"));
        QVERIFY(writeFile(out + QStringLiteral("/b.txt"), "old b"));

        FakeUpdaterDialogs dialogs;
        for (Answer answer : answers)
            dialogs.answers.append(answer);
        CGUnzipFiles unzip(dialogs);
        unzip.setOverWriteFiles(false);
        unzip.setPromptOverwrite(true);
        QCOMPARE(unzip.Unzip(zip, out), 0);

        QCOMPARE(dialogs.calls.size(), questions);
        QCOMPARE(dialogs.unscripted, 0);
        const auto& first = dialogs.calls.first();
        QCOMPARE(first.kind, QStringLiteral("message"));
        QCOMPARE(first.title, QStringLiteral("VBUnZip32 - File Already Exists!"));
        QCOMPARE(first.text,
                 QStringLiteral("Overwrite ") + QDir::cleanPath(out + QStringLiteral("/a.txt")) + QStringLiteral("?"));
        QCOMPARE(first.icon, UpdaterDialogs::Icon::Warning);
        QCOMPARE(first.buttons, UpdaterDialogs::Buttons::YesNoCancel);
        QCOMPARE(readAll(out + QStringLiteral("/a.txt")), a);
        QCOMPARE(readAll(out + QStringLiteral("/b.txt")), b);
        QCOMPARE(readAll(out + QStringLiteral("/c.txt")), text("new c"));
        QCOMPARE(treeOf(out), (QStringList{"a.txt", "b.txt", "c.txt"}));
    }

    // The replace callback's answers to the library, and the name cut at 256 bytes.
    void replaceCallbackAnswers_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<int>("code");
        QTest::newRow("yes") << Answer::Yes << 102;
        QTest::newRow("no") << Answer::No << 100;
        QTest::newRow("cancel") << Answer::Cancel << 104;
    }
    void replaceCallbackAnswers()
    {
        QFETCH(Answer, answer);
        QFETCH(int, code);
        FakeUpdaterDialogs dialogs;
        dialogs.answers.append(answer);
        CodeModule::setDialogs(&dialogs);
        QByteArray name = QByteArray(300, 'n');
        QCOMPARE(CodeModule::replaceCallback(name.data()), code);
        QCOMPARE(dialogs.calls.size(), 1);
        QCOMPARE(dialogs.calls.first().text, QStringLiteral("Overwrite ") + QString(256, u'n') + QStringLiteral("?"));
        CodeModule::setDialogs(nullptr);
    }

    void encrypted_data()
    {
        QTest::addColumn<int>("method");
        QTest::newRow("traditional") << int(ZIP_EM_TRAD_PKWARE);
        QTest::newRow("aes-256") << int(ZIP_EM_AES_256);
    }
    void encrypted()
    {
        QFETCH(int, method);
        const QString base = folder(QStringLiteral("encrypted"));
        const QString zip = base + QStringLiteral("/secret.zip");
        const QByteArray big = binaryData(100000, 3);
        QVERIFY(makeZip(zip, {ZipEntry::encrypted(QStringLiteral("a.txt"), "alpha", zip_uint16_t(method), "s3cret"),
                              ZipEntry::encrypted(QStringLiteral("b.bin"), big, zip_uint16_t(method), "s3cret")}));
        FakeUpdaterDialogs dialogs;
        CGUnzipFiles unzip(dialogs);

        // The right password, asked once for both entries.
        dialogs.inputs.append(QStringLiteral("s3cret"));
        QCOMPARE(unzip.Unzip(zip, base + QStringLiteral("/right")), 0);
        QCOMPARE(dialogs.calls.size(), 1);
        QCOMPARE(dialogs.calls.first().kind, QStringLiteral("input"));
        QCOMPARE(dialogs.calls.first().text, QStringLiteral("Please Enter The Password!"));
        QCOMPARE(readAll(base + QStringLiteral("/right/a.txt")), text("alpha"));
        QCOMPARE(readAll(base + QStringLiteral("/right/b.bin")), big);

        // A wrong password is asked for again.
        dialogs.calls.clear();
        dialogs.inputs = {QStringLiteral("wrong"), QStringLiteral("s3cret")};
        QCOMPARE(unzip.Unzip(zip, base + QStringLiteral("/retry")), 0);
        QCOMPARE(dialogs.calls.size(), 2);
        QCOMPARE(readAll(base + QStringLiteral("/retry/b.bin")), big);

        // An empty answer: no further prompt in this extraction, nothing written.
        dialogs.calls.clear();
        dialogs.inputs = {QString()};
        QCOMPARE(unzip.Unzip(zip, base + QStringLiteral("/declined")), 82);
        QCOMPARE(dialogs.calls.size(), 1);
        QCOMPARE(treeOf(base + QStringLiteral("/declined")), QStringList());
        QVERIFY(CodeModule::state().passwordDeclined);

        // The next extraction asks again.
        dialogs.calls.clear();
        dialogs.inputs = {QStringLiteral("s3cret")};
        QCOMPARE(unzip.Unzip(zip, base + QStringLiteral("/again")), 0);
        QCOMPARE(dialogs.calls.size(), 1);
        QCOMPARE(readAll(base + QStringLiteral("/again/a.txt")), text("alpha"));
        QCOMPARE(dialogs.unscripted, 0);
    }

    // The password buffer: zeroed over its size (at most 257), the answer cut so that the NUL fits.
    void passwordBuffer_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("answerLength");
        QTest::addColumn<int>("copied");
        QTest::newRow("short answer") << 80 << 6 << 6;
        QTest::newRow("cut to the buffer") << 10 << 20 << 9;
        QTest::newRow("never past 257 bytes") << 300 << 300 << 256;
    }
    void passwordBuffer()
    {
        QFETCH(int, size);
        QFETCH(int, answerLength);
        QFETCH(int, copied);
        FakeUpdaterDialogs dialogs;
        dialogs.inputs.append(QString(answerLength, u'p'));
        CodeModule::setDialogs(&dialogs);
        QByteArray buffer(400, 'X');
        QCOMPARE(CodeModule::passwordCallback(buffer.data(), size, "prompt", "entry"), 0);
        CodeModule::setDialogs(nullptr);
        QCOMPARE(buffer.left(copied), QByteArray(copied, 'p'));
        const int cleared = std::min(size, 257);
        QCOMPARE(buffer.mid(copied, cleared - copied), QByteArray(cleared - copied, '\0'));
        QCOMPARE(buffer.mid(cleared), QByteArray(400 - cleared, 'X'));
    }

    // The print callback: up to the length or the first NUL, at most 32801 bytes; a text that
    // starts with a line feed becomes CR LF.
    void printCallback_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("appended");
        QTest::newRow("whole") << text("inflating\n") << 10 << QStringLiteral("inflating\n");
        QTest::newRow("up to the length") << text("abcdef") << 3 << QStringLiteral("abc");
        QTest::newRow("up to a NUL") << QByteArray("ab\0cd", 5) << 5 << QStringLiteral("ab");
        QTest::newRow("leading line feed") << text("\nrest") << 5 << QStringLiteral("\r\n");
        QTest::newRow("inner line feed kept") << text("a\nb") << 3 << QStringLiteral("a\nb");
        QTest::newRow("cap") << QByteArray(40000, 'x') << 40000 << QString(32801, u'x');
        QTest::newRow("non-ASCII") << QStringLiteral("خطا").toLocal8Bit() << 6 << QStringLiteral("خطا");
    }
    void printCallback()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, length);
        QFETCH(QString, appended);
        const QString before = CodeModule::lastMessage();
        QCOMPARE(CodeModule::printCallback(bytes.data(), static_cast<unsigned long>(length)), 0);
        QCOMPARE(CodeModule::lastMessage().mid(before.size()), appended);
    }

    void testMode()
    {
        const QString base = folder(QStringLiteral("test"));
        const QString zip = base + QStringLiteral("/t.zip");
        const QByteArray payload = QByteArray("0123456789abcdefghij").repeated(50);
        QVERIFY(makeZip(zip, {ZipEntry::file(QStringLiteral("a.txt"), payload, ZIP_CM_STORE),
                              ZipEntry::file(QStringLiteral("b.txt"), "bee")}));
        FakeUpdaterDialogs dialogs;
        CGUnzipFiles unzip(dialogs);
        unzip.setTestZip(true);
        unzip.setMessageLevel(0);
        const QString out = base + QStringLiteral("/out");
        QCOMPARE(unzip.Unzip(zip, out), 0);
        QVERIFY(unzip.GetLastMessage().contains(QStringLiteral("No errors")));
        QVERIFY(!QFileInfo::exists(out));

        QVERIFY(damage(zip, payload.mid(400, 20)));
        QCOMPARE(unzip.Unzip(zip, out), 2);
        QVERIFY2(unzip.GetLastMessage().contains(QStringLiteral("a.txt: bad CRC")), qPrintable(unzip.GetLastMessage()));
        QVERIFY(!QFileInfo::exists(out));
    }

    // An entry that fails its CRC leaves no partial file, and an older file as it was.
    void damagedEntryWritesNothing()
    {
        const QString base = folder(QStringLiteral("damaged"));
        const QString zip = base + QStringLiteral("/d.zip");
        const QString out = base + QStringLiteral("/out");
        const QByteArray payload = QByteArray("the new program file ").repeated(200);
        QVERIFY(makeZip(zip, {ZipEntry::file(QStringLiteral("prog.bin"), payload, ZIP_CM_STORE),
                              ZipEntry::file(QStringLiteral("new.bin"), payload, ZIP_CM_STORE),
                              ZipEntry::file(QStringLiteral("fine.txt"), "fine")}));
        // Damage the first copy only: both entries hold the same bytes.
        QVERIFY(damage(zip, payload.left(60)));
        QVERIFY(writeFile(out + QStringLiteral("/prog.bin"), "old program"));

        FakeUpdaterDialogs dialogs;
        CGUnzipFiles unzip(dialogs);
        QCOMPARE(unzip.Unzip(zip, out), 2);
        QCOMPARE(readAll(out + QStringLiteral("/prog.bin")), text("old program"));
        QCOMPARE(readAll(out + QStringLiteral("/new.bin")), payload);
        QCOMPARE(readAll(out + QStringLiteral("/fine.txt")), text("fine"));
        QCOMPARE(treeOf(out), (QStringList{"fine.txt", "new.bin", "prog.bin"}));
        QVERIFY(unzip.GetLastMessage().contains(QStringLiteral("prog.bin")));
    }

    void missingArchive()
    {
        const QString base = folder(QStringLiteral("missing"));
        FakeUpdaterDialogs dialogs;
        CGUnzipFiles unzip(dialogs);
        const QString zip = base + QStringLiteral("/nothing.zip");
        QCOMPARE(unzip.Unzip(zip, base + QStringLiteral("/out")), 9);
        QVERIFY(unzip.GetLastMessage().contains(zip));
        QVERIFY(!QFileInfo::exists(base + QStringLiteral("/out")));
    }

    // An entry whose path is absolute or climbs out of the folder is skipped and told about,
    // whatever the message level; the rest is extracted and the result is a warning.
    void pathOutsideFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("wouldLand"); // relative to the test's folder; empty: not checked
        QTest::newRow("parent") << QStringLiteral("../evil.txt") << QStringLiteral("evil.txt");
        QTest::newRow("deeper climb") << QStringLiteral("a/../../evil.txt") << QStringLiteral("evil.txt");
        QTest::newRow("backslashes") << QStringLiteral("..\\evil.txt") << QStringLiteral("evil.txt");
        QTest::newRow("absolute") << QStringLiteral("ABSOLUTE") << QStringLiteral("abs-evil.txt");
        QTest::newRow("drive letter") << QStringLiteral("C:/evil.txt") << QString();
    }
    void pathOutsideFolder()
    {
        QFETCH(QString, name);
        QFETCH(QString, wouldLand);
        const QString base = folder(QStringLiteral("outside"));
        if (name == u"ABSOLUTE")
            name = base + QStringLiteral("/abs-evil.txt");
        const QString zip = base + QStringLiteral("/x.zip");
        const QString out = base + QStringLiteral("/out");
        QVERIFY(makeZip(zip, {ZipEntry::file(name, "gotcha"), ZipEntry::file(QStringLiteral("good.txt"), "good")}));

        FakeUpdaterDialogs dialogs;
        CGUnzipFiles unzip(dialogs);
        QCOMPARE(unzip.Unzip(zip, out), 1);
        QCOMPARE(treeOf(out), QStringList{"good.txt"});
        if (!wouldLand.isEmpty())
            QVERIFY(!QFileInfo::exists(base + u'/' + wouldLand));
        const QString said = unzip.GetLastMessage();
        QVERIFY2(said.contains(QStringLiteral("skipped ") + name), qPrintable(said));
        QVERIFY(said.contains(QStringLiteral("outside the extraction folder")));
    }

    // The integer options go to the library as 16-bit values.
    void overflow_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<qint32>("value");
        QTest::addColumn<bool>("overflows");
        QTest::newRow("MessageLevel 32768") << QStringLiteral("MessageLevel") << 32768 << true;
        QTest::newRow("MessageLevel -32769") << QStringLiteral("MessageLevel") << -32769 << true;
        QTest::newRow("MessageLevel 32767") << QStringLiteral("MessageLevel") << 32767 << false;
        QTest::newRow("MessageLevel -32768") << QStringLiteral("MessageLevel") << -32768 << false;
        QTest::newRow("ExtractList 100000") << QStringLiteral("ExtractList") << 100000 << true;
        QTest::newRow("Privilege -40000") << QStringLiteral("Privilege") << -40000 << true;
    }
    void overflow()
    {
        QFETCH(QString, property);
        QFETCH(qint32, value);
        QFETCH(bool, overflows);
        const QString base = folder(QStringLiteral("overflow"));
        const QString zip = base + QStringLiteral("/o.zip");
        QVERIFY(makeZip(zip, {ZipEntry::file(QStringLiteral("o.txt"), "o")}));
        FakeUpdaterDialogs dialogs;
        CGUnzipFiles unzip(dialogs);
        unzip.setProperty(property.toLatin1().constData(), value);
        const QString out = base + QStringLiteral("/out");
        if (!overflows) {
            QCOMPARE(unzip.Unzip(zip, out), 0);
            return;
        }
        try {
            unzip.Unzip(zip, out);
            QFAIL("no error raised");
        } catch (const UnzipError& error) {
            QCOMPARE(error.number(), 6);
            QCOMPARE(error.description(), QStringLiteral("Overflow"));
            QCOMPARE(error.source(), QStringLiteral("CGUnZipFiles::Unzip"));
        }
        QVERIFY(!QFileInfo::exists(out));
    }

    // A run-time error met in VBUnzip comes out under its own source, and from Unzip under
    // the class's, with the same number and description.
    void errorsRaisedAgain()
    {
        const UnzipError met(53, QStringLiteral("File not found"));
        const UnzipError module = met.raisedBy(QStringLiteral("CodeModule::VBUnzip"));
        const UnzipError cls = module.raisedBy(QStringLiteral("CGUnZipFiles::Unzip"));
        QCOMPARE(cls.number(), 53);
        QCOMPARE(cls.description(), QStringLiteral("File not found"));
        QCOMPARE(cls.source(), QStringLiteral("CGUnZipFiles::Unzip"));
        QCOMPARE(module.source(), QStringLiteral("CodeModule::VBUnzip"));
    }

    // The listing goes to the message callback only: nothing written, nothing printed.
    void listing()
    {
        const QString base = folder(QStringLiteral("list"));
        const QString zip = base + QStringLiteral("/l.zip");
        QVERIFY(makeZip(
            zip, {ZipEntry::file(QStringLiteral("a.txt"), "alpha"), ZipEntry::file(QStringLiteral("b.txt"), "beta")}));
        FakeUpdaterDialogs dialogs;
        CGUnzipFiles unzip(dialogs);
        unzip.setExtractList(1);
        QCOMPARE(unzip.Unzip(zip, base + QStringLiteral("/out")), 0);
        QVERIFY(!QFileInfo::exists(base + QStringLiteral("/out")));
        QCOMPARE(CodeModule::state().entryCounter, qint16(2));
        QVERIFY(CodeModule::state().listing.contains(QStringLiteral("b.txt")));
        QCOMPARE(unzip.GetLastMessage(), QString());
    }
};

QTEST_MAIN(TestUnzip)
#include "tst_unzip.moc"

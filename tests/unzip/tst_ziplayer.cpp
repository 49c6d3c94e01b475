// The unzip library on its own: the records, the options and the result codes, driven
// through recording callbacks over archives written in the test.

#include "UnzipLibrary.h"
#include "ZipFixtures.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cstring>

namespace {

struct Listed
{
    QByteArray name;
    std::uint64_t size;
    QByteArray method;
    unsigned long crc;
    char encrypted;
    unsigned year;
};

// What the callbacks saw, and how they answer.
struct Recorder
{
    QByteArray printed;
    int longestPrint = 0;
    QList<QByteArray> asked;     // names given to the replace callback
    QList<int> replaceAnswers;   // answers, in turn; none left: 100
    QList<QByteArray> passwords; // answers, in turn; none left: no password (1)
    int passwordCalls = 0;
    int passwordAbortAt = -1; // the call (from 0) that answers "stop"
    QList<Listed> listed;
    QList<QByteArray> serviced;
    int serviceStopAt = -1; // the entry (from 0) at which the service callback stops the run
    int sounds = 0;
} rec;

int recPrint(char* text, unsigned long length)
{
    rec.printed.append(text, qsizetype(length));
    rec.longestPrint = std::max(rec.longestPrint, int(length));
    return 0;
}
void recSound()
{
    ++rec.sounds;
}
int recReplace(char* name)
{
    rec.asked << QByteArray(name);
    return rec.replaceAnswers.isEmpty() ? UZ_REPLACE_NO : rec.replaceAnswers.takeFirst();
}
int recPassword(char* buffer, int size, const char*, const char*)
{
    const int call = rec.passwordCalls++;
    if (call == rec.passwordAbortAt)
        return UZ_PASSWORD_ABORT;
    if (rec.passwords.isEmpty())
        return UZ_PASSWORD_NONE;
    const QByteArray answer = rec.passwords.takeFirst();
    std::memset(buffer, 0, size_t(size));
    std::memcpy(buffer, answer.constData(), size_t(std::min<qsizetype>(answer.size(), size - 1)));
    return UZ_PASSWORD_ENTERED;
}
void recMessage(std::uint64_t size, std::uint64_t, unsigned, unsigned, unsigned, unsigned year, unsigned, unsigned,
                char, const char* name, const char* method, unsigned long crc, char encrypted)
{
    rec.listed.append({QByteArray(name), size, QByteArray(method), crc, encrypted, year});
}
int recService(const char* name, std::uint64_t)
{
    const int at = int(rec.serviced.size());
    rec.serviced << QByteArray(name);
    return at == rec.serviceStopAt ? 1 : 0;
}

// An option record as a caller fills it: overwrite on, directories honoured, quiet.
struct Options
{
    DCL dcl{};
    QByteArray zip, dir;
    Options(const QString& zipFile, const QString& folder)
        : zip(QFile::encodeName(zipFile)), dir(QFile::encodeName(folder))
    {
        dcl.honourDirectories = 1;
        dcl.overwrite = 1;
        dcl.quietLevel = 2;
        dcl.zipFileName = zip.constData();
        dcl.extractDir = dir.constData();
    }
};

USERFUNCTIONS callbacks()
{
    USERFUNCTIONS uf{};
    uf.print = recPrint;
    uf.sound = recSound;
    uf.replace = recReplace;
    uf.password = recPassword;
    uf.sendMessage = recMessage;
    uf.service = recService;
    return uf;
}

int run(Options& options, QList<QByteArray> include = {}, QList<QByteArray> exclude = {},
        USERFUNCTIONS* filled = nullptr)
{
    QList<char*> in, ex;
    for (QByteArray& name : include)
        in << name.data();
    for (QByteArray& name : exclude)
        ex << name.data();
    USERFUNCTIONS uf = callbacks();
    const int result = Wiz_SingleEntryUnzip(int(in.size()), in.data(), int(ex.size()), ex.data(), &options.dcl, &uf);
    if (filled)
        *filled = uf;
    return result;
}

} // namespace

class TestZipLayer : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_temp;
    int m_case = 0;

    QString folder()
    {
        const QString path = m_temp.filePath(QString::number(++m_case));
        QDir().mkpath(path);
        return path;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_temp.isValid()); }
    void init() { rec = Recorder{}; }

    void versionRecord()
    {
        UzpVersionRecord version{};
        version.structLength = 64;
        UzpVersion2(&version);
        QCOMPARE(QByteArray(version.compressionLib), QByteArray(zip_libzip_version()));
        QCOMPARE(QByteArray(version.betaLevel), QByteArray());
        QVERIFY(QDate::fromString(QString::fromLatin1(version.buildDate), Qt::ISODate).isValid());
        QCOMPARE(version.library.major, 1);

        // A record said to be shorter is left alone.
        UzpVersionRecord shorter{};
        shorter.structLength = 16;
        std::memset(shorter.buildDate, ' ', 19);
        UzpVersion2(&shorter);
        QCOMPARE(QByteArray(shorter.buildDate, 19), QByteArray(19, ' '));
        QCOMPARE(shorter.library.major, 0);
    }

    void badOptions()
    {
        const QString base = folder();
        Options options(QString(), base);
        QCOMPARE(run(options), int(UZ_BAD_OPTIONS));
        USERFUNCTIONS uf = callbacks();
        QCOMPARE(Wiz_SingleEntryUnzip(0, nullptr, 0, nullptr, nullptr, &uf), int(UZ_BAD_OPTIONS));
        QCOMPARE(Wiz_SingleEntryUnzip(1, nullptr, 0, nullptr, &options.dcl, &uf), int(UZ_BAD_OPTIONS));
        QCOMPARE(Wiz_SingleEntryUnzip(0, nullptr, -1, nullptr, &options.dcl, &uf), int(UZ_BAD_OPTIONS));
    }

    // Archives that cannot be read at all.
    void unreadableArchive_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::addColumn<int>("result");
        QTest::newRow("missing") << QByteArray() << int(UZ_NOT_FOUND);
        QTest::newRow("not a zip") << QByteArray("MZ this is a program, not an archive") << int(UZ_SEVERE_FORMAT_ERROR);
        QTest::newRow("no entries") << QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0') << int(UZ_WARNING);
    }
    void unreadableArchive()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, result);
        const QString base = folder();
        const QString zip = base + QStringLiteral("/a.zip");
        if (!content.isEmpty())
            QVERIFY(writeFile(zip, content));
        Options options(zip, base + QStringLiteral("/out"));
        QCOMPARE(run(options), result);
        QVERIFY(!rec.printed.isEmpty()); // told even when quiet
        QCOMPARE(treeOf(base + QStringLiteral("/out")), QStringList());
    }

    // Freshen takes only entries whose file exists and is older; extract-only-newer also
    // takes missing ones. A file at least as new as its entry is left alone.
    void newerOnly_data()
    {
        QTest::addColumn<bool>("freshen");
        QTest::addColumn<QStringList>("replaced");
        QTest::newRow("freshen") << true << QStringList{"stale.txt"};
        QTest::newRow("extract only newer") << false << QStringList{"missing.txt", "stale.txt"};
    }
    void newerOnly()
    {
        QFETCH(bool, freshen);
        QFETCH(QStringList, replaced);
        const QString base = folder();
        const QString zip = base + QStringLiteral("/n.zip");
        const QString out = base + QStringLiteral("/out");
        const QDateTime when = QDateTime::currentDateTime().addDays(-10).addMSecs(
            -QDateTime::currentDateTime().time().msec()); // whole seconds
        const QDateTime entryTime = when.addSecs(-when.time().second() % 2);
        QList<ZipEntry> entries;
        for (const char* name : {"stale.txt", "current.txt", "missing.txt"}) {
            ZipEntry e = ZipEntry::file(QString::fromLatin1(name), "from the archive");
            e.modified = entryTime;
            entries << e;
        }
        QVERIFY(makeZip(zip, entries));
        QVERIFY(writeFile(out + QStringLiteral("/stale.txt"), "on disk", entryTime.addSecs(-3600)));
        QVERIFY(writeFile(out + QStringLiteral("/current.txt"), "on disk", entryTime));

        Options options(zip, out);
        options.dcl.freshen = freshen ? 1 : 0;
        options.dcl.extractOnlyNewer = freshen ? 0 : 1;
        QCOMPARE(run(options), int(UZ_OK));
        for (const char* name : {"stale.txt", "current.txt", "missing.txt"}) {
            const QString path = out + u'/' + QLatin1String(name);
            if (replaced.contains(QLatin1String(name))) {
                QCOMPARE(readAll(path), QByteArray("from the archive"));
                QCOMPARE(QFileInfo(path).lastModified().toSecsSinceEpoch(), entryTime.toSecsSinceEpoch());
            } else if (QLatin1String(name) == u"missing.txt") {
                QVERIFY(!QFileInfo::exists(path));
            } else {
                QCOMPARE(readAll(path), QByteArray("on disk"));
            }
        }
        // Run again: everything is current now, nothing asked, nothing changed.
        QCOMPARE(run(options), int(UZ_OK));
        QCOMPARE(rec.asked.size(), 0);
    }

    // Names as they reach the disk: spaces to underscores, paths dropped.
    void names_data()
    {
        QTest::addColumn<bool>("underscores");
        QTest::addColumn<bool>("directories");
        QTest::addColumn<QStringList>("tree");
        QTest::newRow("as stored") << false << true << QStringList{"a dir/", "a dir/b c.txt", "empty/",   "my file.txt",
                                                                   "x/",     "x/y/",          "x/y/z.txt"};
        QTest::newRow("underscores") << true << true
                                     << QStringList{"a_dir/", "a_dir/b_c.txt", "empty/",   "my_file.txt",
                                                    "x/",     "x/y/",          "x/y/z.txt"};
        QTest::newRow("no directories") << false << false << QStringList{"b c.txt", "my file.txt", "z.txt"};
    }
    void names()
    {
        QFETCH(bool, underscores);
        QFETCH(bool, directories);
        QFETCH(QStringList, tree);
        const QString base = folder();
        const QString zip = base + QStringLiteral("/s.zip");
        const QString out = base + QStringLiteral("/out");
        QVERIFY(makeZip(zip, {ZipEntry::file(QStringLiteral("my file.txt"), "1"),
                              ZipEntry::file(QStringLiteral("a dir/b c.txt"), "2"),
                              ZipEntry::folder(QStringLiteral("empty/")),
                              ZipEntry::file(QStringLiteral("x/./y//z.txt"), "3")}));
        Options options(zip, out);
        options.dcl.spaceToUnderscore = underscores;
        options.dcl.honourDirectories = directories;
        QCOMPARE(run(options), int(UZ_OK));
        QCOMPARE(treeOf(out), tree);
    }

    // Text entries get CR LF line ends; binary entries stay byte for byte. A CR LF split
    // between two reads is not doubled.
    void lineEnds()
    {
        const QString base = folder();
        const QString zip = base + QStringLiteral("/t.zip");
        const QString out = base + QStringLiteral("/out");
        const QByteArray binary = binaryData(5000, 11);
        const QByteArray split = QByteArray(65535, 'x') + "\r\nend\n";
        QVERIFY(makeZip(zip, {ZipEntry::file(QStringLiteral("unix.txt"), "one\ntwo\r\nthree\n"),
                              ZipEntry::file(QStringLiteral("split.txt"), split, ZIP_CM_STORE),
                              ZipEntry::file(QStringLiteral("data.bin"), binary)}));
        Options options(zip, out);
        options.dcl.convertLineEnds = 1;
        QCOMPARE(run(options), int(UZ_OK));
        QCOMPARE(readAll(out + QStringLiteral("/unix.txt")), QByteArray("one\r\ntwo\r\nthree\r\n"));
        QCOMPARE(readAll(out + QStringLiteral("/split.txt")), QByteArray(65535, 'x') + "\r\nend\r\n");
        QCOMPARE(readAll(out + QStringLiteral("/data.bin")), binary);
    }

    // Listing, testing, printing and showing the comment write nothing.
    void nothingWritten_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("list") << QStringLiteral("list");
        QTest::newRow("verbose") << QStringLiteral("verbose");
        QTest::newRow("test") << QStringLiteral("test");
        QTest::newRow("standard output") << QStringLiteral("stdout");
        QTest::newRow("comment") << QStringLiteral("comment");
    }
    void nothingWritten()
    {
        QFETCH(QString, mode);
        const QString base = folder();
        const QString zip = base + QStringLiteral("/m.zip");
        const QString out = base + QStringLiteral("/out");
        const QByteArray big = QByteArray("a line of the big file\n").repeated(4000);
        QVERIFY(makeZip(zip,
                        {ZipEntry::file(QStringLiteral("small.txt"), "small\n"),
                         ZipEntry::folder(QStringLiteral("dir/")), ZipEntry::file(QStringLiteral("dir/big.txt"), big),
                         ZipEntry::encrypted(QStringLiteral("locked.txt"), "locked\n", ZIP_EM_AES_256, "pw")},
                        QStringLiteral("Ornavex 2.1 setup")));
        Options options(zip, out);
        options.dcl.quietLevel = 1;
        options.dcl.listContents = mode == u"list";
        options.dcl.verboseListing = mode == u"verbose";
        options.dcl.testOnly = mode == u"test";
        options.dcl.toStdOut = mode == u"stdout";
        options.dcl.displayComment = mode == u"comment";
        rec.passwords = {"pw"};
        USERFUNCTIONS uf{};
        QCOMPARE(run(options, {}, {}, &uf), int(UZ_OK));
        QVERIFY(!QFileInfo::exists(out));
        QVERIFY(rec.longestPrint <= 32801);

        if (mode == u"list" || mode == u"verbose") {
            QCOMPARE(rec.listed.size(), 4);
            QCOMPARE(rec.listed.at(2).name, QByteArray("dir/big.txt"));
            QCOMPARE(rec.listed.at(2).size, std::uint64_t(big.size()));
            QCOMPARE(rec.listed.at(2).method, QByteArray("Deflated"));
            QCOMPARE(rec.listed.at(0).crc, 0xb61c02a7UL); // CRC-32 of "small\n"
            QCOMPARE(rec.listed.at(3).encrypted, 'E');
            QCOMPARE(rec.listed.at(0).encrypted, ' ');
            QCOMPARE(rec.listed.at(0).year, unsigned(QDate::currentDate().year()));
            QCOMPARE(uf.numberOfMembers, 4u);
            QCOMPARE(uf.totalSize, std::uint64_t(6 + big.size() + 7));
            QVERIFY(uf.compressionFactor > 90);
            QCOMPARE(rec.passwordCalls, 0);
            QCOMPARE(rec.printed.contains("dir/big.txt"), mode == u"verbose");
        } else if (mode == u"test") {
            QVERIFY(rec.printed.contains("No errors"));
            QCOMPARE(rec.passwordCalls, 1);
        } else if (mode == u"stdout") {
            QCOMPARE(rec.printed.mid(rec.printed.indexOf("small")), "small\n" + big + "locked\n");
        } else {
            QCOMPARE(rec.printed.mid(rec.printed.indexOf("Ornavex")), QByteArray("Ornavex 2.1 setup\n"));
            QCOMPARE(rec.serviced.size(), 0);
            QCOMPARE(uf.commentLength, 17u);
        }
        QCOMPARE(rec.sounds, 1);
    }

    // What each quiet level lets through on a run with one skipped entry.
    void quietLevels_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("header");
        QTest::addColumn<bool>("progress");
        QTest::newRow("0") << 0 << true << true;
        QTest::newRow("1") << 1 << true << false;
        QTest::newRow("2") << 2 << false << false;
    }
    void quietLevels()
    {
        QFETCH(int, level);
        QFETCH(bool, header);
        QFETCH(bool, progress);
        const QString base = folder();
        const QString zip = base + QStringLiteral("/q.zip");
        QVERIFY(makeZip(zip, {ZipEntry::file(QStringLiteral("ok.txt"), "ok"),
                              ZipEntry::file(QStringLiteral("../bad.txt"), "bad")}));
        Options options(zip, base + QStringLiteral("/out"));
        options.dcl.quietLevel = level;
        QCOMPARE(run(options), int(UZ_WARNING));
        QCOMPARE(rec.printed.contains("Archive:"), header);
        QCOMPARE(rec.printed.contains("ok.txt"), progress);
        QVERIFY(rec.printed.contains("skipped ../bad.txt"));
    }

    // The include and exclude lists, with wildcards and the case flag.
    void lists_data()
    {
        QTest::addColumn<QList<QByteArray>>("include");
        QTest::addColumn<QList<QByteArray>>("exclude");
        QTest::addColumn<bool>("caseInsensitive");
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("tree");
        QTest::newRow("all") << QList<QByteArray>{} << QList<QByteArray>{} << false << int(UZ_OK)
                             << QStringList{"Doc.TXT", "bin/", "bin/prog", "notes.txt", "skip-me.txt"};
        QTest::newRow("wildcard") << QList<QByteArray>{"*.txt"} << QList<QByteArray>{"skip*"} << false << int(UZ_OK)
                                  << QStringList{"notes.txt"};
        QTest::newRow("any case") << QList<QByteArray>{"*.txt"} << QList<QByteArray>{"skip*"} << true << int(UZ_OK)
                                  << QStringList{"Doc.TXT", "notes.txt"};
        QTest::newRow("set and ?") << QList<QByteArray>{"bin/pro?", "[a-n]otes.*"} << QList<QByteArray>{} << false
                                   << int(UZ_OK) << QStringList{"bin/", "bin/prog", "notes.txt"};
        QTest::newRow("no match") << QList<QByteArray>{"notes.txt", "nothing*"} << QList<QByteArray>{} << false
                                  << int(UZ_NO_MATCH) << QStringList{"notes.txt"};
    }
    void lists()
    {
        QFETCH(QList<QByteArray>, include);
        QFETCH(QList<QByteArray>, exclude);
        QFETCH(bool, caseInsensitive);
        QFETCH(int, result);
        QFETCH(QStringList, tree);
        const QString base = folder();
        const QString zip = base + QStringLiteral("/l.zip");
        const QString out = base + QStringLiteral("/out");
        QVERIFY(makeZip(zip, {ZipEntry::file(QStringLiteral("notes.txt"), "n"),
                              ZipEntry::file(QStringLiteral("Doc.TXT"), "d"),
                              ZipEntry::file(QStringLiteral("skip-me.txt"), "s"),
                              ZipEntry::file(QStringLiteral("bin/prog"), "p")}));
        Options options(zip, out);
        options.dcl.caseInsensitive = caseInsensitive;
        QCOMPARE(run(options, include, exclude), result);
        QCOMPARE(treeOf(out), tree);
    }

    // Replace answers: 103 replaces the rest without asking, 104 leaves the rest; with
    // neither prompting nor overwriting an existing file is left as it is.
    void replaceAnswers_data()
    {
        QTest::addColumn<bool>("prompt");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QByteArray>("contents"); // of the three files, one letter each: n new, o old
        QTest::newRow("replace all") << true << QList<int>{UZ_REPLACE_ALL} << 1 << QByteArray("nnn");
        QTest::newRow("replace none") << true << QList<int>{UZ_REPLACE_YES, UZ_REPLACE_NONE} << 2 << QByteArray("noo");
        QTest::newRow("unknown answer") << true << QList<int>{101, UZ_REPLACE_YES, 0} << 3 << QByteArray("ono");
        QTest::newRow("never overwrite") << false << QList<int>{} << 0 << QByteArray("ooo");
    }
    void replaceAnswers()
    {
        QFETCH(bool, prompt);
        QFETCH(QList<int>, answers);
        QFETCH(int, questions);
        QFETCH(QByteArray, contents);
        const QString base = folder();
        const QString zip = base + QStringLiteral("/r.zip");
        const QString out = base + QStringLiteral("/out");
        QList<ZipEntry> entries;
        for (int i = 0; i < 3; ++i) {
            entries << ZipEntry::file(QStringLiteral("f%1").arg(i), "new");
            QVERIFY(writeFile(out + QStringLiteral("/f%1").arg(i), "old"));
        }
        QVERIFY(makeZip(zip, entries));
        Options options(zip, out);
        options.dcl.overwrite = 0;
        options.dcl.promptToOverwrite = prompt;
        rec.replaceAnswers = answers;
        QCOMPARE(run(options), int(UZ_OK));
        QCOMPARE(rec.asked.size(), questions);
        if (questions)
            QCOMPARE(rec.asked.first(), QFile::encodeName(QDir::cleanPath(out + QStringLiteral("/f0"))));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(readAll(out + QStringLiteral("/f%1").arg(i)),
                     contents.at(i) == 'n' ? QByteArray("new") : QByteArray("old"));
    }

    // Result codes of runs that meet trouble halfway; the entries before and after are done.
    void troubles_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("tree");
        QTest::newRow("folder in the way")
            << QStringLiteral("folder") << int(UZ_DISK_ERROR) << QStringList{"a.txt", "b.txt/", "c.txt"};
        QTest::newRow("unsupported method") << QStringLiteral("method") << int(UZ_UNSUPPORTED) << QStringList{};
        QTest::newRow("service stops") << QStringLiteral("service") << int(UZ_ABORTED) << QStringList{"a.txt"};
        QTest::newRow("truncated data") << QStringLiteral("truncated") << int(UZ_UNEXPECTED_EOF)
                                        << QStringList{"a.txt", "c.txt"};
    }
    void troubles()
    {
        QFETCH(QString, trouble);
        QFETCH(int, result);
        QFETCH(QStringList, tree);
        const QString base = folder();
        const QString zip = base + QStringLiteral("/t.zip");
        const QString out = base + QStringLiteral("/out");
        const QByteArray middle = QByteArray("middle entry data ").repeated(100);
        QVERIFY(makeZip(zip, {ZipEntry::file(QStringLiteral("a.txt"), "a", ZIP_CM_STORE),
                              ZipEntry::file(QStringLiteral("b.txt"), middle, ZIP_CM_STORE),
                              ZipEntry::file(QStringLiteral("c.txt"), "c", ZIP_CM_STORE)}));
        if (trouble == u"folder")
            QVERIFY(QDir().mkpath(out + QStringLiteral("/b.txt")));
        if (trouble == u"method")
            QVERIFY(setAllMethods(zip, 6)); // imploded: not supported
        if (trouble == u"service")
            rec.serviceStopAt = 1;
        if (trouble == u"truncated") {
            // The middle entry claims far more data than the archive holds after it.
            QByteArray bytes = readAll(zip);
            const qsizetype local = bytes.indexOf(QByteArray("b.txt")) - 30;
            QVERIFY(local >= 0 && bytes.mid(local, 4) == QByteArray("PK\x03\x04", 4));
            const qsizetype central = bytes.indexOf(QByteArray("PK\x01\x02", 4));
            const qsizetype entry = bytes.indexOf(QByteArray("b.txt"), central) - 46;
            QVERIFY(bytes.mid(entry, 4) == QByteArray("PK\x01\x02", 4));
            for (qsizetype at : {local + 18, local + 22, entry + 20, entry + 24})
                qToLittleEndian<quint32>(50000000, bytes.data() + at);
            QVERIFY(writeFile(zip, bytes));
        }
        Options options(zip, out);
        QCOMPARE(run(options), result);
        QCOMPARE(treeOf(out), tree);
        if (trouble == u"folder")
            QCOMPARE(readAll(out + QStringLiteral("/c.txt")), QByteArray("c"));
        if (trouble == u"service")
            QCOMPARE(rec.serviced, (QList<QByteArray>{"a.txt", "b.txt"}));
        QVERIFY(!rec.printed.isEmpty());
    }

    // Passwords: the one that worked is tried first on the next entry; a wrong one is asked
    // for again (three times per entry); no password skips the entry; a stop ends the run.
    void passwords_data()
    {
        QTest::addColumn<QList<QByteArray>>("answers");
        QTest::addColumn<int>("abortAt");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("calls");
        QTest::addColumn<QStringList>("tree");
        QTest::newRow("right") << QList<QByteArray>{"pw"} << -1 << int(UZ_OK) << 1 << QStringList{"e1", "e2", "plain"};
        QTest::newRow("wrong then right")
            << QList<QByteArray>{"x", "y", "pw"} << -1 << int(UZ_OK) << 3 << QStringList{"e1", "e2", "plain"};
        QTest::newRow("always wrong") << QList<QByteArray>{"x", "x", "x", "x", "x", "x"} << -1 << int(UZ_WARNING) << 6
                                      << QStringList{"plain"};
        QTest::newRow("none") << QList<QByteArray>{} << -1 << int(UZ_WARNING) << 2 << QStringList{"plain"};
        QTest::newRow("stop") << QList<QByteArray>{} << 0 << int(UZ_ABORTED) << 1 << QStringList{};
    }
    void passwords()
    {
        QFETCH(QList<QByteArray>, answers);
        QFETCH(int, abortAt);
        QFETCH(int, result);
        QFETCH(int, calls);
        QFETCH(QStringList, tree);
        const QString base = folder();
        const QString zip = base + QStringLiteral("/p.zip");
        const QString out = base + QStringLiteral("/out");
        QVERIFY(makeZip(zip, {ZipEntry::encrypted(QStringLiteral("e1"), "one", ZIP_EM_AES_256, "pw"),
                              ZipEntry::encrypted(QStringLiteral("e2"), "two", ZIP_EM_TRAD_PKWARE, "pw"),
                              ZipEntry::file(QStringLiteral("plain"), "three")}));
        rec.passwords = answers;
        rec.passwordAbortAt = abortAt;
        Options options(zip, out);
        QCOMPARE(run(options), result);
        QCOMPARE(rec.passwordCalls, calls);
        QCOMPARE(treeOf(out), tree);
    }

    // Access bits come from the entry: programs stay runnable; nobody else gets write access.
    void permissions()
    {
        const QString base = folder();
        const QString zip = base + QStringLiteral("/x.zip");
        const QString out = base + QStringLiteral("/out");
        ZipEntry program = ZipEntry::file(QStringLiteral("setup"), "#!/bin/sh\n");
        program.unixMode = 0100755;
        ZipEntry shared = ZipEntry::file(QStringLiteral("shared.txt"), "s");
        shared.unixMode = 0100666;
        QVERIFY(makeZip(zip, {program, shared}));
        Options options(zip, out);
        QCOMPARE(run(options), int(UZ_OK));
        const auto setup = QFileInfo(out + QStringLiteral("/setup")).permissions();
        QVERIFY(setup.testFlag(QFileDevice::ExeOwner));
        QVERIFY(setup.testFlag(QFileDevice::ExeOther));
        const auto text = QFileInfo(out + QStringLiteral("/shared.txt")).permissions();
        QVERIFY(text.testFlag(QFileDevice::WriteOwner));
        QVERIFY(!text.testFlag(QFileDevice::WriteGroup));
        QVERIFY(!text.testFlag(QFileDevice::WriteOther));
    }

    // A link already in the extraction folder is replaced, not followed out of it.
    void existingLinkNotFollowed()
    {
        const QString base = folder();
        const QString zip = base + QStringLiteral("/k.zip");
        const QString out = base + QStringLiteral("/out");
        QVERIFY(writeFile(base + QStringLiteral("/outside.txt"), "keep me"));
        QDir().mkpath(out);
        QVERIFY(QFile::link(base + QStringLiteral("/outside.txt"), out + QStringLiteral("/link.txt")));
        QVERIFY(makeZip(zip, {ZipEntry::file(QStringLiteral("link.txt"), "archive")}));
        Options options(zip, out);
        QCOMPARE(run(options), int(UZ_OK));
        QCOMPARE(readAll(base + QStringLiteral("/outside.txt")), QByteArray("keep me"));
        QVERIFY(!QFileInfo(out + QStringLiteral("/link.txt")).isSymLink());
        QCOMPARE(readAll(out + QStringLiteral("/link.txt")), QByteArray("archive"));
    }
};

QTEST_MAIN(TestZipLayer)
#include "tst_ziplayer.moc"

#pragma once

#include "UnzipLibrary.h"

#include <QByteArray>
#include <QDir>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

#include <zip.h>

// One run of the unzip library over one archive: opens it, walks its entries in order
// and lists, tests, prints or extracts each, as the option record says.
class ZipRun
{
public:
    ZipRun(const DCL& options, USERFUNCTIONS& callbacks, QStringList includeNames, QStringList excludeNames);
    ~ZipRun();
    ZipRun(const ZipRun&) = delete;
    ZipRun& operator=(const ZipRun&) = delete;

    int run();

private:
    // How talkative a printed line is: progress lines need quiet level 0, the archive's
    // header and summary at most 1; warnings and errors are always printed.
    enum class Level
    {
        Progress,
        Summary,
        Problem
    };
    // What became of one entry.
    enum class Outcome
    {
        Done,
        Skipped,
        Warning,
        FormatError,
        UnexpectedEnd,
        DiskError,
        Unsupported,
        NoPassword,
        Aborted
    };

    struct Entry
    {
        zip_uint64_t index = 0;
        QString name;     // as stored, decoded
        QByteArray name8; // in the 8-bit code page, for the callbacks
        zip_stat_t stat{};
        bool isDirectory = false;
    };

    void say(Level level, const QString& text);
    void printBytes(const QByteArray& bytes);
    bool selected(const Entry& entry);
    void note(const Entry& entry, Outcome outcome);
    int result() const;

    void list(const Entry& entry);
    Outcome test(const Entry& entry);
    Outcome toStdOut(const Entry& entry);
    Outcome extract(const Entry& entry);

    // Opens an entry for reading, asking for a password where it is encrypted.
    zip_file_t* open(const Entry& entry, Outcome* failure);
    // Reads an opened entry to its end (and closes it), handing the data to sink; a false
    // from sink is a disk error. Converts line ends of text entries when asked.
    Outcome pump(const Entry& entry, zip_file_t* file, bool convertLineEnds,
                 const std::function<bool(const char*, qint64)>& sink);
    Outcome readFailure(const Entry& entry, int zipError);
    void finishFile(const Entry& entry, const QString& target);
    bool mayReplace(const QString& target);
    QString shown(const QString& path) const;

    const DCL& m_options;
    USERFUNCTIONS& m_callbacks;
    QStringList m_include;
    QStringList m_exclude;
    QList<bool> m_includeMatched;
    int m_quiet = 0;

    zip_t* m_zip = nullptr;
    QString m_zipName;
    QDir m_folder;
    QByteArray m_password; // the last one that opened an entry; tried first on the next
    bool m_replaceAll = false;
    bool m_replaceNone = false;

    // Tallies of the run.
    int m_done = 0; // entries listed, tested, printed or written
    bool m_warning = false, m_formatError = false, m_unexpectedEnd = false, m_diskError = false, m_unsupported = false,
         m_noPassword = false, m_aborted = false, m_noMatch = false;
    int m_testErrors = 0;
};

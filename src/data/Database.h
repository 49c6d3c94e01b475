#pragma once

#include <QSqlDatabase>
#include <QString>

// The program's one connection to its database file. It never creates the file:
// a missing file is reported, not made.
class Database
{
public:
    enum class FileCheck { Ok, Missing, Unreadable, NotOurs };

    explicit Database(QString connectionName = QStringLiteral("pelimora"));
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing file of this program for reading and writing, with a rollback
    // journal and full synchronous writes, so that the file stays one self-contained
    // file that a byte copy backs up.
    bool open(const QString& path);
    void close();
    bool isOpen() const;
    QString path() const { return m_path; }
    QSqlDatabase connection() const;
    QString lastError() const { return m_lastError; }

    // Whether the file at path is a database of this program. With integrity set, the
    // whole file is read by SQLite's integrity check as well.
    static FileCheck checkFile(const QString& path, bool integrity = false, QString* detail = nullptr);

    // One transaction for changes that belong together; nested use is not supported.
    bool begin();
    bool commit();
    void rollback();

private:
    QString m_connectionName;
    QString m_path;
    QString m_lastError;
};

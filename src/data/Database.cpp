#include "Database.h"

#include "Scales.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUuid>

QStringList Tables::all()
{
    return {IDE, AnswerAAS, AnswerAPS, AnswerMACR, QStringLiteral("AAS"), QStringLiteral("APS"),
            QStringLiteral("MACR"), Settings, Theme};
}

Database::Database(QString connectionName) : m_connectionName(std::move(connectionName)) {}

Database::~Database()
{
    close();
}

static QString uriFor(const QString& path, const char* mode)
{
    QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    url.setQuery(QStringLiteral("mode=%1").arg(QLatin1String(mode)));
    return url.toString(QUrl::FullyEncoded);
}

bool Database::open(const QString& path)
{
    close();
    m_lastError.clear();
    if (!QFileInfo(path).isFile()) {
        m_lastError = QStringLiteral("file not found");
        return false;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    // A URI with mode=rw opens an existing file only; SQLite never makes an empty one.
    db.setDatabaseName(uriFor(path, "rw"));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open()) {
        m_lastError = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
        return false;
    }
    QSqlQuery q(db);
    q.exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
    q.exec(QStringLiteral("PRAGMA synchronous=FULL"));
    q.exec(QStringLiteral("PRAGMA foreign_keys=OFF"));
    m_path = path;
    return true;
}

void Database::close()
{
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
    m_path.clear();
}

bool Database::isOpen() const
{
    return QSqlDatabase::contains(m_connectionName) && QSqlDatabase::database(m_connectionName, false).isOpen();
}

QSqlDatabase Database::connection() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

bool Database::begin()
{
    QSqlDatabase db = connection();
    if (!db.transaction()) {
        m_lastError = db.lastError().text();
        return false;
    }
    return true;
}

bool Database::commit()
{
    QSqlDatabase db = connection();
    if (!db.commit()) {
        m_lastError = db.lastError().text();
        db.rollback();
        return false;
    }
    return true;
}

void Database::rollback()
{
    connection().rollback();
}

Database::FileCheck Database::checkFile(const QString& path, bool integrity, QString* detail)
{
    const QFileInfo info(path);
    if (!info.exists())
        return FileCheck::Missing;
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return FileCheck::Unreadable;
    if (file.read(16) != QByteArray("SQLite format 3\0", 16))
        return FileCheck::NotOurs;
    file.close();

    const QString name = QStringLiteral("check-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    FileCheck result = FileCheck::Ok;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(uriFor(path, "ro"));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            result = FileCheck::Unreadable;
            if (detail)
                *detail = db.lastError().text();
        } else {
            const QStringList tables = db.tables();
            for (const QString& t : Tables::all()) {
                if (!tables.contains(t, Qt::CaseInsensitive)) {
                    result = FileCheck::NotOurs;
                    if (detail)
                        *detail = QStringLiteral("table %1 missing").arg(t);
                    break;
                }
            }
            if (result == FileCheck::Ok && tables.isEmpty())
                result = FileCheck::NotOurs;
            if (result == FileCheck::Ok && integrity) {
                QSqlQuery q(db);
                if (!q.exec(QStringLiteral("PRAGMA integrity_check")) || !q.next() ||
                    q.value(0).toString() != QLatin1String("ok")) {
                    result = FileCheck::NotOurs;
                    if (detail)
                        *detail = q.lastError().isValid() ? q.lastError().text() : q.value(0).toString();
                }
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

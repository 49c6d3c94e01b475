#include "DatabaseSchema.h"

#include "Database.h"
#include "Scales.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringDecoder>
#include <QUuid>

namespace {

QString resourceText(const QString& name)
{
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

// Splits SQL text into statements at semicolons that end a line outside quotes.
QStringList statements(const QString& sql)
{
    QStringList out;
    QString current;
    bool inSingle = false, inDouble = false;
    const QStringList lines = sql.split(u'\n');
    for (const QString& line : lines) {
        if (!inSingle && !inDouble && line.trimmed().startsWith(QLatin1String("--")))
            continue;
        for (QChar c : line) {
            if (c == u'\'' && !inDouble)
                inSingle = !inSingle;
            else if (c == u'"' && !inSingle)
                inDouble = !inDouble;
        }
        current += line + u'\n';
        if (!inSingle && !inDouble && line.trimmed().endsWith(u';')) {
            out << current.trimmed();
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        out << current.trimmed();
    return out;
}

struct Connection
{
    QString name = QStringLiteral("schema-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QSqlDatabase db;
    ~Connection()
    {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
};

} // namespace

bool DatabaseSchema::createFile(const QString& path, QString* error)
{
    if (QFileInfo::exists(path)) {
        *error = QStringLiteral("%1 already exists").arg(path);
        return false;
    }
    bool ok = true;
    {
        Connection c;
        c.db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), c.name);
        c.db.setDatabaseName(path);
        if (!c.db.open()) {
            *error = c.db.lastError().text();
            return false;
        }
        QSqlQuery q(c.db);
        q.exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
        c.db.transaction();
        const QString sql = resourceText(QStringLiteral(":/database/schema.sql")) + u'\n' +
                            resourceText(QStringLiteral(":/database/seed.sql"));
        for (const QString& statement : statements(sql)) {
            if (!q.exec(statement)) {
                *error = q.lastError().text() + QStringLiteral(": ") + statement.left(80);
                ok = false;
                break;
            }
        }
        if (ok)
            ok = c.db.commit();
        else
            c.db.rollback();
    }
    if (!ok)
        QFile::remove(path);
    return ok;
}

bool DatabaseSchema::loadStatements(const QString& dbPath, const QString& tsvPath, QString* error)
{
    QFile file(tsvPath);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(tsvPath, file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    const QList<QByteArray> rawLines = bytes.split('\n');

    struct Item
    {
        const ScaleInfo* scale;
        int number;
        QString text;
    };
    QList<Item> items;
    QHash<int, QHash<int, int>> seen; // scale -> item number -> line
    QHash<int, int> lastLine;
    for (qsizetype i = 0; i < rawLines.size(); ++i) {
        const int lineNo = int(i) + 1;
        QByteArray raw = rawLines[i];
        if (raw.endsWith('\r'))
            raw.chop(1);
        if (lineNo == 1 && raw.startsWith("\xEF\xBB\xBF"))
            raw.remove(0, 3);
        QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString line = decode(raw);
        if (decode.hasError()) {
            *error = QStringLiteral("line %1: not valid UTF-8 text").arg(lineNo);
            return false;
        }
        if (line.trimmed().isEmpty())
            continue;
        const QStringList cols = line.split(u'\t');
        if (cols.size() != 3) {
            *error = QStringLiteral("line %1: expected three tab-separated columns (scale, item, statement)").arg(lineNo);
            return false;
        }
        const QString scaleName = cols[0].trimmed().toUpper();
        const ScaleInfo* scale = nullptr;
        for (const ScaleInfo& s : kScales)
            if (scaleName == QLatin1String(s.itemTable) || scaleName == QLatin1String(s.name))
                scale = &s;
        if (!scale) {
            *error = QStringLiteral("line %1: unknown scale \"%2\"").arg(lineNo).arg(cols[0]);
            return false;
        }
        bool ok = false;
        const int number = cols[1].trimmed().toInt(&ok);
        if (!ok || number < 1 || number > scale->items) {
            *error = QStringLiteral("line %1: unknown item number \"%2\" for %3 (1 to %4)")
                         .arg(lineNo).arg(cols[1], QLatin1String(scale->name)).arg(scale->items);
            return false;
        }
        if (seen[scale->number].contains(number)) {
            *error = QStringLiteral("line %1: item %2 of %3 is given twice (first on line %4)")
                         .arg(lineNo).arg(number).arg(QLatin1String(scale->name)).arg(seen[scale->number][number]);
            return false;
        }
        if (cols[2].trimmed().isEmpty()) {
            *error = QStringLiteral("line %1: empty statement").arg(lineNo);
            return false;
        }
        seen[scale->number][number] = lineNo;
        lastLine[scale->number] = lineNo;
        items.push_back({scale, number, cols[2].trimmed()});
    }
    if (items.isEmpty()) {
        *error = QStringLiteral("%1 holds no statements").arg(tsvPath);
        return false;
    }
    for (const ScaleInfo& s : kScales) {
        const auto count = seen.value(s.number).size();
        if (count != 0 && count != s.items) {
            *error = QStringLiteral("line %1: %2 has %3 statements, it needs %4")
                         .arg(lastLine[s.number]).arg(QLatin1String(s.name)).arg(count).arg(s.items);
            return false;
        }
    }

    if (Database::checkFile(dbPath) != Database::FileCheck::Ok) {
        *error = QStringLiteral("%1 is not a database of this program").arg(dbPath);
        return false;
    }
    Database db(QStringLiteral("statements-") + QUuid::createUuid().toString(QUuid::WithoutBraces));
    if (!db.open(dbPath)) {
        *error = db.lastError();
        return false;
    }
    if (!db.begin()) {
        *error = db.lastError();
        return false;
    }
    QSqlQuery q(db.connection());
    for (const Item& item : std::as_const(items)) {
        q.prepare(QStringLiteral("INSERT OR REPLACE INTO %1 (Code, \"1\") VALUES (?, ?)").arg(QLatin1String(item.scale->itemTable)));
        q.addBindValue(QString::number(item.number));
        q.addBindValue(item.text);
        if (!q.exec()) {
            *error = q.lastError().text();
            db.rollback();
            return false;
        }
    }
    q.finish();
    if (!db.commit()) {
        *error = db.lastError();
        return false;
    }
    return true;
}

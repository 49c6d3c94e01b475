#include "View.h"

#include "Database.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlTableModel>

View::View(Database& db, const QString& table, QObject* parent)
    : QObject(parent), m_db(db), m_table(table), m_model(new QSqlTableModel(this, db.connection()))
{
    m_model->setTable(table);
    m_model->setEditStrategy(QSqlTableModel::OnManualSubmit);
}

View::~View() = default;

bool View::fail(const QString& error)
{
    m_lastError = error;
    return false;
}

int View::section(const QString& column) const
{
    return m_model->record().indexOf(column); // column names match without regard to case
}

void View::flushEditors() const
{
    emit const_cast<View*>(this)->aboutToUse();
}

void View::setCurrent(int row)
{
    m_current = row >= 0 && row < m_model->rowCount() ? row : -1;
    emit currentRowChanged();
}

void View::holdEager(bool hold) const
{
    m_eagerHolders += hold ? 1 : -1;
    if (m_eagerHolders > 0)
        ensureRead();
}

void View::ensureRead() const
{
    if (m_unread)
        const_cast<View*>(this)->select();
}

QSqlTableModel* View::model() const
{
    if (m_eagerHolders == 0)
        holdEager(true); // a grid or report keeps the model for good
    return m_model;
}

bool View::select()
{
    m_unread = false;
    m_newRowsOnly = false;
    m_lastError.clear();
    bool ok;
    // The model reads itself again whenever its filter changes while it holds rows; the
    // filter is handed over here, when the rows are really wanted, and read only once.
    if (m_model->filter() != m_filter && m_model->query().isActive()) {
        m_model->setFilter(m_filter);
        ok = !m_model->lastError().isValid();
    } else {
        if (m_model->filter() != m_filter)
            m_model->setFilter(m_filter);
        ok = m_model->select();
    }
    setCurrent(0);
    return ok ? true : fail(m_model->lastError().text());
}

bool View::open()
{
    m_filter.clear();
    m_newRowsOnly = false;
    if (m_eagerHolders > 0)
        return select();
    m_current = 0;
    m_unread = true;
    return true;
}

bool View::isEmpty() const
{
    if (!m_unread && (m_model->rowCount() > 0 || !m_model->canFetchMore()))
        return m_model->rowCount() == 0;
    QSqlQuery q(m_db.connection());
    QString sql = QStringLiteral("SELECT 1 FROM %1")
                      .arg(m_db.connection().driver()->escapeIdentifier(m_table, QSqlDriver::TableName));
    if (!m_filter.isEmpty())
        sql += QStringLiteral(" WHERE ") + m_filter;
    if (!q.exec(sql + QStringLiteral(" LIMIT 1")))
        return rowCount() == 0;
    return !q.next();
}

int View::rowsInFile() const
{
    QSqlQuery q(m_db.connection());
    QString sql = QStringLiteral("SELECT COUNT(*) FROM %1")
                      .arg(m_db.connection().driver()->escapeIdentifier(m_table, QSqlDriver::TableName));
    if (!m_filter.isEmpty())
        sql += QStringLiteral(" WHERE ") + m_filter;
    if (!q.exec(sql) || !q.next())
        return -1;
    return q.value(0).toInt();
}

int View::rowCount() const
{
    ensureRead();
    // Without more rows to fetch the model knows its count; otherwise the file is asked,
    // so that a large table is never read whole just to be counted.
    if (!m_newRowsOnly && !m_model->canFetchMore())
        return m_model->rowCount();
    const int stored = rowsInFile();
    if (stored < 0)
        return m_model->rowCount();
    int pendingInserts = 0;
    for (int r = 0; r < m_model->rowCount(); ++r)
        if (m_model->headerData(r, Qt::Vertical).toString() == QLatin1String("*"))
            ++pendingInserts;
    return stored + pendingInserts;
}

bool View::hasCurrent() const
{
    ensureRead();
    return m_current >= 0 && m_current < m_model->rowCount();
}

int View::currentRow() const
{
    ensureRead();
    return hasCurrent() ? m_current : -1;
}

bool View::setCurrentRow(int row)
{
    ensureRead();
    if (row < 0 || row >= m_model->rowCount())
        return false;
    flushEditors();
    setCurrent(row);
    return true;
}

bool View::filter(const QString& column, const QString& value)
{
    const int s = section(column);
    if (s < 0)
        return fail(QStringLiteral("no column %1 in %2").arg(column, m_table));
    flushEditors();
    QSqlDriver* driver = m_db.connection().driver();
    QSqlField field(m_model->record().fieldName(s), QMetaType(QMetaType::QString));
    field.setValue(value);
    const QString name = driver->escapeIdentifier(field.name(), QSqlDriver::FieldName);
    // An empty value and no value are the same thing on screen.
    m_filter = value.isEmpty() ? QStringLiteral("(%1 = '' OR %1 IS NULL)").arg(name)
                               : QStringLiteral("%1 = %2").arg(name, driver->formatValue(field));
    return select();
}

bool View::sort(const QString& column)
{
    const int s = section(column);
    if (s < 0)
        return fail(QStringLiteral("no column %1 in %2").arg(column, m_table));
    m_model->setSort(s, Qt::AscendingOrder);
    return select();
}

bool View::addRow()
{
    if (m_unread && m_eagerHolders == 0) {
        // A filter that matches nothing: the model holds the new row alone.
        m_unread = false;
        m_newRowsOnly = true;
        const bool active = m_model->query().isActive();
        m_model->setFilter(QStringLiteral("0 = 1"));
        if (!active)
            m_model->select();
    } else {
        ensureRead();
    }
    flushEditors();
    const int row = m_model->rowCount();
    if (!m_model->insertRow(row))
        return fail(m_model->lastError().text());
    setCurrent(row);
    return true;
}

bool View::setColumn(const QString& column, const QVariant& value)
{
    const int s = section(column);
    if (s < 0)
        return fail(QStringLiteral("no column %1 in %2").arg(column, m_table));
    ensureRead();
    if (!hasCurrent())
        return fail(QStringLiteral("no current row in %1").arg(m_table));
    flushEditors();
    if (!m_model->setData(m_model->index(m_current, s), value))
        return fail(m_model->lastError().text());
    emit currentRowChanged();
    return true;
}

QVariant View::value(const QString& column) const
{
    ensureRead();
    const int s = section(column);
    if (s < 0 || !hasCurrent())
        return {};
    flushEditors();
    return m_model->data(m_model->index(m_current, s), Qt::EditRole);
}

QString View::text(const QString& column) const
{
    return value(column).toString();
}

bool View::hasPendingChanges() const
{
    ensureRead();
    return m_model->isDirty();
}

bool View::commit()
{
    ensureRead();
    m_lastError.clear();
    flushEditors();
    const int row = m_current;
    if (!m_model->submitAll()) {
        const QString error = m_model->lastError().text();
        return fail(error.isEmpty() ? QStringLiteral("the row was not stored") : error);
    }
    if (m_newRowsOnly) {
        // The model read nothing back; the view is read on its next use.
        m_newRowsOnly = false;
        m_unread = true;
        m_current = 0;
        return true;
    }
    // A successful submit reads the table again; the same row stays current.
    setCurrent(row >= 0 && row < m_model->rowCount() ? row : 0);
    return true;
}

bool View::deleteRow()
{
    ensureRead();
    if (!hasCurrent())
        return fail(QStringLiteral("no current row in %1").arg(m_table));
    flushEditors();
    if (!m_model->removeRow(m_current)) {
        m_model->revertAll();
        return fail(m_model->lastError().text());
    }
    if (!m_model->submitAll()) {
        const QString error = m_model->lastError().text();
        m_model->revertAll();
        return fail(error.isEmpty() ? QStringLiteral("the row was not deleted") : error);
    }
    setCurrent(0);
    return true;
}

bool View::refresh()
{
    if (!m_unread)
        m_model->revertAll();
    return open();
}

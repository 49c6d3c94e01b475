#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

class Database;
class QSqlTableModel;

// A window's own reading of one table: its own filter, sort and current row.
// Changes stay in the view until commit; refresh drops them.
class View : public QObject
{
    Q_OBJECT
public:
    View(Database& db, const QString& table, QObject* parent = nullptr);
    ~View() override;

    QString table() const { return m_table; }

    bool open();                    // read the table; current row is the first row
    int rowCount() const;           // rows the view shows now (after its filter)
    bool isEmpty() const { return rowCount() == 0; }
    bool hasCurrent() const;
    int currentRow() const;
    bool setCurrentRow(int row);

    // Shows only the rows whose column equals value exactly. The value is quoted by the
    // driver, so any text, an apostrophe included, is an ordinary value. An empty value
    // matches the rows whose column is empty or null.
    bool filter(const QString& column, const QString& value);
    bool sort(const QString& column);
    bool addRow();
    bool setColumn(const QString& column, const QVariant& value);
    QVariant value(const QString& column) const; // of the current row
    QString text(const QString& column) const;
    bool commit();    // stores the changes of the view in the file
    bool deleteRow(); // removes the current row from the file
    bool refresh();   // filter dropped, pending changes dropped, first row current
    bool hasPendingChanges() const;

    int section(const QString& column) const; // -1 when the table has no such column

    QSqlTableModel* model() const { return m_model; } // hand over to a grid or a report
    QString lastError() const { return m_lastError; }

signals:
    // The current row changed or was read again: bound fields show it anew.
    void currentRowChanged();
    // Emitted before the view reads or writes its rows, so that bound editors hand
    // over what was typed (connected directly).
    void aboutToUse();

private:
    bool select();
    void setCurrent(int row);
    void flushEditors() const;
    bool fail(const QString& error);

    Database& m_db;
    QString m_table;
    QString m_filter;
    QSqlTableModel* m_model;
    int m_current = -1;
    QString m_lastError;
};

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

    // Read the table; the current row is the first row. A view that no grid, report or
    // bound field shows reads its rows only when it is next used, so that opening and
    // re-reading a large table costs nothing until its rows are needed.
    bool open();
    int rowCount() const;           // rows the view shows now (after its filter)
    bool isEmpty() const;           // no row at all, without counting every row
    bool hasCurrent() const;
    int currentRow() const;
    bool setCurrentRow(int row);

    // Shows only the rows whose column equals value exactly. The value is quoted by the
    // driver, so any text, an apostrophe included, is an ordinary value. An empty value
    // matches the rows whose column is empty or null.
    bool filter(const QString& column, const QString& value);
    bool sort(const QString& column);
    // A new, empty row, current. A view that nothing shows and that was not read since its
    // last open or refresh reads none of its rows for it; after the commit such a view is
    // read again on its next use, with the first row current.
    bool addRow();
    bool setColumn(const QString& column, const QVariant& value);
    QVariant value(const QString& column) const; // of the current row
    QString text(const QString& column) const;
    bool commit();    // stores the changes of the view in the file
    bool deleteRow(); // removes the current row from the file
    bool refresh();   // filter dropped, pending changes dropped, first row current
    bool hasPendingChanges() const;

    int section(const QString& column) const; // -1 when the table has no such column

    // Hand over to a grid or a report: from then on the view reads its rows at once.
    QSqlTableModel* model() const;
    QString lastError() const { return m_lastError; }

signals:
    // The current row changed or was read again: bound fields show it anew.
    void currentRowChanged();
    // Emitted before the view reads or writes its rows, so that bound editors hand
    // over what was typed (connected directly).
    void aboutToUse();

private:
    friend class ViewBinder;
    void holdEager(bool hold) const;
    void ensureRead() const;
    int rowsInFile() const;
    bool select();
    void setCurrent(int row);
    void flushEditors() const;
    bool fail(const QString& error);

    Database& m_db;
    QString m_table;
    QString m_filter;
    QSqlTableModel* m_model;
    int m_current = -1;
    mutable bool m_unread = false;  // rows not read since the last open or refresh
    mutable int m_eagerHolders = 0; // bound fields and hand-overs that show the rows
    bool m_newRowsOnly = false;     // the model holds the added rows alone, none read
    QString m_lastError;
};

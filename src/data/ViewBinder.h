#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>

class QDataWidgetMapper;
class QWidget;
class View;

// Binds display fields to the columns of a view's current row: a field shows the
// column and follows every change of the current row; typing into a text field
// changes that column at once (not yet committed).
class ViewBinder : public QObject
{
    Q_OBJECT
public:
    explicit ViewBinder(View& view, QObject* parent = nullptr);

    // Widgets without a user property (labels) name the property to use, such as "text".
    void bind(QWidget* widget, const QString& column, const QByteArray& property = {});
    void rebind(QWidget* widget, const QString& column, const QByteArray& property = {}) { bind(widget, column, property); }
    void unbind(QWidget* widget);

    View& view() const { return m_view; }

private:
    void show();
    void submit();

    struct Binding
    {
        QPointer<QWidget> widget;
        QByteArray property;
    };
    View& m_view;
    QDataWidgetMapper* m_mapper;
    QVector<Binding> m_bindings;
    bool m_showing = false;
};

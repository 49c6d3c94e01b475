#include "ViewBinder.h"

#include "View.h"

#include <QDataWidgetMapper>
#include <QLineEdit>
#include <QMetaProperty>
#include <QSqlTableModel>
#include <QWidget>

ViewBinder::ViewBinder(View& view, QObject* parent)
    : QObject(parent ? parent : &view), m_view(view), m_mapper(new QDataWidgetMapper(this))
{
    m_mapper->setModel(view.m_model);
    m_mapper->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    connect(&view, &View::currentRowChanged, this, &ViewBinder::show);
    connect(&view, &View::aboutToUse, this, &ViewBinder::submit, Qt::DirectConnection);
}

void ViewBinder::show()
{
    m_showing = true;
    if (m_view.hasCurrent()) {
        m_mapper->setCurrentIndex(m_view.currentRow());
        m_mapper->revert(); // reload the fields even when the index stayed the same
    } else {
        for (const Binding& b : std::as_const(m_bindings)) {
            if (!b.widget)
                continue;
            const QByteArray prop =
                b.property.isEmpty() ? QByteArray(b.widget->metaObject()->userProperty().name()) : b.property;
            if (!prop.isEmpty())
                b.widget->setProperty(prop.constData(), QString());
        }
    }
    m_showing = false;
}

void ViewBinder::submit()
{
    if (!m_showing && m_view.hasCurrent() && m_mapper->currentIndex() == m_view.currentRow())
        m_mapper->submit();
}

void ViewBinder::bind(QWidget* widget, const QString& column, const QByteArray& property)
{
    const int s = m_view.section(column);
    if (s < 0 || !widget)
        return;
    unbind(widget);
    if (property.isEmpty())
        m_mapper->addMapping(widget, s);
    else
        m_mapper->addMapping(widget, s, property);
    m_bindings.push_back({widget, property});
    m_view.holdEager(true);
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        connect(line, &QLineEdit::textEdited, this, &ViewBinder::submit);
    show();
}

void ViewBinder::unbind(QWidget* widget)
{
    for (qsizetype i = 0; i < m_bindings.size(); ++i) {
        if (m_bindings[i].widget == widget) {
            m_mapper->removeMapping(widget);
            if (auto* line = qobject_cast<QLineEdit*>(widget))
                disconnect(line, &QLineEdit::textEdited, this, nullptr);
            m_bindings.removeAt(i);
            m_view.holdEager(false);
            return;
        }
    }
}

#include "AppWindow.h"

#include "AppContext.h"
#include "Twips.h"
#include "Windows.h"

#include <QCloseEvent>

AppWindow::AppWindow(AppContext& context, QWidget* parent) : QWidget(parent), m_context(context)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void AppWindow::placeAt(int leftTwips, int topTwips)
{
    move(tw(leftTwips), tw(topTwips));
}

void AppWindow::closeEvent(QCloseEvent* event)
{
    if (event->isAccepted() && m_context.windows)
        m_context.windows->forget(this);
    QWidget::closeEvent(event);
}

#include "ThemedWindow.h"

#include "AppContext.h"
#include "data/Scales.h"
#include "data/View.h"
#include "data/ViewBinder.h"

#include <QLineEdit>

ThemedWindow::ThemedWindow(AppContext& context, QWidget* parent)
    : AppWindow(context, parent), m_themeView(new View(*context.db, Tables::Theme, this)),
      m_themeBinder(new ViewBinder(*m_themeView, this)), m_themeNumber(new QLineEdit(this))
{
    m_themeNumber->setObjectName(QStringLiteral("themeNumber"));
    m_themeNumber->hide();
    m_themeView->open();
    m_themeBinder->bind(m_themeNumber, QStringLiteral("TH"));
}

void ThemedWindow::applyTheme(const Skin::Table& table)
{
    Skin::apply(this, m_themeNumber->text(), table);
}

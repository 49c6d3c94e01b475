#include "TwoPictureButton.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

TwoPictureButton::TwoPictureButton(const QPixmap& normal, const QPixmap& highlighted, QWidget* parent)
    : QWidget(parent), m_normal(new QLabel(this)), m_highlighted(new QLabel(this))
{
    m_normal->setObjectName(QStringLiteral("normalPicture"));
    m_highlighted->setObjectName(QStringLiteral("highlightedPicture"));
    m_normal->setPixmap(normal);
    m_highlighted->setPixmap(highlighted);
    const QSize size = normal.size().expandedTo(highlighted.size()) / normal.devicePixelRatio();
    setFixedSize(size);
    m_normal->setGeometry(QRect(QPoint(0, 0), size));
    m_highlighted->setGeometry(QRect(QPoint(0, 0), size));
    m_normal->setMouseTracking(true);
    m_normal->installEventFilter(this);
    m_highlighted->installEventFilter(this);
    m_highlighted->setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    showNormalPicture();
}

void TwoPictureButton::showNormalPicture()
{
    m_normal->show();
    m_highlighted->hide();
}

void TwoPictureButton::showHighlightedPicture()
{
    m_normal->hide();
    m_highlighted->show();
}

bool TwoPictureButton::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_normal && (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)) {
        showHighlightedPicture();
    } else if (watched == m_highlighted && event->type() == QEvent::MouseButtonRelease) {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton && m_highlighted->rect().contains(me->position().toPoint()))
            emit clicked();
        return true;
    } else if (watched == m_normal && event->type() == QEvent::MouseButtonRelease) {
        // A touch screen gives no hover: a click on the normal picture lands as well.
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton)
            emit clicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TwoPictureButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

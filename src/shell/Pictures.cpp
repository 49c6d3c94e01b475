#include "Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

QPixmap Pictures::logo(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(size * 0.35, size * 0.35, size * 0.7);
    g.setColorAt(0, QColor(90, 170, 230));
    g.setColorAt(1, QColor(20, 70, 140));
    p.setBrush(g);
    p.setPen(QPen(QColor(10, 40, 90), 2));
    p.drawEllipse(QRectF(2, 2, size - 4, size - 4));
    p.setPen(Qt::white);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(size / 2);
    p.setFont(f);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("P"));
    return pm;
}

QPixmap Pictures::helpIcon(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(250, 200, 40));
    p.setPen(QPen(QColor(120, 80, 0), 1.5));
    p.drawEllipse(QRectF(1, 1, size - 2, size - 2));
    p.setPen(QColor(60, 40, 0));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(size * 2 / 3);
    p.setFont(f);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("?"));
    return pm;
}

QPixmap Pictures::buttonFace(const QString& caption, QSize size, bool highlighted, const QColor& base)
{
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor top = highlighted ? base.lighter(150) : base.lighter(115);
    const QColor bottom = highlighted ? base : base.darker(130);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    QPainterPath path;
    path.addRoundedRect(QRectF(1, 1, size.width() - 2, size.height() - 2), 8, 8);
    p.fillPath(path, g);
    p.setPen(QPen(highlighted ? QColor(255, 220, 90) : base.darker(180), highlighted ? 2.5 : 1.5));
    p.drawPath(path);
    p.setPen(highlighted ? QColor(20, 20, 20) : Qt::white);
    QFont f(QStringLiteral("Nazli"));
    f.setBold(true);
    f.setPixelSize(qMax(10, size.height() * 2 / 5));
    p.setFont(f);
    p.setLayoutDirection(Qt::RightToLeft);
    p.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, caption);
    return pm;
}

QPixmap Pictures::aboutBackground(QSize size)
{
    QPixmap pm(size);
    QPainter p(&pm);
    QLinearGradient g(0, 0, size.width(), size.height());
    g.setColorAt(0, QColor(235, 242, 252));
    g.setColorAt(1, QColor(190, 210, 240));
    p.fillRect(pm.rect(), g);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        p.setBrush(QColor(255, 255, 255, 40 + i * 8));
        const int r = size.width() / (3 + i);
        p.drawEllipse(QPoint(size.width() / 5 + i * 40, size.height() / 3 + i * 25), r, r);
    }
    return pm;
}

QPixmap Pictures::pageFrame(QSize size)
{
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath page;
    page.addRoundedRect(QRectF(4, 14, size.width() - 8, size.height() - 28), 18, 18);
    p.fillPath(page, QColor(253, 248, 232));
    p.setPen(QPen(QColor(60, 45, 30), 5));
    p.drawPath(page);
    p.setBrush(QColor(60, 45, 30));
    const int tabW = size.width() / 4;
    p.drawRoundedRect(QRectF((size.width() - tabW) / 2.0, 2, tabW, 18), 6, 6);
    p.drawRoundedRect(QRectF((size.width() - tabW) / 2.0, size.height() - 20, tabW, 18), 6, 6);
    return pm;
}

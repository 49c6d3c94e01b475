#include "Frmskin.h"

#include "AppContext.h"
#include "Pictures.h"
#include "Twips.h"
#include "TwoPictureButton.h"
#include "Windows.h"

#include <QLabel>

Frmskin::Frmskin(AppContext& context) : ThemedWindow(context)
{
    setObjectName(QStringLiteral("Frmskin"));
    setWindowTitle(QStringLiteral("Skin"));
    setFixedSize(tw(4680), tw(3240));
    setMouseTracking(true);

    auto* label = new QLabel(QStringLiteral("تغييرات با موفقيت به پايان رسيد"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setGeometry(twRect(240, 480, 4200, 900));

    const QSize face(tw(1500), tw(600));
    const QColor base(40, 110, 60);
    m_ok = new TwoPictureButton(Pictures::buttonFace(QStringLiteral("تاييد"), face, false, base),
                                Pictures::buttonFace(QStringLiteral("تاييد"), face, true, base), this);
    m_ok->setObjectName(QStringLiteral("cmdOk"));
    m_ok->setAccessibleName(QStringLiteral("تاييد"));
    m_ok->move((width() - face.width()) / 2, tw(1900));
    connect(m_ok, &TwoPictureButton::clicked, this, [this] {
        this->context().windows->showMain();
        close();
    });

    placeAt(5000, 3500);
    applyTheme();
    m_ok->showNormalPicture();
}

void Frmskin::mouseMoveEvent(QMouseEvent* event)
{
    m_ok->showNormalPicture();
    ThemedWindow::mouseMoveEvent(event);
}

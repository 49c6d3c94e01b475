#include "exitpro.h"

#include "AppContext.h"
#include "Pictures.h"
#include "Twips.h"
#include "TwoPictureButton.h"
#include "Windows.h"
#include "backup/Frmbackup.h"

#include <QCheckBox>
#include <QLabel>
#include <QTimer>

namespace {

QTimer* titleTimer(QObject* owner, const char* name)
{
    auto* t = new QTimer(owner);
    t->setObjectName(QLatin1String(name));
    t->setInterval(500);
    return t;
}

// Enabling a timer that already runs leaves its count as it is.
void enable(QTimer* t)
{
    if (!t->isActive())
        t->start();
}

} // namespace

exitpro::exitpro(AppContext& context) : AppWindow(context)
{
    setObjectName(QStringLiteral("exitpro"));
    setWindowTitle(QStringLiteral("تهيه نسخه پشتيبان"));
    setFixedSize(tw(4530), tw(3330));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setMouseTracking(true);

    m_question = new QLabel(QStringLiteral("آيا براي خروج از برنامه اطمينان داريد"), this);
    m_question->setObjectName(QStringLiteral("Label1"));
    QFont questionFont(QStringLiteral("MS Sans Serif"));
    questionFont.setPointSizeF(13.5);
    questionFont.setBold(true);
    m_question->setFont(questionFont);
    m_question->setAlignment(Qt::AlignCenter);
    m_question->setWordWrap(true);
    m_question->setGeometry(twRect(120, 240, 4290, 1080));

    m_backup = new QCheckBox(QStringLiteral("تهيه نسخه پشتيبان"), this);
    m_backup->setObjectName(QStringLiteral("Check1"));
    m_backup->setAccessibleName(QStringLiteral("تهيه نسخه پشتيبان"));
    m_backup->setGeometry(twRect(600, 1500, 3330, 360));

    const QSize face(tw(1500), tw(600));
    m_ok = new TwoPictureButton(Pictures::buttonFace(QStringLiteral("بله"), face, false, QColor(40, 110, 60)),
                                Pictures::buttonFace(QStringLiteral("بله"), face, true, QColor(40, 110, 60)), this);
    m_ok->setObjectName(QStringLiteral("cmdOk"));
    m_ok->setAccessibleName(QStringLiteral("بله"));
    m_cancel = new TwoPictureButton(Pictures::buttonFace(QStringLiteral("خير"), face, false, QColor(150, 45, 40)),
                                    Pictures::buttonFace(QStringLiteral("خير"), face, true, QColor(150, 45, 40)), this);
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));
    m_cancel->setAccessibleName(QStringLiteral("خير"));
    // Right to left: Yes on the right, No on the left.
    m_ok->move(width() - tw(480) - face.width(), tw(2280));
    m_cancel->move(tw(480), tw(2280));
    connect(m_ok, &TwoPictureButton::clicked, this, &exitpro::answerYes);
    connect(m_cancel, &TwoPictureButton::clicked, this, &exitpro::answerNo);

    // The title alternates between two texts; the check box's caption follows it.
    m_titleA = titleTimer(this, "Timer1");
    m_titleB = titleTimer(this, "Timer2");
    m_caption = titleTimer(this, "Timer3");
    connect(m_titleA, &QTimer::timeout, this, [this] {
        setWindowTitle(QStringLiteral(" تهيه نسخه پشتيبان"));
        enable(m_titleB);
        m_titleA->stop();
    });
    connect(m_titleB, &QTimer::timeout, this, [this] {
        setWindowTitle(QStringLiteral("پشتيبان گيري"));
        enable(m_titleA);
        m_titleB->stop();
    });
    connect(m_caption, &QTimer::timeout, this, [this] {
        if (windowTitle().size() < 2)
            setWindowTitle(QStringLiteral(" تهيه نسخه پشتيبان"));
        else
            m_backup->setText(windowTitle());
    });

    // Start-up.
    placeAt(5000, 2500);
    m_ok->showNormalPicture();
    m_cancel->showNormalPicture();
    m_titleA->start();
    m_titleB->start();
    m_caption->start();
}

void exitpro::answerYes()
{
    if (m_backup->isChecked()) {
        context().windows->show<Frmbackup>();
        hide(); // stays loaded; the program ends from the backup window
        return;
    }
    context().endProgram();
}

void exitpro::answerNo()
{
    context().windows->showMain();
    close();
}

void exitpro::mouseMoveEvent(QMouseEvent* event)
{
    m_ok->showNormalPicture();
    m_cancel->showNormalPicture();
    AppWindow::mouseMoveEvent(event);
}

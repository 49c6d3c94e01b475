#include "About.h"

#include "AppContext.h"
#include "Pictures.h"
#include "Twips.h"
#include "Windows.h"

#include <QLabel>
#include <QPainter>
#include <QRandomGenerator>
#include <QTimer>
#include <QToolButton>

namespace {
const QString kExitCaption = QStringLiteral("خروج");
// The author named in the credit sentence and in the programmer credit.
const QString kCreditSentence = QStringLiteral("This program was written by Kaveh Nikpour");
const int kLabelLeft = 600;
const int kLabelWidth = 7560;
const int kLabelHeight = 480;
const int kInitialTops[4] = {1920, 2640, 3240, 3840};
} // namespace

int About::s_colourStep = 0;

QStringList About::creditList(const QString& siteHost, const QString& shopHost)
{
    return {
        QStringLiteral("نام نرم افزار:"),
        QStringLiteral(" نرم افزار تست Ornavex"),
        QStringLiteral("برنامه نويس: کاوه نيکپور"),
        QStringLiteral("تلفن: 5550147-021"),
        QStringLiteral("پست الکترونيک: info@pelimora.example"),
        QStringLiteral("وب سايت: ") + siteHost,
        QStringLiteral("فروشگاه: ") + shopHost,
        QString(),
        QString(),
    };
}

QString About::spreadOut(const QString& sentence)
{
    const QString gap(3, QLatin1Char(' '));
    QString out;
    for (const QString& word : sentence.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        for (QChar c : word)
            out += c + gap;
        out += QLatin1Char('.');
    }
    return out;
}

QColor About::paletteColour(int index)
{
    static const QColor colours[16] = {
        {0, 0, 0},       {0, 0, 128},     {0, 128, 0},     {0, 128, 128}, {128, 0, 0},   {128, 0, 128},
        {128, 128, 0},   {192, 192, 192}, {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
        {255, 0, 0},     {255, 0, 255},   {255, 255, 0},   {255, 255, 255},
    };
    return colours[qBound(0, index, 15)];
}

About::About(AppContext& context) : AppWindow(context)
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("about"));
    setFixedSize(tw(8430), tw(7200));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    m_background = Pictures::aboutBackground(size());

    QFont creditFont(QStringLiteral("Arial"));
    creditFont.setPointSizeF(15.75);
    creditFont.setBold(true);
    for (int i = 0; i < 4; ++i) {
        m_labels[i] = new QLabel(this);
        m_labels[i]->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        m_labels[i]->setFont(creditFont);
        m_labels[i]->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
        m_topTwips[i] = kInitialTops[i];
        placeLabel(i);
    }

    m_sentence = new QLabel(this);
    m_sentence->setObjectName(QStringLiteral("Label5"));
    m_sentence->setAlignment(Qt::AlignCenter);
    m_sentence->setLayoutDirection(Qt::LeftToRight);
    QPalette dark = m_sentence->palette();
    dark.setColor(QPalette::WindowText, QColor(0, 0, 192));
    m_sentence->setPalette(dark);
    m_sentence->setGeometry(twRect(2040, 6600, 4095, 285));

    m_exit = new QToolButton(this);
    m_exit->setObjectName(QStringLiteral("cmdExit"));
    m_exit->setAccessibleName(kExitCaption);
    m_exit->setToolTip(kExitCaption);
    const QSize face(tw(1200), tw(480));
    m_exit->setIcon(QIcon(Pictures::buttonFace(kExitCaption, face, false, QColor(40, 70, 130))));
    m_exit->setIconSize(face);
    m_exit->setAutoRaise(true);
    m_exit->setGeometry(twRect(6960, 6480, 1260, 540));
    connect(m_exit, &QToolButton::clicked, this, &QWidget::close);

    m_colourTimer = new QTimer(this);
    m_colourTimer->setObjectName(QStringLiteral("colourTimer"));
    m_colourTimer->setInterval(700);
    connect(m_colourTimer, &QTimer::timeout, this, &About::colourTick);
    m_scrollTimer = new QTimer(this);
    m_scrollTimer->setObjectName(QStringLiteral("scrollTimer"));
    m_scrollTimer->setInterval(55);
    connect(m_scrollTimer, &QTimer::timeout, this, &About::scrollTick);
    m_condenseTimer = new QTimer(this);
    m_condenseTimer->setObjectName(QStringLiteral("condenseTimer"));
    m_condenseTimer->setInterval(1);
    connect(m_condenseTimer, &QTimer::timeout, this, &About::condenseTick);

    // Start-up.
    m_condenseTimer->start();
    m_sentence->setText(spreadOut(kCreditSentence));
    m_pattern = QStringLiteral(" ");
    m_replacement = QString();
    placeAt(2500, 1200);
    m_credits = creditList(context.config.siteHost, context.config.shopHost);
    for (int i = 0; i < 4; ++i)
        m_labels[i]->setText(m_credits[i]);
    m_nextEntry = 4;
    m_colourTimer->start();
    m_scrollTimer->start();
}

QString About::creditSentence() const
{
    return m_sentence->text();
}

void About::placeLabel(int index)
{
    // Tops are kept in twips, as the animation steps them; a step of 15 is one pixel.
    m_labels[index]->setGeometry(QRect(tw(kLabelLeft), m_topTwips[index] / 15, tw(kLabelWidth), tw(kLabelHeight)));
}

void About::colourTick()
{
    if (s_colourStep > 15)
        s_colourStep = 0;
    QPalette p1 = m_labels[0]->palette();
    p1.setColor(QPalette::WindowText, paletteColour(s_colourStep));
    m_labels[0]->setPalette(p1);
    s_colourStep += 2;

    QRandomGenerator* random = QRandomGenerator::global();
    const int red = qRound(random->generateDouble() * 255);
    const int green = qRound(random->generateDouble() * 255);
    const int blue = qRound(random->generateDouble() * 255);
    QPalette p3 = m_labels[2]->palette();
    p3.setColor(QPalette::WindowText, QColor(red, green, blue));
    m_labels[2]->setPalette(p3);
}

void About::scrollTick()
{
    for (int i = 0; i < 4; ++i) {
        if (m_topTwips[i] <= 1000) {
            m_topTwips[i] = frameGeometry().height() * 15 - 1500;
            ++m_nextEntry;
            m_labels[i]->setText(m_credits.value(m_nextEntry - 1));
            break;
        }
    }
    if (m_nextEntry == 9)
        m_nextEntry = 0;
    for (int i = 0; i < 4; ++i) {
        m_topTwips[i] -= 15;
        placeLabel(i);
    }
}

void About::condenseTick()
{
    if (m_pattern.isEmpty() || m_pattern == m_replacement)
        return;
    QString text = m_sentence->text();
    const qsizetype at = text.indexOf(m_pattern);
    if (at >= 0) {
        text.replace(at, m_pattern.size(), m_replacement);
        m_sentence->setText(text);
    } else {
        m_pattern = QStringLiteral(".");
        m_replacement = QStringLiteral(" ");
    }
}

void About::paintEvent(QPaintEvent* event)
{
    QPainter(this).drawPixmap(0, 0, m_background);
    AppWindow::paintEvent(event);
}

#include "Frmravansanji.h"

#include "AppContext.h"
#include "Links.h"
#include "Pictures.h"
#include "Twips.h"
#include "Windows.h"
#include "data/Scales.h"
#include "data/View.h"
#include "data/ViewBinder.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTextOption>
#include <QToolButton>

namespace {
const QString kTitle = QStringLiteral("معرفي پرسشنامه");
const QString kExitCaption = QStringLiteral("خروج");
} // namespace

Frmravansanji::Frmravansanji(AppContext& context)
    : ThemedWindow(context), m_settings(new View(*context.db, Tables::Settings, this)),
      m_settingsBinder(new ViewBinder(*m_settings, this))
{
    setObjectName(QStringLiteral("Frmravansanji"));
    setWindowTitle(kTitle);
    setFixedSize(tw(10110), tw(9120));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Frame1"));
    panel->setFrameShape(QFrame::Box);
    // Its own sheet, so a skin on the window does not repaint the panel.
    panel->setStyleSheet(QStringLiteral("QFrame#Frame1 { background-color: rgb(192, 192, 255); "
                                        "border: 1px solid rgb(120, 120, 200); }"));
    panel->setGeometry(twRect(240, 240, 9630, 7680));

    m_text = new QPlainTextEdit(panel);
    m_text->setObjectName(QStringLiteral("T3"));
    m_text->setAccessibleName(kTitle);
    m_text->setGeometry(twRect(495, 405, 8520, 5415));
    QFont font(QStringLiteral("B Nazanin"));
    font.setPointSizeF(12);
    font.setBold(true);
    m_text->setFont(font);
    m_text->setLayoutDirection(Qt::RightToLeft);
    QTextOption option = m_text->document()->defaultTextOption();
    option.setTextDirection(Qt::RightToLeft);
    option.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_text->document()->setDefaultTextOption(option);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    const QString shopAddress = QStringLiteral("http://") + context.config.shopHost;
    m_logo = new QToolButton(panel);
    m_logo->setObjectName(QStringLiteral("Image1"));
    m_logo->setIcon(QIcon(Pictures::logo(84)));
    m_logo->setIconSize(QSize(84, 84));
    m_logo->setAutoRaise(true);
    m_logo->setToolTip(shopAddress);
    m_logo->setAccessibleName(shopAddress);
    m_logo->setGeometry(twRect(7620, 6000, 1395, 1395));
    connect(m_logo, &QToolButton::clicked, this, [this] { Links::openLogoPages(this->context()); });

    auto* exit = new QPushButton(kExitCaption, this);
    exit->setObjectName(QStringLiteral("Command1"));
    exit->setAccessibleName(kExitCaption);
    exit->setGeometry(twRect(240, 8160, 1815, 615));
    connect(exit, &QPushButton::clicked, this, &QWidget::close);

    m_settings->open();
    m_settingsBinder->bind(m_text, QStringLiteral("T3"), "plainText");

    placeAt(2340, 200);
    applyTheme();
}

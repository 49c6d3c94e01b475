#include "Frm1.h"

#include "AppContext.h"
#include "Dialogs.h"
#include "Frmskin.h"
#include "Links.h"
#include "Pictures.h"
#include "PelimoraConfig.h"
#include "Twips.h"
#include "Windows.h"
#include "data/Scales.h"
#include "data/View.h"
#include "data/ViewBinder.h"
#include "subjects/RegistrationPanel.h"
#include "testing/TestLaunch.h"
#include "About.h"
#include "Frmravansanji.h"
#include "exitpro.h"
#include "scoring/FrmkLID.h"
#include "subjects/FrmCode.h"
#include "update/FrmUpdate.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
struct HoverText
{
    const char* button;
    const char* text;
};
// The five menu buttons that explain themselves in the hover help line.
const HoverText kHoverTexts[] = {
    {"cmdRegister", " شما بايد هر آزمودني را ابتدا ثبت نام کرده و سپس روي دکمه اجراي تست کليک کرده و کد آزمودني را وارد کنيد"},
    {"cmdAAS", " جهت جواب دادن به سؤالها روي اين دکمه کليک کنيد و کد آزمودني مورد نظر را وارد کنيد "},
    {"cmdKeying", " جهت کليد گذاري و محاسبه نتيجه تست روي اين دکمه کليک مي کنيد"},
    {"cmdBrowse", " درصورتيکه کد آزمودني را فراموش کرده ايد با کليک بر روي  اين قسمت مي توانيد آن را بدست بياوريد"},
    {"cmdSettings", "با کليک بر روي اين دکمه شمامي توانيد:1- تم برنامه را عوض کنيد 2- نام و آدرس کلينيک را وارد کنيد"},
};

const char* const kThemeCaptions[11] = {" تم شماره 1", "تم شماره 2", "تم شماره 3", "تم شماره 4",
                                         " تم شماره 5", "تم شماره 6", "تم شماره 7", "تم شماره 8",
                                         "تم شماره 9", "تم شماره 10 ", "تم شماره 11"};

template <class Fn> void ignoringFailures(Fn fn)
{
    // The menu's steps go on with the next one whatever a step returns.
    fn();
}
} // namespace

Frm1::Frm1(AppContext& context)
    : ThemedWindow(context), m_settings(new View(*context.db, Tables::Settings, this)),
      m_ide(new View(*context.db, Tables::IDE, this)),
      m_answers{new View(*context.db, Tables::AnswerAAS, this), new View(*context.db, Tables::AnswerAPS, this),
                new View(*context.db, Tables::AnswerMACR, this)},
      m_settingsBinder(new ViewBinder(*m_settings, this))
{
    setObjectName(QStringLiteral("Frm1"));
    setWindowTitle(QStringLiteral("Pelimora"));
    setFixedSize(tw(10725), tw(9210));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setMouseTracking(true);

    m_settings->open();
    m_ide->open();
    for (View* v : m_answers)
        v->open();

    for (int k = 0; k < 9; ++k) {
        m_captionHolders[k] = new QLabel(this);
        m_captionHolders[k]->setObjectName(QStringLiteral("captionHolder%1").arg(k + 1));
        m_captionHolders[k]->hide();
        m_settingsBinder->bind(m_captionHolders[k], QStringLiteral("F%1").arg(k + 1), "text");
    }
    m_closeMode = new QLineEdit(this);
    m_closeMode->setObjectName(QStringLiteral("closeMode"));
    m_closeMode->hide();

    m_titleLine = new QLabel(this);
    m_titleLine->setObjectName(QStringLiteral("titleLine"));
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPointSizeF(20.25);
    titleFont.setBold(true);
    m_titleLine->setFont(titleFont);
    m_titleLine->setAlignment(Qt::AlignCenter);
    m_titleLine->setGeometry(twRect(900, 60, 8900, 660));

    m_help = new QToolButton(this);
    m_help->setObjectName(QStringLiteral("cmdHelp"));
    m_help->setText(QStringLiteral("Help"));
    m_help->setIcon(QIcon(Pictures::helpIcon(24)));
    m_help->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_help->setToolTip(QStringLiteral("براي مشاهده اين قسمت بايد به اينترنت کانکت شويد"));
    m_help->setAccessibleName(QStringLiteral("Help"));
    m_help->setGeometry(twRect(90, 60, 780, 780));
    connect(m_help, &QToolButton::clicked, this, [this] { Links::openHelpPage(this->context()); });

    m_logo = new QToolButton(this);
    m_logo->setObjectName(QStringLiteral("logo"));
    m_logo->setIcon(QIcon(Pictures::logo(96)));
    m_logo->setIconSize(QSize(96, 96));
    m_logo->setAutoRaise(true);
    m_logo->setToolTip(QStringLiteral("جهت ورود به سايت کليک کنيد"));
    m_logo->setAccessibleName(QStringLiteral("جهت ورود به سايت کليک کنيد"));
    m_logo->setGeometry(twRect(180, 6540, 1560, 1560));
    connect(m_logo, &QToolButton::clicked, this, [this] { Links::openLogoPages(this->context()); });

    m_version = new QLabel(QStringLiteral("V2.1.1"), this);
    m_version->setObjectName(QStringLiteral("versionLabel"));
    m_version->setLayoutDirection(Qt::LeftToRight);
    m_version->setGeometry(twRect(180, 8160, 1500, 285));

    m_hoverHelp = new QLabel(this);
    m_hoverHelp->setObjectName(QStringLiteral("hoverHelp"));
    m_hoverHelp->setWordWrap(true);
    m_hoverHelp->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_hoverHelp->setGeometry(twRect(180, 8460, 9975, 615));
    m_hoverHelp->setFrameShape(QFrame::StyledPanel);
    m_hoverHelp->hide();

    buildMenu();
    m_registration = new RegistrationPanel(context, *this);
    m_registration->setGeometry(twRect(1500, 780, 6675, 2895));
    buildSettingsPanel();
    buildThemesPanel();
    buildClinicPanel();
    buildFieldNamesPanel();

    // Start-up: place, theme, close mode, captions into the registration panel.
    placeAt(2340, 765);
    applyTheme();
    setCloseMode(ClosePlainly);
    for (int k = 1; k <= 8; ++k)
        m_registration->setCaption(k, caption(k));
    m_registration->hide();
    m_settingsPanel->hide();
    m_themesPanel->hide();
    m_clinicPanel->hide();
    m_fieldNamesPanel->hide();
}

QPushButton* Frm1::menuButton(const QString& objectName, const QString& caption)
{
    auto* b = new QPushButton(caption, m_menu);
    b->setObjectName(objectName);
    b->setMinimumHeight(tw(540));
    b->setMouseTracking(true);
    b->installEventFilter(this);
    m_menu->layout()->addWidget(b);
    m_menuButtons << b;
    return b;
}

void Frm1::buildMenu()
{
    m_menu = new QFrame(this);
    m_menu->setObjectName(QStringLiteral("menuFrame"));
    m_menu->setFrameShape(QFrame::StyledPanel);
    m_menu->setGeometry(twRect(8400, 780, 2205, 7560));
    m_menu->setMouseTracking(true);
    m_menu->installEventFilter(this);
    auto* layout = new QVBoxLayout(m_menu);
    layout->setSpacing(tw(45));
    layout->setContentsMargins(tw(90), tw(90), tw(90), tw(90));

    connect(menuButton(QStringLiteral("cmdRegister"), QStringLiteral("ثبت نام آزمودني")), &QPushButton::clicked, this,
            [this] { m_registration->open(); });
    const char* scaleButtons[3][2] = {{"cmdAAS", "AAS"}, {"cmdAPS", "APS"}, {"cmdMACR", "MAC_R"}};
    for (int s = 0; s < 3; ++s)
        connect(menuButton(QString::fromLatin1(scaleButtons[s][0]), QString::fromLatin1(scaleButtons[s][1])),
                &QPushButton::clicked, this, [this, s] { TestLaunch::launch(this->context(), *this, s + 1); });
    connect(menuButton(QStringLiteral("cmdKeying"), QStringLiteral("كليدگذاري")), &QPushButton::clicked, this, [this] {
        if (answerAASEmpty())
            return;
        reset();
        this->context().windows->show<FrmkLID>();
        hide();
    });
    connect(menuButton(QStringLiteral("cmdBrowse"), QStringLiteral("نمايش کد آزمودني")), &QPushButton::clicked, this,
            [this] {
                if (answerAASEmpty())
                    return;
                reset();
                this->context().windows->show<FrmCode>();
                hide();
            });
    connect(menuButton(QStringLiteral("cmdIntro"), QStringLiteral("معرفي پرسشنامه")), &QPushButton::clicked, this,
            [this] {
                auto* w = this->context().windows->get<Frmravansanji>();
                w->setWindowModality(Qt::ApplicationModal);
                w->show();
            });
    connect(menuButton(QStringLiteral("cmdCalculator"), QStringLiteral("ماشين حساب")), &QPushButton::clicked, this,
            [this] {
                reset();
                // A calculator that cannot be started is simply not there.
                ignoringFailures([this] { this->context().startProcess(this->context().config.calculator, {}); });
            });
    connect(menuButton(QStringLiteral("cmdSettings"), QStringLiteral("تنظيمات")), &QPushButton::clicked, this, [this] {
        reset();
        m_settingsPanel->show();
        m_settingsPanel->raise();
    });
    connect(menuButton(QStringLiteral("cmdAbout"), QStringLiteral("درباره ما")), &QPushButton::clicked, this, [this] {
        if (answerAASEmpty())
            return;
        reset();
        auto* w = this->context().windows->get<About>();
        w->setWindowModality(Qt::ApplicationModal);
        w->show();
    });
    connect(menuButton(QStringLiteral("cmdUpdate"), QStringLiteral("بروز رساني")), &QPushButton::clicked, this, [this] {
        auto* w = this->context().windows->get<FrmUpdate>();
        w->setWindowModality(Qt::ApplicationModal);
        w->show();
    });
    connect(menuButton(QStringLiteral("cmdExit"), QStringLiteral("خروج")), &QPushButton::clicked, this, [this] {
        setCloseMode(ClosePlainly);
        reset();
        openExitConfirmation(5000, 2500);
        close();
    });
}

void Frm1::buildSettingsPanel()
{
    m_settingsPanel = new QFrame(this);
    m_settingsPanel->setObjectName(QStringLiteral("settingsPanel"));
    m_settingsPanel->setFrameShape(QFrame::StyledPanel);
    m_settingsPanel->setGeometry(twRect(6060, 3780, 2175, 2715));
    auto* layout = new QVBoxLayout(m_settingsPanel);
    auto add = [&](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, m_settingsPanel);
        b->setObjectName(QString::fromLatin1(name));
        layout->addWidget(b);
        return b;
    };
    connect(add("cmdThemes", QStringLiteral("تغيير تم برنامه")), &QPushButton::clicked, this, [this] {
        reset();
        m_settingsPanel->show();
        m_themesPanel->show();
        m_themesPanel->raise();
    });
    connect(add("cmdClinic", QStringLiteral(" تعريف نام کلينيک")), &QPushButton::clicked, this, [this] {
        reset();
        m_settingsPanel->show();
        m_clinicPanel->show();
        m_clinicPanel->raise();
    });
    connect(add("cmdFieldNames", QStringLiteral(" تعريف نام فيلدها")), &QPushButton::clicked, this, [this] {
        m_fieldNamesPanel->show();
        m_fieldNamesPanel->raise();
    });
    connect(add("settingsExit", QStringLiteral("خروج")), &QPushButton::clicked, this, [this] { reset(); });
}

void Frm1::buildThemesPanel()
{
    m_themesPanel = new QFrame(this);
    m_themesPanel->setObjectName(QStringLiteral("themesPanel"));
    m_themesPanel->setFrameShape(QFrame::StyledPanel);
    m_themesPanel->setGeometry(twRect(3420, 780, 2595, 7575));
    auto* layout = new QVBoxLayout(m_themesPanel);
    for (int n = 1; n <= 11; ++n) {
        auto* b = new QPushButton(QString::fromUtf8(kThemeCaptions[n - 1]), m_themesPanel);
        b->setObjectName(QStringLiteral("theme%1").arg(n));
        layout->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, n] { changeTheme(n); });
    }
    auto* exit = new QPushButton(QStringLiteral("خروج"), m_themesPanel);
    exit->setObjectName(QStringLiteral("themesExit"));
    layout->addWidget(exit);
    connect(exit, &QPushButton::clicked, m_themesPanel, &QWidget::hide);
}

void Frm1::buildClinicPanel()
{
    m_clinicPanel = new QFrame(this);
    m_clinicPanel->setObjectName(QStringLiteral("clinicPanel"));
    m_clinicPanel->setFrameShape(QFrame::StyledPanel);
    m_clinicPanel->setGeometry(twRect(1620, 840, 6075, 2295));
    auto* grid = new QGridLayout(m_clinicPanel);
    auto field = [&](int row, const char* name, const QString& caption, const QString& column) {
        auto* label = new QLabel(caption, m_clinicPanel);
        auto* edit = new QLineEdit(m_clinicPanel);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setAlignment(Qt::AlignCenter);
        edit->setLayoutDirection(Qt::RightToLeft);
        label->setBuddy(edit);
        edit->setAccessibleName(caption.trimmed());
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1, 1, 3);
        themeBinder().bind(edit, column);
        return edit;
    };
    m_clinicName = field(0, "clinicName", QStringLiteral(" :نام"), QStringLiteral("Name"));
    m_clinicAddress = field(1, "clinicAddress", QStringLiteral(" :آدرس"), QStringLiteral("Adress"));
    // The title line follows the clinic name field: every keystroke, every row loaded.
    connect(m_clinicName, &QLineEdit::textChanged, m_titleLine, &QLabel::setText);
    m_titleLine->setText(m_clinicName->text());
    auto* save = new QPushButton(QStringLiteral("ذخيره "), m_clinicPanel);
    save->setObjectName(QStringLiteral("clinicSave"));
    auto* cancel = new QPushButton(QStringLiteral("انصراف"), m_clinicPanel);
    cancel->setObjectName(QStringLiteral("clinicCancel"));
    grid->addWidget(save, 2, 2);
    grid->addWidget(cancel, 2, 3);
    connect(save, &QPushButton::clicked, this, &Frm1::saveClinicDetails);
    connect(cancel, &QPushButton::clicked, this, &Frm1::cancelClinicDetails);
}

void Frm1::buildFieldNamesPanel()
{
    m_fieldNamesPanel = new QGroupBox(QStringLiteral("تعريف نام فيلد ها"), this);
    m_fieldNamesPanel->setObjectName(QStringLiteral("fieldNamesPanel"));
    m_fieldNamesPanel->setGeometry(twRect(1380, 780, 6555, 3015));
    auto* grid = new QGridLayout(m_fieldNamesPanel);
    for (int k = 0; k < 8; ++k) {
        auto* label = new QLabel(QStringLiteral("F%1").arg(k + 1), m_fieldNamesPanel);
        auto* edit = new QLineEdit(m_fieldNamesPanel);
        edit->setObjectName(QStringLiteral("fieldName%1").arg(k + 1));
        edit->setAlignment(Qt::AlignRight);
        edit->setAccessibleName(label->text());
        label->setBuddy(edit);
        // Right to left, top to bottom: F1 F2 F3 / F4 F5 F6 / F7 F8.
        const int row = k / 3, col = (k % 3) * 2;
        grid->addWidget(label, row, col);
        grid->addWidget(edit, row, col + 1);
        m_settingsBinder->bind(edit, QStringLiteral("F%1").arg(k + 1));
        m_fieldNames[k] = edit;
    }
    auto* save = new QPushButton(QStringLiteral("ذخيره"), m_fieldNamesPanel);
    save->setObjectName(QStringLiteral("fieldNamesSave"));
    auto* exit = new QPushButton(QStringLiteral("خروج"), m_fieldNamesPanel);
    exit->setObjectName(QStringLiteral("fieldNamesExit"));
    grid->addWidget(save, 3, 3);
    grid->addWidget(exit, 3, 5);
    connect(save, &QPushButton::clicked, this, &Frm1::saveFieldNames);
    connect(exit, &QPushButton::clicked, m_fieldNamesPanel, &QWidget::hide);
}

void Frm1::reset()
{
    m_registration->hide();
    m_settingsPanel->hide();
    m_themesPanel->hide();
    m_clinicPanel->hide();
    m_fieldNamesPanel->hide();
    if (!m_ide->isEmpty())
        m_ide->refresh();
}

int Frm1::closeMode() const
{
    return m_closeMode->text().toInt();
}

void Frm1::setCloseMode(int mode)
{
    m_closeMode->setText(QString::number(mode));
}

QString Frm1::caption(int k) const
{
    return k >= 1 && k <= 9 ? m_captionHolders[k - 1]->text() : QString();
}

View& Frm1::answerView(int scale) const
{
    return *m_answers[qBound(1, scale, 3) - 1];
}

bool Frm1::answerAASEmpty() const
{
    return m_answers[0]->isEmpty();
}

void Frm1::changeTheme(int n)
{
    setCloseMode(CloseAfterSettingsChange);
    themeView().refresh();
    themeNumberField()->setText(QString::number(n));
    themeView().setColumn(QStringLiteral("TH"), QString::number(n));
    if (!themeView().commit())
        context().dialogs->message(this, QStringLiteral("خطا"), themeView().lastError(), Dialogs::Icon::Warning);
    themeView().refresh();
    context().windows->show<Frmskin>();
    close();
}

void Frm1::saveClinicDetails()
{
    if (!themeView().commit()) {
        context().dialogs->message(this, QStringLiteral("خطا"), themeView().lastError(), Dialogs::Icon::Warning);
        return;
    }
    themeView().refresh();
    themeView().refresh();
    m_clinicPanel->hide();
}

void Frm1::cancelClinicDetails()
{
    m_clinicPanel->hide();
}

void Frm1::saveFieldNames()
{
    setCloseMode(CloseAfterSettingsChange);
    m_settings->commit();
    m_settings->refresh();
    context().windows->show<Frmskin>();
    close();
}

void Frm1::openExitConfirmation(int leftTwips, int topTwips)
{
    auto* w = context().windows->show<exitpro>();
    w->placeAt(leftTwips, topTwips);
}

void Frm1::closeEvent(QCloseEvent* event)
{
    m_ide->refresh();
    if (closeMode() == ClosePlainly) {
        m_ide->refresh();
    } else {
        reset();
        m_ide->refresh();
        openExitConfirmation(5000, 1500);
    }
    event->accept();
    ThemedWindow::closeEvent(event);
}

void Frm1::hideHoverHelp()
{
    if (m_hoverHelp->isVisible() || !m_hoverHelp->text().isEmpty()) {
        m_hoverHelp->clear();
        m_hoverHelp->hide();
    }
}

bool Frm1::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (type == QEvent::Enter || type == QEvent::MouseMove) {
        if (watched == m_menu) {
            hideHoverHelp();
        } else {
            for (const HoverText& h : kHoverTexts) {
                if (watched->objectName() == QLatin1String(h.button)) {
                    m_hoverHelp->setText(QString::fromUtf8(h.text));
                    m_hoverHelp->show();
                    break;
                }
            }
        }
    }
    return ThemedWindow::eventFilter(watched, event);
}

void Frm1::mouseMoveEvent(QMouseEvent* event)
{
    hideHoverHelp();
    ThemedWindow::mouseMoveEvent(event);
}

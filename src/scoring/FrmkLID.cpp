#include "FrmkLID.h"

#include "ScaleKeys.h"
#include "data/Scales.h"
#include "data/View.h"
#include "reports/DataR1.h"
#include "reports/DataRPrint.h"
#include "reports/ReportProducer.h"
#include "shell/AppContext.h"
#include "shell/Dialogs.h"
#include "shell/Twips.h"
#include "shell/Windows.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTextOption>

namespace {

const int kShortNotice = 1000;
const int kHintNotice = 2000;

// clang-format off
const char* const kHelpText =
    "در اين قسمت از نرم افزار ابتدا روي انتخاب آزمودني \r\n"
    "کليک کرده سپس کد آزمودني را وارد کنيد و دکمه \r\n"
    "اينتر را فشار دهيد نتيجه آزمون نمايش داده و ذخيره \r\n"
    "خواهد شد در صورتيکه تمايل داريد نتيجه آزمون را \r\n"
    "پرينت بگيريد روي دکمه پرينت آزمودني انتخاب شده \r\n"
    "کليک کنيد و در صورتيکه تمايل به پرينت نتيجه آزمون \r\n"
    "کل آزمودنيها را داريد روي دکمه پرينت کل آزمودنيها کليک کنيد\r\n";
// clang-format on

const QString kCodeColumn = QStringLiteral("Code");

QFrame* panel(QWidget* parent, const char* name, QRect geometry)
{
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameShape(QFrame::StyledPanel);
    f->setGeometry(geometry);
    return f;
}

QLineEdit* displayField(QWidget* parent, const QString& name, QRect geometry)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setAlignment(Qt::AlignCenter);
    e->setGeometry(geometry);
    return e;
}

QLabel* caption(QWidget* parent, const QString& name, const QString& text, QRect geometry, QWidget* buddy)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setGeometry(geometry);
    l->setBuddy(buddy);
    buddy->setAccessibleName(text.trimmed());
    return l;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, QRect geometry)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    return b;
}

} // namespace

FrmkLID::FrmkLID(AppContext& context)
    : ThemedWindow(context),
      m_ide(new View(*context.db, Tables::IDE, this)), m_answers{new View(*context.db, Tables::AnswerAAS, this),
                                                                 new View(*context.db, Tables::AnswerAPS, this),
                                                                 new View(*context.db, Tables::AnswerMACR, this)},
      m_settings(new View(*context.db, Tables::Settings, this)), m_allSubjects(new View(*context.db, Tables::IDE, this))
{
    setObjectName(QStringLiteral("FrmkLID"));
    setWindowTitle(QStringLiteral("کليد گذاري"));
    setFixedSize(tw(10035), tw(6060));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    m_ide->open();
    for (View* v : m_answers)
        v->open();
    m_settings->open();
    m_allSubjects->open();

    buildDetails();
    buildButtons();
    buildScores();
    buildHelp();
    // The panels show nothing until a subject is selected; from then on they follow
    // the subject view's current row.
    connect(m_ide, &View::currentRowChanged, this, &FrmkLID::showSubject);

    // Start-up.
    placeAt(2340, 765);
    applyTheme();
    for (int k = 0; k < 8; ++k) {
        const QString text = m_settings->text(QStringLiteral("F%1").arg(k + 1));
        m_captions[k]->setText(text);
        m_fields[k]->setAccessibleName(text);
    }
    m_helpPanel->setGeometry(twRect(1380, 1080, 7635, 4935));
    m_helpPanel->hide();
    m_hiddenAAS->hide();
    m_hiddenAPS->hide();
}

void FrmkLID::buildDetails()
{
    m_details = panel(this, "Frame1", twRect(270, 120, 9495, 2115));
    // Right to left: the code, F1..F4 on the first line; F5..F8 on the second. Each
    // field has its caption on its right.
    const int right = 9495 - 90, height = 375, gap = 45;
    const int lineTop[2] = {450, 1290};
    // The code's pair is narrow; the clinic's captions get the room they need.
    const int codeField = 800, codeLabel = 450;
    const int pairWidth[2] = {2000, 2320}, labelWidth[2] = {1100, 1200};
    m_code = displayField(m_details, QStringLiteral("txtCode"),
                          twRect(right - codeLabel - gap - codeField, lineTop[0], codeField, height));
    caption(m_details, QStringLiteral("lblCode"), QStringLiteral(" :کد"),
            twRect(right - codeLabel, lineTop[0], codeLabel, height), m_code);
    const int firstPairRight[2] = {right - codeLabel - gap - codeField - 2 * gap, right};
    for (int k = 0; k < 8; ++k) {
        const int line = k < 4 ? 0 : 1;
        const int pairRight = firstPairRight[line] - (k % 4) * pairWidth[line];
        const int labelLeft = pairRight - labelWidth[line];
        const int fieldWidth = pairWidth[line] - labelWidth[line] - 2 * gap;
        m_fields[k] = displayField(m_details, QStringLiteral("txtF%1").arg(k + 1),
                                   twRect(labelLeft - gap - fieldWidth, lineTop[line], fieldWidth, height));
        m_captions[k] = caption(m_details, QStringLiteral("lblF%1").arg(k + 1), QString(),
                                twRect(labelLeft, lineTop[line], labelWidth[line], height), m_fields[k]);
    }
}

void FrmkLID::buildButtons()
{
    m_buttons = panel(this, "Frame2", twRect(270, 2295, 9495, 1215));
    m_select = button(m_buttons, "cmdSelect", QStringLiteral("انتخاب آزمودني"), twRect(7275, 180, 2100, 855));
    m_printSelected =
        button(m_buttons, "cmdPrintSelected", QStringLiteral("پرينت آزمودني انتخاب شده"), twRect(4455, 120, 2700, 465));
    m_printAll =
        button(m_buttons, "cmdPrintAll", QStringLiteral("پرينت کل  آزمودني ها "), twRect(4455, 630, 2700, 465));
    m_help = button(m_buttons, "cmdHelp", QStringLiteral("راهنما"), twRect(2835, 180, 1500, 855));
    m_exit = button(m_buttons, "cmdExit", QStringLiteral(" خروج"), twRect(1215, 180, 1500, 855));
    m_hiddenAAS = button(m_buttons, "cmdAAS", QStringLiteral("AAS"), twRect(120, 180, 480, 855));
    m_hiddenAPS = button(m_buttons, "cmdAPS", QStringLiteral("APS"), twRect(660, 180, 480, 855));
    connect(m_select, &QPushButton::clicked, this, &FrmkLID::selectSubject);
    connect(m_printSelected, &QPushButton::clicked, this, &FrmkLID::printSelected);
    connect(m_printAll, &QPushButton::clicked, this, &FrmkLID::printAll);
    connect(m_help, &QPushButton::clicked, this, &FrmkLID::showHelp);
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);
}

void FrmkLID::buildScores()
{
    m_scores = panel(this, "Frame3", twRect(270, 3570, 9495, 2160));
    // Right to left: AAS, APS, MAC-R, each with its label above it.
    const char* const names[3] = {"AAS", "APS", "MACR"};
    const char* const titles[3] = {"AAS", "APS", "MAC-R"};
    const int lefts[3] = {6195, 3847, 1500};
    QFont scoreFont = font();
    scoreFont.setPointSizeF(14);
    scoreFont.setBold(true);
    for (int s = 0; s < 3; ++s) {
        m_scoreFields[s] = displayField(m_scores, QStringLiteral("txt%1").arg(QLatin1String(names[s])),
                                        twRect(lefts[s], 960, 1800, 600));
        m_scoreFields[s]->setFont(scoreFont);
        auto* l = caption(m_scores, QStringLiteral("lbl%1").arg(QLatin1String(names[s])),
                          QString::fromLatin1(titles[s]), twRect(lefts[s], 480, 1800, 405), m_scoreFields[s]);
        l->setAlignment(Qt::AlignCenter);
    }
}

void FrmkLID::buildHelp()
{
    m_helpPanel = panel(this, "Frame4", twRect(1380, 1080, 7635, 4935));
    m_helpPanel->setAutoFillBackground(true);
    m_helpText = new QPlainTextEdit(m_helpPanel);
    m_helpText->setObjectName(QStringLiteral("txtHelp"));
    m_helpText->setReadOnly(true);
    m_helpText->setGeometry(twRect(120, 120, 7395, 4035));
    // The text box shows line breaks as "\n"; the text itself is kept as written.
    m_helpText->setPlainText(QString::fromUtf8(kHelpText).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    QTextOption option = m_helpText->document()->defaultTextOption();
    option.setTextDirection(Qt::RightToLeft);
    option.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    m_helpText->document()->setDefaultTextOption(option);
    m_helpText->setAccessibleName(QStringLiteral("راهنما"));
    auto* close = button(m_helpPanel, "cmdHelpExit", QStringLiteral("خروج"), twRect(3067, 4275, 1500, 495));
    connect(close, &QPushButton::clicked, this, &FrmkLID::hideHelp);
}

void FrmkLID::showSubject()
{
    const bool has = m_ide->hasCurrent();
    m_code->setText(has ? m_ide->text(kCodeColumn) : QString());
    for (int k = 0; k < 8; ++k)
        m_fields[k]->setText(has ? m_ide->text(QStringLiteral("F%1").arg(k + 1)) : QString());
    for (int s = 0; s < 3; ++s)
        m_scoreFields[s]->setText(has ? m_ide->text(QLatin1String(kScales[s].scoreColumn)) : QString());
}

void FrmkLID::selectSubject()
{
    Dialogs& dialogs = *context().dialogs;
    const QString code =
        dialogs.input(this, QStringLiteral(" کد آزمودني را وارد کنيد"), QStringLiteral(" Enter Number "), QString());
    if (code.isEmpty()) {
        dialogs.notice(this, QStringLiteral("شما بايد شماره آزمودني مورد نظر را وارد كنيد"), kShortNotice);
        return;
    }
    View* const order[4] = {m_answers[0], m_ide, m_answers[1], m_answers[2]};
    for (View* v : order)
        v->refresh();
    for (View* v : order)
        v->filter(kCodeColumn, code);

    // The panels now show this code's row (or nothing), so a mark of an earlier
    // subject no longer belongs to what is displayed.
    m_selected.clear();
    if (m_answers[0]->rowCount() == 0) {
        dialogs.notice(this, QStringLiteral("فردي با اين مشخصات وجود ندارد"), kShortNotice);
        return;
    }
    QString error;
    if (!keyAndStore(&error)) {
        // Nothing half-stored stays in the view: the panels show the row as it is stored.
        m_ide->refresh();
        m_ide->filter(kCodeColumn, code);
        dialogs.message(this, QStringLiteral("خطا"), error, Dialogs::Icon::Warning);
        return;
    }
    dialogs.notice(this, QStringLiteral("اطلاعات با موفقيت محاسبه و ذخيره شد"), kShortNotice);
    m_ide->filter(kCodeColumn, code);
    m_selected = code;
}

bool FrmkLID::keyAndStore(QString* error)
{
    Dialogs& dialogs = *context().dialogs;
    for (int s = 0; s < 3; ++s) {
        const ScaleInfo& scale = kScales[s];
        View& answers = *m_answers[s];
        QStringList texts;
        if (answers.hasCurrent()) {
            texts.reserve(scale.items);
            for (int i = 1; i <= scale.items; ++i)
                texts << answers.text(QString::number(i));
        }
        const ScaleKeys::Result result = ScaleKeys::keyScale(scale, texts);
        if (!result.unanswered.isEmpty())
            dialogs.message(this, ScaleKeys::warningTitle(), ScaleKeys::warningText(scale.number, result.unanswered),
                            Dialogs::Icon::Warning);
        if (!m_ide->hasCurrent()) {
            *error = QStringLiteral("مشخصات اين آزمودني در جدول IDE پيدا نشد و نمره ها ذخيره نشد");
            return false;
        }
        if (!m_ide->setColumn(QLatin1String(scale.scoreColumn), QString::number(result.score))) {
            *error = QStringLiteral("نمره ها ذخيره نشد") + QStringLiteral("\r\n") + m_ide->lastError();
            return false;
        }
    }
    if (!m_ide->commit()) {
        *error = QStringLiteral("نمره ها در پايگاه داده ذخيره نشد") + QStringLiteral("\r\n") + m_ide->lastError();
        return false;
    }
    return true;
}

void FrmkLID::printSelected()
{
    if (m_selected.isEmpty()) {
        context().dialogs->notice(
            this, QStringLiteral("ابتدا روي جستجو کليک کرده سپس کد آزمودني را وارد کنيد بعد روي پرينت کليک کنيد "),
            kHintNotice);
        return;
    }
    ReportProducer::SheetValues values;
    values.code = m_code->text();
    for (int k = 0; k < 6; ++k)
        values.fields << m_fields[k]->text();
    for (QLineEdit* score : m_scoreFields)
        values.scores << score->text();
    ReportProducer::subjectSheet(context(), this, *m_ide, *m_settings, themeView(), values, m_sheet);
    m_selected.clear();
}

void FrmkLID::printAll()
{
    ReportProducer::allSubjects(context(), this, *m_allSubjects, *m_settings, themeView(), m_allReport);
}

void FrmkLID::showHelp()
{
    m_helpPanel->show();
    m_helpPanel->raise();
}

void FrmkLID::hideHelp()
{
    m_helpPanel->hide();
}

void FrmkLID::closeEvent(QCloseEvent* event)
{
    event->accept();
    ThemedWindow::closeEvent(event);
    context().windows->showMain();
}

#include "FrmTest.h"

#include "data/Scales.h"
#include "data/TextNumber.h"
#include "data/View.h"
#include "data/ViewBinder.h"
#include "shell/AppContext.h"
#include "shell/Dialogs.h"
#include "shell/DigitsLineEdit.h"
#include "shell/Twips.h"
#include "shell/Windows.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

namespace {
const int kStartNoticeDelay = 1000;
const int kEndNoticeDelay = 600;
const QRect kInstructionPlace = twRect(600, 3000, 9075, 4095);
const QRect kItemTextPlace = twRect(480, 3360, 8535, 1455);

QFont persianFont(double points, bool bold)
{
    QFont font(QStringLiteral("B Nazanin"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QPushButton* makeButton(QWidget* parent, const char* objectName, const QString& caption, const QRect& place)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setFont(persianFont(12, true));
    button->setGeometry(place);
    button->setAutoDefault(false);
    return button;
}

// The program writes item numbers without leading zeros; "05" is item 5 and "00" is 0.
QString withoutLeadingZeros(const QString& text)
{
    qsizetype i = 0;
    while (i + 1 < text.size() && text.at(i) == u'0')
        ++i;
    return text.mid(i);
}
} // namespace

FrmTest::FrmTest(AppContext& context)
    : ThemedWindow(context), m_subject(new View(*context.db, Tables::IDE, this)),
      m_subjectBinder(new ViewBinder(*m_subject, this))
{
    setObjectName(QStringLiteral("FrmTest"));
    setWindowTitle(QStringLiteral("..."));
    setFixedSize(tw(10290), tw(8895));
    m_subject->open();
    buildSubjectPanel();

    m_instruction = new QLabel(this);
    m_instruction->setObjectName(QStringLiteral("lblInstruction"));
    m_instruction->setFont(persianFont(14, true));
    m_instruction->setWordWrap(true);
    m_instruction->setAlignment(Qt::AlignJustify | Qt::AlignVCenter);

    m_itemText = new QLabel(this);
    m_itemText->setObjectName(QStringLiteral("lblItem"));
    m_itemText->setFont(persianFont(15, true));
    m_itemText->setWordWrap(true);
    m_itemText->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    m_itemText->setGeometry(kItemTextPlace);

    m_itemNumber = new DigitsLineEdit(*context.dialogs, this);
    m_itemNumber->setObjectName(QStringLiteral("txtItem"));
    m_itemNumber->setAccessibleName(QStringLiteral("شماره سؤال"));
    m_itemNumber->setAlignment(Qt::AlignCenter);
    m_itemNumber->setFont(persianFont(12, true));
    m_itemNumber->setGeometry(twRect(9135, 3360, 735, 420));
    connect(m_itemNumber, &QLineEdit::textChanged, this, &FrmTest::itemChanged);

    m_itemFrame = new QGroupBox(this);
    m_itemFrame->setObjectName(QStringLiteral("itemFrame"));
    m_itemFrame->setFont(persianFont(12, true));
    // The caption is set in a large face: room for it above the frame's border.
    m_itemFrame->setStyleSheet(QStringLiteral("QGroupBox#itemFrame { margin-top: 1.3em; padding-top: 4px; } QGroupBox#itemFrame::title { subcontrol-origin: margin; subcontrol-position: top center; }"));
    m_itemFrame->setGeometry(twRect(3255, 5040, 3000, 1065));
    m_true = new QRadioButton(QStringLiteral("درست"), m_itemFrame);
    m_true->setObjectName(QStringLiteral("optTrue"));
    m_false = new QRadioButton(QStringLiteral("غلط"), m_itemFrame);
    m_false->setObjectName(QStringLiteral("optFalse"));
    auto* choices = new QHBoxLayout(m_itemFrame);
    choices->addWidget(m_true, 0, Qt::AlignCenter);
    choices->addWidget(m_false, 0, Qt::AlignCenter);
    connect(m_true, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            choose(QStringLiteral("1"));
    });
    connect(m_false, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            choose(QStringLiteral("2"));
    });

    m_back = makeButton(this, "cmdBack", QStringLiteral("قبلي"), twRect(480, 6420, 1575, 525));
    m_next = makeButton(this, "cmdNext", QStringLiteral("بعدي"), twRect(7440, 6420, 1575, 525));
    m_exit = makeButton(this, "cmdExit", QStringLiteral("خروج"), twRect(600, 7800, 1815, 600));
    m_start = makeButton(this, "cmdStart", QStringLiteral("شروع"), twRect(7860, 7800, 1815, 600));
    m_saveExit = makeButton(this, "cmdSaveExit", QStringLiteral("ذخيره و خروج"), twRect(7860, 7800, 1815, 600));
    connect(m_back, &QPushButton::clicked, this, &FrmTest::back);
    connect(m_next, &QPushButton::clicked, this, &FrmTest::next);
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);
    connect(m_start, &QPushButton::clicked, this, &FrmTest::start);
    connect(m_saveExit, &QPushButton::clicked, this, &FrmTest::saveAndExit);

    // Create: place and skin, the instruction in its place, the captions.
    placeAt(2340, 765);
    applyTheme();
    m_instruction->setGeometry(kInstructionPlace);
    m_instruction->show();
    m_back->hide();
    m_next->hide();
    View settings(*context.db, Tables::Settings);
    settings.open();
    for (int k = 0; k < 8; ++k) {
        const QString caption = settings.text(QStringLiteral("F%1").arg(k + 1));
        m_captions[k]->setText(caption);
        m_fields[k]->setAccessibleName(caption);
    }
    // clang-format off
    m_instruction->setText(QStringLiteral(" پاسخگوي گرامي : پرسشنامه اي که پيش روي شماست به منظور بررسي عقايد  شما تهيه شده است اين پرسشنامه داراي دو گزينه درست و غلط است شما پس از مطالعه هر سوال ، پاسخ خود را بصورت درست يا غلط انتخاب نماييد منظور از درست آن است که آن جمله درباره شما صادق است و گزينه غلط حکايت از آن دارد که اين عبارت درباره شما درست نيست نتايج اين پرسشنامه صرفاً ارزش تحقيقاتي و علمي دارد  لطفاً تمام سوالات را با دقت بخوانيد و به آنها پاسخ دهيد و هيچ سوالي را بدون پاسخ نگذاريد. از همکاري شما سپاس گذاريم"));
    // clang-format on
    m_itemFrame->hide();
    m_itemNumber->hide();
    m_saveExit->hide();
}

void FrmTest::buildSubjectPanel()
{
    m_subjectPanel = new QFrame(this);
    m_subjectPanel->setObjectName(QStringLiteral("subjectPanel"));
    m_subjectPanel->setFrameShape(QFrame::StyledPanel);
    m_subjectPanel->setGeometry(twRect(120, 120, 10050, 1335));
    auto* grid = new QGridLayout(m_subjectPanel);

    // Right to left: the code and F1 to F4 on the first row, F5 to F8 on the second.
    auto* codeCaption = new QLabel(QStringLiteral(" :کد"), m_subjectPanel);
    codeCaption->setObjectName(QStringLiteral("lblCode"));
    m_code = new QLineEdit(m_subjectPanel);
    m_code->setObjectName(QStringLiteral("txtCode"));
    m_code->setReadOnly(true);
    m_code->setAlignment(Qt::AlignCenter);
    codeCaption->setBuddy(m_code);
    m_code->setAccessibleName(codeCaption->text().trimmed());
    grid->addWidget(codeCaption, 0, 0);
    grid->addWidget(m_code, 0, 1);
    m_subjectBinder->bind(m_code, QStringLiteral("Code"));

    for (int k = 0; k < 8; ++k) {
        if (k == 3) {
            auto* age = new DigitsLineEdit(*context().dialogs, m_subjectPanel);
            age->setTypedLimit(3);
            m_fields[k] = age;
        } else {
            m_fields[k] = new QLineEdit(m_subjectPanel);
        }
        m_fields[k]->setObjectName(QStringLiteral("txtF%1").arg(k + 1));
        m_fields[k]->setAlignment(Qt::AlignCenter);
        m_captions[k] = new QLabel(m_subjectPanel);
        m_captions[k]->setObjectName(QStringLiteral("lblF%1").arg(k + 1));
        m_captions[k]->setBuddy(m_fields[k]);
        const int row = k < 4 ? 0 : 1;
        const int column = k < 4 ? 2 * (k + 1) : 2 * (k - 4);
        grid->addWidget(m_captions[k], row, column);
        // The last box of the second row takes the room the first row gives its fifth pair.
        grid->addWidget(m_fields[k], row, column + 1, 1, k == 7 ? 3 : 1);
        m_subjectBinder->bind(m_fields[k], QStringLiteral("F%1").arg(k + 1));
    }
    m_fields[3]->setMaximumWidth(tw(750)); // three digits
    for (int column = 1; column < 10; column += 2)
        grid->setColumnStretch(column, 1);
}

bool FrmTest::setScaleNumber(int number)
{
    const ScaleInfo* scale = scaleByNumber(number);
    if (!scale)
        return false;
    if (scale != m_scale) {
        delete m_answers;
        delete m_items;
        m_answers = new View(*context().db, QString::fromLatin1(scale->answerTable), this);
        m_items = new View(*context().db, QString::fromLatin1(scale->itemTable), this);
        m_answers->open();
        m_items->open();
        m_scale = scale;
    }
    return true;
}

int FrmTest::scaleNumber() const
{
    return m_scale ? m_scale->number : 0;
}

void FrmTest::enterReadyState()
{
    m_instruction->show();
    m_start->show();
    m_exit->show();
    m_subjectPanel->show();
    m_itemText->clear();
    m_itemText->show();
    m_back->hide();
    m_next->hide();
    m_itemFrame->hide();
    m_itemNumber->hide();
    m_saveExit->hide();
    setItemNumber(QStringLiteral("0"));
}

QString FrmTest::itemNumber() const
{
    return m_itemNumber->text();
}

void FrmTest::setItemNumber(const QString& text)
{
    // A different text runs the item change at once (nested, when set from inside it).
    m_itemNumber->setText(text);
}

long long FrmTest::itemValue() const
{
    return std::llround(leadingNumber(itemNumber()));
}

void FrmTest::start()
{
    m_itemText->setGeometry(kItemTextPlace);
    m_itemText->show();
    m_instruction->hide();
    m_subjectPanel->show();
    m_itemFrame->show();
    m_itemNumber->show();
    m_next->show();
    m_back->show();
    setItemNumber(QStringLiteral("0"));
    m_code->setFocus();
    m_start->hide();
    m_saveExit->show();
    setItemNumber(QStringLiteral("1"));
}

void FrmTest::itemChanged()
{
    if (!m_scale)
        return;
    const int n = m_scale->items;
    Dialogs& dialogs = *context().dialogs;
    // Every setItemNumber below runs a whole item change of its own before this one
    // goes on; this run then shows the same item again.
    QString text = itemNumber();
    if (text.isEmpty()) {
        m_itemText->clear();
        setItemNumber(QStringLiteral("1"));
        text = itemNumber();
    } else if (const QString plain = withoutLeadingZeros(text); plain != text) {
        setItemNumber(plain);
        text = itemNumber();
    }
    double v = leadingNumber(text);
    if (v < 0) {
        dialogs.notice(this, QStringLiteral("شروع"), kStartNoticeDelay);
        setItemNumber(QStringLiteral("1"));
        m_answerColumn = QStringLiteral("1");
        m_itemFrame->setTitle(QStringLiteral("1"));
        text = itemNumber();
        v = leadingNumber(text);
    }
    // 0 (Back on item 1): the item shown and the column the choices act on stay.
    if (v == 0)
        return;
    if (v > n) {
        commitAnswers();
        dialogs.notice(this, QStringLiteral("پايان"), kEndNoticeDelay);
        setItemNumber(QString::number(n));
        m_itemFrame->setTitle(itemNumber());
        text = itemNumber();
        v = leadingNumber(text);
    }
    if (v >= n + 1)
        return;
    showItem(text);
}

void FrmTest::showItem(const QString& item)
{
    if (!m_items->filter(QStringLiteral("Code"), item))
        reportFailure(*m_items);
    m_itemText->setText(m_items->hasCurrent() ? m_items->text(QStringLiteral("1")) : QString());
    m_answerColumn = item;
    m_itemFrame->setTitle(item);
    showStoredAnswer();
}

void FrmTest::showStoredAnswer()
{
    const QString answer = m_answers->text(m_answerColumn);
    m_showingAnswer = true;
    if (answer.isEmpty())
        setChoices(false, false);
    else if (leadingNumber(answer) == 1)
        setChoices(true, false);
    else if (leadingNumber(answer) == 2)
        setChoices(false, true);
    m_showingAnswer = false;
}

void FrmTest::setChoices(bool isTrue, bool isFalse)
{
    // Exclusive choices cannot both be cleared while they are exclusive.
    for (auto [button, on] : {std::pair{m_true, isTrue}, std::pair{m_false, isFalse}}) {
        button->setAutoExclusive(false);
        button->setChecked(on);
        button->setAutoExclusive(true);
    }
}

void FrmTest::choose(const QString& value)
{
    if (m_showingAnswer || !m_answers || m_answerColumn.isEmpty())
        return;
    if (!m_answers->setColumn(m_answerColumn, value))
        reportFailure(*m_answers);
}

void FrmTest::next()
{
    commitAnswers();
    setItemNumber(QString::number(itemValue() + 1));
}

void FrmTest::back()
{
    commitAnswers();
    setItemNumber(QString::number(itemValue() - 1));
}

void FrmTest::saveAndExit()
{
    // The answer row is committed for every scale, so that an answer chosen after the
    // last Next or Back is kept. A row that cannot be stored keeps the window open:
    // closing would drop it.
    if (!commitAnswers() || !commitSubject())
        return;
    close();
}

bool FrmTest::commitAnswers()
{
    return !m_answers || m_answers->commit() || reportFailure(*m_answers);
}

bool FrmTest::commitSubject()
{
    return m_subject->commit() || reportFailure(*m_subject);
}

bool FrmTest::reportFailure(const View& view)
{
    context().dialogs->message(this, QStringLiteral("خطا"), view.lastError(), Dialogs::Icon::Warning);
    return false;
}

void FrmTest::closeEvent(QCloseEvent* event)
{
    m_subjectPanel->hide();
    context().windows->showMain();
    event->accept();
    ThemedWindow::closeEvent(event);
}

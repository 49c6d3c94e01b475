#include "FrmCode.h"

#include "data/Database.h"
#include "data/Scales.h"
#include "data/View.h"
#include "shell/AppContext.h"
#include "shell/Dialogs.h"
#include "shell/Twips.h"
#include "shell/Windows.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlTableModel>
#include <QStringListModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const int kNoticeDelay = 1000;

// The columns the grid shows, with their headings; the headings are these words,
// never the clinic's captions.
const char* const kGridColumns[4] = {"Code", "F1", "F2", "F3"};

// The distinct, non-empty values of one column of IDE, in the order of its index, so
// that the lists cost one pass over an index and never a pass over the rows.
QStringList distinctValues(Database& db, const QString& column)
{
    QStringList values;
    QSqlQuery q(db.connection());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT DISTINCT %1 FROM IDE WHERE %1 <> '' ORDER BY %1").arg(column)))
        return values;
    while (q.next())
        values << q.value(0).toString();
    return values;
}

bool anySubjectWith(Database& db, const QString& column, const QString& value)
{
    QSqlQuery q(db.connection());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT 1 FROM IDE WHERE %1 = ? LIMIT 1").arg(column));
    q.addBindValue(value);
    // When the file cannot answer, the value stays in the list: a stale entry filters
    // to an empty grid, which is harmless.
    return !q.exec() || q.next();
}
} // namespace

FrmCode::FrmCode(AppContext& context)
    : ThemedWindow(context), m_list(new View(*context.db, Tables::IDE, this)),
      m_settings(new View(*context.db, Tables::Settings, this)),
      m_deleteViews{new View(*context.db, Tables::IDE, this), new View(*context.db, Tables::AnswerAAS, this),
                    new View(*context.db, Tables::AnswerAPS, this), new View(*context.db, Tables::AnswerMACR, this)}
{
    setObjectName(QStringLiteral("FrmCode"));
    setWindowTitle(QStringLiteral("کد آزمودني"));
    setFixedSize(tw(10230), tw(7605));

    buildGrid();
    buildFilterBoxes();
    buildDeletePanel();

    m_exit = new QPushButton(QStringLiteral("خروج"), this);
    m_exit->setObjectName(QStringLiteral("cmdExit"));
    m_exit->setGeometry(twRect(8520, 6900, 1590, 525));
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);

    // Start-up: place, skin, the whole list, the captions beside the boxes.
    placeAt(2340, 765);
    applyTheme();
    m_list->open();
    m_settings->open();
    for (int k = 1; k <= 3; ++k) {
        const QString caption = m_settings->text(QStringLiteral("F%1").arg(k));
        m_captions[k - 1]->setText(caption);
        m_boxes[k - 1]->setAccessibleName(caption);
    }
    fillValueLists();
}

void FrmCode::buildGrid()
{
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("grid"));
    m_grid->setGeometry(twRect(120, 120, 6450, 7365));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setAlternatingRowColors(true);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 8);

    // The grid shows the list view's own model: it fetches rows as they scroll into
    // sight, so a long list opens as fast as a short one.
    QSqlTableModel* model = m_list->model();
    m_grid->setModel(model);
    for (int c = 0; c < model->columnCount(); ++c)
        m_grid->setColumnHidden(c, true);
    const QString headings[4] = {QStringLiteral("کد"), QStringLiteral("F1"), QStringLiteral("F2"),
                                 QStringLiteral("F3")};
    for (int i = 0; i < 4; ++i) {
        const int section = m_list->section(QString::fromLatin1(kGridColumns[i]));
        if (section < 0)
            continue;
        model->setHeaderData(section, Qt::Horizontal, headings[i]);
        m_grid->setColumnHidden(section, false);
        m_grid->horizontalHeader()->setSectionResizeMode(section, QHeaderView::Stretch);
    }
}

void FrmCode::buildFilterBoxes()
{
    for (int k = 1; k <= 3; ++k) {
        const int top = 240 + (k - 1) * 600;
        auto* box = new QComboBox(this);
        box->setObjectName(QStringLiteral("boxF%1").arg(k));
        box->setEditable(true);
        // What is typed is a filter value, never a new entry of the list.
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setMaxVisibleItems(12);
        if (auto* list = qobject_cast<QListView*>(box->view()))
            list->setUniformItemSizes(true);
        box->setGeometry(twRect(6720, top, 2160, 420));
        // Suggestions pop up under the box without filling in the text: the grid follows
        // exactly what has been typed so far.
        auto* completer = new QCompleter(box->model(), box);
        completer->setCompletionMode(QCompleter::PopupCompletion);
        completer->setCaseSensitivity(Qt::CaseSensitive);
        completer->setFilterMode(Qt::MatchStartsWith);
        box->setCompleter(completer);
        if (auto* popup = qobject_cast<QListView*>(completer->popup()))
            popup->setUniformItemSizes(true);

        auto* caption = new QLabel(this);
        caption->setObjectName(QStringLiteral("captionF%1").arg(k));
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        caption->setGeometry(twRect(8940, top, 1170, 420));
        caption->setBuddy(box);

        m_boxes[k - 1] = box;
        m_captions[k - 1] = caption;
    }
    m_values[0] = new QStringListModel(this);
    m_values[1] = new QStringListModel(this);
    for (int k = 1; k <= 2; ++k) {
        m_boxes[k - 1]->setModel(m_values[k - 1]);
        m_boxes[k - 1]->completer()->setModel(m_values[k - 1]);
        m_boxes[k - 1]->completer()->setModelSorting(QCompleter::CaseSensitivelySortedModel);
    }
    QComboBox* f3 = m_boxes[2];
    f3->addItems({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"),
                  QStringLiteral("E"), QStringLiteral("F"), QStringLiteral("G")});
    f3->completer()->setModel(f3->model());
    // Dark text on the light ground, whatever the skin writes with.
    f3->setStyleSheet(
        QStringLiteral("QComboBox, QComboBox QLineEdit { background-color: rgb(192, 192, 255); color: black; }"));
    QPalette palette = f3->palette();
    palette.setColor(QPalette::Base, QColor(192, 192, 255));
    palette.setColor(QPalette::Button, QColor(192, 192, 255));
    palette.setColor(QPalette::Text, Qt::black);
    f3->setPalette(palette);
    f3->setCurrentIndex(-1);

    for (int k = 1; k <= 3; ++k)
        connect(m_boxes[k - 1], &QComboBox::editTextChanged, this, [this, k] { filterChanged(k); });
}

void FrmCode::buildDeletePanel()
{
    m_deletePanel = new QGroupBox(QStringLiteral("حذف کردن آزمودني"), this);
    m_deletePanel->setObjectName(QStringLiteral("deletePanel"));
    m_deletePanel->setGeometry(twRect(6720, 2280, 3390, 2040));
    auto* layout = new QVBoxLayout(m_deletePanel);
    auto* label = new QLabel(QStringLiteral("کد آزمودني را وارد کنيد"), m_deletePanel);
    label->setObjectName(QStringLiteral("deleteLabel"));
    label->setAlignment(Qt::AlignCenter);
    m_code = new QLineEdit(m_deletePanel);
    m_code->setObjectName(QStringLiteral("deleteCode"));
    m_code->setAlignment(Qt::AlignCenter);
    m_code->setAccessibleName(label->text());
    label->setBuddy(m_code);
    m_delete = new QPushButton(QStringLiteral("حذف "), m_deletePanel);
    m_delete->setObjectName(QStringLiteral("cmdDelete"));
    layout->addWidget(label);
    layout->addWidget(m_code);
    layout->addWidget(m_delete);
    connect(m_delete, &QPushButton::clicked, this, &FrmCode::deleteSubject);
}

void FrmCode::fillValueLists()
{
    m_emptying = true;
    for (int k = 1; k <= 2; ++k) {
        m_values[k - 1]->setStringList(distinctValues(*context().db, QStringLiteral("F%1").arg(k)));
        m_boxes[k - 1]->setCurrentIndex(-1);
        m_boxes[k - 1]->setEditText(QString());
    }
    m_emptying = false;
}

QStringList FrmCode::listValues(int k) const
{
    if (k == 1 || k == 2)
        return m_values[k - 1]->stringList();
    QStringList items;
    for (int i = 0; i < m_boxes[2]->count(); ++i)
        items << m_boxes[2]->itemText(i);
    return items;
}

void FrmCode::filterChanged(int k)
{
    if (m_emptying)
        return;
    // Emptying the other boxes is not a filter change of theirs.
    m_emptying = true;
    for (int other = 1; other <= 3; ++other) {
        if (other == k)
            continue;
        QComboBox* box = m_boxes[other - 1];
        if (box->currentIndex() != -1)
            box->setCurrentIndex(-1);
        if (!box->currentText().isEmpty())
            box->setEditText(QString());
    }
    m_emptying = false;
    m_list->filter(QStringLiteral("F%1").arg(k), m_boxes[k - 1]->currentText());
}

void FrmCode::deleteSubject()
{
    Dialogs& dialogs = *context().dialogs;
    // The code as typed: a trailing space makes another code.
    const QString code = m_code->text();
    if (code.isEmpty()) {
        dialogs.notice(this, QStringLiteral("شما بايد شماره آزمودني مورد نظر را وارد كنيد"), kNoticeDelay);
        m_code->setFocus();
        return;
    }
    View& ide = *m_deleteViews[0];
    if (!ide.filter(QStringLiteral("Code"), code)) {
        dialogs.message(this, QStringLiteral("Error"), ide.lastError(), Dialogs::Icon::Warning);
        return;
    }
    if (ide.rowCount() == 0) {
        dialogs.notice(this, QStringLiteral("فردي با اين کد وجود ندارد"), kNoticeDelay);
        ide.refresh();
        return;
    }
    for (int t = 1; t <= 3; ++t) {
        if (!m_deleteViews[t]->filter(QStringLiteral("Code"), code)) {
            dialogs.message(this, QStringLiteral("Error"), m_deleteViews[t]->lastError(), Dialogs::Icon::Warning);
            return;
        }
    }
    if (dialogs.message(this, QString(), QStringLiteral("آيا براي حذف کردن مطمئن هستيد؟"), Dialogs::Icon::Question,
                        Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes) {
        m_list->refresh();
        return;
    }

    const QString f1 = ide.text(QStringLiteral("F1"));
    const QString f2 = ide.text(QStringLiteral("F2"));
    QString error;
    if (!removeSubjectRows(&error)) {
        // Nothing was deleted. The list is read again all the same: a rolled back
        // transaction may have cut short the reading it was in the middle of.
        dialogs.message(this, QStringLiteral("Error"), error, Dialogs::Icon::Warning);
        m_list->refresh();
        return;
    }
    dialogs.notice(this, QStringLiteral("حذف با موفقيت انجام گرفت"), kNoticeDelay);
    m_code->clear();
    m_code->setFocus();
    // All remaining subjects, without a group filter; the boxes keep their text.
    m_list->refresh();
    forgetValuesOf(f1, f2);
}

bool FrmCode::removeSubjectRows(QString* error)
{
    // The four rows of a subject go together or not at all: a subject is never left
    // without its answers, nor answers without their subject.
    Database& db = *context().db;
    if (!db.begin()) {
        *error = db.lastError();
        return false;
    }
    for (int t = 0; t < 4; ++t) {
        View& v = *m_deleteViews[t];
        // An answer row that was never made is nothing to delete.
        if (t > 0 && v.rowCount() == 0)
            continue;
        if (!v.deleteRow()) {
            *error = v.lastError();
            db.rollback();
            return false;
        }
    }
    if (!db.commit()) {
        *error = db.lastError();
        db.rollback();
        return false;
    }
    return true;
}

void FrmCode::forgetValuesOf(const QString& f1, const QString& f2)
{
    // A value that no remaining subject holds leaves its list. The box keeps the text
    // it shows, even when that text was the value removed.
    const QString values[2] = {f1, f2};
    m_emptying = true;
    for (int k = 1; k <= 2; ++k) {
        const QString& value = values[k - 1];
        if (value.isEmpty() || anySubjectWith(*context().db, QStringLiteral("F%1").arg(k), value))
            continue;
        QStringList list = m_values[k - 1]->stringList();
        const qsizetype at = list.indexOf(value);
        if (at < 0)
            continue;
        QComboBox* box = m_boxes[k - 1];
        const QString shown = box->currentText();
        const int current = box->currentIndex();
        m_values[k - 1]->removeRow(int(at));
        if (current == at)
            box->setCurrentIndex(-1);
        if (box->currentText() != shown)
            box->setEditText(shown);
    }
    m_emptying = false;
}

void FrmCode::closeEvent(QCloseEvent* event)
{
    event->accept();
    ThemedWindow::closeEvent(event);
    context().windows->showMain();
}

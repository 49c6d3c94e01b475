// A sample sheet of every kind of control the windows use, drawn in the stored theme,
// so that a skin can be judged as a whole: states a real window rarely shows at once
// (pressed, focus, read-only, disabled, checked, selected) side by side. Hover cannot
// be shown offscreen; the readability test covers its colours.

#include "Gallery.h"

#include "shell/Skin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {
QString storedTheme(TestEnvironment& env)
{
    QSqlQuery q = env.exec(QStringLiteral("SELECT TH FROM Theme"));
    return q.next() ? q.value(0).toString() : QString();
}

QPushButton* button(const QString& text, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setAutoDefault(false);
    return b;
}

QWidget* sampleSheet(const QString& th, const Skin::Table& skinTable)
{
    auto* w = new QWidget;
    w->setObjectName(QStringLiteral("skinSample"));
    w->setFixedSize(720, 540);
    auto* grid = new QGridLayout(w);

    auto* title = new QLabel(QStringLiteral("نمونه پوسته: %1").arg(Skin::themeNumber(th, skinTable) ? skinTable.value(Skin::themeNumber(th, skinTable)) : QStringLiteral("بدون پوسته")), w);
    grid->addWidget(title, 0, 0, 1, 2);

    // Buttons in their four states.
    auto* buttons = new QFrame(w);
    buttons->setFrameShape(QFrame::StyledPanel);
    auto* bl = new QHBoxLayout(buttons);
    bl->addWidget(button(QStringLiteral("ذخيره"), buttons));
    auto* checkedButton = button(QStringLiteral("انتخاب شده"), buttons);
    checkedButton->setCheckable(true);
    checkedButton->setChecked(true);
    bl->addWidget(checkedButton);
    auto* pressed = button(QStringLiteral("فشرده"), buttons);
    pressed->setDown(true);
    bl->addWidget(pressed);
    auto* disabled = button(QStringLiteral("غيرفعال"), buttons);
    disabled->setEnabled(false);
    bl->addWidget(disabled);
    grid->addWidget(buttons, 1, 0, 1, 2);

    // Text boxes.
    auto* fields = new QGroupBox(QStringLiteral("مشخصات آزمودني"), w);
    auto* fl = new QGridLayout(fields);
    auto* name = new QLineEdit(QStringLiteral("مریم"), fields);
    auto* focused = new QLineEdit(QStringLiteral("احمدی"), fields);
    focused->setObjectName(QStringLiteral("sampleFocused"));
    auto* readOnly = new QLineEdit(QStringLiteral("1024"), fields);
    readOnly->setReadOnly(true);
    auto* off = new QLineEdit(QStringLiteral("غيرفعال"), fields);
    off->setEnabled(false);
    const QString captions[4] = {QStringLiteral("نام"), QStringLiteral("نام خانوادگی"), QStringLiteral("کد (فقط خواندنی)"),
                                 QStringLiteral("تحصیلات")};
    QLineEdit* edits[4] = {name, focused, readOnly, off};
    for (int i = 0; i < 4; ++i) {
        auto* l = new QLabel(captions[i], fields);
        l->setBuddy(edits[i]);
        fl->addWidget(l, i, 0);
        fl->addWidget(edits[i], i, 1);
    }
    auto* combo = new QComboBox(fields);
    combo->addItems({QStringLiteral("مرد"), QStringLiteral("زن")});
    fl->addWidget(new QLabel(QStringLiteral("جنس"), fields), 4, 0);
    fl->addWidget(combo, 4, 1);
    grid->addWidget(fields, 2, 0);

    // Option buttons and check boxes.
    auto* answers = new QGroupBox(QStringLiteral("پاسخ"), w);
    auto* al = new QVBoxLayout(answers);
    auto* yes = new QRadioButton(QStringLiteral("درست"), answers);
    yes->setChecked(true);
    al->addWidget(yes);
    al->addWidget(new QRadioButton(QStringLiteral("غلط"), answers));
    auto* check = new QCheckBox(QStringLiteral("همه آزمودنی‌ها"), answers);
    check->setChecked(true);
    al->addWidget(check);
    al->addWidget(new QCheckBox(QStringLiteral("فقط امروز"), answers));
    auto* offCheck = new QCheckBox(QStringLiteral("غيرفعال"), answers);
    offCheck->setEnabled(false);
    al->addWidget(offCheck);
    auto* progress = new QProgressBar(answers);
    progress->setValue(60);
    al->addWidget(progress);
    grid->addWidget(answers, 2, 1);

    // A grid, a text area and a read-only text area.
    auto* table = new QTableWidget(3, 3, w);
    table->setHorizontalHeaderLabels({QStringLiteral("کد"), QStringLiteral("نام"), QStringLiteral("AAS")});
    const char* rows[3][3] = {{"1021", "علی", "7"}, {"1022", "سارا", "4"}, {"1023", "رضا", "9"}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            table->setItem(r, c, new QTableWidgetItem(QString::fromUtf8(rows[r][c])));
    table->setAlternatingRowColors(true);
    table->horizontalHeader()->setStretchLastSection(true);
    grid->addWidget(table, 3, 0);
    auto* texts = new QVBoxLayout;
    texts->addWidget(new QTextEdit(QStringLiteral("متن قابل ويرايش"), w));
    auto* note = new QPlainTextEdit(QStringLiteral("متن فقط خواندنی"), w);
    note->setReadOnly(true);
    texts->addWidget(note);
    grid->addLayout(texts, 3, 1);

    Skin::apply(w, th, skinTable);
    // Selected once shown, so that the picture shows a selected row.
    QTimer::singleShot(0, table, [table] {
        table->selectionModel()->setCurrentIndex(table->model()->index(1, 0),
                                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    });
    focused->setFocus();
    return w;
}

QWidget* sampleMessage(const QString& th, const Skin::Table& table)
{
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("خطا"),
                                QStringLiteral("فردديگري با اين کد ثبت شده"), QMessageBox::Ok | QMessageBox::Cancel);
    Skin::apply(box, th, table);
    return box;
}

// The sample's table: the windows' own one, but the two skins that only the version
// check window knows are shown from its table.
const Skin::Table& tableFor(const QString& th)
{
    return Skin::themeNumber(th, Skin::standardTable()) ? Skin::standardTable() : Skin::updateTable();
}
} // namespace

GALLERY_SHOT("skin-sample")
{
    const QString th = storedTheme(env);
    return sampleSheet(th, tableFor(th));
}

GALLERY_SHOT("skin-sample-message")
{
    const QString th = storedTheme(env);
    return sampleMessage(th, tableFor(th));
}

// Theme 7 differs on the version check window.
GALLERY_SHOT("skin-sample-update-table")
{
    const QString th = storedTheme(env);
    if (Skin::themeNumber(th, Skin::updateTable()) != 7)
        return nullptr;
    return sampleSheet(th, Skin::updateTable());
}

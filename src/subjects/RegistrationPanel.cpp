#include "RegistrationPanel.h"

#include "data/Database.h"
#include "data/View.h"
#include "data/ViewBinder.h"
#include "shell/AppContext.h"
#include "shell/Dialogs.h"
#include "shell/Frm1.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const int kNoticeDelay = 1000;
}

RegistrationPanel::RegistrationPanel(AppContext& context, Frm1& main)
    : QFrame(&main), m_context(context), m_main(main), m_binder(new ViewBinder(main.ideView(), this))
{
    setObjectName(QStringLiteral("registrationPanel"));
    setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(this);

    auto makeField = [&](const QString& name, Qt::Alignment align) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(name);
        edit->setAlignment(align);
        return edit;
    };
    // Right to left, top to bottom: code F1 F2 / F3 F4 F5 F6 / F7 F8.
    m_code = makeField(QStringLiteral("regCode"), Qt::AlignCenter);
    auto* codeLabel = new QLabel(QStringLiteral("کد"), this);
    codeLabel->setObjectName(QStringLiteral("regCodeLabel"));
    codeLabel->setBuddy(m_code);
    m_code->setAccessibleName(codeLabel->text());
    grid->addWidget(codeLabel, 0, 0);
    grid->addWidget(m_code, 0, 1);

    const int positions[8][2] = {{0, 2}, {0, 4}, {1, 0}, {1, 2}, {1, 4}, {1, 6}, {2, 0}, {2, 2}};
    for (int k = 0; k < 8; ++k) {
        m_fields[k] = makeField(QStringLiteral("regF%1").arg(k + 1), k < 2 ? Qt::AlignRight : Qt::AlignCenter);
        m_labels[k] = new QLabel(this);
        m_labels[k]->setObjectName(QStringLiteral("regLabelF%1").arg(k + 1));
        m_labels[k]->setBuddy(m_fields[k]);
        grid->addWidget(m_labels[k], positions[k][0], positions[k][1]);
        grid->addWidget(m_fields[k], positions[k][0], positions[k][1] + 1);
    }
    m_fields[2]->setMaxLength(2);

    auto* save = new QPushButton(QStringLiteral("ذخيره"), this);
    save->setObjectName(QStringLiteral("regSave"));
    auto* cancel = new QPushButton(QStringLiteral("انصراف"), this);
    cancel->setObjectName(QStringLiteral("regCancel"));
    grid->addWidget(save, 3, 4, 1, 2);
    grid->addWidget(cancel, 3, 6, 1, 2);
    connect(save, &QPushButton::clicked, this, &RegistrationPanel::save);
    connect(cancel, &QPushButton::clicked, this, &RegistrationPanel::cancel);
}

void RegistrationPanel::setCaption(int k, const QString& caption)
{
    m_labels[k - 1]->setText(caption);
    m_fields[k - 1]->setAccessibleName(caption);
}

// The fields edit the IDE view's new row only while the panel is open; a closed panel
// leaves the view free to defer its reading.
void RegistrationPanel::bindFields(bool bind)
{
    for (int k = 0; k <= 8; ++k) {
        QLineEdit* edit = k == 0 ? m_code : m_fields[k - 1];
        if (bind)
            m_binder->bind(edit, k == 0 ? QStringLiteral("Code") : QStringLiteral("F%1").arg(k));
        else
            m_binder->unbind(edit);
    }
}

void RegistrationPanel::hideEvent(QHideEvent* event)
{
    bindFields(false);
    QFrame::hideEvent(event);
}

void RegistrationPanel::open()
{
    m_main.reset();
    show();
    raise();
    bindFields(true);
    m_main.ideView().addRow();
    m_code->setFocus();
}

void RegistrationPanel::cancel()
{
    m_main.ideView().refresh();
    m_main.reset();
}

void RegistrationPanel::save()
{
    Dialogs& dialogs = *m_context.dialogs;
    if (m_code->text().isEmpty()) {
        dialogs.notice(&m_main, QStringLiteral("کد آزمودني را وارد کنيد"), kNoticeDelay);
        m_code->setFocus();
        return;
    }
    for (int k = 1; k <= 8; ++k) {
        if (m_fields[k - 1]->text().isEmpty()) {
            const QString suffix = k == 6 ? QStringLiteral(" را وارد کنيد") : QStringLiteral("  را وارد کنيد");
            dialogs.notice(&m_main, m_main.caption(k) + suffix, kNoticeDelay);
            m_fields[k - 1]->setFocus();
            return;
        }
    }
    const QString code = m_code->text().trimmed();
    if (!store(code)) {
        dialogs.notice(&m_main, QStringLiteral("فردديگري با اين کد ثبت شده"), kNoticeDelay);
        for (int s = 1; s <= 3; ++s)
            m_main.answerView(s).refresh();
        return;
    }
    m_main.ideView().refresh();
    for (int s = 1; s <= 3; ++s)
        m_main.answerView(s).refresh();
    m_main.reset();
}

bool RegistrationPanel::store(const QString& code)
{
    // The four rows of a subject are stored together or not at all.
    View& ide = m_main.ideView();
    QString typed[9];
    typed[0] = m_code->text();
    for (int k = 0; k < 8; ++k)
        typed[k + 1] = m_fields[k]->text();

    Database& db = *m_context.db;
    if (!db.begin())
        return false;
    bool ok = true;
    for (int s = 1; s <= 3 && ok; ++s) {
        View& answers = m_main.answerView(s);
        ok = answers.addRow() && answers.setColumn(QStringLiteral("Code"), code) && answers.commit();
    }
    ok = ok && ide.setColumn(QStringLiteral("Code"), code) && ide.commit();
    if (ok && db.commit())
        return true;
    db.rollback();
    // The panel keeps what the operator typed, as a pending row, for another try.
    if (!ide.hasPendingChanges()) {
        ide.addRow();
        ide.setColumn(QStringLiteral("Code"), typed[0]);
        for (int k = 1; k <= 8; ++k)
            ide.setColumn(QStringLiteral("F%1").arg(k), typed[k]);
    } else {
        ide.setColumn(QStringLiteral("Code"), typed[0]);
    }
    return false;
}

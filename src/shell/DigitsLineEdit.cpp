#include "DigitsLineEdit.h"

#include "Dialogs.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>
#include <limits>

namespace {
const int kNoticeDelay = 1000;

// 0-9 for a digit of the three sets a clinic's keyboards type, -1 for anything else.
int digitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= 0x0660 && u <= 0x0669) // Arabic-Indic
        return u - 0x0660;
    if (u >= 0x06F0 && u <= 0x06F9) // Extended Arabic-Indic (Persian)
        return u - 0x06F0;
    return -1;
}
} // namespace

DigitsLineEdit::DigitsLineEdit(Dialogs& dialogs, QWidget* parent) : QLineEdit(parent), m_dialogs(dialogs)
{
    // Every way in goes through the key and paste checks below: no drops, and no input
    // method composing text behind them (a Persian layout types plain key events).
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

std::optional<QString> DigitsLineEdit::asciiDigits(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const int d = digitValue(c);
        if (d < 0)
            return std::nullopt;
        out += QChar(u'0' + d);
    }
    return out;
}

void DigitsLineEdit::refuse()
{
    m_dialogs.beep();
    m_dialogs.notice(window(), QStringLiteral("شما بايد عدد وارد كنيد"), kNoticeDelay);
}

int DigitsLineEdit::room() const
{
    if (m_typedLimit < 0)
        return std::numeric_limits<int>::max();
    return std::max(0, m_typedLimit - int(text().size() - selectedText().size()));
}

void DigitsLineEdit::pasteText(const QString& text)
{
    if (isReadOnly() || text.isEmpty())
        return;
    const std::optional<QString> digits = asciiDigits(text);
    if (!digits) {
        refuse();
        return;
    }
    if (room() > 0)
        insert(digits->left(room()));
}

void DigitsLineEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        pasteText(QGuiApplication::clipboard()->text());
        return;
    }
    const QString text = event->text();
    // Keys that type nothing printable (Backspace, Enter, arrows, Delete, the editing
    // shortcuts) keep their usual meaning.
    if (text.size() != 1 || !text.at(0).isPrint()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const int d = digitValue(text.at(0));
    if (d < 0) {
        refuse();
        return;
    }
    if (isReadOnly() || room() == 0)
        return;
    if (text.at(0).unicode() == u'0' + d) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Typed as a Persian or Arabic-Indic digit: typed on as the same digit 0-9.
    QKeyEvent ascii(event->type(), Qt::Key_0 + d, event->modifiers(), QString(QChar(u'0' + d)), event->isAutoRepeat(),
                    event->count());
    QLineEdit::keyPressEvent(&ascii);
    event->setAccepted(ascii.isAccepted());
}

void DigitsLineEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    // The standard menu's Paste goes around the checks; it is found by its own caption.
    const QString pasteCaption = QLineEdit::tr("&Paste");
    for (QAction* action : menu->actions()) {
        if (!action->text().startsWith(pasteCaption))
            continue;
        action->setObjectName(QStringLiteral("edit-paste"));
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this, [this] { pasteText(QGuiApplication::clipboard()->text()); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void DigitsLineEdit::mouseReleaseEvent(QMouseEvent* event)
{
    // The middle button pastes the selection on desktops that have one.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        pasteText(QGuiApplication::clipboard()->text(QClipboard::Selection));
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

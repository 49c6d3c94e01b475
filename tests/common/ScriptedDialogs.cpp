#include "ScriptedDialogs.h"

void ScriptedDialogs::record(const Call& call)
{
    calls << call;
    if (onCall)
        onCall(call);
}

void ScriptedDialogs::notice(QWidget*, const QString& text, int delayMs)
{
    Call c;
    c.kind = QStringLiteral("notice");
    c.title = QStringLiteral("پيام");
    c.text = text;
    c.delay = delayMs;
    record(c);
}

Dialogs::Answer ScriptedDialogs::message(QWidget*, const QString& title, const QString& text, Icon icon,
                                         Buttons buttons)
{
    Call c;
    c.kind = QStringLiteral("message");
    c.title = title;
    c.text = text;
    c.icon = icon;
    c.buttons = buttons;
    record(c);
    if (!answers.isEmpty())
        return answers.takeFirst();
    return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
}

QString ScriptedDialogs::input(QWidget*, const QString& title, const QString& prompt, const QString& defaultText)
{
    Call c;
    c.kind = QStringLiteral("input");
    c.title = title;
    c.text = prompt;
    c.defaultText = defaultText;
    record(c);
    return inputs.isEmpty() ? QString() : inputs.takeFirst();
}

QString ScriptedDialogs::saveFile(QWidget*, const QString& folder, const QString& defaultName, const QString& filter)
{
    Call c;
    c.kind = QStringLiteral("saveFile");
    c.folder = folder;
    c.defaultText = defaultName;
    c.filter = filter;
    record(c);
    return files.isEmpty() ? QString() : files.takeFirst();
}

QString ScriptedDialogs::openFile(QWidget*, const QString& folder, const QString& filter)
{
    Call c;
    c.kind = QStringLiteral("openFile");
    c.folder = folder;
    c.filter = filter;
    record(c);
    return files.isEmpty() ? QString() : files.takeFirst();
}

void ScriptedDialogs::preview(QWidget*, const QString& title, const std::function<void(QPrinter*)>& paint)
{
    Call c;
    c.kind = QStringLiteral("preview");
    c.title = title;
    lastPaint = paint;
    record(c);
}

QStringList ScriptedDialogs::texts(const QString& kind) const
{
    QStringList out;
    for (const Call& c : calls)
        if (c.kind == kind)
            out << c.text;
    return out;
}

void ScriptedDialogs::clear()
{
    calls.clear();
    answers.clear();
    inputs.clear();
    files.clear();
    beeps = 0;
}

#pragma once

#include "shell/Dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// A dialog layer for tests: records every call (kind, title, exact text) and answers
// from a script. With nothing scripted, a box with only OK answers OK, a question
// answers No, a prompt and a file dialog answer an empty text (as Cancel does).
class ScriptedDialogs : public Dialogs
{
public:
    struct Call
    {
        QString kind; // "notice", "message", "input", "saveFile", "openFile", "preview"
        QString title;
        QString text; // the notice's or message's text; the prompt of an input
        int delay = 0;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        QString folder;
        QString defaultText; // default name of a save dialog, default of an input
        QString filter;
    };

    QList<Call> calls;
    QList<Answer> answers;   // for message
    QStringList inputs;      // for input
    QStringList files;       // for saveFile and openFile
    int beeps = 0;
    std::function<void(QPrinter*)> lastPaint; // the paint function of the last preview
    // Runs while the box is "open", after the call was recorded (for tests that act then).
    std::function<void(const Call&)> onCall;

    void notice(QWidget* owner, const QString& text, int delayMs) override;
    Answer message(QWidget* owner, const QString& title, const QString& text, Icon icon, Buttons buttons) override;
    QString input(QWidget* owner, const QString& title, const QString& prompt, const QString& defaultText) override;
    QString saveFile(QWidget* owner, const QString& folder, const QString& defaultName, const QString& filter) override;
    QString openFile(QWidget* owner, const QString& folder, const QString& filter) override;
    void preview(QWidget* owner, const QString& title, const std::function<void(QPrinter*)>& paint) override;
    void beep() override { ++beeps; }

    // The texts of the calls of one kind, in order.
    QStringList texts(const QString& kind = QStringLiteral("notice")) const;
    void clear();

private:
    void record(const Call& call);
};

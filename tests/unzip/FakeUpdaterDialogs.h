#pragma once

#include "UpdaterDialogs.h"

#include <QList>
#include <QString>

// Scripted answers for the updater's boxes and prompts, and a record of what was asked.
// A question without a scripted answer is recorded and answered with Cancel or an empty text.
class FakeUpdaterDialogs : public UpdaterDialogs
{
public:
    struct Call
    {
        QString kind; // "message" or "input"
        QString title;
        QString text;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
    };

    Answer message(const QString& title, const QString& text, Icon icon, Buttons buttons) override
    {
        calls.append({QStringLiteral("message"), title, text, icon, buttons});
        if (answers.isEmpty()) {
            ++unscripted;
            return Answer::Cancel;
        }
        return answers.takeFirst();
    }
    QString input(const QString& title, const QString& prompt) override
    {
        calls.append({QStringLiteral("input"), title, prompt, Icon::None, Buttons::Ok});
        if (inputs.isEmpty()) {
            ++unscripted;
            return {};
        }
        return inputs.takeFirst();
    }
    int count(const QString& kind) const
    {
        int n = 0;
        for (const Call& call : calls)
            n += call.kind == kind ? 1 : 0;
        return n;
    }

    QList<Call> calls;
    QList<Answer> answers;
    QList<QString> inputs;
    int unscripted = 0;
};

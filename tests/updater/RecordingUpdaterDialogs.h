#pragma once

#include "UpdaterDialogs.h"

#include <QList>
#include <functional>

// The updater's dialogs in tests: every box is recorded and answered at once.
class RecordingUpdaterDialogs : public UpdaterDialogs
{
public:
    struct Call
    {
        QString title;
        QString text;
        Icon icon;
    };
    QList<Call> calls;
    std::function<void(const Call&)> onCall; // runs while the box would be open

    Answer message(const QString& title, const QString& text, Icon icon, Buttons buttons) override
    {
        calls.append({title, text, icon});
        if (onCall)
            onCall(calls.last());
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
    QString input(const QString& title, const QString& prompt) override
    {
        calls.append({title, prompt, Icon::None});
        return {};
    }
};

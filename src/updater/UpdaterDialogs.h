#pragma once

#include <QString>

// The updater's own dialog layer: every message box and prompt of the updater goes
// through it, so that tests script the answers.
class UpdaterDialogs
{
public:
    enum class Icon { None, Information, Warning, Critical };
    enum class Buttons { Ok, YesNoCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~UpdaterDialogs() = default;
    virtual Answer message(const QString& title, const QString& text, Icon icon, Buttons buttons = Buttons::Ok) = 0;
    // An input prompt; an empty text when cancelled.
    virtual QString input(const QString& title, const QString& prompt) = 0;
};

#pragma once

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

// Every message box, question, input prompt, file dialog and report preview of the
// main program goes through this interface. The real one shows Qt boxes laid out
// right to left; the tests' one records each call and answers from a script.
class Dialogs
{
public:
    enum class Icon { None, Information, Warning, Critical, Question };
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~Dialogs() = default;

    // The self-closing notice: title "پيام", OK only, no icon; it closes itself after
    // delayMs with the effect of OK. Returns when the box has closed.
    virtual void notice(QWidget* owner, const QString& text, int delayMs) = 0;

    // A box that waits for the operator. An empty title shows the application's title.
    virtual Answer message(QWidget* owner, const QString& title, const QString& text, Icon icon,
                           Buttons buttons = Buttons::Ok) = 0;

    // An input prompt with OK and Cancel; the typed text, or an empty text on Cancel.
    virtual QString input(QWidget* owner, const QString& title, const QString& prompt,
                          const QString& defaultText = QString()) = 0;

    // File dialogs; an empty text when the operator cancels.
    virtual QString saveFile(QWidget* owner, const QString& folder, const QString& defaultName,
                             const QString& filter) = 0;
    virtual QString openFile(QWidget* owner, const QString& folder, const QString& filter) = 0;

    // The report preview, from which the operator prints or saves a PDF; paint draws
    // the pages onto the printer it is given.
    virtual void preview(QWidget* owner, const QString& title, const std::function<void(QPrinter*)>& paint) = 0;

    // The platform's warning sound.
    virtual void beep() = 0;
};

// The application's title, shown by boxes without a title of their own.
inline const char* const kApplicationTitle = "Pelimora";

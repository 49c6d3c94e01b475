#pragma once

#include "Dialogs.h"

// The real dialogs: Qt boxes laid out right to left.
class QtDialogs : public Dialogs
{
public:
    void notice(QWidget* owner, const QString& text, int delayMs) override;
    Answer message(QWidget* owner, const QString& title, const QString& text, Icon icon, Buttons buttons) override;
    QString input(QWidget* owner, const QString& title, const QString& prompt, const QString& defaultText) override;
    QString saveFile(QWidget* owner, const QString& folder, const QString& defaultName, const QString& filter) override;
    QString openFile(QWidget* owner, const QString& folder, const QString& filter) override;
    void preview(QWidget* owner, const QString& title, const std::function<void(QPrinter*)>& paint) override;
    void beep() override;
};

// Title of the self-closing notice.
inline const char* const kNoticeTitle = "پيام";

#pragma once

#include "UpdaterDialogs.h"

class QWidget;

// The real dialogs of the updater: Qt boxes.
class QtUpdaterDialogs : public UpdaterDialogs
{
public:
    explicit QtUpdaterDialogs(QWidget* owner = nullptr) : m_owner(owner) {}
    void setOwner(QWidget* owner) { m_owner = owner; }
    Answer message(const QString& title, const QString& text, Icon icon, Buttons buttons) override;
    QString input(const QString& title, const QString& prompt) override;

private:
    QWidget* m_owner;
};

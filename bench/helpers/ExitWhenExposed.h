#pragma once

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

// Ends the process as soon as a window of class W has been exposed and drawn once: the
// end of start-up as an operator sees it. Watches the whole application, so the
// program under test runs unchanged. Nothing is torn down, so that both programs of
// the comparison are timed to the same moment.
template <class W> class ExitWhenExposed : public QObject
{
public:
    ExitWhenExposed() : QObject(qApp) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Expose || m_done)
            return false;
        auto* window = qobject_cast<QWindow*>(watched);
        if (!window || !window->isExposed())
            return false;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->windowHandle() == window && qobject_cast<W*>(w)) {
                m_done = true;
                // Queued, so that the exposure is painted before the process ends.
                QMetaObject::invokeMethod(
                    qApp,
                    [] {
                        std::fflush(stdout);
                        std::_Exit(0);
                    },
                    Qt::QueuedConnection);
            }
        return false;
    }

private:
    bool m_done = false;
};

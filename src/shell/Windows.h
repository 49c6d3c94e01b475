#pragma once

#include <QPointer>
#include <QWidget>
#include <typeindex>
#include <unordered_map>

struct AppContext;
class Frm1;

// Keeps at most one instance of each window class: a window is created on first use,
// forgotten when it closes (windows delete themselves on close), and the main window
// is created anew when something shows it after it was closed.
class Windows
{
public:
    explicit Windows(AppContext& context) : m_context(context) {}
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    // The open instance, or a new hidden one.
    template <class W> W* get()
    {
        QPointer<QWidget>& slot = m_windows[std::type_index(typeid(W))];
        if (!slot) {
            W* w = new W(m_context);
            w->setAttribute(Qt::WA_DeleteOnClose);
            slot = w;
        }
        return static_cast<W*>(slot.data());
    }

    // The open instance, or nullptr.
    template <class W> W* find() const
    {
        auto it = m_windows.find(std::type_index(typeid(W)));
        return it == m_windows.end() ? nullptr : static_cast<W*>(it->second.data());
    }

    template <class W> W* show()
    {
        W* w = get<W>();
        w->show();
        w->raise();
        w->activateWindow();
        return w;
    }

    // Shows the main window, creating it (with its whole start-up) when it was closed.
    Frm1* showMain();

    // Forgets a window that is closing; it deletes itself.
    void forget(QWidget* window);

    // Deletes every window without running any closing steps (ending the program).
    void destroyAll();

private:
    AppContext& m_context;
    std::unordered_map<std::type_index, QPointer<QWidget>> m_windows;
};

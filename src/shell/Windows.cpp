#include "Windows.h"

#include "Frm1.h"

Windows::~Windows()
{
    destroyAll();
}

Frm1* Windows::showMain()
{
    return show<Frm1>();
}

void Windows::forget(QWidget* window)
{
    for (auto it = m_windows.begin(); it != m_windows.end(); ++it) {
        if (it->second == window) {
            m_windows.erase(it);
            return;
        }
    }
}

void Windows::destroyAll()
{
    for (auto& [type, window] : m_windows)
        delete window.data();
    m_windows.clear();
}

#include "appearance/settingshost.h"

#include "app/testwindow.h"

SettingsHost::SettingsHost(TestWindow &owner, FontToolkit fonts, const QCollator &collation)
    : m_owner(owner), m_fonts(std::move(fonts)), m_collation(collation)
{
    m_owner.setColorHandler([this] { open(); });
}

SettingsHost::~SettingsHost()
{
    m_owner.setColorHandler({});
}

SettingsWindow *SettingsHost::current() const
{
    return m_window && m_window->window.isVisible() ? m_window.get() : nullptr;
}

void SettingsHost::open()
{
    if (SettingsWindow *shown = current()) {
        shown->window.show();
        return;
    }
    if (m_window && m_replacing)
        m_replacing();
    m_window.reset();
    auto window = std::make_unique<SettingsWindow>(m_owner, m_fonts, m_collation);
    window->Form_Load();
    m_window = std::move(window);
    if (m_created)
        m_created(*m_window);
    m_window->window.show();
}

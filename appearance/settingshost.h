#pragma once

#include "appearance/settingswindow.h"

#include <functional>
#include <memory>

// Keeps the test window's settings window: at most one at a time, created
// anew, with its opening sequence, each time "Color" finds it closed, and
// brought to the front when it is open.
class SettingsHost
{
public:
    // Takes over the test window's "Color".
    SettingsHost(TestWindow &owner, FontToolkit fonts, const QCollator &collation);
    ~SettingsHost();

    SettingsHost(const SettingsHost &) = delete;
    SettingsHost &operator=(const SettingsHost &) = delete;

    void open();

    // The open settings window, if any.
    SettingsWindow *current() const;

    // Told before a closed window's state is replaced, and after a new one
    // has run its opening sequence, before it is shown.
    void setReplacingHandler(std::function<void()> handler) { m_replacing = std::move(handler); }
    void setCreatedHandler(std::function<void(SettingsWindow &)> handler) { m_created = std::move(handler); }

private:
    TestWindow &m_owner;
    FontToolkit m_fonts;
    QCollator m_collation;
    // A closed window stays until the next opening replaces it, so that
    // closing never destroys the window whose handler is running.
    std::unique_ptr<SettingsWindow> m_window;
    std::function<void()> m_replacing;
    std::function<void(SettingsWindow &)> m_created;
};

#pragma once

#include <QMainWindow>

class SettingsWindow;

// The colour and font settings window's widgets, built from its layout and
// bound to its state. It has no owner window and does not block the test
// window.
class SettingsWindowView : public QMainWindow
{
    Q_OBJECT

public:
    explicit SettingsWindowView(SettingsWindow &state);
    ~SettingsWindowView() override;

private:
    void buildMenu();

    SettingsWindow &m_state;
};

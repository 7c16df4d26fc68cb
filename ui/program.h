#pragma once

#include "app/testwindow.h"
#include "appearance/settingshost.h"

#include <memory>

class SettingsWindowView;
class TestWindowView;
struct TestDefinition;

// One run of the program: the windows' state and their widgets.
class Program
{
public:
    explicit Program(const TestDefinition &test);
    ~Program();

    // Runs the start-up and shows the test window; false after a fault,
    // which has been reported.
    bool start();

    TestWindow &testWindow() { return m_state; }
    SettingsHost &settings() { return m_settings; }
    TestWindowView *view() const { return m_view.get(); }
    // The settings window's widgets, once "Color" has been chosen.
    SettingsWindowView *settingsView() const { return m_settingsView.get(); }

private:
    // Widgets go before the state they show.
    TestWindow m_state;
    SettingsHost m_settings;
    std::unique_ptr<TestWindowView> m_view;
    std::unique_ptr<SettingsWindowView> m_settingsView;
};

// Runs the test until the program ends; returns the exit status.
int runProgram(const TestDefinition &test);

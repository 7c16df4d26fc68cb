#pragma once

#include "driver.h"

#include "appearance/settingshost.h"

#include <memory>

// Does the learner's actions on the state, as the widgets would.
class LogicDriver : public Driver
{
public:
    LogicDriver();
    ~LogicDriver() override;

    TestWindow &testWindow() override { return *m_window; }
    SettingsWindow *settings() override { return m_settings->current(); }

    void selectRow(int list, int row) override;
    void pressButton(qint16 index) override;
    void clickThumbnail() override;
    void chooseColor() override;
    void chooseOption(qint16 index) override;
    void moveSlider(qint16 index, int position) override;
    void chooseSize(int row) override;
    void save() override;
    void cancel() override;
    void closeSettings() override;

private:
    std::unique_ptr<TestWindow> m_window;
    std::unique_ptr<SettingsHost> m_settings;
};

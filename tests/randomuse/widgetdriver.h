#pragma once

#include "driver.h"

#include <QString>

#include <memory>

class Program;
class QMainWindow;
class QWidget;

// Does the learner's actions with mouse and key events on the real widgets.
class WidgetDriver : public Driver
{
public:
    WidgetDriver();
    ~WidgetDriver() override;

    TestWindow &testWindow() override;
    SettingsWindow *settings() override;

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
    QWidget *testWidget(const QString &name) const;
    QWidget *settingsWidget(const QString &name) const;
    void clickRow(QWidget *list, int row);
    void clickMenu(QMainWindow *window, const QString &name);

    std::unique_ptr<Program> m_program;
};

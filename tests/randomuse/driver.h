#pragma once

#include <QtGlobal>

class SettingsWindow;
class TestWindow;

// Everything a learner can do, done either on the logic directly or with
// events on real widgets. The state behind both is the same.
class Driver
{
public:
    virtual ~Driver() = default;

    virtual TestWindow &testWindow() = 0;
    // The open settings window, if any.
    virtual SettingsWindow *settings() = 0;

    // Selects the row of the list (0 left, 1 right, 2 answers).
    virtual void selectRow(int list, int row) = 0;
    virtual void pressButton(qint16 index) = 0;
    virtual void clickThumbnail() = 0;
    virtual void chooseColor() = 0;
    virtual void chooseOption(qint16 index) = 0;
    virtual void moveSlider(qint16 index, int position) = 0;
    virtual void chooseSize(int row) = 0;
    virtual void save() = 0;
    virtual void cancel() = 0;
    virtual void closeSettings() = 0;
};

#pragma once

#include <QMainWindow>

class TestWindow;
class PictureWindowView;

// The test window's widgets, built from its layout and bound to its state.
// Widgets carry the control names as object names (Slowo_0, Uprawl_2, ...).
class TestWindowView : public QMainWindow
{
    Q_OBJECT

public:
    explicit TestWindowView(TestWindow &state);
    ~TestWindowView() override;

    PictureWindowView *pictureWindow() const { return m_pictureWindow; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenu();

    TestWindow &m_state;
    PictureWindowView *m_pictureWindow;
};

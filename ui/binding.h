#pragma once

#include "app/controls.h"

#include <QObject>

#include <functional>

class QWidget;

// Ties widgets to the state objects they show. The state is the truth: each
// change of it is shown at once, and the widget's own changes reach it only
// as the learner's actions, through the handlers.
namespace Binding {

QColor toQColor(Colour colour);

// Shows the control's state on the widget now and after every change of it,
// until the widget is destroyed. The widget kind decides which palette roles
// the colours take and where the text goes; `showMore` shows what is
// particular to the control's kind.
void bindControl(QWidget *widget, Control &control, int logicalDpi, std::function<void()> showMore = {});

} // namespace Binding

// Keeps a top-level widget's caption, background and size on its Form. The
// outer size a Form asks for includes the frame, which is known only once
// the window is shown and can change when a window manager adds its own.
class FormBinding : public QObject
{
public:
    // The client area is `client`; `menuBar`, if any, stands above it.
    FormBinding(QWidget *window, QWidget *client, QWidget *menuBar, Form &form, int logicalDpi);
    ~FormBinding() override;

    // Centres the window on its screen when it is first shown.
    void centreOnFirstShow() { m_centre = true; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showForm();
    void applySize();
    void centre();

    QWidget *m_window;
    QWidget *m_client;
    QWidget *m_menuBar;
    Form &m_form;
    int m_dpi;
    bool m_centre = false;
};

#pragma once

#include <QString>
#include <QWidget>

// Widgets carry the names of the controls they show (Slowo_0, Uprawl_2), so
// tests and tools find them; the tool tip is the control's own, and also its
// accessible description (lists would not fall back to it).
namespace WidgetNames {

inline QString indexed(const char *row, int index)
{
    return QString::fromLatin1(row) + u'_' + QString::number(index);
}

template<typename W> W *named(W *widget, const QString &name, const QString &toolTip = {})
{
    widget->setObjectName(name);
    widget->setToolTip(toolTip);
    widget->setAccessibleDescription(toolTip);
    return widget;
}

} // namespace WidgetNames

#include <functional>

class QAction;
class QMainWindow;

// Adds an entry to the window's menu bar that runs the handler, guarded.
QAction *addMenuEntry(QMainWindow *window, const QString &caption, const QString &name,
                      std::function<void()> handler);

// Makes the window a fixed one without minimize and maximize boxes, named
// after its layout, and gives it a client area in the layouts' font; makes
// the window icons available.
QWidget *setUpFixedWindow(QMainWindow *window, const QString &name);

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

class QMainWindow;

// Makes the window a fixed one without minimize and maximize boxes, named
// after its layout, and gives it a client area in the layouts' font; makes
// the window icons available.
QWidget *setUpFixedWindow(QMainWindow *window, const QString &name);

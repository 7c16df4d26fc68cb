#include "ui/picturewindowview.h"

#include "app/picturewindow.h"
#include "ui/binding.h"
#include "ui/picturebox.h"

PictureWindowView::PictureWindowView(PictureWindow &state, QWidget *owner) : QWidget(owner, Qt::Tool)
{
    setObjectName(QStringLiteral("Vomar_Graphika"));
    setFont(QFont(QStringLiteral("Times New Roman"), 12));
    const int dpi = logicalDpiX();
    auto *display = new PictureBox(this);
    display->setObjectName(QStringLiteral("Graphika_0"));
    display->setAccessibleName(QStringLiteral("Увеличена картина"));
    Binding::bindControl(display, state.display, dpi);
    new FormBinding(this, this, nullptr, state.window, dpi);
}

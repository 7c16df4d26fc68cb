#include "ui/picturebox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

PictureBox::PictureBox(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // Its own background, not the window's, where it shows no picture.
    QPalette own = palette();
    own.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    setPalette(own);
    setAutoFillBackground(true);
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        click();
    QLabel::mouseReleaseEvent(event);
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        click();
        break;
    default:
        QLabel::keyPressEvent(event);
    }
}

void PictureBox::click()
{
    if (m_clicked)
        m_clicked();
}

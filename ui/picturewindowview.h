#pragma once

#include <QWidget>

class PictureWindow;

// The picture window: a tool window whose display box shows a picture
// enlarged, at the size of its picture slot.
class PictureWindowView : public QWidget
{
    Q_OBJECT

public:
    PictureWindowView(PictureWindow &state, QWidget *owner);
};

#pragma once

#include <QLabel>

#include <functional>

// A picture box: shows its picture unscaled from the top left corner, cut at
// its edges, and tells a click, or Space or Enter while it has the focus.
class PictureBox : public QLabel
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent);

    void setClickHandler(std::function<void()> handler) { m_clicked = std::move(handler); }

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void click();

    std::function<void()> m_clicked;
};

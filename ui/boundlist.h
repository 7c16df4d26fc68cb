#pragma once

#include "app/controls.h"

#include <QListWidget>

// A list widget that shows a ListBox row by row and its current index.
//
// Qt moves the current row on its own (a removed current row, focus with no
// current row); the state owns the current index, so such moves are undone.
// Only mouse presses and keys are the learner's selections: they set the
// state's current index, which runs the list's selection handler.
class BoundList : public QListWidget, private StringListObserver
{
    Q_OBJECT

public:
    BoundList(ListBox &list, int logicalDpi, QWidget *parent);
    ~BoundList() override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void itemInserted(int row) override;
    void itemRemoved(int row) override;
    void itemReplaced(int row) override;
    void cleared() override;
    void currentIndexChanged(int row) override;

    template<typename BaseHandler> void asLearner(BaseHandler &&handler);
    void showCurrent();

    ListBox &m_list;
    bool m_learnerActing = false;
};

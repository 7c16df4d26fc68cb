#include "ui/boundlist.h"

#include "ui/binding.h"
#include "ui/fatalerror.h"
#include "ui/textitemdelegate.h"

#include <QSignalBlocker>

BoundList::BoundList(ListBox &list, int logicalDpi, QWidget *parent) : QListWidget(parent), m_list(list)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new TextItemDelegate(this));
    addItems(m_list.items());
    showCurrent();
    m_list.setObserver(this);
    Binding::bindControl(this, m_list, logicalDpi);
    connect(this, &QListWidget::currentRowChanged, this, [this](int) {
        if (!m_learnerActing)
            QMetaObject::invokeMethod(this, [this] { showCurrent(); }, Qt::QueuedConnection);
    });
}

BoundList::~BoundList()
{
    m_list.setObserver(nullptr);
}

template<typename BaseHandler> void BoundList::asLearner(BaseHandler &&handler)
{
    m_learnerActing = true;
    handler();
    m_learnerActing = false;
    const int row = currentRow();
    if (row >= 0 && row != m_list.currentIndex())
        FatalError::guard([&] { m_list.setCurrentIndex(row); });
    showCurrent();
}

void BoundList::mousePressEvent(QMouseEvent *event)
{
    asLearner([&] { QListWidget::mousePressEvent(event); });
}

void BoundList::mouseMoveEvent(QMouseEvent *event)
{
    asLearner([&] { QListWidget::mouseMoveEvent(event); });
}

void BoundList::mouseReleaseEvent(QMouseEvent *event)
{
    asLearner([&] { QListWidget::mouseReleaseEvent(event); });
}

void BoundList::keyPressEvent(QKeyEvent *event)
{
    asLearner([&] { QListWidget::keyPressEvent(event); });
}

void BoundList::showCurrent()
{
    const QSignalBlocker blocker(this);
    const int row = m_list.currentIndex();
    if (row == currentRow() && (row < 0 || item(row)->isSelected()))
        return;
    if (row < 0) {
        setCurrentRow(-1);
        clearSelection();
    } else {
        setCurrentRow(row);
        scrollToItem(item(row));
    }
}

void BoundList::itemInserted(int row)
{
    const QSignalBlocker blocker(this);
    insertItem(row, m_list.item(row));
    showCurrent();
}

void BoundList::itemRemoved(int row)
{
    {
        const QSignalBlocker blocker(this);
        delete takeItem(row);
    }
    showCurrent();
}

void BoundList::itemReplaced(int row)
{
    item(row)->setText(m_list.item(row));
}

void BoundList::cleared()
{
    {
        const QSignalBlocker blocker(this);
        clear();
    }
    showCurrent();
}

void BoundList::currentIndexChanged(int)
{
    showCurrent();
}

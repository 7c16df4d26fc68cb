#pragma once

#include <QCollator>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Told of every change of a string list, so a view can follow it row by row.
class StringListObserver
{
public:
    virtual ~StringListObserver() = default;
    virtual void itemInserted(int row) = 0;
    virtual void itemRemoved(int row) = 0;
    virtual void itemReplaced(int row) = 0;
    virtual void cleared() = 0;
    virtual void currentIndexChanged(int row) = 0;
};

// The list every list control of the program holds, shown or hidden.
//
// A sorted list inserts each added item at its place in case-insensitive
// collation order; an unsorted one appends. Adding or removing other items
// keeps the current index on its item; removing the current item or clearing
// leaves no selection. The selection handler runs when the current index is
// set to a different row, synchronously, and never on adding, removing or
// clearing. Counts and indices are 16-bit; reading at or beyond the count
// yields the empty text; any other use of a row that does not exist is a
// ProgramFault.
class StringList
{
public:
    StringList() = default;
    explicit StringList(const QStringList &items);
    // A sorted list, ordered by the given collation (made case-insensitive).
    explicit StringList(QCollator collation);

    qint16 count() const { return qint16(m_items.size()); }
    QString item(int index) const;
    const QStringList &items() const { return m_items; }

    // Returns the row the item went to.
    int append(const QString &text);
    void removeAt(int index);
    void clear();
    void replace(int index, const QString &text);

    int currentIndex() const { return m_current; }
    // -1 clears the selection; the handler runs only when the index changes.
    void setCurrentIndex(int index);

    void setSelectionHandler(std::function<void()> handler) { m_selectionHandler = std::move(handler); }
    void setObserver(StringListObserver *observer) { m_observer = observer; }

private:
    int insertionRow(const QString &text) const;
    void checkRow(int index, const char *operation) const;

    QStringList m_items;
    int m_current = -1;
    std::optional<QCollator> m_collation;
    std::function<void()> m_selectionHandler;
    StringListObserver *m_observer = nullptr;
};

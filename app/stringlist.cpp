#include "app/stringlist.h"

#include "app/fault.h"

#include <algorithm>
#include <limits>

StringList::StringList(const QStringList &items) : m_items(items) {}

StringList::StringList(QCollator collation) : m_collation(std::move(collation))
{
    m_collation->setCaseSensitivity(Qt::CaseInsensitive);
}

QString StringList::item(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items.at(index) : QString();
}

int StringList::insertionRow(const QString &text) const
{
    if (!m_collation)
        return int(m_items.size());
    // After the items that collate equal, so equal texts keep their order of adding.
    const auto place = std::upper_bound(m_items.cbegin(), m_items.cend(), text,
                                        [this](const QString &a, const QString &b) {
                                            return m_collation->compare(a, b) < 0;
                                        });
    return int(place - m_items.cbegin());
}

int StringList::append(const QString &text)
{
    if (m_items.size() >= std::numeric_limits<qint16>::max())
        throw ProgramFault(QStringLiteral("Списъкът не може да побере повече от %1 елемента.")
                               .arg(std::numeric_limits<qint16>::max()));
    const int row = insertionRow(text);
    m_items.insert(row, text);
    if (m_current >= row)
        ++m_current;
    if (m_observer)
        m_observer->itemInserted(row);
    return row;
}

void StringList::removeAt(int index)
{
    checkRow(index, "премахване");
    m_items.removeAt(index);
    if (m_current == index)
        m_current = -1;
    else if (m_current > index)
        --m_current;
    if (m_observer)
        m_observer->itemRemoved(index);
}

void StringList::clear()
{
    m_items.clear();
    m_current = -1;
    if (m_observer)
        m_observer->cleared();
}

void StringList::replace(int index, const QString &text)
{
    checkRow(index, "замяна");
    m_items[index] = text;
    if (m_observer)
        m_observer->itemReplaced(index);
}

void StringList::setCurrentIndex(int index)
{
    if (index != -1)
        checkRow(index, "избор");
    if (index == m_current)
        return;
    m_current = index;
    if (m_observer)
        m_observer->currentIndexChanged(index);
    if (m_selectionHandler)
        m_selectionHandler();
}

void StringList::checkRow(int index, const char *operation) const
{
    if (index < 0 || index >= m_items.size())
        throw ProgramFault(QStringLiteral("Неправилен номер на ред %1 при %2 (редовете са %3).")
                               .arg(index)
                               .arg(QString::fromUtf8(operation))
                               .arg(m_items.size()));
}

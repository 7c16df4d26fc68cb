#pragma once

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

// Paints the plain text items of the lists as the style does, but keeps the
// size and the laid-out glyphs of each text, so that a list that is laid out
// or repainted after every answer does not shape its texts again each time.
class TextItemDelegate : public QStyledItemDelegate
{
public:
    explicit TextItemDelegate(QObject *parent);

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    const QStaticText &laidOut(const QString &text, const QFont &font) const;

    mutable QFont m_font;
    mutable QHash<QString, QStaticText> m_texts;
};

#include "ui/textitemdelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace {

int textMargin(const QStyleOptionViewItem &option)
{
    const QStyle *style = option.widget ? option.widget->style() : QApplication::style();
    return style->pixelMetric(QStyle::PM_FocusFrameHMargin, &option, option.widget) + 1;
}

} // namespace

TextItemDelegate::TextItemDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

const QStaticText &TextItemDelegate::laidOut(const QString &text, const QFont &font) const
{
    if (font != m_font) {
        m_font = font;
        m_texts.clear();
    }
    auto found = m_texts.find(text);
    if (found == m_texts.end()) {
        QStaticText staticText(text);
        staticText.setTextFormat(Qt::PlainText);
        staticText.setPerformanceHint(QStaticText::AggressiveCaching);
        staticText.prepare(QTransform(), font);
        found = m_texts.insert(text, staticText);
    }
    return *found;
}

QSize TextItemDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QSizeF text = laidOut(index.data(Qt::DisplayRole).toString(), option.font).size();
    const int lineHeight = QFontMetrics(option.font).height();
    return {qCeil(text.width()) + 2 * textMargin(option), qMax(lineHeight, qCeil(text.height()))};
}

void TextItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear(); // the panel only: background, selection, focus
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    const QStaticText &staticText = laidOut(text, opt.font);
    const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (opt.state & QStyle::State_Active) ? QPalette::Normal
                                                                            : QPalette::Inactive;
    const QPalette::ColorRole role = (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;
    painter->save();
    painter->setFont(opt.font);
    painter->setPen(opt.palette.color(group, role));
    painter->setClipRect(opt.rect);
    const QRect area = opt.rect.adjusted(textMargin(opt), 0, -textMargin(opt), 0);
    const qreal top = area.top() + (area.height() - staticText.size().height()) / 2;
    painter->drawStaticText(QPointF(area.left(), top), staticText);
    painter->restore();
}

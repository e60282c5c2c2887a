#pragma once

#include <QStyledItemDelegate>

// Draws the cells of a card's report list as the style does, laying out a
// cell's text once instead of once for every rectangle the style works out.
// A cell showing only text that fits is drawn so; any other cell (a check box,
// an icon, a cut text, the focused cell) and every cell under another style
// than Fusion is left to the style.
class ListCellDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    bool paintText(QPainter* painter, const QStyleOptionViewItem& cell) const;
};

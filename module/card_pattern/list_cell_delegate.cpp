#include "module/card_pattern/list_cell_delegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>
#include <QWidget>

void ListCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    if (!paintText(painter, cell))
        QStyledItemDelegate::paint(painter, option, index);
}

// What the style's item drawing does for a cell of text alone: its panel, then
// its text in the cell less the focus frame's margins, aligned as the cell says.
// False, having drawn nothing, for a cell it does not know how to draw so.
bool ListCellDelegate::paintText(QPainter* painter, const QStyleOptionViewItem& cell) const
{
    const QWidget* widget = cell.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    constexpr auto others = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDecoration
                            | QStyleOptionViewItem::WrapText;
    if ((cell.features & others) || !cell.showDecorationSelected
        || (cell.state & (QStyle::State_HasFocus | QStyle::State_Editing))
        || style->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        return false;

    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect textRect = cell.rect.adjusted(margin, 0, -margin, 0);
    QTextOption textOption;
    textOption.setWrapMode(QTextOption::ManualWrap);
    textOption.setTextDirection(cell.direction);
    textOption.setAlignment(QStyle::visualAlignment(cell.direction, cell.displayAlignment));
    QTextLayout layout(cell.text, cell.font);
    layout.setTextOption(textOption);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    const bool oneLine = line.isValid();
    if (oneLine) {
        line.setLineWidth(textRect.width());
        line.setPosition(QPointF(0, 0));
    }
    const bool more = layout.createLine().isValid();
    layout.endLayout();
    if (!cell.text.isEmpty() && (!oneLine || more || line.naturalTextWidth() > textRect.width()))
        return false; // lines or a cut text: the style's own way

    painter->save();
    painter->setClipRegion(painter->hasClipping() ? painter->clipRegion() & cell.rect : QRegion(cell.rect));
    style->proxy()->drawPrimitive(QStyle::PE_PanelItemViewItem, &cell, painter, widget);
    if (!cell.text.isEmpty()) {
        QPalette::ColorGroup group = (cell.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
        if (group == QPalette::Normal && !(cell.state & QStyle::State_Active))
            group = QPalette::Inactive;
        painter->setPen(cell.palette.color(group, (cell.state & QStyle::State_Selected) ? QPalette::HighlightedText
                                                                                          : QPalette::Text));
        const QRect placed = QStyle::alignedRect(Qt::LayoutDirectionAuto, cell.displayAlignment,
                                                 layout.boundingRect().size().toSize(), textRect);
        layout.draw(painter, QPointF(textRect.x(), placed.top()));
    }
    painter->restore();
    return true;
}

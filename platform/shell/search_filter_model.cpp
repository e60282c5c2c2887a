#include "platform/shell/search_filter_model.h"

#include "platform/contract/search_text.h"

namespace shell {

SearchFilterModel::SearchFilterModel(QObject* parent) : QSortFilterProxyModel(parent)
{
    setRecursiveFilteringEnabled(true);
}

void SearchFilterModel::setSearchText(const QString& text)
{
    const QString wanted = vx::search::folded(text);
    if (wanted == wanted_)
        return;
    wanted_ = wanted;
    invalidateRowsFilter();
}

bool SearchFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    if (wanted_.isEmpty())
        return true;
    const QAbstractItemModel* source = sourceModel();
    for (int c = 0; c < source->columnCount(sourceParent); ++c) {
        const QString shown = source->index(sourceRow, c, sourceParent).data(Qt::DisplayRole).toString();
        if (vx::search::folded(shown).contains(wanted_))
            return true;
    }
    return false;
}

} // namespace shell

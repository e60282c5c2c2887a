#pragma once

#include <QSortFilterProxyModel>

namespace shell {

// A list's search: keeps the rows whose shown text in any column holds the
// search text, letters compared without case or marks and every dash alike
// ("zil" keeps "Žilinskas"); rows above a kept row stay so the tree keeps its shape.
class SearchFilterModel final : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit SearchFilterModel(QObject* parent = nullptr);

    void setSearchText(const QString& text);
    QString searchText() const { return wanted_; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QString wanted_; // folded
};

} // namespace shell

// A card's entry list sizes its columns from a few of its cells, not all: what
// it measures must still keep the cells that need the most room whole.

#include "module/card_pattern/card_base.h"
#include "module/card_pattern/entry_list.h"

#include <QHeaderView>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

class Card final : public CardBase {};

TEST(EntryListColumns, TheLongestTextDeepInALongListTheTotalsAndTheCaptionsAreNotCut)
{
    Card card;
    auto* tree = new QTreeWidget(&card);
    EntryList list(card, tree,
                   {{QString(), QStringLiteral("Data")},
                    {QStringLiteral("Driver"), QStringLiteral("Vairuotojas")},
                    {QStringLiteral("Amount"), QStringLiteral("Kiekis, kurio antraštė ilgesnė už skaičius")},
                    {QStringLiteral("Note"), QStringLiteral("Pastabos")}},
                   {QStringLiteral("Amount")});
    constexpr int rows = 120, longRow = 97;
    auto rs = vx::Recordset::create({{QStringLiteral("Driver"), vx::FieldType::Text}});
    for (int i = 0; i < rows; ++i)
        rs->appendRow({i == longRow ? QStringLiteral("Ilgiausias vairuotojo vardas ir dar ilgesnė pavardė") : QStringLiteral("Jonas")});
    list.fill(rs, [](const EntryList::Row& row) {
        return EntryList::Item{QString(), QStringLiteral("2026.11.02"), QString(),
                               {{QStringLiteral("Driver"), row.text(u"Driver")}, {QStringLiteral("Amount"), QStringLiteral("1")}}};
    });
    list.addTotals({{QStringLiteral("Amount"), QStringLiteral("123456789012345678901234567890123456789012345678,00")}});

    const QAbstractItemModel* model = tree->model();
    ASSERT_EQ(model->rowCount(), rows + 1);
    const std::pair<int, int> widest[] = {{longRow, 1}, {rows, 2}, {0, 0}}; // row, column
    for (const auto& [row, column] : widest)
        EXPECT_GE(tree->columnWidth(column), tree->sizeHintForIndex(model->index(row, column)).width()) << row << ", " << column;
    for (int column = 0; column < tree->columnCount(); ++column)
        EXPECT_GE(tree->columnWidth(column), tree->header()->sectionSizeHint(column)) << column;
}

} // namespace

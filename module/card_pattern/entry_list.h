#pragma once

#include "module/card_pattern/report_list.h"
#include "platform/contract/recordset.h"
#include "platform/contract/vx_object_uio.h"

#include <QIcon>
#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>

class CardBase;
class QAction;
class QMenu;
class QTimer;

// A card's list of entries that belong to its record (a trip sheet's route
// lines or cheques, a vehicle's drivers): a report list (ReportList) that
// keeps what the list needs between fills and runs the card's commands on it.
// The card says how a row becomes an item and what its add, edit and delete
// commands do; the list fills itself, keeps the key to select after the next
// fill, and opens the commands the same way on every card: the context menu
// leaves its item's pending command on the card, double-click or Enter edits
// the selected row, Insert adds, Delete deletes — each only where the menu
// would offer it and only while the card lets the user edit. Objects dropped
// on the list start an add once the drop has ended.
// Names looked up once for each place of a sequence that every row repeats
// (a fill's rows read the same fields, and give the same cells, in one order):
// a place is looked up again only where a row has another name there. Places
// are asked from the first on.
class PlacedNames {
public:
    template <typename Lookup>
    int find(qsizetype place, QStringView name, Lookup lookup)
    {
        if (place < places_.size() && places_.at(place).first == name)
            return places_.at(place).second;
        const int found = lookup(name);
        if (place < places_.size())
            places_[place] = {name.toString(), found};
        else
            places_.append({name.toString(), found});
        return found;
    }

private:
    QList<std::pair<QString, int>> places_; // name, what it was found as
};

class EntryList : public QObject {
    Q_OBJECT
public:
    // One row of the record set the list is filled from, read by field name
    // without moving the set's cursor. An unknown field throws, as the cursor does.
    class Row {
    public:
        // The columns of the fields a fill's rows read, in the order they
        // read them: each row reads the same fields in the same order.
        using Places = PlacedNames;
        Row(const vx::Recordset& rows, int row) : rows_(rows), row_(row) {}
        Row(const vx::Recordset& rows, int row, Places& places) : rows_(rows), row_(row), places_(&places) {}
        QVariant value(QStringView field) const;
        QString text(QStringView field) const;   // null: empty
        double number(QStringView field) const;  // null: 0
        // A cell the lists show as a single space when empty (an open end).
        QString textOrSpace(QStringView field) const;
        // A run or count as a whole number; null: 0.
        QString wholeNumber(QStringView field) const;

    private:
        int columnOf(QStringView field) const;

        const vx::Recordset& rows_;
        int row_;
        Places* places_ = nullptr;
        mutable qsizetype read_ = 0; // the fields read so far
    };

    using Cells = QList<std::pair<QString, QString>>; // column key, text
    // What a row shows: its key, the item text, its tag and the other cells.
    struct Item {
        QString key;
        QString text;
        QString tag;
        Cells cells;
    };
    using ItemOf = std::function<Item(const Row&)>;

    // The pending command each menu item leaves on the card, and its caption.
    struct Commands {
        QString add, edit, remove;
        QString addCaption = QStringLiteral("Pridėti");
        QString editCaption = QStringLiteral("Redaguoti");
        QString removeCaption = QStringLiteral("Panaikinti");
    };

    // Sets `list` up with its columns; `numberColumns` are aligned right.
    EntryList(CardBase& card, QTreeWidget* list, const QList<ReportList::Column>& columns,
              const QStringList& numberColumns = {});
    // A list on a page the card does not open on, whose view costs the open
    // nothing: `make` makes the view in its place on `page` (its layout, its
    // tab order) when the page first shows, or when anything needs the view
    // first (list(), a reader of its rows). Its rows wait as well: fill()
    // keeps them while the view does not show, until the page shows or a
    // reader asks.
    struct Later {
        QWidget* page;
        std::function<QTreeWidget*()> make;
    };
    EntryList(CardBase& card, Later later, const QList<ReportList::Column>& columns,
              const QStringList& numberColumns = {});
    ~EntryList() override;

    // The view, made first if it is still to be made.
    QTreeWidget* list();

    // Empties the list and adds one item per row, in the rows' order (none
    // for a null set); then selects the key kept by selectAfterRefill.
    // A list made later keeps the rows instead while its view does not show.
    void fill(const vx::RecordsetPtr& rows, const ItemOf& itemOf);
    // Appends the bold "Viso:" row with the given totals in bold.
    void addTotals(const Cells& totals);
    // The small icon every row shows from the next fill on (none by default).
    void setItemIcon(const QIcon& icon) { itemIcon_ = icon; }
    // The row to select after the next fill (an object id; others select nothing).
    void selectAfterRefill(const QString& key) { selectAfter_ = key; }

    // The readers of the rows fill a waiting list first.
    // The selected row; null when none.
    QTreeWidgetItem* selected();
    // The selected row unless it is the totals row.
    QTreeWidgetItem* selectedEntry();
    // The last row that is not the totals row; null for an empty list.
    QTreeWidgetItem* lastEntry();
    // The keys of all rows, in order.
    QStringList keys();

    // The card's commands: each menu item, key and double-click sets the
    // card's pending command and calls `run`, inside the card's handler boundary.
    void setCommands(const Commands& commands, std::function<void()> run);
    // Whether the user may run the commands (the card reads the right when it loads).
    void setEditable(bool editable) { editable_ = editable; }
    // A further menu item, after a separator, that runs `handler` directly;
    // `enabled` decides each time the menu opens.
    void addMenuItem(const QString& name, const QString& caption, std::function<bool()> enabled,
                     std::function<void()> handler);

    // Drops of objects whose id starts with `objectType`, while `allowed`: a
    // dropped object that is no group becomes droppedObject() for the add
    // command, which runs once the drop has ended.
    void takeDrops(const QString& objectType, std::function<bool()> allowed);
    bool takesDrop(const QString& text) const;
    void dropObject(const QString& text);
    // The dropped object while the add command a drop started runs; null otherwise.
    vx::VxObjectUIOPtr droppedObject() const { return fromDrop_ ? dropped_ : vx::VxObjectUIOPtr(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What a waiting list is to show once filled.
    struct Waiting {
        vx::RecordsetPtr rows;
        ItemOf itemOf;
        std::optional<Cells> totals;
    };
    // The view's columns, commands and drops, once it is there.
    void setUpView(QTreeWidget* list);
    void setUpCommands();
    void setUpDrops();
    // Makes the view if need be and fills it with the rows kept for it, if any.
    void fillNow();
    void fillItems(const vx::RecordsetPtr& rows, const ItemOf& itemOf);
    void addTotalsRow(const Cells& totals);
    using Longest = QList<std::pair<qsizetype, int>>; // text length, row; longest first
    static void note(Longest& longest, qsizetype length, int row);
    void fitColumns(const QList<Longest>& longestByColumn);
    void widenForLastRow();
    QAction* menuItem(const QString& name, const QString& caption);
    void popUpMenu(const QPoint& at);
    // Runs a command the user asked for, when the user may edit and, where it
    // needs one, a row is selected.
    void open(const QString& command, bool needsSelection);
    void runCommand(const QString& command);
    bool dragEvent(QEvent* event);
    void addDropped();

    CardBase& card_;
    QTreeWidget* list_ = nullptr; // the card's, which outlives the part; null until made
    std::function<QTreeWidget*()> make_; // of a view still to be made
    QList<ReportList::Column> columns_;
    QStringList numberColumns_;
    QList<int> captionWidths_; // the columns' least widths, for their captions
    QString selectAfter_;
    QIcon itemIcon_;
    QWidget* page_ = nullptr; // of a list made later, which waits while hidden
    std::optional<Waiting> waiting_; // kept by fill while the list is hidden

    Commands commands_;
    std::function<void()> run_;
    bool editable_ = false;
    QMenu* menu_ = nullptr; // owned by the list
    QAction* add_ = nullptr;
    QAction* edit_ = nullptr;
    QAction* remove_ = nullptr;
    struct ExtraItem {
        QString name, caption;
        std::function<bool()> enabled;
        std::function<void()> handler;
        QAction* action = nullptr; // in the menu, once the view is there
    };
    QList<ExtraItem> extraItems_;

    QString dropType_;
    std::function<bool()> dropAllowed_;
    QTimer* dropTimer_ = nullptr; // owned by the list
    vx::VxObjectUIOPtr dropped_;
    bool fromDrop_ = false;
};

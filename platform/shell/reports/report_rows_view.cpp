#include "platform/shell/reports/report_rows_view.h"

#include "platform/shell/reports/report_rows_model.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace shell {

ReportRowsView::ReportRowsView(const bo::reports::ReportDefinition& report, vx::RecordsetPtr rows, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pgReportRows"));
    model_ = new ReportRowsModel(report, std::move(rows), this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("lvwReportRows"));
    table_->setModel(model_);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setSelectionBehavior(QAbstractItemView::SelectItems);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    table_->setAlternatingRowColors(true);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setHighlightSections(false);
    table_->horizontalHeader()->setStretchLastSection(true);
    // A column as wide as its contents and never narrower than on paper.
    table_->resizeColumnsToContents();
    const double pixelsPerCm = logicalDpiX() / 2.54;
    for (int column = 0; column < report.columns.size(); ++column)
        table_->setColumnWidth(column, std::max(table_->columnWidth(column),
                                                int(report.columns.at(column).widthCm * pixelsPerCm)));
    table_->setContextMenuPolicy(Qt::CustomContextMenu);
    table_->installEventFilter(this);

    menu_ = new QMenu(this);
    auto* buttons = new QHBoxLayout;
    for (int link = 0; link < report.links.size(); ++link) {
        const QString caption = report.links.at(link).caption;
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QStringLiteral("cmdOpen%1").arg(link));
        // None is the window's default: Enter opens what the current cell
        // names, and presses a button only when the button has the focus.
        button->setAutoDefault(false);
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, link] { openLink(link); });
        buttons->addWidget(button);
        buttons_ << button;
        connect(menu_->addAction(caption), &QAction::triggered, this, [this, link] { openLink(link); });
    }
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);

    connect(table_, &QTableView::doubleClicked, this, &ReportRowsView::openCell);
    connect(table_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (const QModelIndex index = table_->indexAt(at); index.isValid())
            table_->setCurrentIndex(index);
        enableLinks();
        menu_->popup(table_->viewport()->mapToGlobal(at));
    });
    connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this, &ReportRowsView::enableLinks);
    // The first row's first cell that opens a record is where the user starts.
    int first = 0;
    while (first + 1 < report.columns.size() && report.columns.at(first).opens.isEmpty())
        ++first;
    if (model_->rowCount() > 0)
        table_->setCurrentIndex(model_->index(0, first));
    enableLinks();
    setFocusProxy(table_);
}

bool ReportRowsView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == table_)
                openCell(table_->currentIndex());
            else if (auto* button = qobject_cast<QPushButton*>(watched))
                button->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ReportRowsView::openCell(const QModelIndex& index)
{
    if (const QString oidr = index.data(ReportRowsModel::ObjectRole).toString(); !oidr.isEmpty())
        emit openRequested(oidr);
}

void ReportRowsView::openLink(int link)
{
    const QModelIndex current = table_->currentIndex();
    if (!current.isValid() || link < 0 || link >= model_->report().links.size())
        return;
    if (const QString oidr = model_->objectOf(current.row(), model_->report().links.at(link).field); !oidr.isEmpty())
        emit openRequested(oidr);
}

void ReportRowsView::enableLinks()
{
    const QModelIndex current = table_->currentIndex();
    const QList<QAction*> actions = menu_->actions();
    for (int link = 0; link < buttons_.size(); ++link) {
        const bool has = current.isValid() && !model_->objectOf(current.row(), model_->report().links.at(link).field).isEmpty();
        buttons_.at(link)->setEnabled(has);
        actions.at(link)->setEnabled(has);
    }
}

} // namespace shell

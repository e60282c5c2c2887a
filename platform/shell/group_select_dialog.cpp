#include "platform/shell/group_select_dialog.h"

#include "platform/shell/recordset_table_model.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace shell {

GroupSelectDialog::GroupSelectDialog(vx::RecordsetPtr rows, const QString& title, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmGroupSelect"));
    setWindowTitle(title);
    model_ = new RecordsetTableModel(this);
    model_->setRecordset(std::move(rows));

    auto* label = new QLabel(model_->rowCount() > 0 ? QStringLiteral("&Sąrašas:") : QStringLiteral("Nėra iš ko pasirinkti."),
                             this);
    list_ = new QTreeView(this);
    list_->setObjectName(QStringLiteral("lvwRows"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setModel(model_);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    label->setBuddy(list_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setText(QStringLiteral("&Pasirinkti"));
    ok_->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Atšaukti"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(560, 360);

    connect(buttons, &QDialogButtonBox::accepted, this, &GroupSelectDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QTreeView::doubleClicked, this, &GroupSelectDialog::accept);
    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this, &GroupSelectDialog::updateButtons);
    setCurrentRow(0);
    list_->setFocus();
}

void GroupSelectDialog::setCurrentRow(int row)
{
    list_->setCurrentIndex(model_->index(row, 0));
    updateButtons();
}

void GroupSelectDialog::accept()
{
    const QModelIndex current = list_->currentIndex();
    if (!current.isValid())
        return;
    chosen_ = current.row();
    QDialog::accept();
}

void GroupSelectDialog::updateButtons()
{
    ok_->setEnabled(list_->currentIndex().isValid());
}

} // namespace shell

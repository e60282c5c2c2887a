#include "platform/shell/host_cards/employee_card.h"

#include "platform/bo/users.h"
#include "platform/contract/object_id.h"
#include "platform/shell/host_cards/record_form.h"
#include "platform/shell/passwords.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace shell {
namespace {
const QString hashField = QStringLiteral("PasswordHash");
// Rights 1 to 4 in order: open, delete, write, new record.
constexpr int rightColumns = 4;
} // namespace

EmployeeCard::EmployeeCard(HostCardContext context, QWidget* parent) : HostCard(std::move(context), parent)
{
    setObjectName(QStringLiteral("frmEmployee"));
    administrator_ = bo::users::isAdministrator(*session());
}

bool EmployeeCard::mayChangePassword() const
{
    const vx::VxObjectUIOPtr editor = vxObjectUIO();
    return administrator_ || (editor && vx::oid::recordNumber(editor->OIDR()) == session()->userId());
}

bool EmployeeCard::writeAllowed() const
{
    const vx::VxObjectUIOPtr editor = vxObjectUIO();
    return HostCard::writeAllowed() || (editor && vx::oid::recordNumber(editor->OIDR()) == session()->userId());
}

void EmployeeCard::buildExtras(QVBoxLayout* layout)
{
    // Logins are the administrator's to give: the layer refuses anybody else.
    if (!administrator_ && form())
        form()->setReadOnly(QStringLiteral("Login"));
    passwordBox_ = new QGroupBox(QStringLiteral("Slaptažodis"), this);
    auto* form = new QFormLayout(passwordBox_);
    password_ = new QLineEdit(passwordBox_);
    password_->setObjectName(QStringLiteral("txtPassword"));
    password_->setEchoMode(QLineEdit::Password);
    repeat_ = new QLineEdit(passwordBox_);
    repeat_->setObjectName(QStringLiteral("txtPasswordRepeat"));
    repeat_->setEchoMode(QLineEdit::Password);
    auto* newLabel = new QLabel(QStringLiteral("&Naujas slaptažodis:"), passwordBox_);
    newLabel->setBuddy(password_);
    auto* repeatLabel = new QLabel(QStringLiteral("&Pakartokite:"), passwordBox_);
    repeatLabel->setBuddy(repeat_);
    passwordState_ = new QLabel(passwordBox_);
    passwordState_->setObjectName(QStringLiteral("lblPasswordState"));
    auto* clear = new QPushButton(QStringLiteral("Panaikinti &slaptažodį"), passwordBox_);
    clear->setObjectName(QStringLiteral("cmdClearPassword"));
    form->addRow(passwordState_);
    form->addRow(newLabel, password_);
    form->addRow(repeatLabel, repeat_);
    form->addRow(QString(), clear);
    connect(password_, &QLineEdit::textChanged, this, &EmployeeCard::markChanged);
    connect(repeat_, &QLineEdit::textChanged, this, &EmployeeCard::markChanged);
    connect(clear, &QPushButton::clicked, this, [this] {
        clearPassword_ = true;
        password_->clear();
        repeat_->clear();
        showPasswordState();
        markChanged();
    });
    layout->addWidget(passwordBox_);

    if (!administrator_) {
        layout->addStretch();
        return;
    }
    auto* rightsBox = new QGroupBox(QStringLiteral("Teisės"), this);
    auto* rightsLayout = new QVBoxLayout(rightsBox);
    rights_ = new QTableWidget(0, 1 + rightColumns, rightsBox);
    rights_->setObjectName(QStringLiteral("tblRights"));
    rights_->setHorizontalHeaderLabels({QStringLiteral("Komponentas"), QStringLiteral("Atidaryti"),
                                        QStringLiteral("Trinti"), QStringLiteral("Keisti"), QStringLiteral("Pridėti")});
    rights_->verticalHeader()->hide();
    rights_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    rights_->setSelectionBehavior(QAbstractItemView::SelectItems);
    rights_->setTabKeyNavigation(false);
    auto* rightsLabel = new QLabel(QStringLiteral("&Teisės (tarpas pažymi ar atžymi):"), rightsBox);
    rightsLabel->setBuddy(rights_);
    rightsLayout->addWidget(rightsLabel);
    rightsLayout->addWidget(rights_);
    connect(rights_, &QTableWidget::itemChanged, this, &EmployeeCard::markChanged);
    layout->addWidget(rightsBox, 1);
}

void EmployeeCard::showPasswordState()
{
    const vx::VxObjectUIOPtr editor = vxObjectUIO();
    const bool has = editor && !editor->Fields().value(hashField).toString().isEmpty() && !clearPassword_;
    passwordState_->setText(clearPassword_ ? QStringLiteral("Slaptažodis bus panaikintas įrašius.")
                            : has          ? QStringLiteral("Slaptažodis nustatytas.")
                                           : QStringLiteral("Slaptažodžio nėra."));
}

void EmployeeCard::loadExtras()
{
    clearPassword_ = false;
    password_->clear();
    repeat_->clear();
    passwordBox_->setEnabled(mayChangePassword());
    showPasswordState();
    if (!rights_)
        return;
    const vx::VxObjectUIOPtr editor = vxObjectUIO();
    vx::ComponentEntries components = context().components;
    components.append(rights::hostComponents());
    shownRights_ = rights::load(*session(), editor ? vx::oid::recordNumber(editor->OIDR()) : 0, components);
    rights_->setRowCount(int(shownRights_.size()));
    for (int row = 0; row < shownRights_.size(); ++row) {
        const rights::ComponentRights& r = shownRights_.at(row);
        auto* name = new QTableWidgetItem(r.caption);
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        name->setData(Qt::UserRole, r.componentKey);
        rights_->setItem(row, 0, name);
        for (int c = 0; c < rightColumns; ++c) {
            auto* check = new QTableWidgetItem;
            check->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            check->setCheckState(r.rights.granted[std::size_t(c)] ? Qt::Checked : Qt::Unchecked);
            rights_->setItem(row, 1 + c, check);
        }
    }
}

bool EmployeeCard::storeExtras(QString* error)
{
    if (!mayChangePassword())
        return true;
    if (password_->text() != repeat_->text()) {
        *error = QStringLiteral("Slaptažodžiai nesutampa.");
        repeat_->setFocus();
        return false;
    }
    if (!password_->text().isEmpty())
        vxObjectUIO()->Fields().setValue(hashField, passwords::hash(password_->text()));
    else if (clearPassword_)
        vxObjectUIO()->Fields().setValue(hashField, QVariant());
    return true;
}

bool EmployeeCard::saveExtras(QString* error)
{
    if (!rights_)
        return true;
    QList<bo::ComponentRights> rows;
    for (int row = 0; row < shownRights_.size(); ++row) {
        bo::ComponentRights r = shownRights_.at(row);
        for (int c = 0; c < rightColumns; ++c)
            r.rights.granted[std::size_t(c)] = rights_->item(row, 1 + c)->checkState() == Qt::Checked;
        rows.append(r);
    }
    try {
        bo::rights::save(*session(), vx::oid::recordNumber(vxObjectUIO()->OIDR()), rows);
    } catch (const bo::StorageError& e) {
        *error = e.message();
        return false;
    }
    return true;
}

} // namespace shell

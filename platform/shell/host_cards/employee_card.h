#pragma once

#include "platform/shell/host_cards/host_card.h"
#include "platform/shell/host_cards/user_rights.h"

class QGroupBox;
class QLineEdit;
class QTableWidget;

namespace shell {

// An employee (a user when the record has a login): the fields, the password
// — set or removed by the administrator or the user himself, kept only as a
// salted hash — and, for the administrator, the rights per security component.
class EmployeeCard final : public HostCard {
    Q_OBJECT
public:
    explicit EmployeeCard(HostCardContext context, QWidget* parent = nullptr);

    QTableWidget* rightsTable() const { return rights_; }

protected:
    void buildExtras(QVBoxLayout* layout) override;
    void loadExtras() override;
    bool storeExtras(QString* error) override;
    bool saveExtras(QString* error) override;
    // Every user may save his own password, whatever his rights on employees.
    bool writeAllowed() const override;

private:
    bool mayChangePassword() const;
    void showPasswordState();

    bool administrator_ = false;
    QGroupBox* passwordBox_ = nullptr;
    QLineEdit* password_ = nullptr;
    QLineEdit* repeat_ = nullptr;
    QLabel* passwordState_ = nullptr;
    bool clearPassword_ = false;
    QTableWidget* rights_ = nullptr;
    QList<rights::ComponentRights> shownRights_;
};

} // namespace shell

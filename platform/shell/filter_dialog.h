#pragma once

#include "platform/contract/vx_host_dialogs.h"

#include <QDialog>

class QLineEdit;

namespace shell {

// Asks for the words a list is narrowed to: each of them must appear in a
// record's name, code or number (the generic list's filter reads them so).
class FilterDialog final : public QDialog, public vx::VxFilterDialog {
    Q_OBJECT
public:
    explicit FilterDialog(QWidget* parent = nullptr);

    void setOID(const QString& oid) override;
    // The words typed, spaces tidied; empty when cancelled.
    QString askFilter(QWidget* parent) override;

    QLineEdit* filterBox() const { return filter_; }
    QString filterText() const;

private:
    QLineEdit* filter_ = nullptr;
};

} // namespace shell

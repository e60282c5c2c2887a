#pragma once

#include "platform/bo/object_types.h"
#include "platform/bo/session.h"
#include "platform/contract/vx_object_uio.h"

#include <QDialog>

class QLabel;

namespace shell {

class RecordForm;

// The host's plain card for one record of a stored type, shown modally: each
// stored field the user may edit is a labelled editor by its type (text,
// number, date, check, a chooser for references). "Įrašyti" saves and closes;
// a refused save keeps the card open with the reason shown.
class ObjectCardDialog final : public QDialog {
    Q_OBJECT
public:
    ObjectCardDialog(bo::SessionPtr session, vx::VxObjectUIOPtr editor, const bo::ObjectType& type,
                     QWidget* parent = nullptr);

    // The editor of a field; its object name is the field name after a prefix
    // by kind: "txt" (text, number), "chk", "dtp", "sel" (reference).
    QWidget* fieldEditor(const QString& field) const;
    // After a save: one row with the record's OIDR and Preview.
    vx::RecordsetPtr savedRecord() const { return saved_; }
    QString errorText() const;

public slots:
    void accept() override;

private:
    void showError(const QString& text);

    bo::SessionPtr session_;
    vx::VxObjectUIOPtr editor_;
    RecordForm* form_ = nullptr;
    QLabel* error_ = nullptr;
    vx::RecordsetPtr saved_;
};

} // namespace shell

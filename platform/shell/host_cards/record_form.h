#pragma once

#include "platform/bo/object_types.h"
#include "platform/bo/session.h"
#include "platform/contract/vx_object_uio.h"

#include <QWidget>

class QFormLayout;
class QLabel;

namespace shell {

// The stored fields of one record as labelled editors by type (text, number,
// date, check, a chooser for references), for the host's cards and dialogs.
// Fields that place a record in its tree, keep its history or its password
// are left to the layer and to other parts of a card.
class RecordForm final : public QWidget {
    Q_OBJECT
public:
    // `usedMnemonics`: letters other controls of the card already underline.
    RecordForm(bo::SessionPtr session, const bo::ObjectType& type, const vx::RecordsetPtr& fields,
               const QString& usedMnemonics, QWidget* parent = nullptr);

    // The editor of a field; its object name is the field name after a prefix
    // by kind: "txt" (text, number), "chk", "dtp", "sel" (reference).
    QWidget* fieldEditor(const QString& field) const;
    // Shows the record's values again.
    void load(const vx::RecordFields& fields);
    // Writes the typed values into the record; false (with the reason in
    // `error` and the focus on the field) when one is not a value of its type.
    bool store(const vx::RecordFields& fields, QString* error);
    // A field the user should not change here (shown, not editable).
    void setReadOnly(const QString& field);
    QFormLayout* layout() const { return layout_; }

signals:
    // The user (or a load) changed a value.
    void edited();

private:
    struct Field {
        bo::ColumnDef column;
        QString caption;
        QWidget* editor = nullptr;
    };

    bo::SessionPtr session_;
    QFormLayout* layout_ = nullptr;
    QList<Field> fields_;
};

// The hidden line under a card's fields that says why a save was refused.
QLabel* makeErrorLabel(QWidget* parent);

// Gives the caption a mnemonic on its first letter not yet in `used`, which it extends.
QString withMnemonic(const QString& caption, QString& used);

} // namespace shell

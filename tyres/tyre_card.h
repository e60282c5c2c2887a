#pragma once

#include "module/card_pattern/card_base.h"
#include "module/card_pattern/date_pair.h"
#include "module/card_pattern/entry_list.h"
#include "tyres/tyre_card_controls.h"

#include <memory>

// The tyre card, for a tyre and for a tyre group (a folder of the tyre tree).
// A tyre has its number, brand, size, description, purchase and write-off
// dates, maximum run and comment, and a saved tyre shows where it has been
// mounted. The panel's new-record button starts a record of the same kind in
// the same group without closing the card. Anyone who may open a tyre may
// change it; only deleting asks for a right.
//
// Files: the controls and their places (tyre_card_layout.cpp); loading,
// the choices and the enabling rules (tyre_card.cpp); saving, cancelling, a
// new record, closing and deleting (tyre_card_save.cpp).
class frmTransportTyres final : public CardBase {
    Q_OBJECT
public:
    frmTransportTyres();
    ~frmTransportTyres() override;

    const TyreCardControls& controls() const { return c_; }
    bool isNew() const { return isNew_; }
    bool isGroup() const { return isGroup_; }

protected:
    void loadForm() override;
    QString closingDetails() const override;
    // Unsaved changes are what "Įrašyti" would save.
    bool hasUnsavedChanges() const override;

private:
    void connectControls();
    void applyEnablingRules();
    void markChangedAndApply();
    void showParent(qint64 parentId);
    void showReference(ChoiceField* field, const QString& property, const QString& typeId, qint64 number);
    void fillHistory();
    void choose(ChoiceField* field);

    // tyre_card_save.cpp
    void write();
    void writeFields();
    QString firstFailure() const;
    void cancel();
    void newRecord();

    TyreCardControls c_;
    std::unique_ptr<DatePair> dates_;
    std::unique_ptr<EntryList> history_;
    bool isNew_ = true;
    bool isGroup_ = false;
};

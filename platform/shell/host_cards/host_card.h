#pragma once

#include "platform/bo/session.h"
#include "platform/contract/host_records.h"
#include "platform/contract/vx_card.h"
#include "platform/contract/vx_services.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace vx {
class VxGridControl;
}

namespace shell {

class RecordForm;

// What a host card needs from the host besides its editor.
struct HostCardContext {
    bo::SessionPtr session;
    std::weak_ptr<vx::VxS> services; // the desktop a card refreshes and closes through
    vx::ComponentEntries components; // the loaded modules' security components
};

// The host's card for one record of a host type, shown on the desktop: the
// record's fields (RecordForm, or the property grid for catalogue items, whose
// fields differ per catalogue), room below them for what a type adds, and
// "Įrašyti" (enabled while there are unsaved changes the user's rights let him
// save: the write right, or the new right for a new record) and "Uždaryti". A refused
// save keeps the card as it is, with the reason shown.
class HostCard : public QWidget, public vx::VxCard {
    Q_OBJECT
public:
    enum class Fields { Form, Grid };
    explicit HostCard(HostCardContext context, QWidget* parent = nullptr, Fields fields = Fields::Form);
    ~HostCard() override;

    // Builds the fields for the editor's type on the first call, then loads.
    void setVxObjectUIO(const vx::VxObjectUIOPtr& editor) override;
    vx::VxObjectUIOPtr vxObjectUIO() const override { return editor_; }
    void InitForm() override;
    // With unsaved changes, true only when the user agrees to lose them.
    bool QueryRemove() override;

    // Writes the card into the record and saves it; true when saved.
    bool write();
    bool isChanged() const { return changed_; }
    QString errorText() const;
    RecordForm* form() const { return form_; }
    vx::VxGridControl* grid() const { return grid_; }

signals:
    void changedChanged(bool changed);

protected:
    // Called once, after the fields: a type adds its own parts to `layout`.
    virtual void buildExtras(QVBoxLayout* layout) { Q_UNUSED(layout); }
    virtual void loadExtras() {}
    // Before the save: writes what the type adds into the record.
    virtual bool storeExtras(QString* error) { Q_UNUSED(error); return true; }
    // After the save, when the record has its number.
    virtual bool saveExtras(QString* error) { Q_UNUSED(error); return true; }

    void markChanged();
    bool isLoading() const { return loading_; }
    bool hasRecord() const;
    const HostCardContext& context() const { return context_; }
    const bo::SessionPtr& session() const { return context_.session; }
    void showError(const QString& text);
    // Whether the user's rights let him save the record at all (the layer decides what exactly).
    virtual bool writeAllowed() const;

private:
    void setChanged(bool changed);
    void updateTitle();

    HostCardContext context_;
    vx::VxObjectUIOPtr editor_;
    Fields fieldsShownBy_;
    RecordForm* form_ = nullptr;
    vx::VxGridControl* grid_ = nullptr;
    QVBoxLayout* body_ = nullptr;
    QLabel* error_ = nullptr;
    QPushButton* write_ = nullptr;
    bool changed_ = false;
    bool loading_ = false;
    bool mayWrite_ = true;
};

} // namespace shell

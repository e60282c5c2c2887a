#pragma once

#include "platform/contract/recordset.h"
#include "platform/contract/ui_records.h"

#include <QDialog>

namespace shell {

// The host's modal object card around a card of the module: the card shows in
// a window of its own while the caller waits for the record. A card that takes
// the window (vx::VxCard::setShowVxObject) lets it go after it saved; the
// window then closes when the record is stored, and stays open for a
// correction when the save failed. Closed any other way, it asks the card
// first (QueryRemove).
class ModalCardWindow final : public QDialog {
    Q_OBJECT
public:
    // Takes the card over: it lives as long as the window.
    explicit ModalCardWindow(const vx::CardRef& card, QWidget* parent = nullptr);
    ~ModalCardWindow() override;

    // Hands the card this window; false when the card would never let it go.
    bool handOver();
    // One row with the record's OIDR and Preview once it is stored; null before.
    vx::RecordsetPtr savedRecord() const;

public slots:
    void reject() override;

private:
    void cardDone();

    QWidget* card_ = nullptr;
};

} // namespace shell

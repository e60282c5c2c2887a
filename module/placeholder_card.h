#pragma once

#include "module/card_pattern/card_base.h"

class QLabel;

// Stands for a card that is not built yet: it says which card it stands for,
// shows the record's preview and can be closed. It never holds changes.
class PlaceholderCard final : public CardBase {
    Q_OBJECT
public:
    // `cardClass` is the class name of the card it stands for, `purpose` what
    // that card shows ("Kelionės lapas", ...).
    PlaceholderCard(const QString& cardClass, const QString& purpose);

    const QString& cardClass() const { return cardClass_; }

protected:
    void loadForm() override;

private:
    void closeCard();

    QString cardClass_;
    QString purpose_;
    QLabel* lblPreview_ = nullptr;
};

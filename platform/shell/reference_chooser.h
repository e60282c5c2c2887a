#pragma once

#include "platform/bo/session.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace shell {

// An editor for a field that holds the number of another record: it shows
// that record's display text and lets the user choose another one through the
// host's object selector, or clear it.
class ReferenceChooser final : public QWidget {
    Q_OBJECT
public:
    ReferenceChooser(bo::SessionPtr session, QString refType, QString caption, QWidget* parent = nullptr);

    qint64 id() const { return id_; }
    void setId(qint64 id);
    QString text() const;
    QPushButton* chooseButton() const { return choose_; }

    // Asks the object selector for a record of the referenced type.
    void choose();
    void clear() { setId(0); }

signals:
    void idChanged(qint64 id);

private:
    bo::SessionPtr session_;
    QString refType_;
    QString caption_;
    qint64 id_ = 0;
    QLineEdit* text_ = nullptr;
    QPushButton* choose_ = nullptr;
};

} // namespace shell

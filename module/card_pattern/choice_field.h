#pragma once

#include <QLineEdit>

// A read-only text box that shows the name of a chosen object and keeps its
// object id as its tag (Catalogue::TagOf). It is filled by the shared routines
// (ShowObjectName, ClearObjectName, SelectObject), and tells when the object
// changes, whichever way it changed.
class ChoiceField : public QLineEdit {
    Q_OBJECT
public:
    explicit ChoiceField(QWidget* parent = nullptr);

    // What choose() offers: an object type, the selector's caption and,
    // optionally, the kind of entry that may be chosen ("Group", "T", "C", ...).
    void setChoice(const QString& objectType, const QString& caption, const QString& kind = QString());

    // The chosen object's id; empty when none.
    QString objectId() const;
    // Its record number; 0 when none.
    qint64 recordNumber() const;

    // Shows the object an id names (nothing for an id the host cannot read).
    void showObject(const QString& id);
    void clearObject();

public slots:
    // Lets the user choose in the host's object selector; returns the chosen
    // id, empty when the user chose nothing.
    QString choose();

signals:
    void objectChanged(const QString& id);

protected:
    bool event(QEvent* event) override;

private:
    QString objectType_;
    QString caption_;
    QString kind_;
    QString shownId_;
};

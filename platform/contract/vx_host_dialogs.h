#pragma once

#include <QString>

#include <memory>

class QWidget;

namespace vx {

// The host's object selector: shown modally, it lets the user pick a record (or
// a group) of an object type and reports the selected key and its caption.
class VxObjectSelector {
public:
    virtual ~VxObjectSelector();
    virtual void setObjectType(const QString& objectType) = 0;
    // Comma-separated kinds that may be chosen ("Group", "T", "C", "UserD", ...).
    virtual void setKind(const QString& kind) = 0;
    virtual void setCaption(const QString& caption) = 0;
    // The kinds of record the tree lists, as an argument text ("'C'", "'Car','Tyre'");
    // groups are always listed. Empty: every record.
    virtual void setFilter(const QString& filter) = 0;
    // The object id the field holds now: shown current when the selector opens.
    virtual void setCurrentValue(const QString& key) { (void)key; }
    // True when the user chose something.
    virtual bool showModal(QWidget* parent) = 0;
    virtual QString selectedKey() const = 0;
    virtual QString selectedCaption() const = 0;
};

// The host's filter dialog for a list: returns the filter text, empty when cancelled.
class VxFilterDialog {
public:
    virtual ~VxFilterDialog();
    virtual void setOID(const QString& oid) = 0;
    virtual QString askFilter(QWidget* parent) = 0;
};

} // namespace vx

#pragma once

#include "module/card_pattern/loading_flag.h"
#include "module/live_objects.h"
#include "platform/contract/message_door.h"
#include "platform/contract/vx_object_uio.h"

#include <QDialog>
#include <QMessageBox>

#include <functional>

class ChoiceField;
class NumberField;
class QGridLayout;
class QDateEdit;
class QPushButton;

// The base of the module's modal entry dialogs: the small editors a card opens
// to add or change one record that belongs to its own (a trip sheet's route
// line, a vehicle's driver or tyre mounting).
namespace cards {

struct EntryResult {
    // True from the moment the dialog opens; false only after a successful save.
    bool cancelled = true;
    // The saved record's OIDR; empty until a save succeeds.
    QString savedOidr;
};

// What the entry dialogs share: the record they edit (looked up by its OIDR
// when they load; none closes them at once), a loading flag that silences
// their change handlers while they fill or recompute their own fields,
// "Įrašyti" and "Atšaukti", the save with its refusal message, and the result
// the opener reads back.
class EntryDialog : public QDialog {
    Q_OBJECT
public:
    // Cancelled until a save succeeds; then the saved record's OIDR.
    const EntryResult& result() const { return result_; }

    bool isLoading() const { return loading_.isSet(); }
    const vx::VxObjectUIOPtr& object() const { return object_; }
    bool isNew() const { return isNew_; }

    QPushButton* writeButton() const { return cmdWrite_; }
    QPushButton* cancelButton() const { return cmdCancel_; }

    // Holds the loading flag while it lives; guards nest.
    class LoadingGuard : public LoadingFlag::Guard {
    public:
        explicit LoadingGuard(EntryDialog& dialog) : Guard(dialog.loading_) {}
    };

protected:
    EntryDialog(const QString& className, const QString& caption, QWidget* parent);

    // Looks the record up; false when there is none (the dialog is not shown then).
    bool openObject(const QString& oidr);

    // Saves the record. A refusal shows the message, a line break and
    // "Įrašymas neatliktas!" and keeps the dialog open with all its input;
    // success re-reads the record, keeps its OIDR and clears cancelled.
    bool saveObject(QMessageBox::Icon refusalIcon);

    // Marks the dialog's work as saved (cancelled cleared), as a save does.
    void markSaved(const QString& savedOidr = QString());

    // The title of the dialog's message boxes: the product name.
    const QString& messageTitle() const { return title_; }

    // Runs an event handler as a boundary: a conversion error ends it quietly,
    // any other exception is shown once with the critical icon.
    void handle(const std::function<void()>& handler);

    // The fields' grid and the two buttons under it.
    QGridLayout* fieldGrid() const { return grid_; }
    // The fields' grid takes the height the dialog gets (a list or a grid inside).
    void letFieldsGrow();
    // The order the Tab key visits the controls in.
    void setTabChain(const QList<QWidget*>& controls);
    // A label in column `column` of row `row`, buddy of `field`.
    void addLabel(const QString& caption, QWidget* field, int row, int column = 0);

private:
    vx::VxObjectUIOPtr object_;
    bool isNew_ = false;
    LoadingFlag loading_;
    EntryResult result_;
    QString title_;
    QGridLayout* grid_ = nullptr;
    QPushButton* cmdWrite_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    LiveObject live_;
};

// A chooser row: the read-only name box and its "..." button.
QWidget* chooserRow(QWidget* nameBox, QPushButton* button, QWidget* parent);

// The dialogs' controls, named as the opener and the scripts address them.
// A numeric field shows `decimals` decimals once left, text that is no number becoming 0.
NumberField* numberField(const char* name, int decimals, QWidget* parent);
// A chooser's name box offering objects of `type` in the host's selector.
ChoiceField* choiceField(const char* name, const QString& type, const QString& caption, const QString& kind,
                         QWidget* parent);
QPushButton* namedButton(const char* name, QWidget* parent);
// A date picker in the user's short date form, with a calendar.
QDateEdit* dateField(const char* name, QWidget* parent);

// Opens an entry dialog for an opener's request through the module's dialog
// runner; a dialog whose record cannot be read closes at once, cancelled.
template <typename Dialog, typename Request>
EntryResult runEntry(QWidget* parent, const Request& request)
{
    Dialog dialog(request, parent);
    if (!dialog.load())
        return {};
    vx::dialogs::run(dialog);
    return dialog.result();
}

} // namespace cards

#pragma once

#include "module/card_pattern/loading_flag.h"
#include "module/live_objects.h"
#include "platform/contract/vx_card.h"

#include <QWidget>

#include <functional>

class QAbstractButton;

// What every card of the module shares. A card receives its editor (and
// loads itself from it at once), loads under a loading flag that silences its
// change handlers, keeps a changed flag that the write button follows, asks
// before it is closed with unsaved changes, and carries the pending command
// its lists' context menus set. See docs/card-pattern.md.
class CardBase : public QWidget, public vx::VxCard {
    Q_OBJECT
public:
    ~CardBase() override;

    // Keeps the editor and loads the card from it (InitForm).
    void setVxObjectUIO(const vx::VxObjectUIOPtr& editor) override;
    vx::VxObjectUIOPtr vxObjectUIO() const override { return editor_; }
    // Loads the card under the loading flag (loadForm) and clears the changed flag.
    void InitForm() override;
    // With unsaved changes, true only when the user agrees to lose them. A
    // close button the frame keeps (useCloseButton) is enabled again exactly
    // when closing was refused.
    bool QueryRemove() override;

    bool isLoading() const { return loading_.isSet(); }
    bool isChanged() const { return changed_; }
    void setChanged(bool changed);

    // The short command text a list's context menu leaves for the list's command.
    const QString& pendingCommand() const { return pendingCommand_; }
    void setPendingCommand(const QString& command) { pendingCommand_ = command; }
    // The pending command, which is cleared.
    QString takePendingCommand();

    // Runs an event handler, the card's own or one of its parts', as a
    // boundary: a conversion error ends it quietly, any other exception is
    // shown once (critical icon) and logged. True when the handler ran to its end.
    bool runHandler(const std::function<void()>& handler);

    // The title of the card's message boxes: the product name when the card was made.
    const QString& messageTitle() const { return title_; }

    // Holds the loading flag while it lives; guards nest.
    class LoadingGuard : public LoadingFlag::Guard {
    public:
        explicit LoadingGuard(CardBase& card) : Guard(card.loading_) {}
    };

signals:
    void changedChanged(bool changed);

public slots:
    // The change handler every control's value signal reaches: sets the
    // changed flag unless the card is loading.
    void markChanged();

protected:
    explicit CardBase(QWidget* parent = nullptr);

    // Tab and Shift+Tab go round the card's own controls in their order and
    // never leave the card for the window around it.
    bool focusNextPrevChild(bool next) override;
    // The card itself, given the focus (shown on the desktop), hands it to its first control.
    void focusInEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Fills the controls from the editor; runs under the loading flag.
    virtual void loadForm() {}
    // The details the close question starts with; the card's caption by default.
    virtual QString closingDetails() const { return windowTitle(); }
    // Whether closing must ask first; the changed flag by default.
    virtual bool hasUnsavedChanges() const { return changed_; }

    // The card's close button: a click disables it and asks the desktop to
    // close the card, Escape does the same, and a right-button click deletes
    // the saved record when the user has the delete right for `component`.
    void useCloseButton(QAbstractButton* closeButton, const QString& component);
    // Ctrl+S clicks the write button while it is enabled.
    void useWriteKey(QAbstractButton* writeButton);
    // Asks the desktop to close the card (QueryRemove guards it).
    void closeCard();
    // Deletes the saved record after the question, with the delete right for
    // `component`; what the close button's right-click runs.
    virtual void deleteRecord(const QString& component);

    // Connects a control's value signal to markChanged. Connect to signals that
    // also fire on programmatic changes (textChanged, not textEdited).
    template <typename Control, typename Signal>
    void watch(Control* control, Signal signal)
    {
        connect(control, signal, this, &CardBase::markChanged);
    }
    // The write button is enabled exactly while the card has unsaved changes.
    void followChanges(QAbstractButton* writeButton);


private:
    // The controls Tab stops at, in their focus order.
    QList<QWidget*> tabStops() const;

    vx::VxObjectUIOPtr editor_;
    LoadingFlag loading_;
    bool changed_ = false;
    QString pendingCommand_;
    QString title_;
    QAbstractButton* closeButton_ = nullptr; // a child of the card
    LiveObject live_;
};

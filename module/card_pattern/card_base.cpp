#include "module/card_pattern/card_base.h"

#include "module/catalogue_dialogs.h"
#include "module/module_services.h"
#include "platform/contract/object_id.h"
#include "platform/contract/recordset.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeySequence>
#include <QShortcut>

#include <utility>

CardBase::CardBase(QWidget* parent) : QWidget(parent), title_(Catalogue::MessageTitle()) {}

CardBase::~CardBase() = default;

void CardBase::setVxObjectUIO(const vx::VxObjectUIOPtr& editor)
{
    editor_ = editor;
    InitForm();
}

void CardBase::InitForm()
{
    runHandler([this] {
        LoadingGuard loading(*this);
        loadForm();
    });
    setChanged(false);
}

bool CardBase::QueryRemove()
{
    const bool closes = !hasUnsavedChanges() || Catalogue::AskCloseWithoutSaving(closingDetails());
    if (closeButton_)
        closeButton_->setEnabled(!closes);
    return closes;
}

// Whether Tab may stop at `widget` on its way from `from`: a control of the
// card that takes Tab focus, seen and enabled. A compound control (a date
// picker, whose inner field takes its focus) is stopped at once, not twice.
bool CardBase::takesTabFrom(QWidget* widget, QWidget* from, bool next) const
{
    if (!isAncestorOf(widget) || !widget->isVisibleTo(this) || !widget->isEnabled())
        return false;
    QWidget* target = widget;
    while (target->focusProxy())
        target = target->focusProxy();
    if (target == from || !target->isEnabled() || !(target->focusPolicy() & Qt::TabFocus))
        return false;
    return target == widget || !(next ? target->isAncestorOf(widget) : widget->isAncestorOf(target));
}

bool CardBase::focusNextPrevChild(bool next)
{
    QWidget* from = QApplication::focusWidget();
    if (!from || !isAncestorOf(from))
        return QWidget::focusNextPrevChild(next);
    for (QWidget* w = from;;) {
        w = next ? w->nextInFocusChain() : w->previousInFocusChain();
        if (w == from)
            return true;
        if (takesTabFrom(w, from, next)) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
}

void CardBase::useCloseButton(QAbstractButton* closeButton, const QString& component)
{
    closeButton_ = closeButton;
    closeButton->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(closeButton, &QAbstractButton::clicked, this, [this] {
        closeButton_->setEnabled(false);
        runHandler([this] { closeCard(); });
    });
    connect(closeButton, &QWidget::customContextMenuRequested, this,
            [this, component] { runHandler([this, component] { deleteRecord(component); }); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, closeButton, &QAbstractButton::click);
}

void CardBase::useWriteKey(QAbstractButton* writeButton)
{
    auto* save = new QShortcut(QKeySequence::Save, this);
    save->setContext(Qt::WidgetWithChildrenShortcut);
    connect(save, &QShortcut::activated, writeButton, [writeButton] {
        // The field being typed in takes its normal form first.
        writeButton->setFocus(Qt::ShortcutFocusReason);
        if (writeButton->isEnabled())
            writeButton->click();
    });
}

void CardBase::closeCard()
{
    if (const vx::VxSPtr services = module::services())
        services->Desktop().CloseForm({this});
    else
        close();
}

void CardBase::deleteRecord(const QString& component)
{
    const vx::VxSPtr services = module::services();
    if (!editor_ || !vx::oid::hasRecord(editor_->OIDR()) || !services || !services->Security().CanDelete(component, 0))
        return;
    Catalogue::DeleteWithConfirmation(editor_);
}

void CardBase::setChanged(bool changed)
{
    if (changed_ == changed)
        return;
    changed_ = changed;
    emit changedChanged(changed);
}

QString CardBase::takePendingCommand()
{
    return std::exchange(pendingCommand_, QString());
}

void CardBase::markChanged()
{
    if (!isLoading())
        setChanged(true);
}

void CardBase::followChanges(QAbstractButton* writeButton)
{
    writeButton->setEnabled(changed_);
    connect(this, &CardBase::changedChanged, writeButton, &QAbstractButton::setEnabled);
}

bool CardBase::runHandler(const std::function<void()>& handler)
{
    return runAsHandler(*this, title_, handler);
}

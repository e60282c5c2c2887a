#include "module/card_pattern/card_base.h"

#include "module/card_pattern/choice_field.h"
#include "module/catalogue_dialogs.h"
#include "module/module_services.h"
#include "platform/contract/object_id.h"
#include "platform/contract/recordset.h"

#include <QAbstractButton>
#include <QFont>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPointer>
#include <QShortcut>

#include <utility>

CardBase::CardBase(QWidget* parent) : QWidget(parent), title_(Catalogue::MessageTitle())
{
    // The card's texts are Lithuanian, whose letters all come precomposed:
    // glyphs placed side by side by the font's own metrics look as shaped
    // text does (kerning may move a letter by a pixel), and laying out the
    // many list cells and fields costs a fraction. Scripts that need shaping
    // are still shaped.
    QFont plain = font();
    plain.setStyleStrategy(QFont::PreferNoShaping);
    setFont(plain);
}

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

// A control of the card that Tab stops at: it takes Tab focus, is seen and
// enabled, and is no read-only field of a computed value (a chosen object's
// field is a stop: it shows what was chosen). A compound control (a date
// picker, a tab strip) is one stop, the part its focus goes to.
QList<QWidget*> CardBase::tabStops() const
{
    // The whole chain of the window, from the card round to it again (the
    // card's controls may sit anywhere in it once their order was set), then
    // any control a broken chain left out, in the order it was made.
    QList<QWidget*> candidates;
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain())
        if (isAncestorOf(w))
            candidates << w;
    for (QWidget* w : findChildren<QWidget*>())
        if (!candidates.contains(w))
            candidates << w;
    QList<QWidget*> stops;
    for (QWidget* w : std::as_const(candidates)) {
        QWidget* target = w;
        while (target->focusProxy())
            target = target->focusProxy();
        const auto* field = qobject_cast<QLineEdit*>(target);
        const bool computed = field && field->isReadOnly() && !qobject_cast<const ChoiceField*>(field);
        if (isAncestorOf(target) && target->isVisibleTo(this) && target->isEnabled()
            && (target->focusPolicy() & Qt::TabFocus) && !computed && !stops.contains(target))
            stops << target;
    }
    return stops;
}

bool CardBase::focusNextPrevChild(bool next)
{
    const QList<QWidget*> stops = tabStops();
    if (stops.isEmpty())
        return true;
    // The stop holding the focus: the focused control or the compound control around it.
    QWidget* from = window()->focusWidget();
    qsizetype at = -1;
    for (qsizetype i = 0; i < stops.size() && from; ++i)
        if (stops.at(i) == from || (at < 0 && stops.at(i)->isAncestorOf(from)))
            at = i;
    const qsizetype count = stops.size();
    const qsizetype to = at < 0 ? (next ? 0 : count - 1) : (at + (next ? 1 : count - 1)) % count;
    stops.at(to)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void CardBase::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (window()->focusWidget() == this)
        focusNextPrevChild(true);
}

void CardBase::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A field takes no Alt+letter a button did not.
    for (QLineEdit* field : findChildren<QLineEdit*>())
        field->installEventFilter(this);
}

bool CardBase::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    // Alt+letter is a button's mnemonic; one that matched no button types nothing.
    if (qobject_cast<QLineEdit*>(watched) && (key->modifiers() & Qt::AltModifier) && !(key->modifiers() & Qt::ControlModifier)
        && !key->text().isEmpty() && key->text().at(0).isPrint())
        return true;
    return QWidget::eventFilter(watched, event);
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
    connect(save, &QShortcut::activated, writeButton, [this, writeButton] {
        // The field being typed in takes its normal form first; the focus
        // comes back to it after saving, so typing goes on where it was.
        const QPointer<QWidget> typingIn = window()->focusWidget();
        writeButton->setFocus(Qt::ShortcutFocusReason);
        if (writeButton->isEnabled())
            writeButton->click();
        if (typingIn && typingIn->isVisible() && typingIn->isEnabled())
            typingIn->setFocus(Qt::ShortcutFocusReason);
        else
            focusNextPrevChild(true);
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

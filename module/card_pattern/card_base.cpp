#include "module/card_pattern/card_base.h"

#include "module/catalogue_dialogs.h"
#include "platform/contract/recordset.h"

#include <QAbstractButton>

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
    return !changed_ || Catalogue::AskCloseWithoutSaving(closingDetails());
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

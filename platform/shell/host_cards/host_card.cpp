#include "platform/shell/host_cards/host_card.h"

#include "platform/bo/access.h"
#include "platform/bo/object_types.h"
#include "platform/contract/message_door.h"
#include "platform/contract/object_id.h"
#include "platform/shell/host_cards/record_form.h"
#include "platform/shell/property_grid.h"
#include "platform/shell/host_services.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace shell {
namespace {
// Holds the loading flag while the card writes its own controls.
class Loading {
public:
    explicit Loading(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~Loading() { flag_ = was_; }
    Loading(const Loading&) = delete;
    Loading& operator=(const Loading&) = delete;

private:
    bool& flag_;
    bool was_;
};
} // namespace

HostCard::HostCard(HostCardContext context, QWidget* parent, Fields fields)
    : QWidget(parent), context_(std::move(context)), fieldsShownBy_(fields)
{
    setObjectName(QStringLiteral("frmHostCard"));
    body_ = new QVBoxLayout(this);
    error_ = makeErrorLabel(this);

    auto* buttons = new QDialogButtonBox(this);
    write_ = buttons->addButton(QStringLiteral("Į&rašyti"), QDialogButtonBox::AcceptRole);
    write_->setObjectName(QStringLiteral("cmdWrite"));
    write_->setEnabled(false);
    QPushButton* close = buttons->addButton(QStringLiteral("&Uždaryti"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(write_, &QPushButton::clicked, this, [this] { write(); });
    connect(close, &QPushButton::clicked, this, [this] {
        if (auto services = context_.services.lock())
            services->Desktop().CloseForm({this});
    });
    auto* save = new QShortcut(QKeySequence::Save, this);
    connect(save, &QShortcut::activated, this, [this] { write(); });

    body_->addWidget(error_);
    body_->addWidget(buttons);
}

HostCard::~HostCard() = default;

bool HostCard::hasRecord() const
{
    return editor_ && vx::oid::hasRecord(editor_->OIDR());
}

void HostCard::setVxObjectUIO(const vx::VxObjectUIOPtr& editor)
{
    editor_ = editor;
    if (fieldsShownBy_ == Fields::Grid && !grid_ && editor_) {
        grid_ = createPropertyGrid(context_.session, this);
        grid_->setObjectName(QStringLiteral("VxGrid"));
        grid_->setVxS(context_.services.lock());
        connect(grid_, &vx::VxGridControl::fieldChanged, this, &HostCard::markChanged);
        body_->insertWidget(0, grid_, 1);
    }
    if (fieldsShownBy_ == Fields::Form && !form_ && editor_) {
        const QString typeId = vx::oid::typeId(editor_->OIDR().isEmpty() ? editor_->OID() : editor_->OIDR());
        if (const bo::ObjectType* type = bo::objectType(typeId)) {
            form_ = new RecordForm(context_.session, *type, editor_->RsFields(), QStringLiteral("ru"), this);
            form_->setObjectName(QStringLiteral("frmFields"));
            connect(form_, &RecordForm::edited, this, &HostCard::markChanged);
            body_->insertWidget(0, form_);
            auto* extras = new QVBoxLayout;
            body_->insertLayout(1, extras, 1);
            buildExtras(extras);
        }
    }
    InitForm();
}

void HostCard::InitForm()
{
    if (!editor_)
        return;
    {
        Loading guard(loading_);
        if (form_)
            form_->load(editor_->Fields());
        if (grid_) {
            grid_->setVxObjectUIO(editor_);
            grid_->showRecord();
        }
        loadExtras();
    }
    mayWrite_ = writeAllowed();
    error_->hide();
    updateTitle();
    setChanged(false);
}

bool HostCard::writeAllowed() const
{
    const bo::ObjectType* type = bo::objectType(vx::oid::typeId(editor_->OIDR().isEmpty() ? editor_->OID() : editor_->OIDR()));
    if (!type)
        return true;
    try {
        bo::access::requireSave(*context_.session, *type, vx::oid::recordNumber(editor_->OIDR()));
        return true;
    } catch (const bo::StorageError&) {
        return false;
    }
}

void HostCard::updateTitle()
{
    const bo::ObjectType* type = bo::objectType(vx::oid::typeId(editor_->OIDR()));
    const QString caption = type ? type->caption : editor_->OName();
    setWindowTitle(QStringLiteral("%1 – %2").arg(caption, hasRecord() ? editor_->Preview() : QStringLiteral("naujas įrašas")));
}

void HostCard::markChanged()
{
    if (!loading_)
        setChanged(true);
}

void HostCard::setChanged(bool changed)
{
    write_->setEnabled(changed && mayWrite_);
    if (changed_ == changed)
        return;
    changed_ = changed;
    emit changedChanged(changed);
}

QString HostCard::errorText() const
{
    return error_->isHidden() ? QString() : error_->text();
}

void HostCard::showError(const QString& text)
{
    error_->setText(text);
    error_->show();
}

bool HostCard::write()
{
    if (!editor_ || (!form_ && !grid_) || !mayWrite_)
        return false;
    QString error;
    // The grid writes into the record as the user types; the form on saving.
    if ((form_ && !form_->store(editor_->Fields(), &error)) || !storeExtras(&error)) {
        showError(error);
        return false;
    }
    const vx::Status status = editor_->Save();
    if (status.Code != 0) {
        showError(status.Message.isEmpty() ? QStringLiteral("Įrašymas neatliktas!") : status.Message);
        return false;
    }
    editor_->Read();
    if (!saveExtras(&error)) {
        showError(error);
        return false;
    }
    InitForm();
    if (auto services = context_.services.lock())
        services->Desktop().RefreshVxObject(editor_->OIDR());
    return true;
}

bool HostCard::QueryRemove()
{
    if (!changed_)
        return true;
    const auto answer = vx::messages::show(
        QStringLiteral("%1\r\nPakeitimai neįrašyti. Ar uždaryti kortelę jų neįrašius?").arg(windowTitle()), HostServices::productName,
        QMessageBox::Question, QMessageBox::Yes | QMessageBox::No);
    return answer == QMessageBox::Yes;
}

} // namespace shell

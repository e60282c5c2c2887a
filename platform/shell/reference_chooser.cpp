#include "platform/shell/reference_chooser.h"

#include "platform/contract/host_factory.h"
#include "platform/contract/object_id.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace shell {

ReferenceChooser::ReferenceChooser(bo::SessionPtr session, QString refType, QString caption, QWidget* parent)
    : QWidget(parent), session_(std::move(session)), refType_(std::move(refType)), caption_(std::move(caption))
{
    text_ = new QLineEdit(this);
    text_->setReadOnly(true);
    text_->setFocusPolicy(Qt::NoFocus);
    choose_ = new QPushButton(QStringLiteral("…"), this);
    choose_->setToolTip(QStringLiteral("Pasirinkti"));
    auto* clear = new QPushButton(QStringLiteral("✕"), this);
    clear->setToolTip(QStringLiteral("Išvalyti"));
    for (QPushButton* button : {choose_, clear}) {
        button->setAutoDefault(false);
        button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("MM")) + 8);
    }
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_, 1);
    layout->addWidget(choose_);
    layout->addWidget(clear);
    // A label's mnemonic lands on the button that chooses.
    setFocusProxy(choose_);
    connect(choose_, &QPushButton::clicked, this, &ReferenceChooser::choose);
    connect(clear, &QPushButton::clicked, this, &ReferenceChooser::clear);
}

QString ReferenceChooser::text() const
{
    return text_->text();
}

void ReferenceChooser::setId(qint64 id)
{
    QString preview;
    if (id > 0 && session_) {
        vx::VxObjectUIOPtr editor = session_->createEditor(refType_);
        editor->setOIDR(vx::oid::make(refType_, id));
        if (editor->Read().Code == 0)
            preview = editor->Preview();
        else
            id = 0;
    }
    text_->setText(preview);
    if (id_ == id)
        return;
    id_ = id;
    emit idChanged(id_);
}

void ReferenceChooser::choose()
{
    const std::unique_ptr<vx::VxObjectSelector> selector = vx::hostFactory().createObjectSelector();
    if (!selector)
        return;
    selector->setObjectType(refType_);
    selector->setKind(QStringLiteral("C"));
    selector->setCaption(QStringLiteral("Pasirinkite: %1").arg(caption_));
    if (id_ > 0)
        selector->setCurrentValue(vx::oid::make(refType_, id_));
    if (selector->showModal(window()) && vx::oid::hasRecord(selector->selectedKey()))
        setId(vx::oid::recordNumber(selector->selectedKey()));
}

} // namespace shell

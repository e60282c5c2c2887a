#include "module/placeholder_card.h"

#include "module/module_services.h"
#include "platform/contract/vx_services.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PlaceholderCard::PlaceholderCard(const QString& cardClass, const QString& purpose)
    : cardClass_(cardClass),
      purpose_(purpose)
{
    setObjectName(cardClass);
    setWindowTitle(purpose);

    auto* lblAbout = new QLabel(QStringLiteral("%1 (%2): ši kortelė dar kuriama.").arg(purpose, cardClass), this);
    lblAbout->setObjectName(QStringLiteral("lblAbout"));
    lblAbout->setWordWrap(true);
    lblPreview_ = new QLabel(this);
    lblPreview_->setObjectName(QStringLiteral("lblPreview"));
    lblPreview_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* cmdClose = new QPushButton(QStringLiteral("Uždaryti"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(cmdClose, &QPushButton::clicked, this, &PlaceholderCard::closeCard);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblAbout);
    layout->addWidget(lblPreview_);
    layout->addStretch();
    layout->addLayout(buttons);
}

void PlaceholderCard::loadForm()
{
    const vx::VxObjectUIOPtr editor = vxObjectUIO();
    const QString preview = editor ? editor->Preview() : QString();
    lblPreview_->setText(preview);
    setWindowTitle(preview.isEmpty() ? purpose_ : purpose_ + QStringLiteral(": ") + preview);
}

// The desktop closes what it shows; a card shown on its own closes itself.
void PlaceholderCard::closeCard()
{
    if (const vx::VxSPtr services = module::services())
        services->Desktop().CloseForm({this});
    else
        close();
}

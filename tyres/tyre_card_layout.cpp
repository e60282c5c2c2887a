// The tyre card's controls and where they sit: the parent group, then either
// the group's name or the tyre's data, the history list, and the buttons (write,
// cancel, the panel's new and close), in that reading order.

#include "module/card_pattern/caption_panel.h"
#include "module/card_pattern/card_controls.h"
#include "module/card_pattern/choice_field.h"
#include "module/card_pattern/number_field.h"
#include "tyres/tyre_card_controls.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace {

using CardControls::datePicker;
using CardControls::named;

QToolButton* chooseButton(QWidget* parent, const char* name, const QString& tip)
{
    return CardControls::chooseButton(parent, name, QStringLiteral("..."), tip);
}

// A choice field with its button on one row.
QHBoxLayout* chooserRow(QWidget* field, QWidget* button)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(field, 1);
    row->addWidget(button);
    return row;
}

QWidget* plainFrame(QWidget* parent, const char* name)
{
    auto* frame = named(new QWidget(parent), name);
    return frame;
}

void buildTyreFrame(TyreCardControls& c, QWidget* inner)
{
    c.frameTyre = plainFrame(inner, "frameTyre");
    c.txtNumber = named(new QLineEdit(c.frameTyre), "txtNumber");
    c.txtType = named(new ChoiceField(c.frameTyre), "txtType");
    c.txtType->setChoice(QStringLiteral("O4000606"), QString(), QStringLiteral("T"));
    c.cmdType = chooseButton(c.frameTyre, "cmdType", QStringLiteral("Pasirinkti markę"));
    c.txtSize = named(new ChoiceField(c.frameTyre), "txtSize");
    c.txtSize->setChoice(QStringLiteral("O4000605"), QString(), QStringLiteral("T"));
    c.cmdSize = chooseButton(c.frameTyre, "cmdSize", QStringLiteral("Pasirinkti matmenis"));
    c.txtDescription = named(new QLineEdit(c.frameTyre), "txtDescription");
    c.dtpDateFrom = datePicker(c.frameTyre, "dtpDateFrom");
    // A tyre of unknown purchase date is cleared to "no date", which saving refuses.
    CardControls::allowNoDate(c.dtpDateFrom);
    c.chkDateTo = named(new QCheckBox(QStringLiteral("Nurašymo data"), c.frameTyre), "chkDateTo");
    c.dtpDateTo = datePicker(c.frameTyre, "dtpDateTo");
    c.txtMaxRun = named(new NumberField(c.frameTyre), "txtMaxRun");
    // A whole number of kilometres; a typed decimal comma is taken and dropped on leaving.
    c.txtMaxRun->setDecimals(0).setAllowDecimal(true).setZeroWhenEmpty(true);
    c.txtMaxRun->setAlignment(Qt::AlignRight);
    c.txtMaxRun->setMaximumWidth(c.txtMaxRun->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 12 + 12);
    c.txtComment = named(new QLineEdit(c.frameTyre), "txtComment");

    auto* writeOff = new QHBoxLayout;
    writeOff->setContentsMargins(0, 0, 0, 0);
    writeOff->addWidget(c.dtpDateTo);
    writeOff->addStretch(1);
    auto* run = new QHBoxLayout;
    run->setContentsMargins(0, 0, 0, 0);
    run->addWidget(c.txtMaxRun);
    run->addWidget(new QLabel(QStringLiteral("km"), c.frameTyre));
    run->addStretch(1);
    auto* purchase = new QHBoxLayout;
    purchase->setContentsMargins(0, 0, 0, 0);
    purchase->addWidget(c.dtpDateFrom);
    purchase->addStretch(1);

    auto* form = new QFormLayout(c.frameTyre);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(QStringLiteral("Numeris"), c.txtNumber);
    form->addRow(QStringLiteral("Markė"), chooserRow(c.txtType, c.cmdType));
    form->addRow(QStringLiteral("Matmenys"), chooserRow(c.txtSize, c.cmdSize));
    form->addRow(QStringLiteral("Aprašymas"), c.txtDescription);
    form->addRow(QStringLiteral("Įsigijimo data"), purchase);
    form->addRow(c.chkDateTo, writeOff);
    form->addRow(QStringLiteral("Maksimali rida"), run);
    form->addRow(QStringLiteral("Komentaras"), c.txtComment);
}

// The forms' labels take one width, so the parent group, the group name and the
// tyre's fields start in one column.
void alignLabels(std::initializer_list<QFormLayout*> forms)
{
    int width = 0;
    for (QFormLayout* form : forms)
        for (int row = 0; row < form->rowCount(); ++row)
            if (QLayoutItem* label = form->itemAt(row, QFormLayout::LabelRole); label && label->widget())
                width = std::max(width, label->widget()->sizeHint().width());
    for (QFormLayout* form : forms)
        for (int row = 0; row < form->rowCount(); ++row)
            if (QLayoutItem* label = form->itemAt(row, QFormLayout::LabelRole); label && label->widget())
                label->widget()->setMinimumWidth(width);
}

} // namespace

TyreCardControls buildTyreCardControls(QWidget* card)
{
    TyreCardControls c;
    const CaptionPanel panel = makeCaptionPanel(card, QStringLiteral(" Padanga"));
    c.SOPanel = panel.panel;
    QWidget* inner = panel.inner;


    c.lblGroup = named(new QLabel(QStringLiteral("Grupė"), inner), "lblGroup");
    c.txtGroup = named(new ChoiceField(inner), "txtGroup");
    c.txtGroup->setChoice(QStringLiteral("O4000800"), QString(), QStringLiteral("Group"));
    c.cmdParentGroup = chooseButton(inner, "cmdParentGroup", QStringLiteral("Pasirinkti grupę"));
    c.frameGroup = plainFrame(inner, "frameGroup");
    c.txtGroupName = named(new QLineEdit(c.frameGroup), "txtGroupName");
    auto* groupForm = new QFormLayout(c.frameGroup);
    groupForm->setContentsMargins(0, 0, 0, 0);
    groupForm->addRow(QStringLiteral("Pavadinimas"), c.txtGroupName);
    auto* parentForm = new QFormLayout;
    parentForm->addRow(c.lblGroup, chooserRow(c.txtGroup, c.cmdParentGroup));

    buildTyreFrame(c, inner);
    alignLabels({parentForm, groupForm, qobject_cast<QFormLayout*>(c.frameTyre->layout())});

    c.lblLvwCaption = named(new QLabel(QStringLiteral("Kur buvo naudota:"), inner), "lblLvwCaption");
    c.lvwHistory = named(new QTreeWidget(inner), "lvwHistory");

    c.cmdWrite = named(new QPushButton(QStringLiteral("&Įrašyti"), inner), "cmdWrite");
    c.cmdCancel = named(new QPushButton(QStringLiteral("&Atšaukti"), inner), "cmdCancel");
    c.SSCNew = named(new QToolButton(inner), "SSCNew");
    c.SSCNew->setText(QStringLiteral("&Naujas"));
    c.SSCClose = named(new QToolButton(inner), "SSCClose");
    c.SSCClose->setText(QStringLiteral("&Uždaryti"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(c.cmdWrite);
    buttons->addWidget(c.cmdCancel);
    buttons->addSpacing(24);
    buttons->addWidget(c.SSCNew);
    buttons->addWidget(c.SSCClose);

    auto* innerLayout = new QVBoxLayout(inner);
    innerLayout->setContentsMargins(0, 0, 0, 0);
    innerLayout->addLayout(parentForm);
    innerLayout->addWidget(c.frameGroup);
    innerLayout->addWidget(c.frameTyre);
    innerLayout->addWidget(c.lblLvwCaption);
    innerLayout->addWidget(c.lvwHistory, 1);
    innerLayout->addStretch(0);
    innerLayout->addLayout(buttons);

    QWidget* order[] = {c.txtGroup, c.cmdParentGroup, c.txtGroupName, c.txtNumber, c.txtType, c.cmdType,
                        c.txtSize, c.cmdSize, c.txtDescription, c.dtpDateFrom, c.chkDateTo, c.dtpDateTo,
                        c.txtMaxRun, c.txtComment, c.lvwHistory, c.cmdWrite, c.cmdCancel, c.SSCNew, c.SSCClose};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    return c;
}

#include "numbering/auto_number_card.h"

#include "module/card_pattern/number_field.h"
#include "module/card_pattern/report_list.h"
#include "module/catalogue.h"
#include "module/module_services.h"
#include "numbering/auto_number_settings.h"
#include "numbering/number_layout.h"
#include "numbering/zero_field.h"
#include "platform/contract/clock.h"
#include "platform/contract/vx_services.h"
#include "platform/contract/argument_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString settingsComponent = QStringLiteral("CTransportSettings");
// The title of the message when the settings cannot be stored.
const QString storeErrorTitle = QStringLiteral("Quendel");

QPushButton* button(QWidget* parent, const QString& name, const QString& caption)
{
    auto* made = new QPushButton(caption, parent);
    made->setObjectName(name);
    return made;
}

template <typename Control>
Control* named(Control* control, const QString& name)
{
    control->setObjectName(name);
    return control;
}

} // namespace

frmAutoNumber::frmAutoNumber()
{
    setObjectName(QStringLiteral("frmAutoNumber"));
    setWindowTitle(QStringLiteral("Transporto nustatymai"));

    auto* panel = named(new QFrame(this), QStringLiteral("SOPanel"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* caption = new QLabel(QStringLiteral("Transporto nustatymai"), panel);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    SSCClose = button(panel, QStringLiteral("SSCClose"), QString());
    SSCClose->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    SSCClose->setToolTip(QStringLiteral("Uždaryti"));
    SSCClose->setFlat(true);
    auto* panelRow = new QHBoxLayout(panel);
    panelRow->addWidget(caption, 1);
    panelRow->addWidget(SSCClose);

    auto* frame = named(new QGroupBox(QStringLiteral("Autonumeris"), this), QStringLiteral("frameAutoNumber"));
    frameAutoNumber = frame;
    txtPrefix = named(new QLineEdit(frame), QStringLiteral("txtPrefix"));
    txtMinimal = named(new NumberField(frame), QStringLiteral("txtMinimal"));
    txtMinimal->setDecimals(0).setAllowMinus(false);
    cmbGroupBy = named(new QComboBox(frame), QStringLiteral("cmbGroupBy"));
    cmbGroupBy->addItems({QStringLiteral("Pagal bendrą skaitliuką"), QStringLiteral("Pagal vartotoją")});
    cmbCycle = named(new QComboBox(frame), QStringLiteral("cmbCycle"));
    cmbCycle->addItems({QStringLiteral("Diena"), QStringLiteral("Mėnuo"), QStringLiteral("Ketvirtis"), QStringLiteral("Metai")});
    txtANTemplate = named(new ZeroField(frame), QStringLiteral("txtANTemplate"));
    lvwAutoNumber = named(new QTreeWidget(frame), QStringLiteral("lvwAutoNumber"));
    ReportList::setUp(lvwAutoNumber, {{QString(), QStringLiteral("Maketas")}});
    lvwAutoNumber->setHeaderHidden(true);
    // Four rows, always: room for them and a little more, not a whole page.
    lvwAutoNumber->setMaximumHeight(lvwAutoNumber->fontMetrics().height() * 8);
    cmdUp = button(frame, QStringLiteral("cmdUp"), QString());
    cmdUp->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    cmdUp->setToolTip(QStringLiteral("Perkelti aukštyn"));
    cmdDown = button(frame, QStringLiteral("cmdDown"), QString());
    cmdDown->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    cmdDown->setToolTip(QStringLiteral("Perkelti žemyn"));
    txtExample = named(new QLineEdit(frame), QStringLiteral("txtExample"));
    txtExample->setReadOnly(true);

    auto* moveButtons = new QVBoxLayout;
    moveButtons->addWidget(cmdUp);
    moveButtons->addWidget(cmdDown);
    moveButtons->addStretch();
    auto* layoutRow = new QHBoxLayout;
    layoutRow->addWidget(lvwAutoNumber, 1);
    layoutRow->addLayout(moveButtons);
    auto* form = new QFormLayout(frame);
    form->addRow(QStringLiteral("Prefiksas:"), txtPrefix);
    form->addRow(QStringLiteral("Minimalus numeris:"), txtMinimal);
    form->addRow(QStringLiteral("Auto-numeris formuojamas:"), cmbGroupBy);
    form->addRow(QStringLiteral("Kartojimosi ciklas:"), cmbCycle);
    form->addRow(QStringLiteral("Numerio šablonas (sk. kiekis):"), txtANTemplate);
    form->addRow(QStringLiteral("Maketas:"), layoutRow);
    form->addRow(QStringLiteral("Pavyzdys:"), txtExample);

    chkDuplicated = named(new QCheckBox(QStringLiteral("Leisti pakartotinai įvesti kelionės lapo numerį"), this),
                          QStringLiteral("chkDuplicated"));
    cmdWrite = button(this, QStringLiteral("cmdWrite"), QStringLiteral("&Įrašyti"));
    cmdCancel = button(this, QStringLiteral("cmdCancel"), QStringLiteral("&Atšaukti"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdWrite);
    buttons->addWidget(cmdCancel);

    auto* page = new QVBoxLayout(this);
    page->addWidget(panel);
    page->addWidget(frame);
    page->addWidget(chkDuplicated);
    page->addStretch();
    page->addLayout(buttons);

    for (QLineEdit* input : {txtPrefix, static_cast<QLineEdit*>(txtMinimal), static_cast<QLineEdit*>(txtANTemplate)})
        connect(input, &QLineEdit::textChanged, this, [this] { rebuildExample(); });
    connect(lvwAutoNumber, &QTreeWidget::itemChanged, this, [this] { rebuildExample(); });
    connect(cmdUp, &QPushButton::clicked, this, [this] { runHandler([this] { moveSelectedRow(-1); }); });
    connect(cmdDown, &QPushButton::clicked, this, [this] { runHandler([this] { moveSelectedRow(1); }); });
    connect(cmdWrite, &QPushButton::clicked, this, [this] { runHandler([this] { write(); }); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { InitForm(); });
    connect(SSCClose, &QPushButton::clicked, this, [this] { closeCard(); });
}

void frmAutoNumber::loadForm()
{
    cmbGroupBy->setCurrentIndex(0);
    cmbCycle->setCurrentIndex(0);
    txtPrefix->clear();
    txtMinimal->clear();
    txtANTemplate->clear();
    chkDuplicated->setChecked(false);
    settingsId_ = 0;

    std::optional<numbering::AutoNumberSettings> stored;
    if (const vx::VxObjectUIOPtr editor = vxObjectUIO()) {
        const vx::CallResult read = editor->Properties(QStringLiteral("AutoNumberSettings"), QString());
        if (read.Code != 0)
            Catalogue::ShowError(read.Message, messageTitle());
        else
            stored = numbering::settingsFrom(read.Value.value<vx::RecordsetPtr>());
    }
    if (stored) {
        txtMinimal->setText(QString::number(stored->minimal));
        txtPrefix->setText(stored->prefix);
        if (stored->groupBy >= 0 && stored->groupBy < cmbGroupBy->count())
            cmbGroupBy->setCurrentIndex(stored->groupBy);
        if (stored->cycle >= 0 && stored->cycle < cmbCycle->count())
            cmbCycle->setCurrentIndex(stored->cycle);
        txtANTemplate->setText(stored->numberTemplate);
        chkDuplicated->setChecked(stored->allowDuplicated);
        settingsId_ = stored->id;
    }
    fillLayoutList(stored ? stored->parts() : QStringList());
    applyRights();
    rebuildExample();
}

// The stored parts first, checked, in their order; then the parts not used
// yet in the usual order, unchecked. Always exactly the four parts.
void frmAutoNumber::fillLayoutList(const QStringList& storedParts)
{
    const QSignalBlocker quiet(lvwAutoNumber);
    lvwAutoNumber->clear();
    QStringList order;
    for (const QString& part : storedParts)
        if (numbering::partNames().contains(part) && !order.contains(part))
            order << part;
    const qsizetype checkedCount = order.size();
    for (const QString& part : numbering::partNames())
        if (!order.contains(part))
            order << part;
    for (qsizetype i = 0; i < order.size(); ++i) {
        QTreeWidgetItem* row = ReportList::addItem(lvwAutoNumber, order.at(i), numbering::partLabel(order.at(i)));
        row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
        row->setCheckState(0, i < checkedCount ? Qt::Checked : Qt::Unchecked);
    }
}

void frmAutoNumber::moveSelectedRow(int step)
{
    const QList<QTreeWidgetItem*> selected = lvwAutoNumber->selectedItems();
    QTreeWidgetItem* row = selected.isEmpty() ? nullptr : selected.first();
    if (!row)
        return;
    const int from = lvwAutoNumber->indexOfTopLevelItem(row);
    const int to = from + step;
    if (to < 0 || to >= lvwAutoNumber->topLevelItemCount())
        return;
    {
        const QSignalBlocker quiet(lvwAutoNumber);
        lvwAutoNumber->takeTopLevelItem(from);
        lvwAutoNumber->insertTopLevelItem(to, row);
    }
    lvwAutoNumber->setCurrentItem(row);
    row->setSelected(true);
    rebuildExample();
}

QStringList frmAutoNumber::checkedParts() const
{
    QStringList parts;
    for (int i = 0; i < lvwAutoNumber->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = lvwAutoNumber->topLevelItem(i);
        if (row->checkState(0) == Qt::Checked)
            parts << ListItem::keyOf(row);
    }
    return parts;
}

QString frmAutoNumber::exampleNumber() const
{
    bool fits = false;
    const qint64 counter = minimalDigits().toLongLong(&fits);
    return numbering::composeNumber(checkedParts(), fits ? counter : 0, txtPrefix->text(), vx::clock::today(),
                                    QString(), txtANTemplate->text());
}

void frmAutoNumber::rebuildExample()
{
    txtExample->setText(exampleNumber());
}

// The minimal number as digits, "0" when the box holds no whole number.
QString frmAutoNumber::minimalDigits() const
{
    QString digits = txtMinimal->text().trimmed();
    if (digits.isEmpty())
        return QStringLiteral("0");
    for (const QChar c : digits)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return QStringLiteral("0");
    while (digits.size() > 1 && digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    return digits;
}

void frmAutoNumber::applyRights()
{
    const vx::VxSPtr services = module::services();
    const bool mayChange = services && services->Security().CanWrite(settingsComponent, 0);
    for (QWidget* control : {frameAutoNumber, static_cast<QWidget*>(chkDuplicated), static_cast<QWidget*>(cmdWrite),
                             static_cast<QWidget*>(cmdCancel)})
        control->setEnabled(mayChange);
}

void frmAutoNumber::write()
{
    const vx::VxObjectUIOPtr editor = vxObjectUIO();
    if (!editor)
        return;
    numbering::AutoNumberSettings settings;
    settings.id = settingsId_;
    settings.mask = checkedParts().join(QLatin1Char('_'));
    settings.prefix = txtPrefix->text();
    settings.cycle = cmbCycle->currentIndex();
    settings.numberTemplate = txtANTemplate->text();
    settings.groupBy = cmbGroupBy->currentIndex();
    settings.allowDuplicated = chkDuplicated->isChecked();
    const vx::CallResult stored = editor->Methods(
        QStringLiteral("AddUpdateAutoNumber"), vx::arguments::quoted(numbering::settingsText(settings, minimalDigits())));
    if (stored.Code != 0) {
        Catalogue::ShowError(stored.Message, storeErrorTitle);
        return;
    }
    InitForm();
}

// The desktop closes what it shows; a card shown on its own closes itself.
void frmAutoNumber::closeCard()
{
    if (const vx::VxSPtr services = module::services())
        services->Desktop().CloseForm({this});
    else
        close();
}

// The vehicle card: its handlers, loading (InitForm), the enabling rules, the
// choices of the parent group, type, properties and fuel tank types, and
// saving and cancelling.

#include "vehicles/card/vehicle_card.h"

#include "module/card_pattern/choice_field.h"
#include "module/card_pattern/number_field.h"
#include "module/catalogue.h"
#include "module/module_services.h"
#include "platform/contract/clock.h"
#include "platform/contract/object_id.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include <utility>

namespace {

const QString carComponent = QStringLiteral("CTransportCars");
const QString carType = QStringLiteral("O4000400");

QString field(const char* name)
{
    return QString::fromLatin1(name);
}

// The number a reference field's tag names; none without a record.
QVariant referenceOrNull(const ChoiceField* choice)
{
    return vx::oid::hasRecord(choice->objectId()) ? QVariant(choice->recordNumber()) : QVariant();
}

// The id of a referenced record, or nothing for a number below 1.
QString referenceId(QStringView typeId, const QVariant& number)
{
    const qint64 id = Catalogue::LongOrZero(number);
    return id >= 1 ? vx::oid::make(typeId, id) : QString();
}

// A date check box and its picker: ticked with the stored date, or clear.
void loadDate(QCheckBox* box, QDateEdit* picker, const QVariant& stored)
{
    const QDate date = Catalogue::DateOrDefault(stored, QDate());
    box->setChecked(date.isValid());
    if (date.isValid())
        picker->setDate(date);
}

// Euro pallets have no key filter: an empty text counts as none, anything
// else must be a whole number (see docs/decisions.md).
std::optional<qint64> palettesOf(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return 0;
    bool whole = false;
    const qint64 number = trimmed.toLongLong(&whole);
    return whole && number >= 0 ? std::optional<qint64>(number) : std::nullopt;
}

} // namespace

frmTransportCars::frmTransportCars()
{
    setObjectName(QStringLiteral("frmTransportCars"));
    setWindowTitle(QStringLiteral("Transporto priemonė"));
    buildControls();
    buildTabs();
    connectControls();
}

frmTransportCars::~frmTransportCars() = default;

void frmTransportCars::connectControls()
{
    const auto handle = [this](auto action) { return [this, action] { runHandler(action); }; };

    connect(this, &CardBase::changedChanged, this, [this] { applyEnablingRules(); });
    for (QLineEdit* text : {txtGroupName, txtName, txtNumber, static_cast<QLineEdit*>(txtLenth),
                            static_cast<QLineEdit*>(txtHeight), static_cast<QLineEdit*>(txtWidth),
                            static_cast<QLineEdit*>(txtVolume), static_cast<QLineEdit*>(txtCargoWeight),
                            static_cast<QLineEdit*>(txtTotalMass), static_cast<QLineEdit*>(txtInitialRun),
                            txtPalettes, txtChasisNumber, txtComment})
        connect(text, &QLineEdit::textChanged, this, [this] { markChangedAndApply(); });
    for (ChoiceField* choice : {txtGroup, txtType, txtProperties, txtFuelType[0], txtFuelType[1]})
        connect(choice, &ChoiceField::objectChanged, this, [this, choice] {
            // A long name shows from its start.
            choice->setCursorPosition(0);
            markChangedAndApply();
        });
    for (QCheckBox* box : {chkChasisDate, chkDateWriteOff})
        connect(box, &QCheckBox::clicked, this, [this] { markChangedAndApply(); });
    for (QDateEdit* picker : {dtpChasisDate, dtpDateWriteOff})
        connect(picker, &QDateEdit::dateChanged, this, [this] { markChangedAndApply(); });

    // A choice counts as a change even when it names the object shown already.
    for (const auto& [button, choice] : {std::pair{cmdType, txtType}, std::pair{cmdProperties, txtProperties}})
        connect(button, &QToolButton::clicked, this, handle([this, choice] {
                    if (!choice->choose().isEmpty())
                        markChangedAndApply();
                }));
    connect(cmdParentGroup, &QToolButton::clicked, this, handle([this] { chooseParentGroup(); }));
    for (int i = 0; i < 2; ++i) {
        connect(cmdFuelType[i], &QToolButton::clicked, this, handle([this, i] { chooseFuelType(i); }));
        connect(cmdCleanFuelType[i], &QToolButton::clicked, this, handle([this, i] { txtFuelType[i]->clearObject(); }));
    }

    connect(cmdWrite, &QPushButton::clicked, this, handle([this] { write(); }));
    connect(cmdCancel, &QPushButton::clicked, this, handle([this] { revert(); }));
    useCloseButton(SSCClose, carComponent);
    useWriteKey(cmdWrite);
}

void frmTransportCars::loadForm()
{
    const vx::VxObjectUIOPtr editor = vxObjectUIO();
    if (!editor)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const vx::VxSPtr services = module::services();
    mayChange_ = services && services->Security().CanWrite(carComponent, 0);
    isNew_ = !vx::oid::hasRecord(editor->OIDR());
    const vx::RecordFields fields = editor->Fields();
    isGroup_ = Catalogue::LongOrZero(fields.value(field("GroupFlag"))) != 0;

    // The parent group shows its name; an unreadable parent shows none.
    const qint64 parent = Catalogue::LongOrZero(fields.value(field("ParentID")));
    txtGroup->clearObject();
    if (parent > 0) {
        QString name;
        const vx::CallResult answer = editor->Properties(field("Parent"), QString());
        if (const auto group = answer.Value.value<vx::VxObjectUIOPtr>(); answer.Code == 0 && group) {
            const vx::RecordsetPtr rows = group->RsFields();
            if (rows && !rows->isBOF() && !rows->isEOF())
                name = Catalogue::TextOrEmpty(group->Fields().value(field("Name")));
        }
        txtGroup->setText(name);
        Catalogue::SetTag(txtGroup, vx::oid::make(carType, parent));
    }

    QString title;
    if (isGroup_) {
        lblGroup->setText(QStringLiteral("Aukšt. grupė"));
        title = isNew_ ? QStringLiteral("Nauja grupė") : QStringLiteral("Grupė");
        txtGroupName->setText(isNew_ ? QString() : Catalogue::TextOrEmpty(fields.value(field("Name"))));
    } else {
        lblGroup->setText(QStringLiteral("Grupė"));
        title = isNew_ ? QStringLiteral("Nauja transporto priemonė") : QStringLiteral("Transporto priemonė");
        loadVehicle(fields);
    }
    fraGroupName->setVisible(isGroup_);
    fraCar->setVisible(!isGroup_);
    for (int tab = Drivers; tab <= Tyres; ++tab)
        TabStrip->setTabEnabled(tab, !isGroup_ && !isNew_);
    if (!TabStrip->isTabEnabled(TabStrip->currentIndex()))
        TabStrip->setCurrentIndex(CarData);

    SOPanel->setTitle(QStringLiteral(" ") + title);
    setWindowTitle(title);
    applyEnablingRules();
    QApplication::restoreOverrideCursor();
}

void frmTransportCars::loadVehicle(const vx::RecordFields& fields)
{
    for (ChoiceField* choice : txtFuelType)
        choice->clearObject();
    const QDate today = vx::clock::today();
    dtpChasisDate->setDate(today);
    dtpDateWriteOff->setDate(today);
    const auto text = [&](const char* name) { return Catalogue::TextOrEmpty(fields.value(field(name))); };
    const auto number = [&](const char* name) { return Catalogue::DoubleOrZero(fields.value(field(name))); };

    if (isNew_) {
        for (QLineEdit* empty : {txtName, txtNumber, txtChasisNumber, txtComment})
            empty->clear();
        for (NumberField* zero :
             {txtLenth, txtHeight, txtWidth, txtVolume, txtCargoWeight, txtTotalMass, txtInitialRun})
            zero->setText(QStringLiteral("0"));
        txtPalettes->setText(QStringLiteral("0"));
        chkChasisDate->setChecked(false);
        chkDateWriteOff->setChecked(false);
        txtType->clearObject();
        txtProperties->clearObject();
        return;
    }
    txtName->setText(text("Name"));
    txtNumber->setText(text("Code"));
    txtChasisNumber->setText(text("ChasisNumber"));
    txtLenth->setValue(number("CarLenth"));
    txtHeight->setValue(number("CarHeight"));
    txtWidth->setValue(number("CarWidth"));
    txtVolume->setValue(number("CarVolume"));
    txtCargoWeight->setValue(number("CargoWeight"));
    txtTotalMass->setValue(number("TotalMass"));
    txtInitialRun->setValue(number("InitialRun"));
    txtPalettes->setText(QString::number(Catalogue::LongOrZero(fields.value(field("Palettes")))));
    loadDate(chkChasisDate, dtpChasisDate, fields.value(field("ChasisDate")));
    loadDate(chkDateWriteOff, dtpDateWriteOff, fields.value(field("DateWriteOff")));
    // A reference shows its object's preview; one that cannot be read shows nothing.
    txtType->showObject(referenceId(u"O4000607", fields.value(field("TypeID"))));
    txtProperties->showObject(referenceId(u"O4000608", fields.value(field("PropertiesID"))));
    txtFuelType[0]->showObject(referenceId(u"O4000604", fields.value(field("FuelTankTypeID1"))));
    txtFuelType[1]->showObject(referenceId(u"O4000604", fields.value(field("FuelTankTypeID2"))));
    txtComment->setText(text("Comment"));
    fillTabs();
}

QString frmTransportCars::closingDetails() const
{
    return SOPanel->title();
}

bool frmTransportCars::hasUnsavedChanges() const
{
    return cmdWrite->isEnabled();
}

void frmTransportCars::markChangedAndApply()
{
    if (isLoading())
        return;
    setChanged(true);
    applyEnablingRules();
}

void frmTransportCars::applyEnablingRules()
{
    dtpChasisDate->setVisible(chkChasisDate->isChecked());
    dtpDateWriteOff->setVisible(chkDateWriteOff->isChecked());
    cmdWrite->setEnabled(isChanged() && mayChange_);
    cmdCancel->setEnabled(isChanged() && mayChange_ && !isNew_);
}

void frmTransportCars::chooseParentGroup()
{
    if (txtGroup->choose().isEmpty())
        return;
    // The parent is written at once, so the record knows it before saving.
    vxObjectUIO()->Fields().setValue(field("ParentID"), txtGroup->recordNumber());
    markChangedAndApply();
}

void frmTransportCars::chooseFuelType(int index)
{
    ChoiceField* choice = txtFuelType[index];
    const QString before = choice->objectId();
    const QString chosen = choice->choose();
    if (chosen.isEmpty())
        return;
    // One tank type is not chosen twice: the previous choice comes back.
    if (choice->objectId() != before && choice->objectId() == txtFuelType[1 - index]->objectId())
        choice->showObject(before);
}

void frmTransportCars::write()
{
    const vx::VxObjectUIOPtr editor = vxObjectUIO();
    const vx::RecordFields fields = editor->Fields();
    fields.setValue(field("ParentID"), txtGroup->recordNumber());
    if (isGroup_)
        fields.setValue(field("Name"), txtGroupName->text());
    else
        writeVehicleFields(fields);

    if (const QString failure = validationFailure(fields); !failure.isEmpty()) {
        Catalogue::ShowError(failure, messageTitle());
        return;
    }
    const vx::Status saved = editor->Save();
    if (!saved.ok()) {
        Catalogue::ShowError(saved.Message + QStringLiteral("\r\nĮrašymas neatliktas!"), messageTitle());
        return;
    }
    if (const vx::VxSPtr services = module::services())
        services->Desktop().RefreshVxObject(editor->OIDR());
    InitForm();
}

void frmTransportCars::writeVehicleFields(const vx::RecordFields& fields)
{
    fields.setValue(field("Code"), txtNumber->text());
    fields.setValue(field("Name"), txtName->text());
    fields.setValue(field("CarLenth"), txtLenth->value());
    fields.setValue(field("CarWidth"), txtWidth->value());
    fields.setValue(field("CarHeight"), txtHeight->value());
    fields.setValue(field("CarVolume"), txtVolume->value());
    fields.setValue(field("CargoWeight"), qRound64(txtCargoWeight->value()));
    fields.setValue(field("TotalMass"), qRound64(txtTotalMass->value()));
    fields.setValue(field("InitialRun"), qRound64(txtInitialRun->value()));
    if (const std::optional<qint64> palettes = palettesOf(txtPalettes->text()))
        fields.setValue(field("Palettes"), *palettes);
    fields.setValue(field("ChasisNumber"), txtChasisNumber->text());
    fields.setValue(field("ChasisDate"), chkChasisDate->isChecked() ? QVariant(dtpChasisDate->date()) : QVariant());
    fields.setValue(field("DateWriteOff"),
                    chkDateWriteOff->isChecked() ? QVariant(dtpDateWriteOff->date()) : QVariant());
    fields.setValue(field("TypeID"), referenceOrNull(txtType));
    fields.setValue(field("PropertiesID"), referenceOrNull(txtProperties));
    fields.setValue(field("FuelTankTypeID1"), referenceOrNull(txtFuelType[0]));
    fields.setValue(field("FuelTankTypeID2"), referenceOrNull(txtFuelType[1]));
    fields.setValue(field("Comment"), txtComment->text());
}

QString frmTransportCars::validationFailure(const vx::RecordFields& fields) const
{
    // The name is taken as typed; a number of spaces only is no number.
    if (Catalogue::TextOrEmpty(fields.value(field("Name"))).isEmpty())
        return QStringLiteral("Nenurodytas pavadinimas");
    if (isGroup_)
        return {};
    if (Catalogue::TextOrEmpty(fields.value(field("Code"))).trimmed().isEmpty())
        return QStringLiteral("Nenurodytas numeris");
    if (!palettesOf(txtPalettes->text()))
        return QStringLiteral("Euro palečių skaičius turi būti sveikasis skaičius");
    return {};
}

void frmTransportCars::revert()
{
    vxObjectUIO()->CancelUpdate();
    InitForm();
}

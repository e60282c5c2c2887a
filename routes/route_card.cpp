// The route segment card: its frame around the host's property grid, loading
// (InitForm), the parent group, saving, cancelling and the panel buttons.

#include "routes/route_card.h"

#include "module/card_pattern/caption_panel.h"
#include "module/card_pattern/card_controls.h"
#include "module/card_pattern/card_panel.h"
#include "module/catalogue.h"
#include "module/module_services.h"
#include "platform/contract/host_factory.h"
#include "platform/contract/object_id.h"
#include "platform/contract/vx_host_dialogs.h"
#include "platform/contract/vx_grid_control.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

namespace {

const QString segmentType = QStringLiteral("O4000601");
const QString crlf = QStringLiteral("\r\n");
// The grid's code for a record that changed under the user: the card reads it again.
constexpr int changedElsewhere = 60000;

QString field(const char* name)
{
    return QString::fromLatin1(name);
}

vx::VxObjectUIOPtr segmentEditor(const QString& id)
{
    const vx::VxSPtr services = module::services();
    const vx::VxObjectUIPtr list = services ? services->Objects().GetVxObjectUI(segmentType) : nullptr;
    return list ? list->GetVxObject(id) : nullptr;
}

} // namespace

frmTransportRoute::frmTransportRoute()
{
    setObjectName(QStringLiteral("frmTransportRoute"));
    setWindowTitle(QStringLiteral("Atkarpa"));
    buildControls();
    buildTrafficMenu();
    connect(this, &CardBase::changedChanged, this, [this](bool changed) { setEditing(changed); });
}

frmTransportRoute::~frmTransportRoute() = default;

void frmTransportRoute::buildControls()
{
    const CaptionPanel panel = makeCaptionPanel(this, QStringLiteral(" Atkarpa"));
    SOPanel = panel.panel;
    QWidget* inner = panel.inner;

    txtGroup = new QLineEdit(inner);
    txtGroup->setObjectName(QStringLiteral("txtGroup"));
    txtGroup->setReadOnly(true);
    cmdParentGroup = CardControls::chooseButton(inner, "cmdParentGroup", QStringLiteral("..."),
                                                QStringLiteral("Pasirinkti grupę"));
    auto* group = new QHBoxLayout;
    group->addWidget(new QLabel(QStringLiteral("Grupė:"), inner));
    group->addWidget(txtGroup, 1);
    group->addWidget(cmdParentGroup);

    VxGrid = vx::hostFactory().createGridControl(inner);
    if (VxGrid) {
        VxGrid->setObjectName(QStringLiteral("VxGrid"));
        connect(VxGrid, &vx::VxGridControl::fieldChanged, this, [this] {
            if (!isLoading())
                setChanged(true);
        });
        connect(VxGrid, &vx::VxGridControl::pageSelected, this,
                [this](int index) { runHandler([this, index] { pageSelected(index); }); });
        connect(VxGrid, &vx::VxGridControl::pageMouseDown, this, [this](Qt::MouseButton button, const QString& key) {
            runHandler([this, button, key] { pageMouseDown(button, key); });
        });
    }

    cmdEnter = new QPushButton(QStringLiteral("&Įrašyti"), inner);
    cmdEnter->setObjectName(QStringLiteral("cmdEnter"));
    cmdCancel = new QPushButton(QStringLiteral("&Atšaukti"), inner);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    SSCNew = new QToolButton(inner);
    SSCNew->setObjectName(QStringLiteral("SSCNew"));
    SSCNew->setText(QStringLiteral("&Naujas"));
    SSCClose = new QToolButton(inner);
    SSCClose->setObjectName(QStringLiteral("SSCClose"));
    SSCClose->setText(QStringLiteral("&Uždaryti"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdEnter);
    buttons->addWidget(cmdCancel);
    buttons->addSpacing(24);
    buttons->addWidget(SSCNew);
    buttons->addWidget(SSCClose);

    auto* innerLayout = new QVBoxLayout(inner);
    innerLayout->setContentsMargins(0, 0, 0, 0);
    innerLayout->addLayout(group);
    if (VxGrid)
        innerLayout->addWidget(VxGrid, 1);
    innerLayout->addLayout(buttons);

    const auto handle = [this](void (frmTransportRoute::*action)()) {
        return [this, action] { runHandler([this, action] { (this->*action)(); }); };
    };
    connect(cmdParentGroup, &QToolButton::clicked, this, handle(&frmTransportRoute::chooseParent));
    connect(cmdEnter, &QPushButton::clicked, this, handle(&frmTransportRoute::write));
    connect(cmdCancel, &QPushButton::clicked, this, handle(&frmTransportRoute::cancel));
    connect(SSCNew, &QToolButton::clicked, this, handle(&frmTransportRoute::newRecord));
    useCloseButton(SSCClose, QString());
    useWriteKey(cmdEnter);
    QWidget* order[] = {txtGroup, cmdParentGroup, VxGrid ? static_cast<QWidget*>(VxGrid) : txtGroup,
                        cmdEnter, cmdCancel, SSCNew, SSCClose};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

bool frmTransportRoute::isNew() const
{
    return !vx::oid::hasRecord(vxObjectUIO()->OIDR());
}

void frmTransportRoute::loadForm()
{
    const vx::VxObjectUIOPtr editor = vxObjectUIO();
    if (!editor)
        return;
    const vx::VxSPtr services = module::services();
    if (services)
        if (const vx::CallResult stored = services->Objects().CallFunction(QStringLiteral("GetOldPeriod"), QString());
            stored.Code == 0 && stored.Value.canConvert<vx::PeriodRecord>())
            period_ = stored.Value.value<vx::PeriodRecord>();
    const vx::RecordFields fields = editor->Fields();
    parent_ = Catalogue::LongOrZero(fields.value(field("ParentID")));
    isGroup_ = Catalogue::LongOrZero(fields.value(field("GroupFlag"))) == 1;
    if (VxGrid) {
        VxGrid->setVxS(services);
        VxGrid->setVxObjectUIO(editor);
        VxGrid->setCaptionWidth(2000);
        if (!isGroup_) {
            if (!traffic_) {
                traffic_ = VxGrid->addPage(QStringLiteral("Kelionės lapai"), QStringLiteral("Traffic"));
                trafficIndex_ = 1;
                connect(traffic_, &QTreeWidget::itemDoubleClicked, this,
                        [this] { runHandler([this] { putOnDesktop(); }); });
            }
            fillTraffic();
        }
        VxGrid->showRecord();
    }
    showParent();
    showTitle();
    SSCNew->setEnabled(!isNew());
    setEditing(false);
}

void frmTransportRoute::showParent()
{
    const vx::VxObjectUIOPtr group = parent_ != 0 ? segmentEditor(vx::oid::make(segmentType, parent_)) : nullptr;
    txtGroup->setText(group ? group->Preview() : QString());
    txtGroup->setCursorPosition(0);
}

void frmTransportRoute::showTitle()
{
    const bool fresh = isNew();
    QString title;
    if (isGroup_)
        title = fresh ? QStringLiteral("Nauja atkarpų grupė") : QStringLiteral("Atkarpų grupė");
    else
        title = fresh ? QStringLiteral("Nauja atkarpa") : QStringLiteral("Atkarpos kortelė");
    SOPanel->setTitle(title);
    setWindowTitle(title);
}

void frmTransportRoute::setEditing(bool editing)
{
    cmdEnter->setEnabled(editing);
    cmdCancel->setEnabled(editing);
}

// The host's selector offers the segment groups, with the catalogue's records
// ("'C'") in sight, the current group chosen; the chosen key is read from its last "O" on. Empty when
// nothing was chosen.
QString frmTransportRoute::askParentGroup()
{
    const std::unique_ptr<vx::VxObjectSelector> selector = vx::hostFactory().createObjectSelector();
    if (!selector)
        return QString();
    selector->setObjectType(segmentType);
    selector->setKind(QStringLiteral("Group"));
    selector->setCaption(QStringLiteral("Pasirinkite"));
    selector->setFilter(QStringLiteral("'C'"));
    if (parent_ != 0)
        selector->setCurrentValue(vx::oid::make(segmentType, parent_));
    if (!selector->showModal(window()))
        return QString();
    const QString key = selector->selectedKey();
    const qsizetype p = key.lastIndexOf(QLatin1Char('O'));
    return p < 0 ? QString() : key.mid(p);
}

// The chosen group becomes the parent; the current one chosen again changes nothing.
void frmTransportRoute::chooseParent()
{
    const QString id = askParentGroup();
    if (id.isEmpty())
        return;
    const qint64 number = vx::oid::hasRecord(id) ? vx::oid::recordNumber(id) : 0;
    if (number == parent_)
        return;
    const vx::RecordFields fields = vxObjectUIO()->Fields();
    if (number == 0) {
        fields.setValue(field("ParentID"), 0);
        txtGroup->clear();
    } else {
        const vx::VxObjectUIOPtr group = segmentEditor(id);
        if (!group)
            return;
        const vx::RecordFields chosenFields = group->Fields();
        fields.setValue(field("ParentID"), Catalogue::LongOrZero(chosenFields.value(field("ID"))));
        const QString path = Catalogue::TextOrEmpty(chosenFields.value(field("PreviewPath")));
        txtGroup->setText((path + QLatin1Char(' ') + group->Preview()).trimmed());
        txtGroup->setCursorPosition(0);
    }
    parent_ = number;
    if (VxGrid)
        VxGrid->refreshField(field("ParentID"));
    setChanged(true);
}

void frmTransportRoute::write()
{
    if (!VxGrid)
        return;
    const int code = VxGrid->save();
    if (code != 0) {
        Catalogue::ShowError(QStringLiteral("Klaida!") + crlf + crlf + VxGrid->errorText(), messageTitle());
        if (code == changedElsewhere)
            cancel();
    } else {
        showTitle();
        if (const vx::VxSPtr services = module::services())
            services->Desktop().RefreshVxObject(vxObjectUIO()->OIDR());
        setChanged(false);
    }
    SSCNew->setEnabled(!isNew());
    if (const vx::VxShowVxObjectPtr window = std::exchange(showVxObject_, nullptr))
        window->UnloadShowVxObject();
}

bool frmTransportRoute::setShowVxObject(const vx::VxShowVxObjectPtr& window)
{
    showVxObject_ = window;
    return true;
}

void frmTransportRoute::cancel()
{
    const vx::VxObjectUIOPtr editor = vxObjectUIO();
    const vx::Status read = editor->Read();
    if (read.Code != 0) {
        Catalogue::ShowMessage(read.Message, messageTitle(), QMessageBox::Warning, QMessageBox::Ok);
        if (const vx::VxSPtr services = module::services())
            services->Desktop().RemoveVxObject(editor->OIDR());
        return;
    }
    if (isNew())
        editor->Fields().setValue(field("ParentID"), parent_ != 0 ? QVariant(parent_) : QVariant());
    InitForm();
}

// A new record of the same kind in the same group, on this card.
void frmTransportRoute::newRecord()
{
    CardPanel::startNewInSameGroup(*this, CardPanel::TopLevel::Null);
}

QString frmTransportRoute::closingDetails() const
{
    return SOPanel->title();
}

bool frmTransportRoute::hasUnsavedChanges() const
{
    return cmdEnter->isEnabled();
}

void frmTransportRoute::deleteRecord(const QString&)
{
    const vx::VxSPtr services = module::services();
    if (!SSCNew->isEnabled() || !services)
        return;
    const vx::VxObjectUIOPtr editor = vxObjectUIO();
    if (Catalogue::ShowMessage(QStringLiteral("Ar tikrai norite panaikinti?") + crlf + editor->Preview(),
                               messageTitle(), QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel)
        != QMessageBox::Ok)
        return;
    const QString oidr = editor->OIDR();
    const vx::VxObjectUIPtr list = services->Objects().GetVxObjectUI(vx::oid::typeId(oidr));
    if (list && list->DeleteVxObject(oidr) == 0)
        services->Desktop().RemoveVxObject(oidr);
}

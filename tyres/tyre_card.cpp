// The tyre card: its parts and controls' handlers, loading (InitForm), the
// choices and the enabling rules.

#include "tyres/tyre_card.h"

#include "module/card_pattern/choice_field.h"
#include "module/card_pattern/number_field.h"
#include "module/catalogue.h"
#include "platform/contract/clock.h"
#include "platform/contract/object_id.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QTreeWidget>

namespace {

const QString tyreType = QStringLiteral("O4000800");

QString field(const char* name)
{
    return QString::fromLatin1(name);
}

// The wait cursor while the card loads, whatever way the loading ends.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// One mounting: when and on which vehicle the tyre was, and its run there.
EntryList::Item historyItem(const EntryList::Row& row)
{
    return {row.text(u"OIDR"),
            row.text(u"DateFrom"),
            row.text(u"OIDR"),
            {{field("DateTo"), row.textOrSpace(u"DateTo")},
             {field("CarPreview"), row.text(u"CarPreview")},
             {field("TyreRunFrom"), row.wholeNumber(u"TyreRunFrom")},
             {field("TyreRunTo"), row.wholeNumber(u"TyreRunTo")}}};
}

} // namespace

frmTransportTyres::frmTransportTyres()
{
    setObjectName(QStringLiteral("frmTransportTyres"));
    setWindowTitle(QStringLiteral("Padanga"));
    c_ = buildTyreCardControls(this);
    // A write-off date before the purchase takes the purchase date back with it.
    dates_ = std::make_unique<DatePair>(c_.dtpDateFrom, c_.chkDateTo, c_.dtpDateTo, DatePair::EarlyEnd::MovesStart);
    history_ = std::make_unique<EntryList>(
        *this, c_.lvwHistory,
        QList<ReportList::Column>{{QString(), QStringLiteral("Sumontuota")},
                                  {field("DateTo"), QStringLiteral("Nuimta")},
                                  {field("CarPreview"), QStringLiteral("Transportas")},
                                  {field("TyreRunFrom"), QStringLiteral("Rida nuo")},
                                  {field("TyreRunTo"), QStringLiteral("Rida iki")}},
        QStringList{field("TyreRunFrom"), field("TyreRunTo")});
    // Columns as wide as their texts: a stretched last column would carry its
    // right-aligned run away from its caption.
    c_.lvwHistory->header()->setStretchLastSection(false);
    connectControls();
}

frmTransportTyres::~frmTransportTyres() = default;

void frmTransportTyres::connectControls()
{
    const auto handle = [this](void (frmTransportTyres::*action)()) {
        return [this, action] { runHandler([this, action] { (this->*action)(); }); };
    };
    const auto edited = [this] { markChangedAndApply(); };
    connect(this, &CardBase::changedChanged, this, [this] { applyEnablingRules(); });
    for (QLineEdit* text : {c_.txtComment, c_.txtDescription, c_.txtGroupName, static_cast<QLineEdit*>(c_.txtMaxRun),
                            c_.txtNumber})
        connect(text, &QLineEdit::textChanged, this, edited);
    connect(c_.txtGroup, &ChoiceField::objectChanged, this, edited);
    connect(dates_.get(), &DatePair::edited, this, edited);

    for (auto [button, choice] : {std::pair{c_.cmdParentGroup, c_.txtGroup}, std::pair{c_.cmdType, c_.txtType},
                                  std::pair{c_.cmdSize, c_.txtSize}})
        connect(button, &QToolButton::clicked, this,
                [this, choice] { runHandler([this, choice] { choose(choice); }); });

    connect(c_.cmdWrite, &QPushButton::clicked, this, handle(&frmTransportTyres::write));
    connect(c_.cmdCancel, &QPushButton::clicked, this, handle(&frmTransportTyres::cancel));
    connect(c_.SSCNew, &QToolButton::clicked, this, handle(&frmTransportTyres::newRecord));
    // Only deleting a tyre asks for a right.
    useCloseButton(c_.SSCClose, QStringLiteral("CTransportTyres"));
    useWriteKey(c_.cmdWrite);
}

void frmTransportTyres::loadForm()
{
    const vx::VxObjectUIOPtr editor = vxObjectUIO();
    if (!editor)
        return;
    const WaitCursor wait;
    const vx::RecordFields fields = editor->Fields();
    isNew_ = editor->OIDR().size() < 9;
    isGroup_ = Catalogue::LongOrZero(fields.value(field("GroupFlag"))) != 0;

    showParent(Catalogue::LongOrZero(fields.value(field("ParentID"))));
    c_.frameGroup->setVisible(isGroup_);
    c_.frameTyre->setVisible(!isGroup_);
    c_.lblLvwCaption->setVisible(!isGroup_ && !isNew_);
    c_.lvwHistory->setVisible(!isGroup_ && !isNew_);
    c_.lblGroup->setText(isGroup_ ? QStringLiteral("Aukšt. grupė") : QStringLiteral("Grupė"));

    QString title;
    if (isGroup_) {
        title = isNew_ ? QStringLiteral("Nauja grupė") : QStringLiteral("Padangų grupė");
        c_.txtGroupName->setText(isNew_ ? QString() : Catalogue::TextOrEmpty(fields.value(field("Name"))));
    } else if (isNew_) {
        title = QStringLiteral("Nauja padanga");
        const QDate today = vx::clock::today();
        dates_->load(today, QVariant(), today);
        c_.txtNumber->clear();
        c_.txtComment->clear();
        c_.txtDescription->clear();
        c_.txtType->clearObject();
        c_.txtSize->clearObject();
        c_.txtMaxRun->setText(QStringLiteral("0"));
        history_->fill(nullptr, historyItem);
    } else {
        title = QStringLiteral("Padanga");
        c_.txtNumber->setText(Catalogue::TextOrEmpty(fields.value(field("Number"))));
        showReference(c_.txtType, QStringLiteral("TyreType"), QStringLiteral("O4000606"),
                      Catalogue::LongOrZero(fields.value(field("TyreTypeID"))));
        showReference(c_.txtSize, QStringLiteral("TyreSize"), QStringLiteral("O4000605"),
                      Catalogue::LongOrZero(fields.value(field("TyreSizeID"))));
        c_.txtDescription->setText(Catalogue::TextOrEmpty(fields.value(field("Name"))));
        c_.txtComment->setText(Catalogue::TextOrEmpty(fields.value(field("Comment"))));
        c_.txtMaxRun->setValue(Catalogue::LongOrZero(fields.value(field("MaxRun"))));
        const QDate today = vx::clock::today();
        dates_->load(Catalogue::DateOrDefault(fields.value(field("DateFrom")), today), fields.value(field("DateTo")),
                     today);
        fillHistory();
    }
    c_.SOPanel->setTitle(QStringLiteral(" ") + title);
    setWindowTitle(title);
    applyEnablingRules();
}

// The parent group's name, and its id as the tag; nothing at the top level.
void frmTransportTyres::showParent(qint64 parentId)
{
    if (parentId <= 0) {
        c_.txtGroup->clearObject();
        return;
    }
    QString name;
    const vx::CallResult parent = vxObjectUIO()->Properties(field("Parent"), QString());
    if (const auto group = parent.Value.value<vx::VxObjectUIOPtr>(); parent.Code == 0 && group)
        name = Catalogue::TextOrEmpty(group->Fields().value(field("Name")));
    c_.txtGroup->setText(name);
    Catalogue::SetTag(c_.txtGroup, vx::oid::make(tyreType, parentId));
}

// A brand or size by its number. A name that cannot be found shows empty but
// keeps its tag, so that saving keeps the reference.
void frmTransportTyres::showReference(ChoiceField* choice, const QString& property, const QString& typeId,
                                      qint64 number)
{
    if (number <= 0) {
        choice->clearObject();
        return;
    }
    QString name;
    const auto rows = vxObjectUIO()->Properties(property, QString::number(number)).Value.value<vx::RecordsetPtr>();
    if (rows && rows->RecordCount() > 0) {
        rows->MoveFirst();
        name = Catalogue::TextOrEmpty(rows->value(u"Name"));
    }
    choice->setText(name);
    Catalogue::SetTag(choice, vx::oid::make(typeId, number));
}

void frmTransportTyres::fillHistory()
{
    const QString id = Catalogue::TextOrEmpty(vxObjectUIO()->Fields().value(field("ID")));
    history_->fill(vxObjectUIO()->Properties(QStringLiteral("TyreHistory"), id).Value.value<vx::RecordsetPtr>(),
                   historyItem);
}

// A successful selection is a change even when the same object is chosen again.
void frmTransportTyres::choose(ChoiceField* choice)
{
    if (choice->choose().isEmpty())
        return;
    choice->setCursorPosition(0);
    markChangedAndApply();
}

void frmTransportTyres::markChangedAndApply()
{
    if (isLoading())
        return;
    setChanged(true);
    applyEnablingRules();
}

void frmTransportTyres::applyEnablingRules()
{
    c_.cmdWrite->setEnabled(isChanged());
    c_.cmdCancel->setEnabled(isChanged() && !isNew_);
    c_.dtpDateFrom->setEnabled(!c_.chkDateTo->isChecked());
}

QString frmTransportTyres::closingDetails() const
{
    return c_.SOPanel->title();
}

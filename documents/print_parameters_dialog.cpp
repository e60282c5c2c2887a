#include "documents/print_parameters_dialog.h"

#include <QCheckBox>

#include <algorithm>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

namespace {

const char fieldProperty[] = "field";

// The frame of each table: its caption, where it sits and how its boxes are named.
struct FrameLook {
    QString tableKey;
    QString caption;
    QString boxName;
    int row = 0;
    int column = 0;
};

const QList<FrameLook>& frameLooks()
{
    static const QList<FrameLook> looks = {
        {documents::tables::routes, QStringLiteral("Atkarpos"), QStringLiteral("chkTripRouts"), 0, 0},
        {documents::tables::cheques, QStringLiteral("Čekiai"), QStringLiteral("chkCheques"), 0, 1},
        {documents::tables::norms, QStringLiteral("Kuro sunaudojimo normų suvestinė"), QStringLiteral("chkTripNorms"), 1, 0},
        {documents::tables::fuelTanks, QStringLiteral("Kuro bakai"), QStringLiteral("chkTripFuelTanks"), 1, 1}};
    return looks;
}

} // namespace

frmTransportTripPrintParameters::frmTransportTripPrintParameters(const QList<documents::PrintTable>& tables,
                                                                 vx::VxEnvironment& environment, QWidget* parent)
    : QDialog(parent), environment_(environment)
{
    setObjectName(QStringLiteral("frmTransportTripPrintParameters"));
    setWindowTitle(QStringLiteral("Spausdinimo parametrai"));

    auto* grid = new QGridLayout;
    for (const FrameLook& look : frameLooks()) {
        const auto table = std::find_if(tables.begin(), tables.end(),
                                        [&look](const documents::PrintTable& t) { return t.key == look.tableKey; });
        if (table == tables.end())
            continue;
        auto* frame = new QGroupBox(look.caption, this);
        frame->setObjectName(QStringLiteral("fra") + look.tableKey);
        auto* column = new QVBoxLayout(frame);
        const documents::ColumnStates states = documents::readStates(environment_, table->key);
        Frame made{table->key, {}};
        for (qsizetype i = 0; i < table->columns.size(); ++i) {
            const documents::PrintColumn& c = table->columns.at(i);
            auto* box = new QCheckBox(c.caption, frame);
            box->setObjectName(look.boxName + QString::number(i));
            box->setProperty(fieldProperty, c.field);
            const documents::ColumnState state = documents::stateOf(c, states);
            box->setChecked(state != documents::ColumnState::Hidden);
            box->setEnabled(state != documents::ColumnState::Always);
            column->addWidget(box);
            made.boxes << box;
        }
        column->addStretch();
        grid->addWidget(frame, look.row, look.column);
        frames_ << made;
    }

    cmdSave = new QPushButton(QStringLiteral("Išsaugoti"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdCancel = new QPushButton(QStringLiteral("Atšaukti"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdCancel);

    auto* label = new QLabel(QStringLiteral("Lentelės:"), this);
    label->setObjectName(QStringLiteral("lblTables"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(cmdSave, &QPushButton::clicked, this, [this] { save(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QList<QCheckBox*> frmTransportTripPrintParameters::boxes(const QString& tableKey) const
{
    for (const Frame& frame : frames_)
        if (frame.tableKey == tableKey)
            return frame.boxes;
    return {};
}

QString frmTransportTripPrintParameters::storedValue(const QString& tableKey) const
{
    QStringList parts;
    for (const QCheckBox* box : boxes(tableKey)) {
        if (box->isHidden())
            continue;
        const QString state = !box->isEnabled() ? QStringLiteral("0")
                              : box->isChecked() ? QStringLiteral("1")
                                                 : QStringLiteral("2");
        parts << box->property(fieldProperty).toString() + QLatin1Char('#') + state;
    }
    return parts.join(QLatin1Char('#'));
}

void frmTransportTripPrintParameters::save()
{
    for (const Frame& frame : frames_)
        documents::writeStates(environment_, frame.tableKey, storedValue(frame.tableKey));
    accept();
}

#include "tests/trips/card/trip_sheet_card_fixture.h"

#include "module/card_factory.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>

void TripSheetCardTest::SetUp()
{
    TripFleet::SetUp();
    if (!session)
        return;
    host->parts.security.grant(QStringLiteral("CTransportTrips"), true, true, true, true);
    car = vehicle(diesel, petrol);
    driver = employee("Jonas", "Jonaitis");
    otherDriver = employee("Ona", "Onaitė");
}

std::unique_ptr<frmTransportTripsSV> TripSheetCardTest::openCard(const vx::VxObjectUIOPtr& editor)
{
    const vx::CardRef card = module::createCard(QStringLiteral("frmTransportTripsSV"), editor);
    auto* sheet = dynamic_cast<frmTransportTripsSV*>(card.widget.data());
    EXPECT_TRUE(sheet);
    return std::unique_ptr<frmTransportTripsSV>(sheet);
}

qint64 TripSheetCardTest::savedSheet(const QVariantMap& extra)
{
    QVariantMap values = fields({{"OType", QStringLiteral("Trip")}, {"Name", QStringLiteral("KL-1")},
                                 {"Date", QDateTime(start, QTime(0, 0))}, {"TransportCarID", car},
                                 {"UserID", driver}, {"FuelTankTypeID1", diesel}, {"FuelRest1", 40.0},
                                 {"DistanceRest", 1000.0}, {"DistanceEnd", 1000.0}});
    for (auto it = extra.begin(); it != extra.end(); ++it)
        values.insert(it.key(), it.value());
    return record("O4000100", values);
}

void TripSheetCardTest::enter(QWidget* field)
{
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(field, &in);
}

void TripSheetCardTest::leave(QWidget* field)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(field, &out);
}

void TripSheetCardTest::type(QLineEdit* field, const QString& text)
{
    enter(field);
    field->selectAll();
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    leave(field);
}

void TripSheetCardTest::selectorPicks(const QString& id, const QString& caption)
{
    factory->selectors.script->choose = true;
    factory->selectors.script->key = id;
    factory->selectors.script->caption = caption;
}

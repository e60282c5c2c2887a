#include "tests/trips/dialogs/entry_fleet.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QtTest/QTest>

void EntryFleet::SetUp()
{
    TripFleet::SetUp();
    if (!session)
        return;
    car = vehicle(diesel, petrol);
    driver = employee("Jonas", "Petraitis");
    otherDriver = employee("Rasa", "Kazlauskė");
    firm = record("O0000100", fields({{"Name", QStringLiteral("Degalinė")}}));
    euro = record("O0201500", fields({{"Code", QStringLiteral("EUR")}, {"BaseCurrency", 1}}));
    dollar = record("O0201500", fields({{"Code", QStringLiteral("USD")}, {"BaseCurrency", 0}}));
    record("O0002200", fields({{"CurrencyID", dollar}, {"Date", QDate(2026, 11, 5)}, {"Rate", 3.4528}}));
    sheet = record("O4000100", fields({{"OType", QStringLiteral("Trip")}, {"Name", QStringLiteral("KL-1")},
                                       {"TransportCarID", car}, {"UserID", driver},
                                       {"Date", QDateTime(tripStart, QTime(0, 0))},
                                       {"DateTo", QDateTime(tripEnd, QTime(0, 0))}}));
}

void EntryFleet::type(QLineEdit* field, const char* text)
{
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, QString::fromLatin1(text));
}

void EntryFleet::leave(QWidget* field)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(field, &out);
}

void EntryFleet::selectorChooses(const QString& id, const QString& caption)
{
    factory->selectors.script->choose = true;
    factory->selectors.script->key = id;
    factory->selectors.script->caption = caption;
}

QString EntryFleet::lastMessage() const
{
    return messages.messages.isEmpty() ? QString() : messages.messages.last().text;
}

#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>

#include <optional>

// Dates as text: the user's short date form (yyyy.MM.dd unless changed), short
// time HH:mm and long time HH:mm:ss. Readers accept the short form and ISO.
namespace vx::dates {

QString shortDateFormat();
void setShortDateFormat(const QString& format);

inline constexpr QStringView shortTimeFormat = u"HH:mm";
inline constexpr QStringView longTimeFormat = u"HH:mm:ss";

QString toText(const QDate& date);
// Date and short time; `omitMidnight` leaves the time out when it is 00:00:00.
QString toText(const QDateTime& moment, bool omitMidnight = false);

// Reads the short date form or yyyy-MM-dd, optionally followed by a time
// (HH:mm or HH:mm:ss, after a space or an ISO "T").
std::optional<QDate> readDate(QStringView text);
std::optional<QDateTime> readDateTime(QStringView text);

// "1900.01.01" stands for no date; "2999.12.31" and "9999.12.31" for an open end.
// A missing start of a period reads as noDate(), a missing end as calendarEnd().
QDate noDate();
QDate openEnd();
// 9999.12.31, the last day a four-digit year can write: the widest open end.
QDate calendarEnd();
bool isNoDate(const QDate& date);
bool isOpenEnd(const QDate& date);
// The open end as "yyyy.MM.dd", whatever the user's date form: the business-object
// layer always reads that form.
QString openEndText();

} // namespace vx::dates

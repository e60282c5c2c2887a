#pragma once

#include <QDate>
#include <QObject>
#include <QVariant>

class QCheckBox;
class QDateEdit;

// A period's two dates on a card or dialog: a start picker and an end picker
// whose end is optional, given by a tick box. While the box is clear the end
// picker is hidden (or only disabled, where the form wants it in sight). The
// dates keep their order as the user changes them: a start moved past the end
// takes the end along; an end moved before the start either moves the start
// back or is itself set to the start, as the form's rule says. Showing a
// record's dates (load) is no change of the user's.
class DatePair final : public QObject {
    Q_OBJECT
public:
    enum class EarlyEnd {
        MovesStart, // the start goes back to the end
        TakesStart, // the end is set to the start
    };
    enum class WithoutEnd { HidesPicker, DisablesPicker };

    DatePair(QDateEdit* start, QCheckBox* hasEnd, QDateEdit* end, EarlyEnd rule,
             WithoutEnd withoutEnd = WithoutEnd::HidesPicker);

    // Shows a start and an optional end: a null end clears the box and puts
    // `whenNone` in the end picker.
    void load(const QDate& start, const QVariant& end, const QDate& whenNone);

    QDate start() const;
    bool hasEnd() const;
    // The end picker's date, whether the box is ticked or not.
    QDate end() const;

signals:
    // The user changed a date or the tick box.
    void edited();

private:
    void startChanged(const QDate& date);
    void endChanged(const QDate& date);
    void showEnd();

    QDateEdit* start_;
    QCheckBox* hasEnd_;
    QDateEdit* end_;
    EarlyEnd rule_;
    WithoutEnd withoutEnd_;
    bool loading_ = false;
};

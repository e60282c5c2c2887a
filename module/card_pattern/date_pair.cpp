#include "module/card_pattern/date_pair.h"

#include "module/catalogue.h"

#include <QCheckBox>
#include <QDateEdit>

#include <utility>

DatePair::DatePair(QDateEdit* start, QCheckBox* hasEnd, QDateEdit* end, EarlyEnd rule, WithoutEnd withoutEnd)
    : start_(start), hasEnd_(hasEnd), end_(end), rule_(rule), withoutEnd_(withoutEnd)
{
    connect(start_, &QDateEdit::dateChanged, this, &DatePair::startChanged);
    connect(end_, &QDateEdit::dateChanged, this, &DatePair::endChanged);
    connect(hasEnd_, &QCheckBox::toggled, this, [this] {
        showEnd();
        if (!loading_)
            emit edited();
    });
    showEnd();
}

void DatePair::load(const QDate& start, const QVariant& end, const QDate& whenNone)
{
    const bool wasLoading = std::exchange(loading_, true);
    start_->setDate(start);
    hasEnd_->setChecked(!end.isNull());
    end_->setDate(end.isNull() ? whenNone : Catalogue::DateOrDefault(end, whenNone));
    showEnd();
    loading_ = wasLoading;
}

QDate DatePair::start() const
{
    return start_->date();
}

bool DatePair::hasEnd() const
{
    return hasEnd_->isChecked();
}

QDate DatePair::end() const
{
    return end_->date();
}

void DatePair::startChanged(const QDate& date)
{
    if (loading_)
        return;
    if (date > end_->date())
        end_->setDate(date);
    emit edited();
}

void DatePair::endChanged(const QDate& date)
{
    if (loading_)
        return;
    if (date < start_->date()) {
        if (rule_ == EarlyEnd::MovesStart)
            start_->setDate(date);
        else
            end_->setDate(start_->date());
    }
    emit edited();
}

void DatePair::showEnd()
{
    if (withoutEnd_ == WithoutEnd::HidesPicker)
        end_->setVisible(hasEnd_->isChecked());
    else
        end_->setEnabled(hasEnd_->isChecked());
}

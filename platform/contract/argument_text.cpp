#include "platform/contract/argument_text.h"

#include "platform/contract/date_text.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>

namespace vx::arguments {
namespace {

constexpr QChar quote = u'\'';

class Reader {
public:
    explicit Reader(const QString& text) : text_(text) {}

    ItemList readAll()
    {
        if (text_.trimmed().isEmpty())
            return list_;
        while (true) {
            skipSpaces();
            Item item;
            if (!(at(quote) ? readQuoted(item) : readBare(item)))
                return list_;
            list_.items.append(item);
            if (i_ >= text_.size())
                return list_;
            ++i_; // the comma
        }
    }

private:
    bool at(QChar c) const { return i_ < text_.size() && text_.at(i_) == c; }

    void skipSpaces()
    {
        while (i_ < text_.size() && text_.at(i_).isSpace())
            ++i_;
    }

    bool fail(const QString& what)
    {
        list_.error = QStringLiteral("%1 elementas: %2").arg(list_.size() + 1).arg(what);
        return false;
    }

    bool readQuoted(Item& item)
    {
        item.kind = Item::Kind::Quoted;
        ++i_;
        while (true) {
            if (i_ >= text_.size())
                return fail(QStringLiteral("trūksta uždarančios kabutės."));
            if (at(quote)) {
                ++i_;
                if (!at(quote))
                    break;
            }
            item.text += text_.at(i_++);
        }
        skipSpaces();
        if (i_ < text_.size() && !at(u','))
            return fail(QStringLiteral("po kabutės eina \"%1\".").arg(text_.at(i_)));
        return true;
    }

    bool readBare(Item& item)
    {
        const qsizetype start = i_;
        while (i_ < text_.size() && !at(u','))
            ++i_;
        item.text = text_.mid(start, i_ - start).trimmed();
        if (item.text.contains(quote))
            return fail(QStringLiteral("kabutė ne vietoje."));
        item.kind = item.text.isEmpty() ? Item::Kind::Empty : Item::Kind::Bare;
        return true;
    }

    const QString& text_;
    qsizetype i_ = 0;
    ItemList list_;
};

QString itemOf(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QDate:
        return quoted(vx::dates::toText(value.toDate()));
    case QMetaType::QDateTime:
        return quoted(vx::dates::toText(value.toDateTime().date()));
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Bool:
        return QString::number(value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    default:
        return value.isNull() ? QString() : quoted(value.toString());
    }
}

} // namespace

QString ItemList::text(int i) const
{
    return i >= 0 && i < size() ? items.at(i).text : QString();
}

QStringList ItemList::texts() const
{
    QStringList all;
    for (const Item& item : items)
        all << item.text;
    return all;
}

ItemList read(const QString& text)
{
    return Reader(text).readAll();
}

QString quoted(const QString& text)
{
    QString doubled = text;
    doubled.replace(quote, QStringLiteral("''"));
    return quote + doubled + quote;
}

QString write(const QVariantList& values)
{
    QStringList items;
    for (const QVariant& value : values)
        items << itemOf(value);
    return items.join(QLatin1Char(','));
}

} // namespace vx::arguments

#include "module/catalogue_currency.h"

#include "module/catalogue_conversions.h"
#include "module/catalogue_host.h"
#include "platform/contract/date_text.h"
#include "platform/contract/recordset.h"

#include <QComboBox>

namespace Catalogue {
namespace {

const QString currencyType = QStringLiteral("O0201500");

// A flag column: true, a non-zero number or "True"; anything else is not set.
bool isSet(const QVariant& value)
{
    bool ok = false;
    const QVariant flag = vx::Recordset::convert(value, vx::FieldType::Boolean, &ok);
    return ok && flag.toBool();
}

} // namespace

void FillCurrencyList(QComboBox* comboBox, QList<qint32>& ids, QList<double>& rates, qint32 selectedId,
                      const QDate& atDate)
{
    comboBox->clear();
    comboBox->clearEditText();
    ids = {0};
    rates = {0.0};

    const vx::VxObjectUIOPtr currencies = GetEditor(currencyType);
    if (!currencies)
        return;
    const auto list = currencies->Properties(QStringLiteral("CurrencyList"), vx::dates::toText(atDate))
                          .Value.value<vx::RecordsetPtr>();
    if (!list)
        return;

    const int count = list->RecordCount();
    if (count < 1)
        return;
    ids.resize(count);
    rates.resize(count);
    int chosen = -1;
    list->MoveFirst();
    for (int i = 0; i < count && !list->isEOF(); ++i, list->MoveNext()) {
        const qint32 id = LongOrZero(list->value(u"ID"));
        const bool base = isSet(list->value(u"BaseCurrency"));
        comboBox->addItem(TextOrEmpty(list->value(u"Code")), id);
        ids[i] = id;
        rates[i] = base ? 1.0 : DoubleOrZero(list->value(u"Rate"));
        if (id == selectedId || (chosen < 0 && base))
            chosen = i;
    }
    comboBox->setCurrentIndex(chosen >= 0 ? chosen : 0);
}

} // namespace Catalogue

#pragma once

#include <QDate>
#include <QList>

class QComboBox;

namespace Catalogue {

// Fills a combo box with the host's currencies valid at `atDate`, keeping each
// entry's currency id and rate at the same index of `ids` and `rates` (the
// entry's item data holds the id as well). The base currency gets rate 1. The
// entry of `selectedId` is selected, else the first base currency, else the
// first entry. The box is emptied and both lists become one zero element first,
// so without the host's currency object or its list they stay so.
void FillCurrencyList(QComboBox* comboBox, QList<qint32>& ids, QList<double>& rates, qint32 selectedId,
                      const QDate& atDate);

} // namespace Catalogue

#include "module/card_pattern/loading_flag.h"

#include "module/catalogue_dialogs.h"
#include "platform/contract/recordset.h"

#include <QLoggingCategory>
#include <QObject>

namespace {
Q_LOGGING_CATEGORY(handlerLog, "kelmira.cards")
} // namespace

bool runAsHandler(const QObject& owner, const QString& title, const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const vx::ConversionError& error) {
        qCInfo(handlerLog) << owner.objectName() << "action ended:" << error.message();
    } catch (const std::exception& error) {
        const QString message = QString::fromUtf8(error.what());
        qCWarning(handlerLog) << owner.objectName() << message;
        Catalogue::ShowError(message, title);
    }
    return false;
}

#pragma once

#include "module/type_list_controllers.h"
#include "module/list_item_roles.h"
#include "platform/contract/object_id.h"
#include "tests/support/module_host.h"
#include "platform/contract/argument_text.h"
#include "trips/trip_sheet_editor.h"

#include <QDate>

// Trip sheets and auto-number settings on a real store, opened as the host
// opens them through the trip sheet list controller.
class NumberingFixture : public testhost::ModuleFixture {
protected:
    void SetUp() override
    {
        ModuleFixture::SetUp();
        if (session)
            grant(QStringLiteral("CTransportTrips"), true, true, true, true);
    }

    // Stores the settings text as the settings card sends it.
    void storeSettings(const QString& text)
    {
        const vx::CallResult stored = openSheet(QStringLiteral("O4000100"))
                                          ->Methods(QStringLiteral("AddUpdateAutoNumber"), vx::arguments::quoted(text));
        ASSERT_EQ(stored.Code, 0) << text.toStdString() << ": " << stored.Message.toStdString();
    }

    std::shared_ptr<UIO4000100> openSheet(const QString& id)
    {
        return std::dynamic_pointer_cast<UIO4000100>(controller<UI4000100>()->GetVxObject(id));
    }

    std::shared_ptr<UIO4000100> newSheet(const QDate& date, const QString& name = QString())
    {
        std::shared_ptr<UIO4000100> sheet = openSheet(QStringLiteral("O4000100"));
        sheet->Fields().setValue(QStringLiteral("Date"), QDateTime(date, QTime(0, 0)));
        if (!name.isNull())
            sheet->Fields().setValue(QStringLiteral("Name"), name);
        return sheet;
    }

    static vx::CallResult getAutoNumber(UIO4000100& sheet, int nextFlag)
    {
        return sheet.Methods(QStringLiteral("GetAutoNumber"), QStringLiteral("%1,''").arg(nextFlag));
    }
};

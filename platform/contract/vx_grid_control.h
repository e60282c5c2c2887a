#pragma once

#include "platform/contract/vx_object_uio.h"
#include "platform/contract/vx_services.h"

#include <QString>
#include <QVariant>
#include <QWidget>

namespace vx {

// The host's property grid: edits the fields of the records it is given and
// saves them. The concrete control is the host's (created through
// HostFactory::createGridControl); a module sees only this interface.
// Declared here, implemented by the host; its members are filled in by the
// work that builds the grid.
class VxGridControl : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    ~VxGridControl() override;

signals:
    // A cell of the current record changed: the field's name and its new value.
    void fieldChanged(const QString& fieldName, const QVariant& value);
};

} // namespace vx

#pragma once

// The host records that carry icons or widgets, kept apart from the plain
// records so that the storage layer never sees a widget header.

#include "platform/contract/host_records.h"

#include <QIcon>
#include <QMetaType>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace vx {

// A picture handed to the host at registration: the module's icon resource and
// the icon loaded from it.
struct Picture {
    QString resourceName;
    QIcon icon;
};

// A card travelling in a click result or a call result. Cards are widgets; the
// receiver (normally the host's desktop) takes ownership of the widget.
struct CardRef {
    QPointer<QWidget> widget;

    bool isNull() const { return widget.isNull(); }
};

} // namespace vx

Q_DECLARE_METATYPE(vx::CardRef)

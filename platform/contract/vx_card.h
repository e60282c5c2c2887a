#pragma once

#include "platform/contract/ui_records.h"
#include "platform/contract/vx_object_uio.h"

class QWidget;

namespace vx {

// What every card offers the host: it receives its editor, loads itself and
// says whether it may be closed. A card is a QWidget that also implements this.
class VxCard {
public:
    virtual ~VxCard();

    virtual void setVxObjectUIO(const VxObjectUIOPtr& editor) = 0;
    virtual VxObjectUIOPtr vxObjectUIO() const = 0;
    virtual void InitForm() = 0;
    // True when the card may be closed (it asks the user about unsaved changes).
    virtual bool QueryRemove() = 0;
};

inline VxCard* cardOf(const CardRef& ref)
{
    return dynamic_cast<VxCard*>(ref.widget.data());
}

} // namespace vx

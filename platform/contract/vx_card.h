#pragma once

#include "platform/contract/ui_records.h"
#include "platform/contract/vx_object_uio.h"

#include <memory>

class QWidget;

namespace vx {

// A host window that shows a card while its caller waits for the record (the
// host's modal object card). A card handed one lets it go once it has saved.
class VxShowVxObject {
public:
    virtual ~VxShowVxObject();
    // The card is done with the window.
    virtual void UnloadShowVxObject() = 0;
};
using VxShowVxObjectPtr = std::shared_ptr<VxShowVxObject>;

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
    // Hands the card the window that shows it; true when the card will let the
    // window go itself after saving. By default a card does not.
    virtual bool setShowVxObject(const VxShowVxObjectPtr& window)
    {
        (void)window;
        return false;
    }
};

inline VxCard* cardOf(const CardRef& ref)
{
    return dynamic_cast<VxCard*>(ref.widget.data());
}

} // namespace vx

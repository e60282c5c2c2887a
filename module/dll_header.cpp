#include "module/dll_header.h"

#include "module/module_icons.h"
#include "module/registration_tables.h"
#include "platform/contract/host_factory.h"

void DLLHeader::DllInicialize()
{
    vx::VxRegistrationPtr registration = vx::hostFactory().createRegistration();
    if (!registration)
        return;

    vx::VxRegistrationNodePtr root =
        registration->AddLayout(module::layoutId, module::layoutId, module::layoutCaption, module::layoutKey);
    if (root) {
        for (const module::TreeNodeEntry& entry : module::treeNodes())
            if (vx::VxRegistrationNodePtr node = root->AddNode(entry.nodeType, entry.caption, entry.key))
                node->AddObject(entry.shows);
    }
    for (const module::ObjectTypeEntry& type : module::objectTypes())
        registration->AddObjectType(module::libraryName, type.typeId, type.caption);
    for (const module::IconEntry& icon : module::mainIcons())
        registration->AddMainIcon(icon.key, module::picture(icon.resourceName));
    for (const module::IconEntry& icon : module::icons())
        registration->AddIcon(icon.key, module::picture(icon.resourceName));
}

#include "module/security_header.h"

#include "module/registration_tables.h"

vx::ComponentEntries SecurityHeader::GetComponentList()
{
    vx::ComponentEntries entries;
    for (const module::ComponentRow& row : module::securityComponents())
        entries.append({QString(), row.key, row.caption, row.kind});
    return entries;
}

#include "platform/bo/named_calls.h"
#include "platform/bo/session.h"

namespace bo {

void addCatalogueCalls(NamedCalls&)
{
}

} // namespace bo

#include "platform/bo/named_calls.h"
#include "platform/bo/session.h"

namespace bo {

void addTyreCalls(NamedCalls&)
{
}

} // namespace bo

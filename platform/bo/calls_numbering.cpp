#include "platform/bo/named_calls.h"
#include "platform/bo/session.h"

namespace bo {

void addNumberingCalls(NamedCalls&)
{
}

} // namespace bo

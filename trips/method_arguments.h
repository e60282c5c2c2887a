#pragma once

#include "platform/contract/argument_text.h"

// The Params of the trip sheet editor's methods. The editor's contract passes
// one text, so an array of values travels in it as an argument text (see
// vx::arguments), the same form the business-object layer reads for its named
// calls. So "GetLastTripFuelRest" takes 'O4000400123',4,'2026.11.03' and
// "AddUpdateAutoNumber" one quoted text: '0,''Prefix_Date_AutoNumber'',''KL'',3,1,''0000'',0,0'.
namespace trips {

using MethodArguments = vx::arguments::ItemList;

using vx::arguments::quoted;

inline QString argumentList(const QVariantList& values)
{
    return vx::arguments::write(values);
}

} // namespace trips

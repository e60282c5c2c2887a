#include "platform/bo/schema_history.h"

namespace bo {

QList<Migration> schemaHistory()
{
    return {
        {1, QStringLiteral("host tables"),
         {
             QStringLiteral("CREATE TABLE library_registry (name {text} PRIMARY KEY, path {text} NOT NULL)"),
         }},
    };
}

} // namespace bo

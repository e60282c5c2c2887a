#pragma once

#include "platform/bo/session.h"

namespace bo {

// The storage layer's own way to a session's database. Only the layer itself
// (and the tests that look into a store) include this header; everything else
// goes through the layer's functions.
class SessionStore {
public:
    static Database& of(Session& session) { return *session.db_; }
};

inline Database& storeOf(Session& session)
{
    return SessionStore::of(session);
}

} // namespace bo

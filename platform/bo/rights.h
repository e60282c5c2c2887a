#pragma once

#include "platform/bo/session.h"

#include <QHash>
#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace bo {

// The four rights a user holds on a security component, numbered as the
// system numbers them. Wherever the rights are listed or written as four
// digits, they come in this order.
enum class Right { Open = 1, Delete = 2, Write = 3, New = 4 };

struct Rights {
    // Rights 1 to 4 at places 0 to 3. A component without a stored row is open.
    std::array<bool, 4> granted{true, true, true, true};

    bool has(Right right) const { return granted[std::size_t(right) - 1]; }
    static Rights none() { return {{false, false, false, false}}; }
    // Four digits 1 (granted) or 0, rights 1 to 4 in order ("1011": all but delete);
    // nothing for any other text.
    static std::optional<Rights> fromDigits(const QString& digits);

    friend bool operator==(const Rights&, const Rights&) = default;
};

// One component's rights as they are stored for a user.
struct ComponentRights {
    QString componentKey;
    Rights rights;
};

namespace rights {

// The host's component whose open right makes a user the store's
// administrator: only he changes logins, other users' passwords and rights.
// Unlike every other component, it is closed to a user without a stored row.
inline const QString administratorComponent = QStringLiteral("CAdministrator");

// What a user holds on a component he has no stored row for: everything,
// except on the administrator's component.
Rights unstored(const QString& componentKey);
// The logged-in user's right on a component. Throws StorageError.
bool granted(Session& session, const QString& componentKey, Right right);
// Every component a user has a stored row for. Throws StorageError.
QHash<QString, Rights> stored(Session& session, qint64 userId);
// Users holding the open right of the administrator's component, lowest record number first.
QList<qint64> administrators(Session& session);
// Stores a row for every given component, in one transaction (the caller's,
// when one is open). Only the administrator may, and the store keeps at
// least one administrator. Throws StorageError (access::Refused when refused).
void save(Session& session, qint64 userId, const QList<ComponentRights>& rows);

} // namespace rights
} // namespace bo

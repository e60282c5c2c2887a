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

// The logged-in user's right on a component; a component without a stored
// row is open. Throws StorageError.
bool granted(Session& session, const QString& componentKey, Right right);
// Every component a user has a stored row for. Throws StorageError.
QHash<QString, Rights> stored(Session& session, qint64 userId);
// Stores a row for every given component, in one transaction (the caller's,
// when one is open). Throws StorageError.
void save(Session& session, qint64 userId, const QList<ComponentRights>& rows);

} // namespace rights
} // namespace bo

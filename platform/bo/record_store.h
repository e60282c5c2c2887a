#pragma once

#include "platform/bo/object_types.h"
#include "platform/bo/session.h"

namespace bo {

// A save the layer refuses: the message says why in the user's words.
class SaveRefused : public StorageError {
public:
    using StorageError::StorageError;
};

// Reading and writing records of a stored type by their record number.
namespace records {

// The record as a one-row record set with its computed fields; nothing when it does not exist.
vx::RecordsetPtr read(Session& session, const ObjectType& type, qint64 id);

// Names of the ancestor groups from the top down, joined by " / ".
QString previewPath(Session& session, const ObjectType& type, qint64 parentId);

// The layer's own checks before a save: references name existing records, a
// group is not put under itself, trip sheet numbers are not repeated when
// that is not allowed. Throws SaveRefused.
void checkBeforeSave(Session& session, const ObjectType& type, const vx::Recordset& row, qint64 id);

// Inserts (id 0) or updates the current row; returns the record number.
qint64 write(Session& session, const ObjectType& type, const vx::Recordset& row, qint64 id);

// Deletes a record with what belongs to it, or refuses (SaveRefused) while
// other records still refer to it.
void remove(Session& session, const ObjectType& type, qint64 id);

} // namespace records
} // namespace bo

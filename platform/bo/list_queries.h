#pragma once

#include "platform/contract/recordset.h"

#include <QString>

namespace bo {

class Session;

// The rows of a generic list, for the host's list pane. Every row carries:
//   OIDR       the object id the host passes back as ID (a node's key for grouping nodes)
//   ID         the record number (0 for nodes that are not records)
//   ParentKey  the OIDR of the row it hangs under in the tree; empty at the top
//   GroupFlag  1 for groups and grouping nodes
//   OType      the kind the host passes back as ObjectType ("Trip", "Car", "Group", ...)
//   Icon       a key of the list controller's icon table
//   Preview    the display text
//   Context    the text the host passes back as Context (a vehicle node: the
//              vehicle's object id; catalogue rows: their own id)
// followed by the type's stored columns, CreationDate, and for trip sheets
// CarName, CarCode and UserName.
//
// Parameter texts, P being the node the list is opened for:
//   trip sheets   'P','C','M','F','T': sheets whose Date falls within F..T, under one
//                 node per vehicle; P a vehicle id limits them to that vehicle
//   vehicles      'P','filter' and tyres 'P','': the group tree under P (all of it at
//                 the top); a filter text gives the matching records at any depth
//   catalogues    'P', '': P "O4000600" the nine catalogues; a catalogue type id its
//                 items; a group id the group's subtree
//   cheques       P: the cheques of trip sheet P, or the subtree of cheque group P
//   sub-lists     P: the records of the owning record P (object id or number)
//   other types   every record (as a tree when the type has groups)
vx::RecordsetPtr listRows(Session& session, const QString& typeId, const QString& param);
vx::RecordsetPtr listRowsEmpty(const QString& typeId);
QList<vx::FieldDef> listFields(const QString& typeId);

} // namespace bo

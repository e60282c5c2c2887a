#pragma once

class CardBase;
class QAbstractButton;
class QString;

// The new-record button of a card for a record in a tree (a tyre, a route
// segment): a new record of the same kind in the same group on the card's own
// editor.
namespace CardPanel {

// How the new record says "top level" when the old one was there.
enum class TopLevel { Zero, Null };

// Asks the desktop whether the card may leave its record; then reads a new
// record on the same editor with the old record's ParentID and GroupFlag,
// reloads the card and lets the desktop know the card moved. False when the
// desktop kept the card on its record or no new record could be read.
bool startNewInSameGroup(CardBase& card, TopLevel topLevel);

} // namespace CardPanel

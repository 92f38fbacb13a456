#pragma once

// Texts handed out to the host. The host keeps the pointer an export returns and reads it
// later, after other calls; so each text lives with the object it belongs to: a pointer stays
// valid while that object lives and its text (in that slot) is unchanged, whatever else the
// host asks meanwhile. A text is dropped when its object is destroyed.
#include <QByteArray>

class QObject;

namespace tesk::texts {

// The object's copy of the text for the slot (one object may hand out several texts): the
// same pointer as before while the text is the same. A null object keeps the text for the life
// of the library.
const char *hold(const QObject *owner, int slot, const QByteArray &text);
// The same with a named slot (a menu item's text kept by menu name and item id, say).
const char *hold(const QObject *owner, const QByteArray &slot, const QByteArray &text);
// How many texts are held now: what a host's use leaves behind.
int heldCount();
// Lets every held text go: the library unloads.
void end();

} // namespace tesk::texts

#pragma once
// The observers the library attached to the host's event subjects. The subjects are the
// host's and outlive the library: before its code goes, every observer is taken off the subject
// it was attached to, or the host's next event would call into unmapped code, and a second load
// would leave the dead observers beside the new ones.

#include <tesk/tesk_events.h>

#include <mosk/mosk.h>

#include <cstdint>

namespace tesk::broker {

// Attaches the observer to an event kind of the subject and, when the subject takes it, keeps
// the subject for the detach (one reference per subject). Answers the subject's result.
MoskResult attachObserver(MoskEventSubject *subject, int32_t kind, MoskObserver *observer);

// Detaches every observer from the subject it was attached to, newest first, and lets the
// subjects go. The subjects are the ones kept, never looked up again: the host may have
// cleared its broker already.
void detachAllObservers();

// Lets go of the list without calling the host: at the process's end the host's subjects may
// have gone before the library.
void forgetObservers();

} // namespace tesk::broker

#pragma once

#include <tesk/tesk_dialogs.h>

#include <QMap>
#include <QString>

// The host-described dialog's C records: made, extended and freed here for the QtQSDI exports.
// Every function answers 0, or 1 when an allocation failed.
namespace tesk::dialogs {

int initDescription(QSDIDescription **out, int kind, int icon, int mode, int captionCode,
                    int messageCode);
int addButton(QSDIDescription *description, const char *label, int code, int role);
int addEvent(QSDIDescription *description, int id);
int addCallback(QSDIDescription *description, QSDICallbackFn function, void *data);
int addEntry(QSDIDescription *description, char *buffer, int maximum);
int addToggle(QSDIDescription *description, const char *text, int code, int state);
void deleteDescription(QSDIDescription *description);
int initFindRecord(QSDIFind **out, intptr_t hostWord, int options);
void deleteFindRecord(QSDIFind *find);
// True for a description made by initDescription and not freed since: only those are extended
// or freed, whatever else the host passes.
bool isLiveDescription(const void *data);
// True for a find record made by initFindRecord and not freed since.
bool isLiveFindRecord(const void *data);

// A record as a dialog holds it while it is up: its address and the identity it was made
// under. Identities are never given twice, so a record the host freed and a new one made at its
// address are never taken for one another.
struct RecordRef
{
    void *address = nullptr;
    quint64 identity = 0;
};
// The find record at data, or the control record, as it is now; an empty ref for anything
// this file did not make (or freed).
RecordRef findRecordRef(void *data);
RecordRef controlRef(void *control);
// The record a ref names while it is still the one made under its identity: the dialog writes
// the find record's 512-byte buffers only through it. A control record is read only as the
// type the dialog kind reads when the matching Add export made it (an entry record is never
// read as a toggle, or the reverse: the two differ in size and the entry's buffer is written
// to); else null.
QSDIFind *liveFindRecord(const RecordRef &ref);
QSDIEntry *entryControl(const RecordRef &ref);
QSDIToggle *toggleControl(const RecordRef &ref);

// The standard labels the dialogs show, installed on first need.
QMap<int, QString> dialogLabels();

} // namespace tesk::dialogs

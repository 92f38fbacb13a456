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
// True for a find record made by initFindRecord and not freed since: the dialog writes its
// 512-byte buffers only through such a record.
bool isLiveFindRecord(const void *data);
// The control record as the type the dialog kind reads, when it is one made by the matching Add
// export; else null. An entry record is read as a toggle (or the reverse) never: the two differ
// in size and the entry's buffer is written to.
QSDIEntry *entryControl(void *control);
QSDIToggle *toggleControl(void *control);

// The standard labels the dialogs show, installed on first need.
QMap<int, QString> dialogLabels();

} // namespace tesk::dialogs

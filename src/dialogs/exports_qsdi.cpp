// Host-described dialogs: the records the host builds them from, running them, and running any
// dialog handle of the dialog families.
#include "dialogs/cuisimpledlgs.h"
#include "dialogs/qsdirecords.h"
#include "frame/core/exportguard.h"
#include "frame/core/framelink.h"

#include <tesk/tesk_dialogs.h>

namespace dlg = tesk::dialogs;

namespace {
// What the record exports answer for a null record, or one the library did not make (or freed
// already): nothing is read, written or freed.
constexpr int kRefused = 1;
} // namespace

int QtQSDIInitDialog(QSDIDescription **description, int32_t kind, int32_t icon, int32_t mode,
                     int32_t captionCode, int32_t messageCode)
{
    if (!description)
        return kRefused;
    return TESK_GUARDED(kRefused, [&] {
        return dlg::initDescription(description, kind, icon, mode, captionCode, messageCode);
    });
}

int QtQSDIAddButton(QSDIDescription *description, const char *label, int32_t code, int32_t role)
{
    if (!dlg::isLiveDescription(description))
        return kRefused;
    return TESK_GUARDED(kRefused, [&] { return dlg::addButton(description, label, code, role); });
}

int QtQSDIAddEvent(QSDIDescription *description, int32_t id)
{
    if (!dlg::isLiveDescription(description))
        return kRefused;
    return TESK_GUARDED(kRefused, [&] { return dlg::addEvent(description, id); });
}

int QtQSDIAddCallback(QSDIDescription *description, QSDICallbackFn function, void *data)
{
    if (!dlg::isLiveDescription(description))
        return kRefused;
    return TESK_GUARDED(kRefused, [&] { return dlg::addCallback(description, function, data); });
}

int QtQSDIAddEntry(QSDIDescription *description, char *buffer, int32_t maximum)
{
    if (!dlg::isLiveDescription(description))
        return kRefused;
    return TESK_GUARDED(kRefused, [&] { return dlg::addEntry(description, buffer, maximum); });
}

int QtQSDIAddToggle(QSDIDescription *description, const char *text, int32_t code, int32_t state)
{
    if (!dlg::isLiveDescription(description))
        return kRefused;
    return TESK_GUARDED(kRefused, [&] { return dlg::addToggle(description, text, code, state); });
}

int QtQSDIDeleteDialog(QSDIDescription *description)
{
    if (!dlg::isLiveDescription(description))
        return kRefused;
    return TESK_GUARDED(kRefused, [&] {
        dlg::deleteDescription(description);
        return 0;
    });
}

int QtQSDIInitFindCallback(QSDIFind **find, intptr_t hostWord, int32_t options)
{
    if (!find)
        return kRefused;
    return TESK_GUARDED(kRefused, [&] { return dlg::initFindRecord(find, hostWord, options); });
}

int QtQSDIDeleteFindCallback(QSDIFind *find)
{
    // Only records made here are freed: anything else is memory of unknown kind.
    if (!dlg::isLiveFindRecord(find))
        return kRefused;
    return TESK_GUARDED(kRefused, [&] {
        dlg::deleteFindRecord(find);
        return 0;
    });
}

int QtQSDIExecDialog(QSDIDescription *description)
{
    if (!description)
        return 0;
    return TESK_GUARDED(0, [&] { return dlg::execDescription(*description); });
}

int CuiDoModal(void *dialog)
{
    return TESK_ON_LIVE(QDialog, dialog, 0, [](QDialog &d) { return dlg::runDialogHandle(d); });
}

int CuiDialogExec(void *dialog)
{
    return TESK_ON_LIVE(QDialog, dialog, 0, [](QDialog &d) { return dlg::runDialogHandle(d); });
}

void QtSetModalDialogShown(int flag)
{
    TESK_GUARDED_VOID([&] { tesk::frame::setModalDialogShown(flag != 0); });
}

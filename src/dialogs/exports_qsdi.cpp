// Host-described dialogs: the records the host builds them from, running them, and running any
// dialog handle of the dialog families.
#include "dialogs/cuisimpledlgs.h"
#include "dialogs/qsdirecords.h"
#include "frame/core/exportguard.h"
#include "frame/core/services.h"

#include <tesk/tesk_dialogs.h>

namespace dlg = tesk::dialogs;

// The live records are the library's own state: they are looked up inside the guard, on the
// library's thread only.
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
    return TESK_GUARDED(kRefused, [&] {
        return dlg::isLiveDescription(description) ? dlg::addButton(description, label, code, role)
                                                   : kRefused;
    });
}

int QtQSDIAddEvent(QSDIDescription *description, int32_t id)
{
    return TESK_GUARDED(kRefused, [&] {
        return dlg::isLiveDescription(description) ? dlg::addEvent(description, id) : kRefused;
    });
}

int QtQSDIAddCallback(QSDIDescription *description, QSDICallbackFn function, void *data)
{
    return TESK_GUARDED(kRefused, [&] {
        return dlg::isLiveDescription(description) ? dlg::addCallback(description, function, data)
                                                   : kRefused;
    });
}

int QtQSDIAddEntry(QSDIDescription *description, char *buffer, int32_t maximum)
{
    return TESK_GUARDED(kRefused, [&] {
        return dlg::isLiveDescription(description) ? dlg::addEntry(description, buffer, maximum)
                                                   : kRefused;
    });
}

int QtQSDIAddToggle(QSDIDescription *description, const char *text, int32_t code, int32_t state)
{
    return TESK_GUARDED(kRefused, [&] {
        return dlg::isLiveDescription(description) ? dlg::addToggle(description, text, code, state)
                                                   : kRefused;
    });
}

int QtQSDIDeleteDialog(QSDIDescription *description)
{
    return TESK_GUARDED(kRefused, [&] {
        if (!dlg::isLiveDescription(description))
            return kRefused;
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
    return TESK_GUARDED(kRefused, [&] {
        // Only records made here are freed: anything else is memory of unknown kind.
        if (!dlg::isLiveFindRecord(find))
            return kRefused;
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
    TESK_GUARDED_VOID([&] { tesk::core::frameServices().setModalDialogShown(flag != 0); });
}

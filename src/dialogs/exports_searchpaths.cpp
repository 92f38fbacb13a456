// The source search-path dialog: create, fill, read back. CuiDoModal runs it, CuiDeleteObject
// ends it.
#include <tesk/tesk_searchpaths.h>

#include "dialogs/filequestions.h"
#include "dialogs/sourcesearchpathdlg.h"
#include "frame/core/cuihandles.h"
#include "frame/core/exportguard.h"
#include "frame/core/hosttext.h"

using tesk::dialogs::copyIfFits;

namespace {

using Dialog = SourceSearchPathDlg;

// A null text is an empty path, as the dialog's entries never are null.
QString hostText(const char *text)
{
    return tesk::core::hostText(text ? text : "");
}

using Text = QString (Dialog::*)(int) const;

// The entry's text with its NUL when there is one and it fits; the buffer is left alone else.
int copyText(const Dialog &dialog, Text text, int index, char *buffer, uint32_t size)
{
    const QString entry = (dialog.*text)(index);
    return !entry.isEmpty() && copyIfFits(entry.toUtf8(), buffer, size) ? 1 : 0;
}

} // namespace

TeskHandle CuiSourceSearchPathDlgCreate(TeskHandle parent)
{
    return TESK_GUARDED(TeskHandle(0), [&] {
        if (!tesk::applicationExists())
            return TeskHandle(0);
        auto *dialog = new SourceSearchPathDlg(tesk::dialogs::dialogParent(parent));
        return reinterpret_cast<TeskHandle>(tesk::handles::add(dialog));
    });
}

void CuiSourceSearchPathDlgSetHelpCallback(TeskHandle dialog, CuiSearchPathHelpFn fn)
{
    TESK_ON_LIVE_VOID(Dialog, dialog, [&](Dialog &d) { d.setHelpFunction(fn); });
}

void CuiSourceSearchPathDlgSetHelpId(TeskHandle dialog, int helpId)
{
    TESK_ON_LIVE_VOID(Dialog, dialog, [&](Dialog &d) { d.setHelpId(helpId); });
}

void CuiSourceSearchPathDlgAddEntry(TeskHandle dialog, const char *path)
{
    TESK_ON_LIVE_VOID(Dialog, dialog, [&](Dialog &d) { d.addSourceSearch(hostText(path)); });
}

void CuiSourceSearchPathDlgAddObjectEntry(TeskHandle dialog, const char *path)
{
    TESK_ON_LIVE_VOID(Dialog, dialog, [&](Dialog &d) { d.addObjectSearch(hostText(path)); });
}

void CuiSourceSearchPathDlgAddSMapping(TeskHandle dialog, const char *original, const char *mapped)
{
    TESK_ON_LIVE_VOID(Dialog, dialog,
                      [&](Dialog &d) { d.addSourceMapping(hostText(original), hostText(mapped)); });
}

void CuiSourceSearchPathDlgAddOMapping(TeskHandle dialog, const char *original, const char *mapped)
{
    TESK_ON_LIVE_VOID(Dialog, dialog,
                      [&](Dialog &d) { d.addObjectMapping(hostText(original), hostText(mapped)); });
}

void CuiSourceSearchPathDlgShowFirstActive(TeskHandle dialog)
{
    TESK_ON_LIVE_VOID(Dialog, dialog, [](Dialog &d) { d.showFirstActive(); });
}

int CuiSourceSearchPathDlgGetSSNum(TeskHandle dialog)
{
    return TESK_ON_LIVE(Dialog, dialog, 0, [](Dialog &d) { return d.sourceSearchCount(); });
}

int CuiSourceSearchPathDlgGetOSNum(TeskHandle dialog)
{
    return TESK_ON_LIVE(Dialog, dialog, 0, [](Dialog &d) { return d.objectSearchCount(); });
}

int CuiSourceSearchPathDlgGetSMapNum(TeskHandle dialog)
{
    return TESK_ON_LIVE(Dialog, dialog, 0, [](Dialog &d) { return d.sourceMappingCount(); });
}

int CuiSourceSearchPathDlgGetOMapNum(TeskHandle dialog)
{
    return TESK_ON_LIVE(Dialog, dialog, 0, [](Dialog &d) { return d.objectMappingCount(); });
}

int CuiSourceSearchPathDlgGetSSText(TeskHandle dialog, int index, char *buffer, uint32_t size)
{
    return TESK_ON_LIVE(Dialog, dialog, 0, [&](Dialog &d) {
        return copyText(d, &Dialog::sourceSearchText, index, buffer, size);
    });
}

int CuiSourceSearchPathDlgGetOSText(TeskHandle dialog, int index, char *buffer, uint32_t size)
{
    return TESK_ON_LIVE(Dialog, dialog, 0, [&](Dialog &d) {
        return copyText(d, &Dialog::objectSearchText, index, buffer, size);
    });
}

int CuiSourceSearchPathDlgGetSMapOrig(TeskHandle dialog, int index, char *buffer, uint32_t size)
{
    return TESK_ON_LIVE(Dialog, dialog, 0, [&](Dialog &d) {
        return copyText(d, &Dialog::sourceMappingOriginal, index, buffer, size);
    });
}

int CuiSourceSearchPathDlgGetSMapModd(TeskHandle dialog, int index, char *buffer, uint32_t size)
{
    return TESK_ON_LIVE(Dialog, dialog, 0, [&](Dialog &d) {
        return copyText(d, &Dialog::sourceMappingMapped, index, buffer, size);
    });
}

int CuiSourceSearchPathDlgGetOMapOrig(TeskHandle dialog, int index, char *buffer, uint32_t size)
{
    return TESK_ON_LIVE(Dialog, dialog, 0, [&](Dialog &d) {
        return copyText(d, &Dialog::objectMappingOriginal, index, buffer, size);
    });
}

int CuiSourceSearchPathDlgGetOMapModd(TeskHandle dialog, int index, char *buffer, uint32_t size)
{
    return TESK_ON_LIVE(Dialog, dialog, 0, [&](Dialog &d) {
        return copyText(d, &Dialog::objectMappingMapped, index, buffer, size);
    });
}

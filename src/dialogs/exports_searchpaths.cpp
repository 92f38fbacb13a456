// The source search-path dialog: create, fill, read back. CuiDoModal runs it, CuiDeleteObject
// ends it.
#include <tesk/tesk_searchpaths.h>

#include "dialogs/filequestions.h"
#include "dialogs/sourcesearchpathdlg.h"
#include "frame/core/cuihandles.h"
#include "frame/core/exportguard.h"

using tesk::dialogs::copyIfFits;

namespace {

SourceSearchPathDlg *searchPathDialog(TeskHandle handle)
{
    return qobject_cast<SourceSearchPathDlg *>(
        tesk::handles::object(reinterpret_cast<const void *>(handle)));
}

QString hostText(const char *text)
{
    return QString::fromLatin1(text ? text : "");
}

// Runs the operation on a live dialog of the family; anything else is ignored.
template<typename Operation>
void onDialog(TeskHandle handle, Operation operation)
{
    if (SourceSearchPathDlg *dialog = searchPathDialog(handle))
        operation(*dialog);
}

using Count = int (SourceSearchPathDlg::*)() const;
using Text = QString (SourceSearchPathDlg::*)(int) const;

int countOf(TeskHandle handle, Count count)
{
    const SourceSearchPathDlg *dialog = searchPathDialog(handle);
    return dialog ? (dialog->*count)() : 0;
}

// The entry's text with its NUL when there is one and it fits; the buffer is left alone else.
int copyText(TeskHandle handle, Text text, int index, char *buffer, uint32_t size)
{
    const SourceSearchPathDlg *dialog = searchPathDialog(handle);
    if (!dialog)
        return 0;
    const QString entry = (dialog->*text)(index);
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
    TESK_GUARDED_VOID(
        [&] { onDialog(dialog, [&](SourceSearchPathDlg &d) { d.setHelpFunction(fn); }); });
}

void CuiSourceSearchPathDlgSetHelpId(TeskHandle dialog, int helpId)
{
    TESK_GUARDED_VOID(
        [&] { onDialog(dialog, [&](SourceSearchPathDlg &d) { d.setHelpId(helpId); }); });
}

void CuiSourceSearchPathDlgAddEntry(TeskHandle dialog, const char *path)
{
    TESK_GUARDED_VOID([&] {
        onDialog(dialog, [&](SourceSearchPathDlg &d) { d.addSourceSearch(hostText(path)); });
    });
}

void CuiSourceSearchPathDlgAddObjectEntry(TeskHandle dialog, const char *path)
{
    TESK_GUARDED_VOID([&] {
        onDialog(dialog, [&](SourceSearchPathDlg &d) { d.addObjectSearch(hostText(path)); });
    });
}

void CuiSourceSearchPathDlgAddSMapping(TeskHandle dialog, const char *original, const char *mapped)
{
    TESK_GUARDED_VOID([&] {
        onDialog(dialog, [&](SourceSearchPathDlg &d) {
            d.addSourceMapping(hostText(original), hostText(mapped));
        });
    });
}

void CuiSourceSearchPathDlgAddOMapping(TeskHandle dialog, const char *original, const char *mapped)
{
    TESK_GUARDED_VOID([&] {
        onDialog(dialog, [&](SourceSearchPathDlg &d) {
            d.addObjectMapping(hostText(original), hostText(mapped));
        });
    });
}

void CuiSourceSearchPathDlgShowFirstActive(TeskHandle dialog)
{
    TESK_GUARDED_VOID(
        [&] { onDialog(dialog, [](SourceSearchPathDlg &d) { d.showFirstActive(); }); });
}

int CuiSourceSearchPathDlgGetSSNum(TeskHandle dialog)
{
    return TESK_GUARDED(0,
                        [&] { return countOf(dialog, &SourceSearchPathDlg::sourceSearchCount); });
}

int CuiSourceSearchPathDlgGetOSNum(TeskHandle dialog)
{
    return TESK_GUARDED(0,
                        [&] { return countOf(dialog, &SourceSearchPathDlg::objectSearchCount); });
}

int CuiSourceSearchPathDlgGetSMapNum(TeskHandle dialog)
{
    return TESK_GUARDED(0,
                        [&] { return countOf(dialog, &SourceSearchPathDlg::sourceMappingCount); });
}

int CuiSourceSearchPathDlgGetOMapNum(TeskHandle dialog)
{
    return TESK_GUARDED(0,
                        [&] { return countOf(dialog, &SourceSearchPathDlg::objectMappingCount); });
}

int CuiSourceSearchPathDlgGetSSText(TeskHandle dialog, int index, char *buffer, uint32_t size)
{
    return TESK_GUARDED(0, [&] {
        return copyText(dialog, &SourceSearchPathDlg::sourceSearchText, index, buffer, size);
    });
}

int CuiSourceSearchPathDlgGetOSText(TeskHandle dialog, int index, char *buffer, uint32_t size)
{
    return TESK_GUARDED(0, [&] {
        return copyText(dialog, &SourceSearchPathDlg::objectSearchText, index, buffer, size);
    });
}

int CuiSourceSearchPathDlgGetSMapOrig(TeskHandle dialog, int index, char *buffer, uint32_t size)
{
    return TESK_GUARDED(0, [&] {
        return copyText(dialog, &SourceSearchPathDlg::sourceMappingOriginal, index, buffer, size);
    });
}

int CuiSourceSearchPathDlgGetSMapModd(TeskHandle dialog, int index, char *buffer, uint32_t size)
{
    return TESK_GUARDED(0, [&] {
        return copyText(dialog, &SourceSearchPathDlg::sourceMappingMapped, index, buffer, size);
    });
}

int CuiSourceSearchPathDlgGetOMapOrig(TeskHandle dialog, int index, char *buffer, uint32_t size)
{
    return TESK_GUARDED(0, [&] {
        return copyText(dialog, &SourceSearchPathDlg::objectMappingOriginal, index, buffer, size);
    });
}

int CuiSourceSearchPathDlgGetOMapModd(TeskHandle dialog, int index, char *buffer, uint32_t size)
{
    return TESK_GUARDED(0, [&] {
        return copyText(dialog, &SourceSearchPathDlg::objectMappingMapped, index, buffer, size);
    });
}

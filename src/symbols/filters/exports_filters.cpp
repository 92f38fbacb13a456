// The event filter exports: the process-wide set, its tagged section in the host's files and
// the dialog that edits it.
#include <tesk/tesk_filters.h>

#include "frame/core/cuihandles.h"
#include "frame/core/exportguard.h"
#include "frame/core/services.h"
#include "symbols/filters/filtering.h"
#include "symbols/filters/modulefilterdlg.h"

#include <QApplication>
#include <QFile>

using Filtering::SymbolFileFilterData;

namespace {

SymbolFileFilterData &filters()
{
    return *SymbolFileFilterData::instance();
}

} // namespace

int CuiFilters_SetDefault(void)
{
    return TESK_GUARDED(0, [] {
        filters().SetDefault();
        return 1;
    });
}

int CuiFilters_IsActiveModuleFiltering(void)
{
    return TESK_GUARDED(0, [] { return filters().IsActive() ? 1 : 0; });
}

int CuiFilters_GetModuleFilter(int index, void *record, int size)
{
    return TESK_GUARDED(0, [&] {
        const Filtering::FModuleCollFilters &list = filters().ModuleFilters();
        if (!record || size != int(sizeof(ModuleFilterRecord)) || index < 0 ||
            index >= list.Count())
            return 0;
        Filtering::fillModuleFilterRecord(*list.ModuleAt(index),
                                          *static_cast<ModuleFilterRecord *>(record));
        return 1;
    });
}

int CuiFilters_Store(const char *file, const char *tag)
{
    return TESK_GUARDED(0, [&] {
        if (!file || !tag)
            return 0;
        return NXmlSerial::storeXmlSection(QFile::decodeName(file), QString::fromLatin1(tag),
                                           filters());
    });
}

int CuiFilters_Load(const char *file, const char *tag)
{
    return TESK_GUARDED(0, [&] {
        if (!file || !tag)
            return 0;
        return Filtering::loadFilterSection(filters(), QFile::decodeName(file),
                                            QString::fromLatin1(tag));
    });
}

TeskHandle CuiFilters_ModuleFilterDlgCreate(TeskHandle parent, const char *text)
{
    return TESK_GUARDED(TeskHandle(0), [&] {
        // Widgets need the application that CuiQtInit_Win makes.
        if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
            return TeskHandle(0);
        auto *owner =
            qobject_cast<QWidget *>(tesk::handles::object(reinterpret_cast<const void *>(parent)));
        if (!owner)
            owner = tesk::core::frameServices().currentMainWindow();
        auto *dialog = new ModuleFilterDlg(owner);
        dialog->Init(filters(), QString::fromLatin1(text ? text : ""));
        return reinterpret_cast<TeskHandle>(tesk::handles::add(dialog));
    });
}

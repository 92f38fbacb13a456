// The one place where the library learns that it is unloaded, and ends what it made in the
// order a process that goes on needs: what lives in the application and holds toolkit objects
// while an application is still there, the library's own application, then the process-wide
// objects of plain memory. Nothing of the library may stay reachable from the host's
// application, nor be left behind as memory nobody can reach.
#include "dialogs/ksodialogs_common.h"
#include "frame/app/cuiapp.h"
#include "frame/core/brokerguard.h"
#include "frame/core/cuifunctionregistry.h"
#include "frame/core/cuihandles.h"
#include "frame/core/exportguard.h"
#include "frame/core/hostsubscriptions.h"
#include "frame/core/hosttexts.h"
#include "frame/core/plugincomponents.h"
#include "frame/menus/iconcache.h"
#include "frame/menus/menutables.h"
#include "frame/windows/docking/cuipaneregistry.h"
#include "frame/windows/store.h"
#include "frame/windows/toolbars/scriptdata.h"
#include "objectinspector/objecttree.h"
#include "registers/regdatasets.h"
#include "symbols/breakpoints/breakpointhandles.h"
#include "symbols/symtabdatasource.h"
#include "sync/syncregistration.h"
#include "system/lifetime.h"
#include "system/singleinstance.h"
#include "utilities/asciiline.h"

#include <QGuiApplication>
#include <QLocalSocket>
#include <QObject>
#include <QWidget>

#include <dlfcn.h>

namespace {

// Process-wide objects that hold fonts, icons, pictures or widgets.
void endToolkitHolders()
{
    endSyncWindow();
    IconCache::end();
    tesk::utilities::AsciiLine::forgetFonts();
}

// Process-wide objects of plain memory, once nothing that uses them is left.
void endPlainHolders()
{
    // The claim a start kept for the next: its name would otherwise stay for another instance
    // to find dead.
    tesk::system::SingleInstance::dropKeptClaim();
    tesk::breakpoints::endAll();
    SymtabDataSource::endUnowned();
    endSyncComponents();
    tesk::broker::endPluginComponents();
    ScriptData::end();
    RegDataSets::end();
    Store::end();
    CuiPaneRegistry::end();
    MenuTables::end();
    CuiFunctionRegistry::end();
    FileDialogMRU::end();
    tesk::inspector::forgetObjectIds();
    tesk::texts::end();
    tesk::handles::end();
}

// The toolkit's libraries stay loaded once the library loaded them, whoever else holds them.
// The toolkit's core keeps records of the types of its other libraries it was told of (the
// widgets' among them): a host that holds the core alone would otherwise let the others go
// with the library, and a second load would find those records pointing into memory mapped
// anew. Each library is named by the file that holds one of its objects.
void keepToolkitLoaded()
{
    const void *const inEach[] = {&QObject::staticMetaObject, &QGuiApplication::staticMetaObject,
                                  &QWidget::staticMetaObject, &QLocalSocket::staticMetaObject};
    for (const void *object : inEach) {
        Dl_info info{};
        if (dladdr(object, &info) && info.dli_fname)
            dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
    }
}

const bool g_unloadPrepared = [] {
    keepToolkitLoaded();
    tesk::app::setToolkitHoldersEnd(&endToolkitHolders);
    tesk::watchProcessEnd();
    return true;
}();

// Unloading runs the library's destructor functions before any of its static objects is
// destroyed, so everything ended here is still whole. At the process's end they run after
// statics of the library instead (also when a host's static destructor calls dlclose): nothing
// is handed back to the host then, whose own objects may have gone, and nothing that holds
// toolkit objects is touched; only the plain memory is freed, which a dlclose would otherwise
// leave unreachable. Those holders need no static of the library to end. So it goes off the
// library's thread too.
__attribute__((destructor)) void unloadLibrary()
{
    // Off the library's thread (a host thread that calls exit() runs the host's exit handlers
    // while the library's thread waits for it) no window may be touched: it would wait for
    // that thread for ever. Only the plain memory is freed, as at the process's end. Without
    // an application there is no window, and the observers go as at any unload.
    if (tesk::processEnding() || (tesk::applicationExists() && !tesk::isLibraryThread())) {
        tesk::broker::forgetObservers();
        endPlainHolders();
        return;
    }
    // The host's subjects stay the host's: no event of theirs may reach the going library.
    tesk::broker::detachAllObservers();
    // Nor may a notification a host thread sent and the library did not carry out yet.
    tesk::broker::endCarrier();
    // What the library queued for later runs now, while its code is there.
    tesk::lifetime::endQueuedCalls();
    tesk::app::endAtUnload();
    endPlainHolders();
}

} // namespace

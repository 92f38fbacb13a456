// The symbol table data source: the host's records in, the navigator's tree out.
#include <tesk/tesk_symbols.h>

#include "frame/core/cuihandles.h"
#include "frame/core/exportguard.h"
#include "symbols/runtimeexception.h"
#include "symbols/symtabdatasource.h"
#include "system/lifetime.h"

namespace {

constexpr int kDone = 0;
constexpr int kRefused = 1;

using AddRecord = void (SymtabDataSource::*)(QByteArrayView);

// A symbol record that breaks the tree's rules is reported to the user and dropped; the tree
// built so far stays as it was.
int addSymbolRecord(const char *exportName, TeskHandle handle, const char *text, AddRecord add)
{
    if (!text)
        return kRefused;
    return tesk::onLive<SymtabDataSource>(exportName, reinterpret_cast<const void *>(handle),
                                          kRefused, [&](SymtabDataSource &source) {
                                              try {
                                                  (source.*add)(QByteArrayView(text));
                                              } catch (const std::exception &error) {
                                                  tesk::symbols::showRuntimeException(error);
                                                  return kRefused;
                                              }
                                              return kDone;
                                          });
}

} // namespace

TeskHandle CuiSymtabDataSourceCreate(void)
{
    return TESK_GUARDED(TeskHandle(0), [] {
        auto *source = new SymtabDataSource;
        return reinterpret_cast<TeskHandle>(tesk::handles::add(source));
    });
}

int CuiSymtabDataSourceDestroy(TeskHandle handle)
{
    if (!handle)
        return kDone;
    return TESK_ON_LIVE(SymtabDataSource, handle, kRefused, [](SymtabDataSource &source) {
        // The host may destroy the source from inside its own update: it goes once that ends.
        tesk::lifetime::destroy(&source);
        return kDone;
    });
}

int CuiSymtabDataSourceSetVdata(TeskHandle handle, TeskHandle vdata)
{
    return TESK_ON_LIVE(SymtabDataSource, handle, kRefused, [vdata](SymtabDataSource &source) {
        source.setVdata(vdata);
        return kDone;
    });
}

int CuiSymtabDataSourceSetFuncHandler(TeskHandle handle, CuiSymtabHostFn handler)
{
    return TESK_ON_LIVE(SymtabDataSource, handle, kRefused, [handler](SymtabDataSource &source) {
        source.setHandler(handler);
        return kDone;
    });
}

int CuiSymtabDataSourceUpdate(TeskHandle handle)
{
    return TESK_ON_LIVE(SymtabDataSource, handle, kRefused, [](SymtabDataSource &source) {
        source.update();
        return kDone;
    });
}

int CuiSymtabDataSourceAddImage(TeskHandle handle, const char *text)
{
    if (!text)
        return kRefused;
    return TESK_ON_LIVE(SymtabDataSource, handle, kRefused, [text](SymtabDataSource &source) {
        source.addImage(QByteArrayView(text));
        return kDone;
    });
}

int CuiSymtabDataSourceAddModule(TeskHandle handle, const char *text)
{
    if (!text)
        return kRefused;
    return TESK_ON_LIVE(SymtabDataSource, handle, kRefused, [text](SymtabDataSource &source) {
        source.addModule(QByteArrayView(text));
        return kDone;
    });
}

int CuiSymtabDataSourceAddFunction(TeskHandle handle, const char *text)
{
    return addSymbolRecord(__func__, handle, text, &SymtabDataSource::addFunction);
}

int CuiSymtabDataSourceAddVariable(TeskHandle handle, const char *text)
{
    return addSymbolRecord(__func__, handle, text, &SymtabDataSource::addVariable);
}

int CuiSymtabDataSourceDumpTree(TeskHandle handle)
{
    return TESK_ON_LIVE(SymtabDataSource, handle, kRefused, [](SymtabDataSource &source) {
        source.dumpTree();
        return kDone;
    });
}

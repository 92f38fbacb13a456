#include "frame/core/hostinterfaces.h"

#include "frame/core/cuifunctionregistry.h"
#include "system/lifetime.h"

#include <stdexcept>

namespace {

HostInterfaces *&holder()
{
    static HostInterfaces *h = nullptr;
    return h;
}

// Host table "eeaccessFuncs": entry 1 lists strings for a handle.
struct EeaccessFuncs
{
    void *entry0;
    CuiHostStringListFn getStringList;
};

} // namespace

HostInterfaces *HostInterfaces::instance()
{
    if (holder())
        return holder();
    const CuiFunctionRegistry *registry = CuiFunctionRegistry::instance();
    auto eeaccess = registry->function<CuiHostEeaccessFn>(QStringLiteral("eeaccess"));
    if (!eeaccess)
        throw std::runtime_error(
            "The entry point for the 'eeaccess' interface could not be found.");
    auto gui = registry->function<CuiHostGuiFn>(QStringLiteral("gui"));
    if (!gui)
        throw std::runtime_error("The entry point for the 'gui' interface could not be found.");
    holder() = new HostInterfaces(eeaccess, gui);
    return holder();
}

void HostInterfaces::reset()
{
    delete holder();
    holder() = nullptr;
}

// The host may end library objects from inside these entries: whatever it ends waits for the
// scope, and the caller checks its own object afterwards.
bool hostEeaccessCall(intptr_t argument, const QString &text)
{
    const CuiHostEeaccessFn eeaccess = HostInterfaces::instance()->eeaccess();
    const tesk::lifetime::Scope scope;
    return eeaccess(0, 0, argument, text.toUtf8().constData(), 0) == 0;
}

bool hostGuiCall(intptr_t argument, const QString &text, TeskHandle windowBox)
{
    const CuiHostGuiFn gui = HostInterfaces::instance()->gui();
    const tesk::lifetime::Scope scope;
    return gui(0, 0, argument, text.toUtf8().constData(), windowBox) == 0;
}

bool eeaccessGetStringList(TeskHandle handle, QStringList &list)
{
    // Looked up on every call: a host that removes or replaces its table leaves no stale
    // pointer behind.
    const auto *table = static_cast<const EeaccessFuncs *>(
        CuiFunctionRegistry::instance()->getVoidStar(QStringLiteral("eeaccessFuncs")));
    list.clear();
    if (!table || !table->getStringList)
        return false;
    char *text = nullptr;
    const tesk::lifetime::Scope scope;
    if (table->getStringList(handle, &text) != 0)
        return false;
    if (text)
        list = QString::fromUtf8(text).split(u'\n', Qt::SkipEmptyParts);
    return true;
}

#include "frame/windows/ctesk_facade.h"

#include "frame/core/moskutil.h"
#include "frame/core/plugincomponents.h"

namespace {

MoskResult registerFacade(MoskRegistrar *registrar)
{
    return registrar->ops->registerComponent(registrar, "tesk", "tesk_Facade.component.1",
                                             CTesk_Facade::instance()->face());
}

const tesk::broker::PluginComponents facadeComponents(tesk::broker::kFacadeOrder,
                                                      &registerFacade);

CTesk_Facade *&processPointer()
{
    static CTesk_Facade *pointer = nullptr;
    return pointer;
}
} // namespace

const ITesk_FacadeOps CTesk_Facade::s_ops = {
    &getInterfaceInfo,    &addRef,           &release,     &queryInterface,
    &dockForMultipleView, &undockView,       &windowHandle, &mainWindowOf,
    &currentMainWindow,   &addDockMenuItems, &activateDockMenuItem,
};

CTesk_Facade::CTesk_Facade()
{
    ops = &s_ops;
}

CTesk_Facade *CTesk_Facade::instance()
{
    static CTesk_Facade facade;
    if (!processPointer())
        processPointer() = &facade;
    return &facade;
}

CTesk_Facade *CTesk_Facade::current()
{
    return processPointer();
}

uint64_t CTesk_Facade::viewIdOfDock(QObject *dock) const
{
    return m_viewIds.value(dock, ~uint64_t(0));
}

MoskResult CTesk_Facade::getInterfaceInfo(void *, uint32_t *id, uint32_t *v1, uint32_t *v2,
                                          uint32_t *v3)
{
    mosk::writeInterfaceInfo(TESK_IID_FACADE, 0, 0, id, v1, v2, v3);
    return nullptr;
}

uint32_t CTesk_Facade::addRef(void *face)
{
    return ++self(face)->m_refCount;
}

uint32_t CTesk_Facade::release(void *face)
{
    CTesk_Facade *facade = self(face);
    if (facade->m_refCount > 0 && --facade->m_refCount == 0)
        processPointer() = nullptr;
    return facade->m_refCount;
}

MoskResult CTesk_Facade::queryInterface(void *face, void **out, uint32_t id, uint32_t version)
{
    static const tesk::broker::InterfaceVersion supported[] = {{MOSK_IID_BASE, 1},
                                                             {TESK_IID_FACADE, 0}};
    return tesk::broker::answerQuery(face, out, id, version, supported);
}

// Docking, the dock menu and the window questions need main windows; until one exists there
// is nothing to dock into and no window to name, which every operation answers with success.
MoskResult CTesk_Facade::dockForMultipleView(void *, uint64_t, void *, void *)
{
    return nullptr;
}

MoskResult CTesk_Facade::undockView(void *, void *)
{
    return nullptr;
}

MoskResult CTesk_Facade::windowHandle(void *, void *, TeskHandle *out)
{
    if (out)
        *out = 0;
    return nullptr;
}

MoskResult CTesk_Facade::mainWindowOf(void *, void *, void **out)
{
    if (out)
        *out = nullptr;
    return nullptr;
}

MoskResult CTesk_Facade::currentMainWindow(void *, void **out)
{
    if (out)
        *out = nullptr;
    return nullptr;
}

MoskResult CTesk_Facade::addDockMenuItems(void *, void *)
{
    return nullptr;
}

MoskResult CTesk_Facade::activateDockMenuItem(void *, void *, int)
{
    return nullptr;
}

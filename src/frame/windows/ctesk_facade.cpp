#include "frame/windows/ctesk_facade.h"

#include "frame/core/plugincomponents.h"

namespace {

MoskResult registerFacade(MoskRegistrar *registrar)
{
    return registrar->ops->registerComponent(registrar, "tesk", "tesk_Facade.component.1",
                                             CTesk_Facade::instance()->face());
}

const tesk::broker::PluginComponents facadeComponents(tesk::broker::kFacadeOrder, &registerFacade);

CTesk_Facade *&processPointer()
{
    static CTesk_Facade *pointer = nullptr;
    return pointer;
}
} // namespace

const ITesk_FacadeOps CTesk_Facade::s_ops = {
    MOSK_FACE_BASE(Face), &dockForMultipleView, &undockView,       &windowHandle,
    &mainWindowOf,        &currentMainWindow,   &addDockMenuItems, &activateDockMenuItem,
};

CTesk_Facade::CTesk_Facade()
    : m_face(this, &s_ops)
{
    enterInterface(MOSK_IID_BASE, 1, face());
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

void CTesk_Facade::lastReleased()
{
    processPointer() = nullptr;
}

uint64_t CTesk_Facade::viewIdOfDock(QObject *dock) const
{
    return m_viewIds.value(dock, ~uint64_t(0));
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

#include "viewsdemo.h"

#include "demoexports.h"

#include <tesk/tesk.h>
#include <tesk/tesk_views.h>

#include <mosk/mosk.hpp>

#include <cstdio>

namespace demo {

IGcp_ViewsManager *viewsManager()
{
    MoskBroker *broker = moskGetObjectBroker();
    void *object = nullptr;
    MoskResult result =
        broker->ops->getComponent(broker, GCP_CATEGORY, GCP_VIEWS_MANAGER_COMPONENT, &object);
    broker->ops->Release(broker);
    if (result || !object) {
        std::printf("host: no views manager (code %#x)\n", moskErrorCode(result));
        mosk::release(result);
        return nullptr;
    }
    return static_cast<IGcp_ViewsManager *>(object);
}

void placeNextPaneAtBottom(void *library, bool newLine)
{
    DEMO_RESOLVE(library, QtCreateDocked)(1, newLine ? 1 : 0);
}

void runViewsDemo(void *library)
{
    IGcp_ViewsManager *views = viewsManager();
    if (!views)
        return;
    placeNextPaneAtBottom(library, false);

    uint64_t viewId = 0;
    mosk::release(views->ops->createViewInNewPane(views, GCP_VIEW_TYPE_MEMORY, 0, &viewId));
    std::printf("host: memory view %llu in a new pane\n", static_cast<unsigned long long>(viewId));
    uint64_t refused = 0;
    mosk::release(views->ops->createViewInNewPane(views, "Registers", 0, &refused));
    std::printf("host: a \"Registers\" view is not made (id %llu)\n",
                static_cast<unsigned long long>(refused));

    // Opened twice with reuse: the second time the same view shows the address (view ids
    // count on from the first view).
    const TeskMemoryAddress address{0x2000, 0};
    for (int i = 0; i < 2; ++i) {
        placeNextPaneAtBottom(library, false);
        mosk::release(views->ops->openView(views, GCP_VIEW_TYPE_MEMORY, 0, &address, 1));
    }
    IGc_Window *window = nullptr;
    mosk::release(views->ops->findWindow(views, viewId + 2, &window));
    std::printf("host: openView with reuse made %s view\n", window ? "a second" : "one");
    mosk::release(window);
    mosk::release(views->ops->targetUpdated(views, 1));
    views->ops->Release(views);
}

} // namespace demo

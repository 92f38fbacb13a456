#pragma once
// What the views tests share: the views manager fetched from the broker as a host fetches it,
// main windows to dock the panes into, and the host's event subject.

#include "eventsubjecthost.h"
#include "frames.h"
#include "simulatedtarget.h"
#include "testhost.h"

#include "gui_components/gc_panes/memoryview/viewmemory.h"
#include "gui_components/gc_panes/views/cgcp_viewsmanager.h"
#include "gui_components/gc_panes/views/kpane.h"

#include <tesk/tesk_views.h>

#include <mosk/mosk.hpp>

#include <gtest/gtest.h>

#include <string>

namespace viewstest {

// The code of an error result, which it releases.
inline uint32_t codeOf(MoskResult result)
{
    const uint32_t code = moskErrorCode(result);
    mosk::release(result);
    return code;
}

// One reference for the caller.
inline IGcp_ViewsManager *managerFace()
{
    MoskBroker *broker = moskGetObjectBroker();
    void *object = nullptr;
    mosk::release(
        broker->ops->getComponent(broker, GCP_CATEGORY, GCP_VIEWS_MANAGER_COMPONENT, &object));
    return static_cast<IGcp_ViewsManager *>(object);
}

inline CGcp_ViewsManager *manager()
{
    return CGcp_ViewsManager::instance();
}

inline KViewMemory *memoryView(uint64_t viewId)
{
    return qobject_cast<KViewMemory *>(manager()->viewWidget(viewId));
}

inline KPane *paneWidget(uint64_t paneId)
{
    KGc_Pane *pane = manager()->pane(paneId);
    return pane ? pane->getWidget() : nullptr;
}

// The settings text a host stores of the view, read through the view's face.
inline std::string storedSettings(IGcp_ViewsManager *face, uint64_t viewId)
{
    IGc_Window *window = nullptr;
    mosk::release(face->ops->findWindow(face, viewId, &window));
    if (!window)
        return std::string();
    auto *view = reinterpret_cast<IGc_View *>(window);
    MoskValue *value = moskValueCreate("");
    std::string text;
    if (MoskResult failed = view->ops->saveSettings(view, value))
        mosk::release(failed);
    else if (const char *chars = nullptr; value->ops->getText(value, &chars) == nullptr && chars)
        text = chars;
    mosk::release(value);
    mosk::release(window);
    return text;
}

class ViewsTest : public FrameTest
{
protected:
    void SetUp() override
    {
        testhost::startLibrary();
        // Before the first view: the memory bridge looks for the host's component once.
        SimulatedTarget::registerWithBroker();
        sim().reset();
        FrameTest::SetUp();
        window = createFrame("Views", 0x5100);
        subject().setCurrent(0, 0);
        subject().setFailing(false);
        face = managerFace();
        ASSERT_NE(face, nullptr);
    }
    void TearDown() override
    {
        mosk::release(face);
        FrameTest::TearDown();
        testhost::pumpFor(20);
    }
    static SimulatedTarget &sim() { return SimulatedTarget::installed(); }
    static testhost::EventSubjectHost &subject() { return testhost::EventSubjectHost::instance(); }

    // A memory view in a new pane of the target; its id.
    uint64_t newView(uint64_t targetId = 0, const char *type = "Memory")
    {
        uint64_t id = GC_NO_ID;
        EXPECT_EQ(face->ops->createViewInNewPane(face, type, targetId, &id), nullptr);
        return id;
    }
    uint64_t newPane(uint64_t targetId)
    {
        uint64_t id = 0;
        EXPECT_EQ(face->ops->createMemoryPane(face, &id, targetId), nullptr);
        return id;
    }
    uint64_t viewIn(uint64_t paneId)
    {
        uint64_t id = 0;
        EXPECT_EQ(face->ops->createView(face, paneId, "memory", nullptr, 0, &id), nullptr);
        return id;
    }

    MainWindow *window = nullptr;
    IGcp_ViewsManager *face = nullptr;
};

} // namespace viewstest

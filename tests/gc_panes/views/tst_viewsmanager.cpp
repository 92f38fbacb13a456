// The views manager through its broker face: view types, the host's events and their target
// filter, interface versions, ids, reuse, duplication, reference counts and the manager's
// life through a Release to 0.
#include "viewstest.h"

#include "gui_components/gc_panes/cgcp_ksoeventobserver.h"
#include "gui_components/gc_panes/kgc_style.h"
#include "gui_components/gc_panes/kpanetabbar.h"

#include "frame/windows/ctesk_facade.h"
#include "frame/windows/docking/dockwidget.h"

#include <QTabBar>

#include <array>
#include <cstring>

using namespace viewstest;

namespace {

int countOf(const QStringList &calls, const QString &call)
{
    return int(calls.count(call));
}

TEST_F(ViewsTest, MemoryInAnyCaseMakesADockedViewOtherTypesNothing)
{
    const uint64_t id = newView(0, "MEMORY");
    KViewMemory *view = memoryView(id);
    ASSERT_NE(view, nullptr);
    KPane *pane = paneWidget(view->paneId());
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(pane->tabWidget()->tabText(pane->tabWidget()->indexOf(view)), "Memory");
    DockWidget *dock = tesk::frame::dockHolding(pane);
    ASSERT_NE(dock, nullptr);
    EXPECT_EQ(dock->mainWindow(), window);
    EXPECT_TRUE(window->dockList().contains(dock));

    const int docks = window->dockList().size();
    EXPECT_EQ(newView(0, "register"), 0u);
    EXPECT_EQ(newView(0, "memory2"), 0u);
    // A refused type leaves no empty pane behind.
    EXPECT_EQ(window->dockList().size(), docks);

    uint64_t untouched = 7;
    EXPECT_EQ(codeOf(face->ops->createViewInNewPane(face, nullptr, 0, &untouched)),
              MOSK_ERR_BAD_ARGUMENT);
    EXPECT_EQ(untouched, 0u);
}

TEST_F(ViewsTest, ANewViewTakesTheSettingsThenTheSubjectsTarget)
{
    subject().setCurrent(42, 0);
    uint64_t id = 0;
    ASSERT_EQ(face->ops->createView(face, GC_NO_ID, "Memory", "1:a=1", 3, &id), nullptr);
    KViewMemory *view = memoryView(id);
    ASSERT_NE(view, nullptr);
    const QStringList calls = view->calls();
    const int restored = int(calls.indexOf("restoreSettings 1:a=1"));
    ASSERT_GE(restored, 0);
    EXPECT_GT(calls.indexOf("setTarget 42"), restored);
    EXPECT_EQ(manager()->pane(view->paneId())->targetId(), 3u);
}

TEST_F(ViewsTest, EventsReachThePanesOfTheSubjectsIdOrAllForIdZero)
{
    const uint64_t five = viewIn(newPane(5));
    const uint64_t six = viewIn(newPane(6));
    KViewMemory *viewFive = memoryView(five);
    KViewMemory *viewSix = memoryView(six);
    ASSERT_TRUE(viewFive && viewSix);
    auto clear = [&] {
        viewFive->clearCalls();
        viewSix->clearCalls();
    };

    struct Case
    {
        int kind;
        uint64_t id;
        QString five, six; // the call each view sees, empty for none
    };
    const Case cases[] = {
        {13, 5, "targetUpdated 42 1", ""},
        {14, 6, "", "targetUpdated 42 1"},
        {20, 0, "targetUpdated 42 1", "targetUpdated 42 1"},
        {26, 5, "targetUpdated 42 1", ""},
        {5, 5, "targetUpdated 42 0", ""},
        {15, 0, "targetUpdated 42 0", "targetUpdated 42 0"},
        {16, 6, "", "targetUpdated 42 0"},
        {17, 6, "", "setTarget 42"},
        // Target changes go only to panes of that id, never to all.
        {17, 0, "", ""},
        {3, 0, "", ""},
        {29, 0, "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.kind);
        clear();
        subject().setCurrent(42, c.id);
        const uint64_t updates = manager()->updateCount();
        EXPECT_EQ(subject().fire(c.kind), 0u);
        EXPECT_EQ(viewFive->calls(), c.five.isEmpty() ? QStringList() : QStringList{c.five});
        EXPECT_EQ(viewSix->calls(), c.six.isEmpty() ? QStringList() : QStringList{c.six});
        // Every update event counts, whichever panes it reaches.
        const bool counts = c.kind != 17 && c.kind != 3 && c.kind != 29;
        EXPECT_EQ(manager()->updateCount(), updates + (counts ? 1 : 0));
        EXPECT_EQ(manager()->currentEvent(), -1);
    }
}

TEST_F(ViewsTest, ObserverIsSubscribedOnceToEveryKind)
{
    std::vector<int> expected(GCP_EVENT_KINDS);
    for (int kind = 0; kind < GCP_EVENT_KINDS; ++kind)
        expected[kind] = kind;
    EXPECT_EQ(subject().subscribedKinds(), expected);
    // A second plug-in registration finds the manager registered and subscribes nothing more.
    MoskResult again =
        gcpRegisterComponents(reinterpret_cast<MoskRegistrar *>(moskGetObjectBroker()));
    EXPECT_EQ(codeOf(again), MOSK_ERR_DUPLICATE);
    EXPECT_EQ(subject().subscribedKinds(), expected);
}

TEST_F(ViewsTest, AFailingSubjectEndsTheEventWithAnErrorAndNoMark)
{
    viewIn(newPane(0));
    subject().setFailing(true);
    const uint64_t updates = manager()->updateCount();
    EXPECT_EQ(subject().fire(13), 0u);
    EXPECT_EQ(manager()->updateCount(), updates);
    EXPECT_EQ(manager()->currentEvent(), -1);
    // A view made meanwhile still reaches the host with its id.
    EXPECT_NE(newView(), 0u);
}

void expectQuery(void *object, uint32_t id, uint32_t version, uint32_t code)
{
    SCOPED_TRACE(testing::Message() << std::hex << id << " v" << version);
    auto *base = static_cast<MoskBase *>(object);
    void *out = reinterpret_cast<void *>(1);
    const uint32_t answer = codeOf(base->ops->QueryInterface(base, &out, id, version));
    EXPECT_EQ(answer, code);
    if (code) {
        EXPECT_EQ(out, nullptr);
    } else {
        EXPECT_NE(out, nullptr);
        mosk::release(out);
    }
}

TEST_F(ViewsTest, QueryInterfaceAcceptsItsIdsInTheirVersions)
{
    expectQuery(face, GCP_IID_VIEWS_MANAGER, 0, 0);
    expectQuery(face, GCP_IID_VIEWS_MANAGER, 1, MOSK_ERR_VERSION);
    expectQuery(face, MOSK_IID_BASE, 1, 0);
    expectQuery(face, MOSK_IID_BASE, 2, MOSK_ERR_VERSION);
    expectQuery(face, TESK_IID_MEMORY_ACCESS, 0, MOSK_ERR_NO_INTERFACE);

    MoskObserver *observer = CGcp_KsoEventObserver::instance()->face();
    uint32_t words[4] = {};
    observer->ops->getInterfaceInfo(observer, &words[0], &words[1], &words[2], &words[3]);
    EXPECT_EQ(std::vector<uint32_t>(words, words + 3),
              (std::vector<uint32_t>{MOSK_IID_OBSERVER, 1, 1}));
    EXPECT_EQ(words[3], 74u);
    expectQuery(observer, MOSK_IID_OBSERVER, 1, 0);
    expectQuery(observer, MOSK_IID_OBSERVER, 2, MOSK_ERR_VERSION);

    const uint64_t viewId = newView();
    KViewMemory *view = memoryView(viewId);
    ASSERT_NE(view, nullptr);
    IGc_Pane *pane = nullptr;
    ASSERT_EQ(face->ops->getWindow(face, view->paneId(), &pane), nullptr);
    ASSERT_NE(pane, nullptr);
    expectQuery(pane, GC_IID_PANE, 0, 0);
    expectQuery(pane, GC_IID_PANE_WINDOW, 0, 0);
    expectQuery(pane, GC_IID_PANE, 1, MOSK_ERR_VERSION);
    expectQuery(pane, GC_IID_VIEW, 0, MOSK_ERR_NO_INTERFACE);
    IGc_Window *window = nullptr;
    ASSERT_EQ(face->ops->findWindow(face, viewId, &window), nullptr);
    ASSERT_NE(window, nullptr);
    expectQuery(window, GC_IID_VIEW, 0, 0);
    expectQuery(window, GC_IID_VIEW_WINDOW, 0, 0);
    expectQuery(window, GC_IID_VIEW_WINDOW, 1, MOSK_ERR_VERSION);
    expectQuery(window, GC_IID_PANE, 0, MOSK_ERR_NO_INTERFACE);
    mosk::release(window);
    mosk::release(pane);
}

TEST_F(ViewsTest, UnknownIdsFindNothing)
{
    const uint64_t viewId = newView();
    auto *sentinel = reinterpret_cast<IGc_Pane *>(0x10);
    IGc_Pane *pane = sentinel;
    EXPECT_EQ(face->ops->getWindow(face, 987654, &pane), nullptr);
    EXPECT_EQ(pane, nullptr);

    auto *windowSentinel = reinterpret_cast<IGc_Window *>(0x10);
    IGc_Window *window = windowSentinel;
    EXPECT_EQ(face->ops->findWindow(face, 987654, &window), nullptr);
    EXPECT_EQ(window, windowSentinel);

    ASSERT_EQ(face->ops->getWindow(face, memoryView(viewId)->paneId(), &pane), nullptr);
    window = windowSentinel;
    EXPECT_EQ(pane->ops->findWindow(pane, viewId + 1000, &window), nullptr);
    EXPECT_EQ(window, windowSentinel);
    EXPECT_EQ(codeOf(face->ops->getWindow(face, 1, nullptr)), MOSK_ERR_BAD_ARGUMENT);
    mosk::release(pane);
}

TEST_F(ViewsTest, PanesAndViewsCountTheirIdsApart)
{
    const uint64_t pane = newPane(0);
    const uint64_t first = viewIn(pane);
    const uint64_t second = viewIn(pane);
    EXPECT_EQ(second, first + 1);
    EXPECT_EQ(newPane(0), pane + 1);
    EXPECT_EQ(viewIn(pane), second + 1);

    IGc_Pane *paneFace = nullptr;
    ASSERT_EQ(face->ops->getWindow(face, pane, &paneFace), nullptr);
    uint64_t id = 0;
    ASSERT_EQ(paneFace->ops->firstView(paneFace, &id), nullptr);
    EXPECT_EQ(id, first);
    ASSERT_EQ(paneFace->ops->nextView(paneFace, first, &id), nullptr);
    EXPECT_EQ(id, second);
    ASSERT_EQ(paneFace->ops->nextView(paneFace, second + 1, &id), nullptr);
    EXPECT_EQ(id, GC_NO_ID);
    mosk::release(paneFace);
}

TEST_F(ViewsTest, OpenViewReusesOneViewPerMainWindow)
{
    MainWindow *other = createFrame("Other", 0x5101);
    const TeskMemoryAddress address{0x100, 0};
    auto open = [&](MainWindow *current, int reuse) {
        Store::setCurrentMainWindow(current);
        EXPECT_EQ(face->ops->openView(face, "Memory", 0, &address, reuse), nullptr);
    };
    auto views = [] {
        std::vector<KViewMemory *> all;
        for (MainWindow *w : Store::instance()->mainWindows())
            for (KViewMemory *view : w->findChildren<KViewMemory *>())
                all.push_back(view);
        return all;
    };
    const size_t before = views().size();
    open(window, 1);
    open(window, 1);
    ASSERT_EQ(views().size(), before + 1);
    KViewMemory *first = window->findChildren<KViewMemory *>().value(0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(countOf(first->calls(), "showAddress 0:0x100"), 2);

    open(other, 1);
    EXPECT_EQ(views().size(), before + 2);
    open(window, 1);
    EXPECT_EQ(views().size(), before + 2);
    EXPECT_EQ(countOf(first->calls(), "showAddress 0:0x100"), 3);
    open(window, 0);
    EXPECT_EQ(views().size(), before + 3);
    EXPECT_EQ(codeOf(face->ops->openView(face, "Memory", 0, nullptr, 1)), MOSK_ERR_BAD_ARGUMENT);
}

TEST_F(ViewsTest, DuplicateCopiesTheSettingsInTheirOrder)
{
    KViewMemory *source = memoryView(newView());
    ASSERT_NE(source, nullptr);
    source->setCurrentTargetId(9);
    source->setStartAddress("0x40", false);
    source->setDataSizeId(2);
    source->setFormatId(3);
    source->setAutoColumnCount(4);
    source->setColumnsId(5);
    source->setAsciiViewShown(false);
    source->setDsmFormatId(6);

    KViewMemory *copy = manager()->duplicateView(source->paneId(), source->id());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->paneId(), source->paneId());
    const QStringList expected = {
        "buildLayout 0",         "setCurrentTargetId 9", "setStartAddress 0x40 1",
        "setDataSizeId 2",       "setFormatId 3",        "setAutoColumnCount 4",
        "setColumnsId 5",        "setAsciiViewShown 0",  "setDsmFormatId 6",
        "updateDisassemblyMode", "setTarget 9",
    };
    // Becoming the current tab refreshes the copy too; only the copying is in question here.
    QStringList copying = copy->calls();
    copying.removeIf([](const QString &call) {
        return call.startsWith("targetUpdated") || call.startsWith("refresh");
    });
    EXPECT_EQ(copying.join('|').toStdString(), expected.join('|').toStdString());

    IGc_Window *window = nullptr;
    ASSERT_EQ(face->ops->findWindow(face, copy->id(), &window), nullptr);
    MoskValue *name = moskValueCreate("");
    ASSERT_EQ(window->ops->getName(window, name), nullptr);
    const char *text = nullptr;
    name->ops->getText(name, &text);
    EXPECT_STREQ(text, "memory");
    mosk::release(name);
    mosk::release(window);

    // Without a start address nothing is validated in the copy.
    KViewMemory *bare = memoryView(newView());
    KViewMemory *bareCopy = manager()->duplicateView(bare->paneId(), bare->id());
    ASSERT_NE(bareCopy, nullptr);
    EXPECT_TRUE(bareCopy->calls().filter("setStartAddress").isEmpty());
    EXPECT_EQ(manager()->duplicateView(bare->paneId(), 987654), nullptr);
}

TEST_F(ViewsTest, ThePaneHoldsTheOnlyReferenceOfEachView)
{
    const uint64_t viewId = newView();
    KGc_View *wrapper = manager()->view(viewId);
    ASSERT_NE(wrapper, nullptr);
    EXPECT_EQ(wrapper->refCount(), 1u);

    IGc_Window *window = nullptr;
    ASSERT_EQ(face->ops->findWindow(face, viewId, &window), nullptr);
    EXPECT_EQ(wrapper->refCount(), 2u);
    mosk::release(window);
    EXPECT_EQ(wrapper->refCount(), 1u);

    const uint64_t from = memoryView(viewId)->paneId();
    const uint64_t to = newPane(0);
    manager()->moveView(viewId, from, to);
    manager()->removeView(from, viewId);
    ASSERT_EQ(manager()->view(viewId), wrapper);
    EXPECT_EQ(wrapper->refCount(), 1u);
    EXPECT_EQ(memoryView(viewId)->paneId(), to);

    // The pane of a new view holds one reference too, whatever the count of its views.
    KGc_Pane *pane = manager()->pane(to);
    EXPECT_EQ(pane->refCount(), 1u);
}

TEST_F(ViewsTest, WithoutTheFacadeNoPaneAndAllOnesIdsAndReleaseToZeroKeepsThePanes)
{
    const uint64_t kept = newPane(0);
    MoskBroker *broker = moskGetObjectBroker();
    ASSERT_EQ(broker->ops->unregisterComponent(broker, GCP_CATEGORY, GCP_VIEWS_MANAGER_COMPONENT),
              nullptr);
    mosk::release(face);
    face = nullptr;
    ASSERT_EQ(broker->ops->unregisterComponent(broker, "tesk", "tesk_Facade.component.1"), nullptr);

    // The count reached 0: the next instance connects again, and finds no facade.
    CGcp_ViewsManager *again = CGcp_ViewsManager::instance();
    EXPECT_FALSE(again->hasFacade());
    EXPECT_NE(again->pane(kept), nullptr);
    IGcp_ViewsManager *bare = again->face();
    uint64_t id = 0;
    EXPECT_EQ(bare->ops->createMemoryPane(bare, &id, 0), nullptr);
    EXPECT_EQ(id, GC_NO_ID);
    EXPECT_EQ(bare->ops->createViewInNewPane(bare, "Memory", 0, &id), nullptr);
    EXPECT_EQ(id, 0u);

    ASSERT_EQ(broker->ops->registerComponent(broker, "tesk", "tesk_Facade.component.1",
                                             CTesk_Facade::instance()->face()),
              nullptr);
    ASSERT_EQ(
        broker->ops->registerComponent(broker, GCP_CATEGORY, GCP_VIEWS_MANAGER_COMPONENT, bare),
        nullptr);
    again->connect();
    EXPECT_TRUE(again->hasFacade());
    face = managerFace();
}

TEST(ByteReversingCopy, ReversesIntoOtherSameAndOverlappingBuffers)
{
    const std::array<unsigned char, 4> bytes = {1, 2, 3, 4};
    std::array<unsigned char, 4> other = {};
    CGcp_ViewsManager::byteReversingCopy(other.data(), bytes.data(), 4);
    EXPECT_EQ(other, (std::array<unsigned char, 4>{4, 3, 2, 1}));

    std::array<unsigned char, 4> same = bytes;
    CGcp_ViewsManager::byteReversingCopy(same.data(), same.data(), 4);
    EXPECT_EQ(same, (std::array<unsigned char, 4>{4, 3, 2, 1}));

    std::array<unsigned char, 5> shifted = {1, 2, 3, 4, 0};
    CGcp_ViewsManager::byteReversingCopy(shifted.data() + 1, shifted.data(), 4);
    EXPECT_EQ(shifted, (std::array<unsigned char, 5>{1, 4, 3, 2, 1}));

    std::array<unsigned char, 2> untouched = {7, 8};
    CGcp_ViewsManager::byteReversingCopy(untouched.data(), bytes.data(), 0);
    CGcp_ViewsManager::byteReversingCopy(untouched.data(), bytes.data(), -3);
    EXPECT_EQ(untouched, (std::array<unsigned char, 2>{7, 8}));
}

TEST_F(ViewsTest, TheStyleHasTheApplicationFontThenAFixedPitchOne)
{
    const QList<QFont> &fonts = KGc_Style::instance()->fonts();
    ASSERT_EQ(fonts.size(), 2);
    EXPECT_TRUE(fonts[1].fixedPitch());
    EXPECT_TRUE(KGc_Style::instance()->colours().isEmpty());
}

} // namespace

// The views manager through its broker face: view types, the host's events and their target
// filter, interface versions, ids, reuse, duplication, reference counts and the manager's
// life through a Release to 0.
#include "viewstest.h"

#include "simulatedcores.h"

#include "gui_components/gc_panes/memory/viewmemoryinfo.h"
#include "gui_components/gc_panes/memoryview/viewmemoryascii.h"
#include "gui_components/gc_panes/memoryview/viewmemorydata.h"
#include "gui_components/gc_panes/memoryview/viewmemorydsm.h"
#include "gui_components/gc_panes/views/cgcp_ksoeventobserver.h"
#include "gui_components/gc_panes/views/kgc_style.h"
#include "gui_components/gc_panes/views/kpanetabbar.h"

#include "frame/core/usettings.h"

#include "frame/windows/ctesk_facade.h"
#include "frame/windows/docking/dockwidget.h"

#include <QTabBar>

#include <cstring>

using namespace viewstest;

namespace {

// Whether the host was asked for memory at `offset`.
bool readAt(uint32_t offset)
{
    for (const SimulatedTarget::Access &access : SimulatedTarget::installed().log()) {
        if (access.kind == SimulatedTarget::Kind::Read && access.offset == offset)
            return true;
    }
    return false;
}

TEST_F(ViewsTest, MemoryInAnyCaseMakesADockedViewOtherTypesNothing)
{
    const uint64_t id = newView(0, "MEMORY");
    KViewMemory *view = memoryView(id);
    ASSERT_NE(view, nullptr);
    KPane *pane = paneWidget(view->paneId());
    ASSERT_NE(pane, nullptr);
    // The view names its tab after its start address.
    EXPECT_EQ(pane->tabWidget()->tabText(pane->tabWidget()->indexOf(view)), "No Address");
    // A name with an "&" shows it, not a shortcut underline.
    view->setName("R&D");
    EXPECT_EQ(pane->tabWidget()->tabText(pane->tabWidget()->indexOf(view)), "R&&D");
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
    // The settings name an address for the target that the view is then switched to: the
    // address only takes effect when the settings came first.
    usettings::KUniversalSettings group;
    group.setString("TargetName_0", "target 42");
    group.setString("TargetAddress_0", "0x40");
    group.setInt("Columns", 3);
    std::string settings;
    usettings::settingsToString(group, settings);
    subject().setCurrent(42, 0);
    uint64_t id = 0;
    ASSERT_EQ(face->ops->createView(face, GC_NO_ID, "Memory", settings.c_str(), 3, &id), nullptr);
    KViewMemory *view = memoryView(id);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->currentTargetId(), 42);
    EXPECT_EQ(view->startAddressText(), "0x00000040");
    EXPECT_EQ(view->columnCount(), 3);
    EXPECT_EQ(manager()->pane(view->paneId())->targetId(), 3u);
}

TEST_F(ViewsTest, AddressesOfTargetsASessionNeverShowedAreStoredAgain)
{
    sim().setTargetName(43, "Other target");
    usettings::KUniversalSettings group;
    group.setString("TargetName_0", "target 42");
    group.setString("TargetAddress_0", "0x40");
    group.setString("TargetName_1", "Other target");
    group.setString("TargetAddress_1", "0x80");
    std::string stored;
    usettings::settingsToString(group, stored);

    // This session looks at target 42 alone and moves on there.
    subject().setCurrent(42, 0);
    uint64_t first = 0;
    ASSERT_EQ(face->ops->createView(face, GC_NO_ID, "Memory", stored.c_str(), 3, &first), nullptr);
    ASSERT_NE(memoryView(first), nullptr);
    memoryView(first)->setStartAddress(QStringLiteral("0x60"), false);
    const std::string saved = storedSettings(face, first);
    usettings::KUniversalSettings back;
    ASSERT_TRUE(usettings::settingsFromString(back, saved)) << saved;
    EXPECT_EQ(back.getString("TargetName_0"), "target 42");
    EXPECT_EQ(back.getString("TargetAddress_0"), "0x00000060");
    EXPECT_EQ(back.getString("TargetName_1"), "Other target") << saved;
    EXPECT_EQ(back.getString("TargetAddress_1"), "0x80") << "in the form it was stored";
    EXPECT_EQ(back.getString("TargetName_2"), "");

    // The next session shows the other target first: it starts where the first one left it,
    // and target 42 where this session moved it.
    subject().setCurrent(43, 0);
    uint64_t second = 0;
    ASSERT_EQ(face->ops->createView(face, GC_NO_ID, "Memory", saved.c_str(), 3, &second), nullptr);
    KViewMemory *view = memoryView(second);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->startAddressText(), "0x00000080");
    view->setTarget(42);
    EXPECT_EQ(view->startAddressText(), "0x00000060");
}

TEST_F(ViewsTest, EventsReachThePanesOfTheSubjectsIdOrAllForIdZero)
{
    const uint64_t five = viewIn(newPane(5));
    const uint64_t six = viewIn(newPane(6));
    KViewMemory *viewFive = memoryView(five);
    KViewMemory *viewSix = memoryView(six);
    ASSERT_TRUE(viewFive && viewSix);

    // What a view shows of an event: U an update (a new generation, read again), R a refresh
    // (read again), T a switch to target 42, "" nothing.
    struct Case
    {
        int kind;
        uint64_t id;
        const char *five, *six;
    };
    const Case cases[] = {
        {13, 5, "U", ""},
        {14, 6, "", "U"},
        {20, 0, "U", "U"},
        {26, 5, "U", ""},
        {5, 5, "R", ""},
        {15, 0, "R", "R"},
        {16, 6, "", "R"},
        {17, 6, "", "T"},
        // Target changes go only to panes of that id, never to all.
        {17, 0, "", ""},
        {3, 0, "", ""},
        {29, 0, "", ""},
    };
    struct Before
    {
        KViewMemory *view;
        uint32_t at;
        uint64_t generations;
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.kind);
        // Views on target 42 see its events; on 41 they can only be switched.
        const int target = c.kind == 17 ? 41 : 42;
        std::vector<Before> before;
        for (auto [view, at] : {std::pair{viewFive, 0x500u}, std::pair{viewSix, 0x600u}}) {
            view->setTarget(target);
            view->setStartAddress(QString::number(at), false);
            view->memoryInfo().clearCurrentBlock();
            before.push_back({view, at, view->memoryInfo().generationCount()});
        }
        sim().clearLog();
        subject().setCurrent(42, c.id);
        const uint64_t updates = manager()->updateCount();
        EXPECT_EQ(subject().fire(c.kind), 0u);
        for (size_t i = 0; i < before.size(); ++i) {
            const std::string seen = i == 0 ? c.five : c.six;
            const Before &b = before[i];
            // A switch changes the cache, whose generations are its own.
            if (seen != "T") {
                EXPECT_EQ(b.view->memoryInfo().generationCount() - b.generations,
                          seen == "U" ? 1u : 0u)
                    << i;
            }
            EXPECT_EQ(readAt(b.at), seen == "U" || seen == "R") << i;
            EXPECT_EQ(b.view->currentTargetId(), seen == "T" ? 42 : target) << i;
        }
        // Every update event counts, whichever panes it reaches.
        const bool counts = c.kind != 17 && c.kind != 3 && c.kind != 29;
        EXPECT_EQ(manager()->updateCount(), updates + (counts ? 1 : 0));
        EXPECT_EQ(manager()->currentEvent(), -1);
    }
}

// What the views header tells hosts: a repaint shows what was read, an update reads again.
TEST_F(ViewsTest, AHostThatTellsOfAnUpdateSeesTheNewBytes)
{
    subject().setCurrent(1, 0);
    KViewMemory *view = memoryView(newView(0));
    ASSERT_NE(view, nullptr);
    view->setTarget(1);
    view->setStartAddress(QStringLiteral("0x700"), false);
    testhost::pumpFor(20);
    const QString before = view->dataTable()->cellText(0, 0);
    ASSERT_FALSE(before.isEmpty());
    sim().poke(1, 0x700, {uint8_t(~sim().peek(1, 0x700))});
    EXPECT_EQ(subject().fire(GCP_EVENT_REPAINT_0), 0u);
    testhost::pumpFor(20);
    EXPECT_EQ(view->dataTable()->cellText(0, 0), before) << "a repaint reads nothing";
    EXPECT_EQ(subject().fire(GCP_EVENT_TARGET_UPDATED_0), 0u);
    testhost::pumpFor(20);
    EXPECT_NE(view->dataTable()->cellText(0, 0), before);
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
    subject().setCurrent(3, 0);
    const size_t before = views().size();
    open(window, 1);
    open(window, 1);
    ASSERT_EQ(views().size(), before + 1);
    KViewMemory *first = window->findChildren<KViewMemory *>().value(0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->startAddressText(), "0x00000100");
    first->setStartAddress("0x200", false);

    open(other, 1);
    EXPECT_EQ(views().size(), before + 2);
    open(window, 1);
    EXPECT_EQ(views().size(), before + 2);
    EXPECT_EQ(first->startAddressText(), "0x00000100");
    open(window, 0);
    EXPECT_EQ(views().size(), before + 3);
    EXPECT_EQ(codeOf(face->ops->openView(face, "Memory", 0, nullptr, 1)), MOSK_ERR_BAD_ARGUMENT);
}

namespace {

// The library's facade, but one that cannot name the current main window.
ITesk_FacadeOps g_blindOps;
ITesk_Facade g_blindFacade{&g_blindOps};

ITesk_Facade *realFacade()
{
    return CTesk_Facade::instance()->face();
}

ITesk_Facade *blindFacade()
{
    g_blindOps = *realFacade()->ops;
    // The library's operations find their object by the face they are called on.
    g_blindOps.dockForMultipleView = [](void *, uint64_t id, void *widget, void *window) {
        return realFacade()->ops->dockForMultipleView(realFacade(), id, widget, window);
    };
    g_blindOps.undockView = [](void *, void *widget) {
        return realFacade()->ops->undockView(realFacade(), widget);
    };
    g_blindOps.windowHandle = [](void *, void *widget, TeskHandle *out) {
        return realFacade()->ops->windowHandle(realFacade(), widget, out);
    };
    g_blindOps.mainWindowOf = [](void *, void *widget, void **out) {
        return realFacade()->ops->mainWindowOf(realFacade(), widget, out);
    };
    g_blindOps.addDockMenuItems = [](void *, void *menu) {
        return realFacade()->ops->addDockMenuItems(realFacade(), menu);
    };
    g_blindOps.activateDockMenuItem = [](void *, void *widget, int item) {
        return realFacade()->ops->activateDockMenuItem(realFacade(), widget, item);
    };
    g_blindOps.AddRef = [](void *) { return 1u; };
    g_blindOps.Release = [](void *) { return 1u; };
    g_blindOps.QueryInterface = [](void *self, void **out, uint32_t, uint32_t) -> MoskResult {
        *out = self;
        return nullptr;
    };
    g_blindOps.currentMainWindow = [](void *, void **) -> MoskResult {
        return moskErrorCreateStandardError(1, 0x10100);
    };
    return &g_blindFacade;
}

void swapFacade(ITesk_Facade *facade)
{
    MoskBroker *broker = moskGetObjectBroker();
    ASSERT_EQ(broker->ops->unregisterComponent(broker, "tesk", "tesk_Facade.component.1"), nullptr);
    ASSERT_EQ(broker->ops->registerComponent(broker, "tesk", "tesk_Facade.component.1", facade),
              nullptr);
    manager()->connect();
}

} // namespace

TEST_F(ViewsTest, OpenViewOpensWhenTheMainWindowCannotBeNamed)
{
    swapFacade(blindFacade());
    subject().setCurrent(3, 0);
    const TeskMemoryAddress address{0x180, 0};
    auto views = [] {
        QList<KViewMemory *> all;
        for (MainWindow *w : Store::instance()->mainWindows())
            all += w->findChildren<KViewMemory *>();
        return all;
    };
    const QList<KViewMemory *> before = views();
    EXPECT_EQ(face->ops->openView(face, "Memory", 0, &address, 1), nullptr);
    QList<KViewMemory *> once = views();
    EXPECT_EQ(face->ops->openView(face, "Memory", 0, &address, 1), nullptr);
    const qsizetype after = views().size();
    swapFacade(realFacade());
    for (KViewMemory *old : before)
        once.removeAll(old);
    ASSERT_EQ(once.size(), 1);
    EXPECT_EQ(once[0]->startAddressText(), "0x00000180");
    EXPECT_EQ(after, before.size() + 2) << "each opens a view of its own: none to reuse by";
}

TEST_F(ViewsTest, DuplicateCopiesTheViewState)
{
    subject().setCurrent(9, 0);
    KViewMemory *source = memoryView(newView());
    ASSERT_NE(source, nullptr);
    source->setStartAddress("0x40", false);
    source->setDataSizeId(2);
    source->setFormatId(3);
    source->setColumnsId(5);
    source->setAsciiViewShown(false);
    source->setDsmFormatId(6);

    KViewMemory *copy = manager()->duplicateView(source->paneId(), source->id());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->paneId(), source->paneId());
    EXPECT_EQ(copy->currentTargetId(), 9);
    EXPECT_EQ(copy->startAddressText(), "0x00000040");
    EXPECT_EQ(copy->fieldSize(), 2);
    EXPECT_EQ(copy->formatCode(), "bin");
    EXPECT_EQ(copy->columnCount(), 5);
    EXPECT_EQ(copy->bytesPerRow(), 10);
    EXPECT_FALSE(copy->isAsciiViewShown());
    EXPECT_TRUE(copy->asciiTable()->isHidden());
    EXPECT_EQ(copy->dsmFormatId(), 6);

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
    EXPECT_FALSE(bareCopy->isStartAddressValid());

    // A copy of a disassembly shows the disassembly alone.
    source->setFormatId(5);
    source->updateDisassemblyMode();
    KViewMemory *listing = manager()->duplicateView(source->paneId(), source->id());
    ASSERT_NE(listing, nullptr);
    EXPECT_FALSE(listing->dsmTable()->isHidden());
    EXPECT_TRUE(listing->dataTable()->isHidden());
    EXPECT_EQ(listing->bytesPerRow(), 4);
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
    // Nothing made is said so, never answered as done.
    EXPECT_EQ(codeOf(bare->ops->createMemoryPane(bare, &id, 0)), MOSK_ERR_NOT_FOUND);
    EXPECT_EQ(id, GC_NO_ID);
    EXPECT_EQ(codeOf(bare->ops->createViewInNewPane(bare, "Memory", 0, &id)), MOSK_ERR_NOT_FOUND);
    EXPECT_EQ(id, 0u);
    const TeskMemoryAddress address{};
    EXPECT_EQ(codeOf(bare->ops->openView(bare, "Memory", 0, &address, 0)), MOSK_ERR_NOT_FOUND);
    // A type no view is made of stays an answer by its id.
    EXPECT_EQ(bare->ops->createViewInNewPane(bare, "Register", 0, &id), nullptr);

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

// A host that keeps the library loaded clears the broker after its run and hears of a step of
// its target before it registers again: the next plug-in entry finds the library's facade, and
// the views manager makes views through each of its calls.
TEST_F(ViewsTest, AnEventWhileTheBrokerIsClearedLeavesTheViewsWorkingAfterTheNextEntry)
{
    mosk::release(face);
    face = nullptr;
    for (const int kind : {GCP_EVENT_TARGET_UPDATED_0, GCP_EVENT_TARGET_CHANGED,
                           GCP_EVENT_REPAINT_0, GCP_EVENT_TARGET_UPDATED_3, 0}) {
        SCOPED_TRACE(kind);
        moskBrokerClear();
        EXPECT_EQ(subject().fire(kind), 0u);
        SimulatedCores::registerWithBroker();
        subject().registerWithBroker();
        SimulatedTarget::registerWithBroker();
        MoskBroker *broker = moskGetObjectBroker();
        ASSERT_EQ(moskInitialisePlugin(reinterpret_cast<MoskRegistrar *>(broker)), nullptr);
        face = managerFace();
        ASSERT_NE(face, nullptr);

        uint64_t pane = GC_NO_ID;
        EXPECT_EQ(face->ops->createMemoryPane(face, &pane, 0), nullptr);
        EXPECT_NE(paneWidget(pane), nullptr);
        uint64_t view = 0;
        EXPECT_EQ(face->ops->createViewInNewPane(face, "Memory", 0, &view), nullptr);
        EXPECT_NE(memoryView(view), nullptr);
        const int docks = window->dockList().size();
        const TeskMemoryAddress address{};
        EXPECT_EQ(face->ops->openView(face, "Memory", 0, &address, 0), nullptr);
        EXPECT_EQ(window->dockList().size(), docks + 1);
        mosk::release(face);
        face = nullptr;
    }
    face = managerFace();
}

// The views manager was made again while the broker was cleared, and found no facade then:
// the next plug-in entry finds it at once, so the first view opened by address is the one the
// next such call reuses.
TEST_F(ViewsTest, TheNextPlugInEntryFindsTheFacadeForAManagerMadeWhileCleared)
{
    mosk::release(face);
    face = nullptr;
    moskBrokerClear();
    ASSERT_FALSE(CGcp_ViewsManager::instance()->hasFacade());
    SimulatedCores::registerWithBroker();
    subject().registerWithBroker();
    SimulatedTarget::registerWithBroker();
    ASSERT_EQ(moskInitialisePlugin(reinterpret_cast<MoskRegistrar *>(moskGetObjectBroker())),
              nullptr);
    face = managerFace();
    ASSERT_NE(face, nullptr);
    const int docks = int(window->dockList().size());
    const TeskMemoryAddress address{0x180, 0};
    EXPECT_EQ(face->ops->openView(face, "Memory", 0, &address, 1), nullptr);
    EXPECT_EQ(face->ops->openView(face, "Memory", 0, &address, 1), nullptr);
    EXPECT_EQ(window->dockList().size(), docks + 1);
}

TEST_F(ViewsTest, TheStyleHasTheApplicationFontThenAFixedPitchOne)
{
    const QList<QFont> &fonts = KGc_Style::instance()->fonts();
    ASSERT_EQ(fonts.size(), 2);
    EXPECT_TRUE(fonts[1].fixedPitch());
    EXPECT_TRUE(KGc_Style::instance()->colours().isEmpty());
}

} // namespace

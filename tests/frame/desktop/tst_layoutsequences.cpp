// A share of the dock layout's random sequences (testhost/layoutsequence.h) on a user's desktop:
// a window manager frames the main window and the floating docks, a panel keeps the top 28 px,
// and every window is looked at once the frames have come and nothing moves any more.
#include "desktop.h"
#include "frames.h"
#include "layoutsequence.h"
#include "testhost.h"

#include "frame/windows/docking/dockwidget.h"

#include <tesk/tesk_frame.h>
#include <tesk/tesk_views.h>
#include <tesk/tesk_window.h>

#include <mosk/mosk.hpp>

#include <QGuiApplication>
#include <QScreen>

namespace {

using namespace testhost::layout;

constexpr TeskHandle kWindow = 1;

void unused(TeskHandle, int *, int) {}

IGcp_ViewsManager *viewsManager()
{
    MoskBroker *broker = moskGetObjectBroker();
    void *object = nullptr;
    if (broker)
        mosk::release(
            broker->ops->getComponent(broker, GCP_CATEGORY, GCP_VIEWS_MANAGER_COMPONENT, &object));
    return static_cast<IGcp_ViewsManager *>(object);
}

class LayoutSequencesOnADesktop : public FrameTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(desktop::fault().isEmpty()) << qPrintable(desktop::fault());
        ASSERT_TRUE(testhost::pumpUntil(
            [] { return QGuiApplication::primaryScreen()->availableGeometry() == desktop::kFree; },
            5000));
        FrameTest::SetUp();
    }
};

} // namespace

TEST_F(LayoutSequencesOnADesktop, EveryPromiseHoldsAfterEveryStep)
{
    // The display's screen is fixed: the screen is made smaller by the offscreen sequences only.
    const Screen screen{nullptr, &desktop::settleFrames};
    const std::string failure = playSeeds(5001, 24, 8, 20, screen);
    EXPECT_TRUE(failure.empty()) << failure;
}

TEST_F(LayoutSequencesOnADesktop, SequencesThatOnceBrokeHold)
{
    const Screen screen{nullptr, &desktop::settleFrames};
    const NamedSequences sequences = {
        // A pane docked by the toolkit where it was dropped, floated by the host before the
        // layout's turn to dock a drop the toolkit missed: it docked again while the window
        // was resized.
        {"a drop the toolkit docked is not docked again",
         {{StepKind::Start, 3252623776u, 3315237039u, 1907916930u, 2876606177u},
          {StepKind::Restore, 2980127444u, 1711813856u, 2309229623u, 4205141069u},
          {StepKind::Show, 438887405u, 1574499594u, 3608472441u, 2016716940u},
          {StepKind::Floating, 3269971511u, 2428056871u, 2931486572u, 3789116989u},
          {StepKind::Drag, 3749343094u, 3595384752u, 2845230803u, 1856444318u},
          {StepKind::TitleBarDrag, 3536730158u, 2862168562u, 894392820u, 88793648u},
          {StepKind::Undock, 256356881u, 825397113u, 4047968230u, 3539955923u},
          {StepKind::ResizeWindow, 3199475520u, 2825030119u, 1981874210u, 2737265847u}}},
        // The code narrowed by a wide right dock: a title bar dropped at the code's foot
        // within the toolkit's band beside the empty left area docked on the left.
        {"a drop at the code's foot docks at the bottom",
         {{StepKind::Start, 2864002826u, 2005020719u, 3341968850u, 1508516926u},
          {StepKind::Floating, 3804180207u, 212575184u, 3601507578u, 641257463u},
          {StepKind::FreshWindow, 718885532u, 3432108221u, 3437285704u, 2628021050u},
          {StepKind::Restore, 1639267907u, 1259390258u, 2321353992u, 3953347287u},
          {StepKind::TitleBarDrag, 4085685254u, 2443044446u, 1982201580u, 2482929u}}},
        // A pane dropped on the bottom took a line of its own higher than an even share: one
        // more pane joining that line shared the area's height evenly again.
        {"a pane joining a line leaves the lines across as dropped",
         {{StepKind::Start, 2629155223u, 1144255768u, 523326324u, 3958399506u},
          {StepKind::Floating, 2737886783u, 3310255537u, 3582260153u, 3177247987u},
          {StepKind::Show, 578850933u, 819421890u, 1375690393u, 2367206924u},
          {StepKind::DockBottom, 1868237283u, 2728735324u, 2872100397u, 3559896073u},
          {StepKind::Restore, 743682719u, 1242360311u, 238933375u, 3305655622u},
          {StepKind::TitleBarDrag, 887157140u, 2736856697u, 979628175u, 2826518903u},
          {StepKind::Hide, 2778767726u, 3099646419u, 18251953u, 2107876326u},
          {StepKind::DockBottom, 1401184802u, 2144787432u, 4130298375u, 2143456728u}}},
        // A pane dropped on a right dock's body, which the toolkit stood on a line of its own
        // after that dock's line: the layout had it within that line, and the next fit asked
        // its sizes of the wrong line.
        {"a pane dropped after the last line stands on a line of its own",
         {{StepKind::Start, 3305979619u, 1686190581u, 2848195730u, 2716997724u},
          {StepKind::Show, 509673143u, 2773182333u, 3111664725u, 3619902280u},
          {StepKind::Restore, 1184576686u, 2154282491u, 2020607707u, 770907448u},
          {StepKind::DockRight, 31792163u, 1330738136u, 865951572u, 156811110u},
          {StepKind::TitleBarDrag, 1251140480u, 1841430868u, 635421534u, 440006678u},
          {StepKind::Floating, 1354458353u, 2360760006u, 611387413u, 1750190743u}}},
        // A floating toolbar's record, hidden, shown for a moment as it was applied: the window
        // manager's own place for it came after the one the record asked, and stayed.
        {"a hidden floating toolbar keeps its recorded place",
         {{StepKind::Start, 623320641u, 2464490540u, 3755057036u, 2033426048u},
          {StepKind::Show, 617421865u, 3841844543u, 1143919427u, 2027364671u},
          {StepKind::ScriptToolbar, 2406330008u, 3419785563u, 3160908151u, 3087861172u},
          {StepKind::ToolbarTearOff, 2231796647u, 4173466594u, 2993627521u, 2313449965u},
          {StepKind::ToolbarHide, 1538682851u, 2502895763u, 942794877u, 3650563207u},
          {StepKind::RoundTrip, 3116420107u, 2928453547u, 840302151u, 436570598u}}},
        // A floating pane restored over the right area, dropped on a dock there: taken by its
        // title bar right above the drop place, the pointer moved 2 px and dragged nothing.
        {"a pane over its drop place is taken at its title bar's other end",
         {{StepKind::Start, 3883067698u, 1312263794u, 3082854830u, 934264679u},
          {StepKind::DockBottom, 990278338u, 1332191190u, 134204699u, 1652399341u},
          {StepKind::DockRight, 776011283u, 3268510160u, 3632920231u, 1516530701u},
          {StepKind::FindToolbar, 502671916u, 3926843367u, 3238734565u, 3754433282u},
          {StepKind::Show, 2656555833u, 441670272u, 3348059219u, 672426155u},
          {StepKind::RestoreTab, 2474577255u, 1966371543u, 3034147369u, 166292279u},
          {StepKind::ResizeBox, 2041387299u, 10992144u, 716509835u, 131607433u},
          {StepKind::Restore, 2611923503u, 2212063995u, 2279185617u, 634533466u},
          {StepKind::MemoryView, 1786545493u, 3138016449u, 2849004812u, 140107517u},
          {StepKind::Drag, 436649669u, 3528136162u, 782499168u, 1859307774u},
          {StepKind::TitleBarDrag, 4136187356u, 3347555716u, 3453288506u, 3240981555u}}},
    };
    const std::string broken = playEach(sequences, screen);
    EXPECT_TRUE(broken.empty()) << broken;
}

// A host restores a stored layout before the show, each record followed by the dock it names;
// the two memory views it makes anew through the views manager. Stored on a larger desktop,
// the layout asks more height than this one's free area has: the frame still stands within it.
TEST_F(LayoutSequencesOnADesktop, AStoredLayoutWithMemoryViewsAtTheBottomFitsTheFreeArea)
{
    QtCreateNewCode(1);
    CuiFrameRecord frame{1, 0, 3, 77};
    QtFrameCreate("Debugger", kWindow, &frame);
    MainWindow *window = Store::currentMainWindow();
    ASSERT_TRUE(window);
    QtResizePosWindow(kWindow, 82, 0, 935, 560);
    const char *const records[] = {
        "D1:2:0:0:256:60:100:236:1:1",  "D1_1:2:0:2:362:168:573:102:1:0",
        "D9:2:0:3:362:168:573:102:1:1", "D3:3:0:0:0:302:935:102:1:1",
        "D5:3:1:2:0:410:331:128:1:1",   "Memory:3:0:3:337:410:331:128:1:0",
        "D7:3:0:4:674:410:261:102:1:1", "Memory_1:3:0:5:674:410:261:102:1:0"};
    IGcp_ViewsManager *views = viewsManager();
    ASSERT_TRUE(views);
    testhost::layout::Asked asked;
    TeskHandle box = 0x10;
    for (const char *record : records) {
        CuiSetDockWindowPersistanceData(kWindow, record);
        const QByteArray caption = QByteArray(record).split(':').first();
        if (caption.startsWith("Memory")) {
            uint64_t id = 0;
            mosk::release(
                views->ops->createView(views, GC_NO_ID, GCP_VIEW_TYPE_MEMORY, nullptr, 0, &id));
            continue;
        }
        const QByteArray name = caption == "D1_1" ? QByteArray("D1") : caption;
        QtWindowCreate(name.constData(), &unused, box);
        ++box;
    }
    views->ops->Release(views);
    QtFrameShow();
    desktop::settleFrames();
    for (const DockWidget *dock : window->dockList())
        if (dock->windowBox())
            asked.docks[dock->windowBox()].name = dock->windowTitle();
    asked.shown = true;
    asked.windowManager = true;
    const auto broken =
        testhost::layout::check(window, asked, testhost::layout::PromiseSwitches::all());
    EXPECT_FALSE(broken) << qPrintable(broken->text);
    const QRect framed = window->frameGeometry();
    EXPECT_TRUE(desktop::kFree.contains(framed))
        << framed.x() << "," << framed.y() << " " << framed.width() << "x" << framed.height();
}

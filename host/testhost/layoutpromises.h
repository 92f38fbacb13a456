#pragma once

// The dock layout's contract, as one checker: what must hold of a main window after any step a
// host or a user takes, whatever came before. The sequence driver (layoutsequence.h) keeps
// what the host and the user did and calls the checker after every step; a test of a single
// case may call it too.
//
// The promises:
// - FrameWithinFreeArea: once shown, the main window's frame, and its least size with the
//   frame, stay within the free area of its screen (the status bar is never under a panel,
//   the user and the window manager can always shrink the window); FrameUnderAWindowManager:
//   also once a window manager has framed it.
// - DockedReachable: every dock window the host neither hid nor closed is shown, and one that
//   stands in an area is either wholly in the main window or a tab whose bar is shown on the
//   screen: none hides behind an absent tab or outside the window.
// - FloatingWithinFreeArea: a floating one stands wholly within the free area;
//   FloatedWithinFreeArea: also one that the host or the user floated out of an area, which
//   lands where it (or, a tab, its group) stood, unless it floated before;
//   FloatingOnSmallerScreen: also once the screen was made smaller.
// - NothingClosedUnasked: no dock window goes away, nor is the host told it closed, that the
//   host did not close; HiddenKept: one the host hid (by its record too) stays, hidden, until
//   the host shows it, and is then reachable.
// - SizesKept: the extent across its area that the host or the user gave a dock window stays
//   while nothing needs that room: the fit takes from the sizes kept in one direction no more
//   than the rest of the main window's least size needs of them together;
//   SizesKeptInEveryLook: also once the library started again in a look other than the plain
//   one.
// - ToolbarsAsSet: a toolbar shows or hides as the host's record or the user last said, and
//   the host's record is answered as applied.
// - RoundTrip: the records stored and restored in a fresh main window give the same layout,
//   and again a third time; RoundTripOfHiddenAndTabs: also when docks are hidden or tabs.
// - SeenOnTheDisplay: under a window manager, the X server shows what the toolkit says it
//   shows: every window shown mapped and viewable, a floating dock above its main window, the
//   frames within the window manager's work area.
// - DocksWhereDropped: a floating dock the user drags by its title bar onto a dock area docks
//   there, however it came to float and however full the area; one double-clicked docks.
// - RestoredAsLeft: records read at any moment (before the show too) and restored in a fresh
//   main window or a new start show every dock the host had not hidden, and hide the others.
// - SharesComeBack: the main window made smaller by the user or the window system and as large
//   again shows its docks as far across their areas as before.
// - RecordsBeforeTheShow: records read before the show, of docks that records brought back,
//   say what the show gives: each dock's area, whether it shows, the place and size of one
//   floating within the free area, and the extent across its area of one docked (which the
//   fit may cut at the show, on a screen too small for it: the record keeps what was set).
// - OpensInSight: a pane the host opens, not hidden, shows at once: in the main window or
//   floating, the tab shown of its group where it stands in one.
// - GroupsAsShown: the layout's own picture holds every group of tabs as the toolkit shows
//   it: the docks shown in an area that the picture puts in one group are the ones the toolkit
//   shows behind one tab row, so that a window placed, sized or recorded by the picture is
//   where the user sees it.
// - PictureInOrder: the picture holds the lines of each area, and the groups of each line, in
//   the order the toolkit shows them: the next window goes after the group the picture holds
//   last, and a window docked back stands where the picture says.
// - DroppedSeenDocked: under a window manager, a floating dock the user dropped that the
//   toolkit holds docked is no window of its own on the X server once the drop is over.
// - DragsAnswered: a separator drag between the code and a dock's line, towards the code while
//   the code has the room, moves the separator: no drag is refused without a word.
// - SharesComeBackAfterAClick: SharesComeBack also when the user clicked in the window, or
//   pressed and let go on a separator without moving it, while it was small.
// - RestoredBesideAGroup: a bottom line of a pane and a group of two beside it, restored by
//   their records after the show where the bottom area had no line, stands as high as the
//   records say.
// - TabsInFront: the records say which tab of each group of tabs is in front (the one the
//   user clicked last), and a group its records bring back before the show, or one of them
//   after it, shows that tab in front again.
// - AllAfterALostRelease: every promise above (of those switched on) also once a separator
//   drag lost its release to a popup, a modal box, a hide or a deactivation.

#include <tesk/tesk_global.h>

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QRect>
#include <QString>

#include <optional>
#include <set>

class MainWindow;

namespace testhost::layout {

enum class Promise {
    FrameWithinFreeArea,
    FrameUnderAWindowManager,
    DockedReachable,
    FloatingWithinFreeArea,
    FloatedWithinFreeArea,
    FloatingOnSmallerScreen,
    NothingClosedUnasked,
    HiddenKept,
    SizesKept,
    SizesKeptInEveryLook,
    ToolbarsAsSet,
    RoundTrip,
    RoundTripOfHiddenAndTabs,
    SeenOnTheDisplay,
    DocksWhereDropped,
    RestoredAsLeft,
    SharesComeBack,
    RecordsBeforeTheShow,
    OpensInSight,
    GroupsAsShown,
    PictureInOrder,
    DroppedSeenDocked,
    DragsAnswered,
    SharesComeBackAfterAClick,
    RestoredBesideAGroup,
    TabsInFront,
    AllAfterALostRelease,
};
constexpr int kPromiseCount = int(Promise::AllAfterALostRelease) + 1;

const char *promiseName(Promise promise);

// Which promises are checked. A promise known to fail until its mend lands is switched off
// by default (the table in layoutpromises.cpp says which and why); the environment variable
// TESK_LAYOUT_PROMISES switches them on: "all", or names separated by commas.
class PromiseSwitches
{
public:
    static PromiseSwitches fromEnvironment();
    static PromiseSwitches all();
    // Every promise that holds on this branch: the ones waiting for their mends are off.
    static PromiseSwitches holding();
    bool on(Promise promise) const { return m_on[int(promise)]; }
    void set(Promise promise, bool on) { m_on[int(promise)] = on; }
    // The promises switched off, each with the mend it waits for.
    QString describeOff() const;

private:
    bool m_on[kPromiseCount] = {};
};

// What the host and the user asked of one dock window.
struct DockAsked
{
    QString name;
    bool hiddenByHost = false;
    bool closedByHost = false;
    // The host hid it once, by its record too.
    bool everHidden = false;
    // Floated out of an area by the host or the user (not made floating).
    bool floatedOut = false;
    // It floated when the screen was made smaller.
    bool floatedOnLargerScreen = false;
    // It floated once, and floats again where it was left rather than where it stood.
    bool everFloated = false;
    // The extent across its area that the host or the user gave it, and in which area.
    int keptAcross = 0;
    int keptArea = -1;
    // The extent across that the host or the user last set: the fit may have shown less of it
    // since, and the dock may take it again once the room is free.
    int setAcross = 0;
    // Floated out of the area it kept a size in, with the size set there: docked back by the
    // host, it holds that size again.
    int floatedFromArea = -1;
    int setBeforeFloating = 0;
};

// What the host and the user did so far, as the checker needs it.
struct Asked
{
    QMap<TeskHandle, DockAsked> docks;
    // The boxes whose dock windows told the host they closed.
    std::set<TeskHandle> closesTold;
    // Toolbar title: hidden as the host's record or the user last said.
    QMap<QString, bool> toolbarHidden;
    // The host's last toolbar record was answered as not applied.
    QString toolbarRefused;
    bool shown = false;
    // A separator drag lost its release.
    bool releaseLost = false;
    // A window manager frames the windows.
    bool windowManager = false;
    // The library started again in a look other than the plain one.
    bool otherLook = false;
};

struct Broken
{
    Promise promise;
    QString text;
};

// The first promise broken, of those switched on.
std::optional<Broken> check(const MainWindow *window, const Asked &asked,
                            const PromiseSwitches &switches);

// After a step the promises held: a kept size whose room the fit needed is kept from what it
// shows now. No later step must give that room back by itself; the dock may still take it
// back, up to the size set.
void keepWhatTheFitLeft(const MainWindow *window, Asked &asked);

// The extent across its area of a dock window standing in an area, neither floating nor a
// tab out of sight; 0 otherwise.
int acrossExtent(const MainWindow *window, TeskHandle box);
// What its line shows across: for a tab out of sight, the tab shown of its group; 0 in no area.
int lineAcrossExtent(const MainWindow *window, TeskHandle box);
// The layout area (1 left, 2 right, 3 bottom) of the dock window; -1 floating or none.
int areaOf(const MainWindow *window, TeskHandle box);
// The same numbering of the toolkit's area; -1 for none.
int areaNumber(Qt::DockWidgetArea area);

// The layout as its records say it: the dock records in their sorted order and the toolbar
// records, as a host stores them.
struct Picture
{
    QList<QByteArray> docks;
    QList<QByteArray> toolbarTitles;
    QList<QByteArray> toolbars;
};
Picture takePicture(TeskHandle window);
// Empty when the two pictures show the same layout within a pixel or two; else the first
// difference. A floating place stored partly outside the free area comes back within it.
QString differenceBetween(const Picture &stored, const Picture &restored, const QRect &free);
// Empty when each group of tabs showing its row has in front the tab whose record (found by
// its caption) says so, and the others' say shown; else the first that differs. Records that
// say nothing of a dock leave it unchecked. With recordedOnly, only that a tab recorded in
// front is in front: the records of a few docks restored into a layout that has more.
QString frontDiffersFrom(const MainWindow *window, const Picture &records,
                         bool recordedOnly = false);
// Empty when the records read before the show say what the show gave (RecordsBeforeTheShow);
// else the first record that differs. Under a window manager a floating dock's place moves by
// the frame it gets at the show, which no record before it can know.
QString showDiffersFrom(const Picture &beforeShow, const Picture &shown, const QRect &free,
                        bool framed);

} // namespace testhost::layout

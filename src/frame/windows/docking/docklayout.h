#pragma once

#include <QHash>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSet>
#include <QSize>

#include <array>
#include <functional>
#include <memory>
#include <utility>

class QDockWidget;
class QMainWindow;
class QTabBar;
class QObject;

namespace tesk::frame {

class DockStyle;

// Hidden by the user or the host, not only out of sight because its main window is.
bool hiddenByRequest(const QDockWidget *dock);

// The toolkit's rows of tabs of the main window's dock windows: the window's own children, each
// tab naming its dock window in its data. Every read of the rows goes through these two.
QList<QTabBar *> toolkitTabRows(const QMainWindow *window);
// The dock window of the main window that the row's tab names; null for none.
QDockWidget *dockOfTab(const QMainWindow *window, const QTabBar *row, int tab);

// The areas in the numbering of the layout records.
enum class DockArea { Top = 0, Left = 1, Right = 2, Bottom = 3, None = 4 };

// The toolkit keeps no lines, indexes or extents of dock windows that one could read back, so
// each main window keeps its own picture of its dock areas - areas of lines of ordered dock
// windows with their extents - and drives the toolkit from it. The layout records are written
// from this picture and restored into it.
//
// What the layout promises, after every step a host or the user takes:
// - The fit: the main window's least size, toolbar rows, menu and status bar included, and so
//   its frame, stay within the free area of its screen, for every mix and order of docks, on a
//   screen made smaller and for a layout restored from a larger one. Each dock asks for a small
//   least size and scrolls its pane within it; where the docks' least sizes still do not fit,
//   docks stand as tabs: first in the area of the dock that came, else where a tab frees the
//   direction that overflows (a window of a line onto its neighbour, or the area's last line
//   onto the nearest line before it that shows a window).
// - Tabs: a group of tabs stands in one place of a line, its first window first; the others
//   follow it in the line's order. Tab rows scroll rather than cut titles, and lie within the
//   main window, so every tab is on the screen.
// - Sizes the user dragged or the host gave are held: sharing, growing, joining, hiding and
//   floating windows leave them, unless the fit needs the room; lines that hold none give
//   room first.
// - A main window made smaller and as large again shows its lines as far across as before.
// - A dock floated out of an area, a tab too, lands where it stood on the screen, its frame
//   within the free area.
// - The records say where each group of tabs stands, so that a restore brings the tabs back
//   as they stood; records that cannot say it are fitted as a new layout would be.
// - Placing a dock costs about linearly in the docks already there: tabs are known from this
//   picture, not asked of the toolkit, only the windows that stand are sized, and the toolkit
//   moves the windows at once (dockstyle.h), leaving nothing per window for the event loop.
//   Each layout pass of the toolkit goes over every dock window, tabs included, so a step
//   asks for as few passes as it can: the moves of a placing share no area out before the
//   placer does, a window joins its tabs and shows in one pass, sizes are not asked again of
//   areas that still show what they made, and a tab row is set to scroll only once.
// The whole contract, these promises with the rest (no dock closed or shown that the host did
// not close or show, records that restore the same layout run after run), is one checker in
// host/testhost/layoutpromises.h that the sequence test (tests/frame/layoutsequences) plays
// random host and user steps against.
class DockLayout
{
public:
    explicit DockLayout(QMainWindow *window);
    ~DockLayout();
    DockLayout(const DockLayout &) = delete;
    DockLayout &operator=(const DockLayout &) = delete;

    // Puts the dock window at the end of the area, on a line of its own or at the end of the
    // last line, then fits the window (above). Top and None float it. An area whose last
    // window is a tab is full: the window joins those tabs at once.
    void place(QDockWidget *dock, DockArea area, bool newLine);
    // Puts the dock window as a tab onto the standing window of the group it joins, at the end
    // of that window's line, then fits the window; false (and nothing changed) when the other
    // is in no area.
    bool placeAsTab(QDockWidget *dock, QDockWidget *onto);
    // Makes the main window fit the free area of its screen again (above), and keeps its frame
    // there once shown; the area of the window that came is the first to give room (a window
    // that came and needs no tab leaves the frame where the host put it). Runs by
    // itself once the window was laid out anew (toolbars added or moved) or its screen changed.
    void fit(QDockWidget *came = nullptr);
    // Hides a window by request: the lines that stay shown keep what they showed, and the
    // room of a line hidden whole goes to the code, not to its neighbours.
    void hideKeepingLines(QDockWidget *dock, const std::function<void()> &hide);
    // Shows a hidden window again: the lines shown keep what they showed, and its line, if it
    // was hidden whole, comes back at its extent.
    void showKeepingLines(QDockWidget *dock, const std::function<void()> &show);
    // Takes it out of its line (it floats or goes away).
    void take(QDockWidget *dock);
    // Forgets everything about a dock window that goes away.
    void forget(const QDockWidget *dock);
    // After the user dragged a dock window: it joins the area the toolkit shows it in, where
    // the toolkit shows it (beside the window it was dropped on), or floats. False where the
    // move was the fit's own.
    bool follow(QDockWidget *dock);
    // Docks a floating window back where it stood before it floated, as the toolkit does, and
    // puts it back into that line.
    void dockBack(QDockWidget *dock);

    // Takes the order and the lines of every area, and the sizes of the dock windows, from
    // what the toolkit shows: the user drags windows within an area and resizes them.
    // Windows that are not shown keep their places.
    void followToolkit();

    DockArea areaOf(const QDockWidget *dock) const;
    // The window stands as a tab behind the first window of its group.
    bool tabbed(const QDockWidget *dock) const;
    // The window of its group that stands in the line: itself unless it is a tab.
    QDockWidget *standingOf(const QDockWidget *dock) const;
    // The window that sets the size across of the window's line (lineSetter); null for a
    // window in no area or a line hidden whole.
    const QDockWidget *lineSetterOf(const QDockWidget *dock) const;
    // The tab in front of the window's group as the toolkit shows it, before the show too;
    // null where the group shows no tab row.
    const QDockWidget *frontOfGroup(const QDockWidget *dock) const;
    // Where the window stands in the main window: a group of tabs stands where its tab shown
    // does, so that every window of the group records one place, and a restore finds the
    // group again by it.
    QPoint placeOf(const QDockWidget *dock) const;
    // Position within its area counted over all lines; -1 in no area.
    int indexOf(const QDockWidget *dock) const;
    bool startsLine(const QDockWidget *dock) const;
    int lineCount(DockArea area) const;
    QList<QDockWidget *> line(DockArea area, int line) const;

    // The extent the records carry: the size shown while the window is shown in an area (a tab
    // behind others, the size of its group's tab shown), else the extent it was given, else
    // its size.
    QSize extent(const QDockWidget *dock) const;
    // Before the show: how far across the window stands once shown, in a line that the window
    // `setter` sizes to `given` across. A group of tabs showing its tab row stands with that
    // row beneath it along the bottom, in a line as high as the group and its row, and across
    // a side area is at least as wide as the row's least.
    int acrossAtShow(const QDockWidget *dock, const QDockWidget *setter, int given) const;
    // The window takes the extent and its line the extent across; the other windows of the
    // line share what is left along it, in the proportions they had.
    void setExtent(QDockWidget *dock, QSize extent);
    // As setExtent, for a window its layout record brings back into a shown main window: the
    // windows of its line that records brought back keep the lengths their records gave, so
    // that a row comes back as stored whichever of its records comes first; the others share
    // what those leave.
    void restoreExtent(QDockWidget *dock, QSize extent);
    // Gives the window an extent that only the next sharing, growing or applying shows: all
    // the windows of an area sized first, then laid out together, come out as given.
    void assignExtent(const QDockWidget *dock, QSize extent);
    // Shares the area evenly: across lines, and within a line among its windows. An area no
    // larger than the least size of its dock windows shares a fifth of the main window. A
    // window whose extent is held keeps it.
    void shareEvenly(DockArea area, const QDockWidget *joining = nullptr);
    // Widens (or heightens) each line of the area to what its panes ask for, within the area's
    // share of the main window. A line holding a window whose extent is held keeps its extent.
    void growToPanes(DockArea area);
    // The window keeps the extent it was given (by its layout record, by the host) or that the
    // user dragged it to: what its pane asks for no longer grows it.
    void hold(const QDockWidget *dock);
    bool held(const QDockWidget *dock) const;
    // While the user holds a separator the toolkit lays the areas out from what they held
    // when the drag began, so a window placed meanwhile would stand in no area: such steps
    // wait for the release. Run at once when no drag is under way.
    void afterDrag(std::function<void()> step);
    // The user released a separator: the windows keep the sizes shown, and those whose line
    // changed across are held. Each changed window comes with the size it had at the press.
    void dragEnded(const QList<std::pair<QDockWidget *, QSize>> &changed);
    // The user or the host resized the main window from that size. A smaller window cuts the
    // lines once the code has no more room to give, and a larger one gives all it gains to the
    // code: once the window has grown, the lines take back what they showed before the cut, as
    // far as the code's room beyond its least reaches.
    void windowResized(QSize from);

private:
    // Why a group of tabs last took a tab in: the fit, for want of room; the host or the user;
    // the toolkit, which had no other place for a window.
    enum class Made { Host, Fit, Toolkit };
    // What a group was sized to: by the host, a record, the user, or the layout's own sharing.
    struct SizeSet
    {
        // The group's window's own size, its tab row not counted; none (invalid) for what the
        // toolkit shows.
        QSize extent;
        // The window the host, a record or the user gave the extent through, or that stood for
        // the group then; null for none. The fit and the sharing leave a held extent.
        const QDockWidget *heldBy = nullptr;
        // The user dragged its length along the line, its line's size across left as it was:
        // it keeps that length when the area is shared out anew, and holds no size across.
        bool heldAlong = false;

        bool held() const { return heldBy != nullptr; }
    };
    // What stands in one place of a line: a group of tabs, or a window alone as a group of one.
    // A step that adds, closes, floats, docks back, hides or restores a window changes this one
    // record. The tab shown is the toolkit's to choose: shownOf reads it.
    struct Group
    {
        // The window standing in the line, then its tabs in order.
        QList<QDockWidget *> docks;
        Made made = Made::Host;
        // The toolkit still holds the group in one of its groups of tabs that keeps the place of
        // a window gone from it: a window split beside it would be one more tab there.
        bool keepsPlace = false;
        // The windows that left it (floated, hidden or closed) whose places the toolkit keeps
        // among its tabs, for when they dock again.
        QList<const QDockWidget *> left;
        // The length along the line that a record gave the group brought back into a shown
        // main window, until its window standing leaves the line or the host or the user sizes
        // it; -1 for none.
        int recordedAlong = -1;
        // One size for the whole group: its tab shown shows it, whichever that is.
        SizeSet size;

        QDockWidget *standing() const { return docks.first(); }
        bool hasTabs() const { return docks.size() > 1; }
    };
    using Line = QList<Group>;
    // The window as a group of one, with the size it had when it last left a line.
    Group alone(QDockWidget *dock) const;
    // The size the window's group was given, or, the window in no line, what it had when it
    // left one (created there for a window that never stood in one).
    SizeSet &sizeSetOf(const QDockWidget *dock);
    SizeSet sizeSetOf(const QDockWidget *dock) const;
    // The group's extent, else what its window `shown` shows.
    static QSize extentOf(const Group &group, const QDockWidget *shown = nullptr);
    // What the windows taken from the group keep of its size set: the extent, and the held
    // marks given through one of them or through the window standing among them.
    static SizeSet carried(const Group &from, const QList<QDockWidget *> &docks);
    // The group holds its extent: a size given through a window the host hid since waits for
    // it to show again, unless the group still stands on its window standing.
    static bool holds(const Group &group);
    static QList<QDockWidget *> docksOf(const Line &line);
    struct Position
    {
        int area = -1;
        int line = -1;
        int group = -1;
        // Within the group: 0 for the window standing.
        int index = -1;
    };
    Position find(const QDockWidget *dock) const;
    // Takes the group out of its line, and the line out of its area once it holds no group.
    Group takeGroup(int area, int line, int group);
    // Takes the window at the position out of its group, and the group once it holds none.
    void takeOut(const Position &p);
    Group *groupOf(const QDockWidget *dock);
    const Group *groupOf(const QDockWidget *dock) const;
    bool shownIn(const QDockWidget *dock, DockArea area) const;
    void settle() const;
    // The windows shown take the sizes they show as their extents; but for heldAcrossToo, a
    // held window keeps the extent across that it holds.
    void keepShownSizes(DockArea area, bool heldAcrossToo = true);
    // The user holds a separator.
    bool dragging() const;
    // The lines of an area as they show across, by a window shown in each.
    struct LineSizes
    {
        QList<QDockWidget *> docks;
        QList<int> sizes;
    };
    LineSizes linesShown(DockArea area, const QDockWidget *leaving) const;
    // The lines still shown stand as far across as they did.
    void keepLines(DockArea area, LineSizes lines);
    // A line shown again that the code has no room for takes what it lacks from the lines of
    // its own area: the toolkit would take it from every line alike, those of the area across
    // the code too.
    void takeFromLines(DockArea area, LineSizes &lines, int lacking) const;
    // A line holding a size that shows less of it asks no more than it shows, but the line of
    // the window being set: between lines that hold sizes the toolkit would share the room in
    // proportion to what each asks. What they lack, keepHeldLines gives from the room free.
    // laidOut: the toolkit was just given its turn to lay the window out, so that what shows is
    // what it made of the sizes last asked.
    void applyExtents(DockArea area, const QDockWidget *setting = nullptr, bool laidOut = false);
    // What applyExtents last asked of the toolkit for an area, the main window's size, and where
    // the windows standing in the areas stood once the toolkit had laid them out.
    struct Asked
    {
        QList<QDockWidget *> docks;
        QList<int> sizes;
        QSize window;
        QList<QRect> shown;
    };
    QList<QRect> dockGeometries() const;
    // Asks the toolkit for sizes, as QMainWindow::resizeDocks, and forgets the sizes last asked
    // by applyExtents: every ask of the library goes through here, or that memory goes stale.
    void resizeDocks(const QList<QDockWidget *> &docks, const QList<int> &sizes,
                     Qt::Orientation direction);
    // Where the area has less room across than its lines were given, the toolkit takes it
    // from every line alike: the lines holding a size the user or the host gave take theirs
    // back from the lines that hold none, down to those lines' least. The side areas, which
    // share the window's width, are taken together.
    void keepHeldLines(DockArea area);
    // How far the bottom area may grow before the row of the code and the side areas above it
    // would have less than its least height.
    int roomAboveBottom() const;
    // The height of that row.
    int rowAboveBottom() const;
    // How far a side area may grow before the code would have less than its least width.
    int roomBesideCode() const;
    // The tab row of the group whose tab is shown, beneath it; null for none.
    const QTabBar *tabBarBeneath(const QDockWidget *shown) const;
    // How far the tab row of the group whose tab is shown reaches beneath it.
    int tabRowBeneath(const QDockWidget *shown) const;
    // The least width of that tab row: its scroll buttons and its widest title.
    int tabRowLeastWidth(const QDockWidget *shown) const;
    // The groups of the line that show a window: a group hidden whole takes no room, and a
    // window put behind it as a tab would have no tab row leading to it.
    QList<const Group *> shownGroups(const Line &line) const;
    // The window a group is laid out by: its window standing, or, that one hidden by request,
    // its tab shown (before the show, the tab the toolkit holds in front, else its first tab not
    // hidden); null for a group hidden whole.
    const QDockWidget *laysOut(const Group &group, DockArea area) const;
    // The window that sets a line's size across, one rule for every step that sizes lines, the
    // records read before the show included: of the groups the line shows, the first whose
    // window laying it out holds a size the host or the user gave, else the first. Null for a
    // line hidden whole.
    const QDockWidget *lineSetter(DockArea area, const Line &line) const;
    // Sets the dock beside the group standing there, in its line, not as one more tab; false
    // (nothing placed) where the toolkit would make it a tab all the same.
    bool splitBesideGroup(QDockWidget *standing, QDockWidget *dock);
    // The toolkit made the window it split one more tab of a group it holds: so does the
    // layout, as the tab shown.
    void takeToolkitTab(QDockWidget *dock);
    // Makes the dock a tab, shown, of the last group of the area, at its end.
    void joinGroupAtLineEnd(QDockWidget *dock, DockArea area);
    // A tab of a group hidden whole shown again is the group's tab shown, laid out in its place.
    void bringTabOfHiddenGroupInSight(QDockWidget *dock);
    // The window just made a tab comes to the front of its group, unless it is hidden.
    void showAsTabShown(QDockWidget *dock);
    // Whether the group shows its tab row: two of its windows show.
    static bool showsTabRow(const Group &group);
    // The toolkit's group of the window standing there keeps the place of a window floated
    // out of it.
    bool toolkitKeepsFloatedPlace(QDockWidget *standing) const;
    // The toolkit holds the window in a group of tabs, of its own or with others: standing alone
    // in the picture, it stands in a group that keeps the place of a window gone from it.
    bool toolkitKeepsPlace(const QDockWidget *dock) const;
    // The toolkit's tab row naming the window, and its tab there; null for none.
    std::pair<const QTabBar *, int> toolkitTabOf(const QDockWidget *dock) const;
    static bool groupShown(const Group &group);
    // The window of the group shown in the area, if any; of the dock's group.
    const QDockWidget *shownOf(const Group &group, DockArea area) const;
    const QDockWidget *shownOfGroup(const QDockWidget *dock) const;
    // The windows of `joining` join the group as tabs behind its others, taking its size; in
    // the picture only: the toolkit holds them so already.
    void addTabs(Group &group, const Group &joining, Made made);
    // As addTabs, and the toolkit makes them tabs too.
    void tabGroupOnto(Group &group, const Group &joining, Made made);
    // A window the host docked back where it stood as a tab, or as a group's standing window,
    // is in that group again.
    void rejoinGroup(QDockWidget *dock);
    // A window docked back where the toolkit kept its place: where the toolkit shows it on a
    // line of its own, beside the line the layout put it in, so does the layout.
    void lineAsShown(QDockWidget *dock);
    // Where the toolkit put it back within another line instead, a line of its own at the end.
    void lineAlongTheArea(QDockWidget *dock);
    // Within its line, it stands among the groups shown where the toolkit shows it.
    void placeAlongAsShown(QDockWidget *dock);
    // A window the user dropped into the area goes into the picture where the toolkit shows
    // it; false (nothing placed) where nothing shown tells the place.
    bool dropBesideShown(QDockWidget *dock, DockArea area);
    // The height of the toolkit's tab row beneath a group.
    int tabRow() const;
    // The toolkit's tab rows scroll and show whole titles.
    void keepTabsReadable() const;
    // The window a line is sized by (lineSetter) and what the line shows across, its tab row
    // included where that stands across the area; null for a line hidden whole.
    std::pair<QDockWidget *, int> lineShownAcross(DockArea area, const Line &line) const;
    // What the lines show across is what they take back later. A line a smaller window cut
    // keeps what it showed before until it took that back, or the layout or the user gave its
    // area sizes anew (a drag sets the lines it moved across only).
    // Shown: after a step that set sizes (while a resize waits for its answer, only those of
    // `setting` count as set where the resize cut them); ShownKeepingCuts:
    // after the fit, which sets none, and after the user's drag; KeepingCuts: after a resize,
    // marking the lines it cut.
    enum class Remember { Shown, ShownKeepingCuts, KeepingCuts };
    void rememberLines(Remember how, DockArea setting = DockArea::None);
    // What each area's lines show across, by the window each is sized by.
    using LinesAcross = std::array<QHash<const QDockWidget *, int>, 3>;
    LinesAcross linesAcross() const;
    // The lines across the direction take back what they showed, from the code's room; but
    // those of the area sharing out its room anew.
    void giveLinesBack(Qt::Orientation direction, const LinesAcross &wanted,
                       DockArea sharing = DockArea::None);

    // The fit (docklayoutfit.cpp).
    // The fit of a window just placed, given the main window's size before it came (the
    // toolkit grows the window to its least size as it takes the window in, before the fit
    // has made any tabs) and what the lines showed across then.
    void fitPlaced(QDockWidget *came, QSize before, const LinesAcross &linesBefore);
    // What the panes of the line ask for across it, within the area's share of the main window.
    int panesAsk(DockArea area, const Line &line) const;
    // A window that came to a side area and made its column higher than the row above the
    // bottom area had room for cut the bottom lines: that area makes tabs instead, while a line
    // of its sets the row's least, and the bottom lines take back what they showed before, as
    // far as their panes ask.
    bool keepLinesBelowCode(const LinesAcross &before, DockArea first);
    // How much the main window's least size exceeds the free area, per direction.
    QSize overflow() const;
    bool freeRoom(Qt::Orientation direction, DockArea first);
    bool tabLastOfLongestLine(DockArea area, Qt::Orientation direction, bool onlyWhereItCounts);
    bool tabLastLine(DockArea area);
    int leastAlong(DockArea area, const Line &line) const;
    int leastAcross(DockArea area) const;
    int separator() const;

    QMainWindow *m_window;
    // The toolkit reports our own placing as moves; those are not the user's.
    bool m_placing = false;
    // Where each window stood before it last left its line: the group whose place it goes
    // back into (-1: the line was its own), and the size its group had, which it takes back
    // with it; and the window docked back there now.
    struct Former
    {
        int area = -1;
        int line = -1;
        int group = -1;
        SizeSet size;
        // It left as the last window of a group that keeps places (Group::keepsPlace).
        bool keepsPlace = false;
    };
    QHash<const QDockWidget *, Former> m_formerPlace;
    QDockWidget *m_returning = nullptr;
    // Lines of the left, right and bottom areas (index area - 1).
    QList<Line> m_lines[3];
    bool m_fitting = false;
    Asked m_asked[3];
    // What each area's lines showed across as the user left them, by the window each is sized
    // by.
    LinesAcross m_linesLeft;
    // The lines a smaller window cut, by the window each is sized by.
    QSet<const QDockWidget *> m_cut;
    // The smallest the window was since the resize that a giving back answers, the resizes
    // that came before its answer included.
    QSize m_smallestUnanswered;
    bool m_givingBack = false;
    // Holds the windows the user sizes by dragging a separator of the dock areas.
    std::unique_ptr<QObject> m_separatorDrags;
    // Runs the fit when the window was laid out anew or its screen changed.
    std::unique_ptr<QObject> m_fitWatch;
    // The look of the windows placed: the toolkit moves them at once.
    std::unique_ptr<DockStyle> m_style;
};

} // namespace tesk::frame

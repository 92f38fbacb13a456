#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QSize>

#include <functional>
#include <memory>

class QDockWidget;
class QMainWindow;
class QObject;

namespace tesk::frame {

// The areas in the numbering of the layout records.
enum class DockArea { Top = 0, Left = 1, Right = 2, Bottom = 3, None = 4 };

// The toolkit keeps no lines, indexes or extents of dock windows that one could read back, so
// each main window keeps its own picture of its dock areas - areas of lines of ordered dock
// windows with their extents - and drives the toolkit from it. The layout records are written
// from this picture and restored into it.
//
// Whatever the host and the user do, in any order, the layout keeps the promises written out
// as one checker in host/testhost/layoutpromises.h: the main window's frame and least size
// within the free area, every dock the host did not hide or close reachable, nothing closed
// that the host did not close, the sizes the host or the user gave kept while nothing needs
// the room, and records that restore the same layout run after run. The sequence test
// (tests/frame/layoutsequences) plays random host and user steps against them.
class DockLayout
{
public:
    explicit DockLayout(QMainWindow *window);
    ~DockLayout();
    DockLayout(const DockLayout &) = delete;
    DockLayout &operator=(const DockLayout &) = delete;

    // Puts the dock window at the end of the area, on a line of its own or at the end of the
    // last line. Top and None float it. A window that would make the main window's least size
    // larger than the free area of its screen goes onto the area's last window as a tab.
    void place(QDockWidget *dock, DockArea area, bool newLine);
    // Takes it out of its line (it floats or goes away).
    void take(QDockWidget *dock);
    // Forgets everything about a dock window that goes away.
    void forget(const QDockWidget *dock);
    // After the user dragged a dock window: it joins the end of the area the toolkit shows it
    // in, or floats.
    void follow(QDockWidget *dock);

    // Takes the order and the lines of every area, and the sizes of the dock windows, from
    // what the toolkit shows: the user drags windows within an area and resizes them.
    // Windows that are not shown keep their places.
    void followToolkit();

    DockArea areaOf(const QDockWidget *dock) const;
    // Position within its area counted over all lines; -1 in no area.
    int indexOf(const QDockWidget *dock) const;
    bool startsLine(const QDockWidget *dock) const;
    int lineCount(DockArea area) const;
    QList<QDockWidget *> line(DockArea area, int line) const;

    // The extent the records carry: the size shown while the window is shown in an area, else
    // the extent it was given, else its size.
    QSize extent(const QDockWidget *dock) const;
    // The window takes the extent and its line the extent across; the other windows of the
    // line share what is left along it, in the proportions they had.
    void setExtent(QDockWidget *dock, QSize extent);
    // Gives the window an extent that only the next sharing, growing or applying shows: all
    // the windows of an area sized first, then laid out together, come out as given.
    void assignExtent(const QDockWidget *dock, QSize extent);
    // Shares the area evenly: across lines, and within a line among its windows. An area no
    // larger than the least size of its dock windows shares a fifth of the main window. A
    // window whose extent is held keeps it.
    void shareEvenly(DockArea area);
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
    // The user released a separator: the windows keep the sizes shown, and those that changed
    // are held.
    void dragEnded(const QList<QDockWidget *> &changed);

private:
    struct Position
    {
        int area = -1;
        int line = -1;
        int slot = -1;
    };
    Position find(const QDockWidget *dock) const;
    bool shownIn(const QDockWidget *dock, DockArea area) const;
    void settle() const;
    void keepShownSizes(DockArea area);
    void applyExtents(DockArea area);
    bool fitsFreeArea() const;
    // The window stands as a tab on another window of its area (the area was full).
    bool tabbed(const QDockWidget *dock) const;
    // The line without the windows that stand as tabs on an earlier one of it.
    QList<QDockWidget *> standing(const QList<QDockWidget *> &line) const;

    QMainWindow *m_window;
    // The toolkit reports our own placing as moves; those are not the user's.
    bool m_placing = false;
    // Lines of the left, right and bottom areas (index area - 1).
    QList<QList<QDockWidget *>> m_lines[3];
    QHash<const QDockWidget *, QSize> m_extents;
    QSet<const QDockWidget *> m_held;
    // Holds the windows the user sizes by dragging a separator of the dock areas.
    std::unique_ptr<QObject> m_separatorDrags;
};

} // namespace tesk::frame

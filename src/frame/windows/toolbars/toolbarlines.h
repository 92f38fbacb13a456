#pragma once

#include <QHash>
#include <QList>

class QMainWindow;
class QToolBar;

namespace tesk::frame {

// The toolkit keeps the toolbars of a main window's top area in lines, and a break between
// lines belongs to the line: a toolbar moved away leaves it to the next one, and no toolbar
// can be moved to a place among others still to come. So a restored layout is laid out whole,
// every line anew, each time a toolbar's record comes back.
class ToolbarLines
{
public:
    explicit ToolbarLines(QMainWindow *window);

    // Puts the toolbar at that place among the docked toolbars counted over all lines, first
    // on a line of its own when asked. Toolbars whose records came back before keep their
    // places; the others fill the places left, in their order.
    void restore(QToolBar *toolbar, int index, bool newLine);
    // The toolbar floats: its record no longer places it in a line.
    void floated(QToolBar *toolbar);

private:
    struct Place
    {
        int index = 0;
        bool newLine = false;
    };

    QMainWindow *m_window;
    QHash<QToolBar *, Place> m_restored;
};

// The docked toolbars of the window's top area, line by line, hidden ones where they stand, as
// the window's layout keeps them.
QList<QList<QToolBar *>> topToolbarLines(const QMainWindow *window);

} // namespace tesk::frame

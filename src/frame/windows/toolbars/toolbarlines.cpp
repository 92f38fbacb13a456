#include "frame/windows/toolbars/toolbarlines.h"

#include <QLayout>
#include <QMainWindow>
#include <QSet>
#include <QToolBar>

#include <algorithm>
#include <iterator>

namespace tesk::frame {

ToolbarLines::ToolbarLines(QMainWindow *window)
    : m_window(window)
{
}

QList<QList<QToolBar *>> topToolbarLines(const QMainWindow *window)
{
    // The main window's layout hands out its toolbars line by line, hidden ones and the places
    // of torn-off ones included; a line but the first starts with a break.
    QList<QList<QToolBar *>> lines;
    QLayout *layout = window->layout();
    bool breakPending = false;
    for (int i = 0; layout && i < layout->count(); ++i) {
        auto *toolbar = qobject_cast<QToolBar *>(layout->itemAt(i)->widget());
        if (!toolbar || window->toolBarArea(toolbar) != Qt::TopToolBarArea)
            continue;
        const bool breaks = window->toolBarBreak(toolbar) || breakPending;
        // A torn-off toolbar keeps its place in its line: the one after it starts the line
        // in its stead.
        if (toolbar->isFloating()) {
            breakPending = breaks;
            continue;
        }
        breakPending = false;
        if (lines.isEmpty() || breaks)
            lines.append(QList<QToolBar *>());
        lines.last().append(toolbar);
    }
    return lines;
}

void ToolbarLines::restore(QToolBar *toolbar, int index, bool newLine)
{
    const QList<QList<QToolBar *>> current = topToolbarLines(m_window);
    QList<QToolBar *> order;
    QSet<QToolBar *> startsLine;
    for (int l = 0; l < current.size(); ++l) {
        if (l > 0)
            startsLine.insert(current[l].first());
        order += current[l];
    }
    if (!order.contains(toolbar))
        return;
    // Toolbars gone or floated since keep no place.
    for (auto it = m_restored.begin(); it != m_restored.end();)
        it = order.contains(it.key()) ? std::next(it) : m_restored.erase(it);
    m_restored.insert(toolbar, {index, newLine});
    // Restored toolbars first, each at its place or the nearest free one after it (before it
    // at the end), in the order of their places.
    QList<QToolBar *> restored;
    for (QToolBar *candidate : std::as_const(order))
        if (m_restored.contains(candidate))
            restored.append(candidate);
    std::stable_sort(restored.begin(), restored.end(), [this](QToolBar *a, QToolBar *b) {
        return m_restored.value(a).index < m_restored.value(b).index;
    });
    const int count = int(order.size());
    QList<QToolBar *> places(count, nullptr);
    for (QToolBar *candidate : std::as_const(restored)) {
        int at = qBound(0, m_restored.value(candidate).index, count - 1);
        while (at < count && places[at])
            ++at;
        if (at == count) {
            at = count - 1;
            while (places[at])
                --at;
        }
        places[at] = candidate;
    }
    int next = 0;
    for (QToolBar *candidate : std::as_const(order)) {
        if (m_restored.contains(candidate))
            continue;
        while (places[next])
            ++next;
        places[next] = candidate;
    }
    // Every toolbar is taken out and put back at the end, in order: the lines and their
    // breaks are made anew.
    for (int i = 0; i < count; ++i) {
        QToolBar *placed = places[i];
        const auto found = m_restored.constFind(placed);
        const bool breaks =
            found != m_restored.constEnd() ? found->newLine : startsLine.contains(placed);
        if (i > 0 && breaks)
            m_window->addToolBarBreak(Qt::TopToolBarArea);
        m_window->addToolBar(Qt::TopToolBarArea, placed);
    }
}

void ToolbarLines::floated(QToolBar *toolbar)
{
    m_restored.remove(toolbar);
}

} // namespace tesk::frame

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

QList<QList<QToolBar *>> ToolbarLines::lines()
{
    // Places given to the toolkit reach the toolbars when it lays the window out.
    if (QLayout *layout = m_window->layout())
        layout->activate();
    QList<QToolBar *> shown;
    QList<QToolBar *> hidden;
    for (QToolBar *toolbar : m_window->findChildren<QToolBar *>(Qt::FindDirectChildrenOnly)) {
        if (toolbar->isFloating() || m_window->toolBarArea(toolbar) != Qt::TopToolBarArea)
            continue;
        (toolbar->isHidden() ? hidden : shown).append(toolbar);
    }
    std::stable_sort(shown.begin(), shown.end(), [](const QToolBar *a, const QToolBar *b) {
        return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
    });
    QList<QList<QToolBar *>> rebuilt;
    for (QToolBar *toolbar : shown) {
        if (rebuilt.isEmpty() || rebuilt.last().first()->y() != toolbar->y())
            rebuilt.append(QList<QToolBar *>());
        rebuilt.last().append(toolbar);
    }
    // A hidden toolbar goes back behind the one it stood behind, else to the place it had.
    for (QToolBar *toolbar : hidden) {
        int line = -1;
        int slot = -1;
        for (int l = 0; l < m_lines.size() && line < 0; ++l) {
            slot = int(m_lines[l].indexOf(toolbar));
            if (slot >= 0)
                line = l;
        }
        if (line < 0) {
            // Hidden before its place was read: the toolkit left it where it last stood.
            auto at = std::find_if(rebuilt.begin(), rebuilt.end(), [toolbar](const auto &l) {
                return l.first()->y() == toolbar->y();
            });
            if (at == rebuilt.end()) {
                if (rebuilt.isEmpty())
                    rebuilt.append(QList<QToolBar *>());
                rebuilt.last().append(toolbar);
                continue;
            }
            const auto after = std::find_if(at->begin(), at->end(), [toolbar](const QToolBar *t) {
                return t->x() > toolbar->x();
            });
            at->insert(after - at->begin(), toolbar);
            continue;
        }
        QToolBar *before = slot > 0 ? m_lines[line][slot - 1].data() : nullptr;
        bool placed = false;
        for (auto &l : rebuilt) {
            const qsizetype at = before ? l.indexOf(before) : -1;
            if (at >= 0) {
                l.insert(at + 1, toolbar);
                placed = true;
                break;
            }
        }
        if (placed)
            continue;
        if (line >= rebuilt.size()) {
            rebuilt.append({toolbar});
            continue;
        }
        rebuilt[line].insert(qMin(slot, int(rebuilt[line].size())), toolbar);
    }
    m_lines.clear();
    for (const auto &l : rebuilt)
        m_lines.append(QList<QPointer<QToolBar>>(l.begin(), l.end()));
    return rebuilt;
}

void ToolbarLines::restore(QToolBar *toolbar, int index, bool newLine)
{
    const QList<QList<QToolBar *>> current = lines();
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
    // breaks are made anew. Hidden ones are placed too, and kept where they now stand.
    m_lines.clear();
    for (int i = 0; i < count; ++i) {
        QToolBar *placed = places[i];
        const auto found = m_restored.constFind(placed);
        const bool breaks =
            found != m_restored.constEnd() ? found->newLine : startsLine.contains(placed);
        if (i > 0 && breaks)
            m_window->addToolBarBreak(Qt::TopToolBarArea);
        m_window->addToolBar(Qt::TopToolBarArea, placed);
        if (m_lines.isEmpty() || (i > 0 && breaks))
            m_lines.append(QList<QPointer<QToolBar>>());
        m_lines.last().append(placed);
    }
}

void ToolbarLines::floated(QToolBar *toolbar)
{
    m_restored.remove(toolbar);
}

} // namespace tesk::frame

#include "frame/windows/ksodraganddrop.h"

#include "frame/core/cuifunctionregistry.h"
#include "frame/core/cuihandles.h"
#include "frame/core/exportguard.h"
#include "frame/core/services.h"
#include "system/lifetime.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace tesk::frame::dragdrop {

namespace {

constexpr int kMoveAllowed = 1 << 2;

int g_dragContext = 0;
int g_lastDragOverAnswer = 0;

// The drag events the library is relaying right now, innermost last: the only events whose
// pointers the host may hand back. Only their addresses are compared; nothing is read through
// a pointer the host passes unless it is one of these.
struct Relayed
{
    const void *event;
    TeskHandle box;
    bool move; // a drag-enter or drag-move event, else a drop event
};
QList<Relayed> g_relaying;

class RelayMark
{
public:
    RelayMark(const void *event, TeskHandle box, bool move)
    {
        g_relaying.append({event, box, move});
    }
    ~RelayMark() { g_relaying.removeLast(); }
    RelayMark(const RelayMark &) = delete;
    RelayMark &operator=(const RelayMark &) = delete;
};

// Whether the host may have this event relayed (again) to that box: it is being relayed now, of
// the kind the export takes, and not already to that same box (which would ask it forever).
bool relayable(const void *event, TeskHandle box, bool move)
{
    bool found = false;
    for (const Relayed &relayed : std::as_const(g_relaying)) {
        if (relayed.event != event)
            continue;
        if (relayed.move != move || relayed.box == box)
            return false;
        found = true;
    }
    return found;
}

// The host hands the widget back as a raw pointer: only a widget of this library alive now is
// used (compared by address before anything is read through it).
bool liveWidget(const QWidget *widget)
{
    return widget && QApplication::allWidgets().contains(const_cast<QWidget *>(widget));
}

enum WindowBoxEntry { DragOverEntry = 7, DropEntry = 8 };
using WindowBoxTextFn = int (*)(TeskHandle handle, int copy, int x, int y, const char *utf8Text);

// Entries 7 and 8 of the host's window-box table; either may be missing.
int askWindowBox(WindowBoxEntry entry, TeskHandle box, int copy, const QPoint &global,
                 const QString &text)
{
    auto *table = static_cast<void **>(
        CuiFunctionRegistry::instance()->getVoidStar(QStringLiteral("windBoxFuncs")));
    auto fn = table ? reinterpret_cast<WindowBoxTextFn>(table[entry]) : nullptr;
    if (!fn)
        return 0;
    const QByteArray utf8 = text.toUtf8();
    int answer = 0;
    // Whatever the host destroys while it answers (the pane itself) goes once it has returned.
    tesk::lifetime::callHost(
        nullptr, [&] { answer = fn(box, copy, global.x(), global.y(), utf8.constData()); });
    return answer;
}

// Plain text only: the toolkit's hasText also answers yes for a list of URLs.
bool carriesPlainText(const QMimeData *data)
{
    if (!data)
        return false;
    const QStringList formats = data->formats();
    return std::any_of(formats.begin(), formats.end(), [](const QString &format) {
        return format == QLatin1String("text/plain") ||
               format.startsWith(QLatin1String("text/plain;"));
    });
}

// The plain text a drag carries; a null string when it carries none. A box the library made
// (a memory view's dock) is no host's: a host may take its boxes for its own objects' addresses.
QString plainText(const QWidget *widget, TeskHandle box, const QDropEvent *event)
{
    if (!box || tesk::handles::contains(reinterpret_cast<const void *>(box)) || !event ||
        !liveWidget(widget) || !carriesPlainText(event->mimeData()))
        return QString();
    return event->mimeData()->text();
}

} // namespace

int setDragContext(int context)
{
    g_dragContext = context;
    return context;
}

int dragContext()
{
    return g_dragContext;
}

int lastDragOverAnswer()
{
    return g_lastDragOverAnswer;
}

void dragMove(QWidget *widget, TeskHandle windowBox, QDragMoveEvent *event)
{
    const RelayMark mark(event, windowBox, true);
    const QString text = plainText(widget, windowBox, event);
    if (text.isNull())
        return;
    const int copy = event->proposedAction() == Qt::MoveAction ? 0 : 1;
    const QPoint global = widget->mapToGlobal(event->position().toPoint());
    const int answer = askWindowBox(DragOverEntry, windowBox, copy, global, text);
    g_lastDragOverAnswer = answer;
    // The toolkit sends the moves of a drag only to the widget that took its enter, so the enter
    // is taken even where the box says no: the box is asked again at the next spot. A move comes
    // accepted when the one before was, so a no must ignore it.
    if (answer || event->type() == QEvent::DragEnter)
        event->acceptProposedAction();
    else
        event->ignore();
}

void drop(QWidget *widget, TeskHandle windowBox, QDropEvent *event)
{
    const RelayMark mark(event, windowBox, false);
    QString text = plainText(widget, windowBox, event);
    if (text.isNull())
        return;
    // A move only when the drag is one and the box allowed it while the mouse was over it.
    const bool move =
        event->proposedAction() == Qt::MoveAction && (g_lastDragOverAnswer & kMoveAllowed);
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    const QPoint global = widget->mapToGlobal(event->position().toPoint());
    if (askWindowBox(DropEntry, windowBox, move ? 0 : 1, global, text))
        event->acceptProposedAction();
    else
        event->ignore();
}

void hostDragMove(const void *widget, TeskHandle windowBox, const void *event)
{
    if (!tesk::applicationExists() || !relayable(event, windowBox, true))
        return;
    auto *target = static_cast<QWidget *>(const_cast<void *>(widget));
    if (liveWidget(target))
        dragMove(target, windowBox, static_cast<QDragMoveEvent *>(const_cast<void *>(event)));
}

void hostDrop(const void *widget, TeskHandle windowBox, const void *event)
{
    if (!tesk::applicationExists() || !relayable(event, windowBox, false))
        return;
    auto *target = static_cast<QWidget *>(const_cast<void *>(widget));
    if (liveWidget(target))
        drop(target, windowBox, static_cast<QDropEvent *>(const_cast<void *>(event)));
}

void startDrag(int mode, const QString &text)
{
    auto *drag = new QDrag(QCoreApplication::instance());
    auto *data = new QMimeData;
    data->setText(text);
    drag->setMimeData(data);
    if (mode == 0)
        drag->exec(Qt::CopyAction);
    else
        drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
    drag->deleteLater();
}

} // namespace tesk::frame::dragdrop

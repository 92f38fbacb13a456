#include "frame/windows/ksodraganddrop.h"

#include "frame/core/cuifunctionregistry.h"
#include "frame/core/paneseams.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

#include <algorithm>

namespace tesk::frame::dragdrop {

namespace {

constexpr int kMoveAllowed = 1 << 2;

int g_dragContext = 0;
int g_lastDragOverAnswer = 0;

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
    return fn(box, copy, global.x(), global.y(), text.toUtf8().constData());
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

// The plain text a drag carries; a null string when it carries none.
QString plainText(const QWidget *widget, TeskHandle box, const QDropEvent *event)
{
    if (!widget || !box || !event || !carriesPlainText(event->mimeData()))
        return QString();
    // The host hands the widget back as a raw pointer: only a widget alive now is used.
    if (!QApplication::allWidgets().contains(const_cast<QWidget *>(widget)))
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
    const QString text = plainText(widget, windowBox, event);
    if (text.isNull())
        return;
    const int copy = event->proposedAction() == Qt::MoveAction ? 0 : 1;
    const QPoint global = widget->mapToGlobal(event->position().toPoint());
    const int answer = askWindowBox(DragOverEntry, windowBox, copy, global, text);
    g_lastDragOverAnswer = answer;
    if (answer)
        event->acceptProposedAction();
}

void drop(QWidget *widget, TeskHandle windowBox, QDropEvent *event)
{
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

namespace {

// The tabbed pane frame hands its drags to the relay without including the frame.
const bool g_relayInstalled =
    (tesk::core::addFrameServiceHooks(
         {nullptr, &tesk::frame::dragdrop::dragMove, &tesk::frame::dragdrop::drop}),
     true);

} // namespace

#include "frame/windows/toolbars/editortoolbars.h"

#include "frame/windows/mainframe.h"
#include "frame/windows/store.h"
#include "frame/windows/toolbars/findtoolbar.h"
#include "frame/windows/toolbars/scripttoolbar.h"
#include "frame/windows/toolbars/toolbarlines.h"
#include "frame/windows/toplevelwindow.h"

namespace tesk::frame {

namespace {

// Set on a toolbar a layout record placed in its line.
const char kRecordedLine[] = "teskRecordedLine";

template<typename ToolBar>
ToolBar *toolBarOf(const QMainWindow *window)
{
    return window ? window->findChild<ToolBar *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

bool isEditorToolBar(const QToolBar *toolBar)
{
    return qobject_cast<const FindToolBar *>(toolBar) ||
           qobject_cast<const ScriptToolBar *>(toolBar);
}

// The width a toolbar takes with its fields at their full widths.
int wantedWidth(const QToolBar *toolBar)
{
    if (const auto *find = qobject_cast<const FindToolBar *>(toolBar))
        return find->naturalWidth();
    return toolBar->sizeHint().width();
}

void placeAtTop(QMainWindow *window, KSOToolBar *toolBar)
{
    toolBar->setAllowedAreas(Qt::TopToolBarArea);
    // The menu toolbars fill most of a usual window's width, and a toolbar squeezed beside
    // them hides its fields behind its overflow arrow: the fields the user types into stand
    // on a line of their own, which the editor toolbars share while the window is wide enough
    // for all of them.
    bool menuToolBars = false;
    bool editorPlaced = false;
    for (const QToolBar *placed :
         window->findChildren<QToolBar *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (placed == toolBar || window->toolBarArea(placed) != Qt::TopToolBarArea)
            continue;
        if (isEditorToolBar(placed))
            editorPlaced = true;
        else
            menuToolBars = true;
    }
    if (menuToolBars && !editorPlaced)
        window->addToolBarBreak(Qt::TopToolBarArea);
    window->addToolBar(Qt::TopToolBarArea, toolBar);
    chooseEditorLines(window);
}

} // namespace

void keepRecordedLine(QToolBar *toolBar)
{
    toolBar->setProperty(kRecordedLine, true);
}

void chooseEditorLines(QMainWindow *window)
{
    QList<QToolBar *> editors;
    for (QToolBar *placed : window->findChildren<QToolBar *>(QString(), Qt::FindDirectChildrenOnly))
        if (isEditorToolBar(placed) && window->toolBarArea(placed) == Qt::TopToolBarArea)
            editors.append(placed);
    if (editors.size() != 2 || editors[0]->property(kRecordedLine).toBool() ||
        editors[1]->property(kRecordedLine).toBool())
        return;
    // Only where they were placed: the first at the start of a line, the second just after it
    // or at the start of the next. Toolbars the user (or a layout record) moved stay.
    const QList<QList<QToolBar *>> lines = topToolbarLines(window);
    const auto at = [&lines](const QToolBar *toolBar) {
        for (int l = 0; l < lines.size(); ++l)
            if (const qsizetype slot = lines[l].indexOf(toolBar); slot >= 0)
                return std::pair<int, int>(l, int(slot));
        return std::pair<int, int>(-1, -1);
    };
    const auto [firstLine, firstSlot] = at(editors[0]);
    const auto [secondLine, secondSlot] = at(editors[1]);
    const bool placed = firstLine >= 0 && firstSlot == 0 &&
                        ((secondLine == firstLine && secondSlot == 1) ||
                         (secondLine == firstLine + 1 && secondSlot == 0));
    if (!placed)
        return;
    // The one placed second (made later) starts a line of its own or stands beside the first.
    QToolBar *second = editors[1];
    const bool fit = wantedWidth(editors[0]) + wantedWidth(editors[1]) <= window->width();
    if (fit && window->toolBarBreak(second))
        window->removeToolBarBreak(second);
    else if (!fit && !window->toolBarBreak(second))
        window->insertToolBarBreak(second);
}

FindToolBar *findToolBarOf(const QMainWindow *window)
{
    return toolBarOf<FindToolBar>(window);
}

ScriptToolBar *scriptToolBarOf(const QMainWindow *window)
{
    return toolBarOf<ScriptToolBar>(window);
}

FindToolBar *createFindToolBar(MainWindow *window, CuiFindToolBarFn callback)
{
    FindToolBar *toolBar = findToolBarOf(window);
    if (!toolBar) {
        toolBar = new FindToolBar(window, MainWindow::tr("Find"), window->windowBoxHandle(),
                                  window->initialEncoding(), window->encodingSwitch());
        setToolbarRecordName(toolBar, QStringLiteral("Find"));
        placeAtTop(window, toolBar);
    }
    toolBar->setHostCallback(callback);
    return toolBar;
}

FindToolBar *createFindToolBar(TopLevelWindow *window, CuiFindToolBarFn callback)
{
    FindToolBar *toolBar = findToolBarOf(window);
    if (!toolBar) {
        // A window of its own answers to its size context and always offers the encodings.
        toolBar = new FindToolBar(window, MainWindow::tr("Find"), window->sizeContext(), 0, true);
        setToolbarRecordName(toolBar, QStringLiteral("Find"));
        placeAtTop(window, toolBar);
    }
    toolBar->setHostCallback(callback);
    return toolBar;
}

ScriptToolBar *createScriptToolBar(MainWindow *window, CuiScriptToolBarFn callback)
{
    ScriptToolBar *toolBar = scriptToolBarOf(window);
    if (!toolBar) {
        toolBar = new ScriptToolBar(window, MainWindow::tr("Scripts"), window->windowBoxHandle());
        setToolbarRecordName(toolBar, QStringLiteral("Scripts"));
        placeAtTop(window, toolBar);
    }
    toolBar->setHostCallback(callback);
    return toolBar;
}

FindToolBar *routeFindToolBar(TeskHandle handle)
{
    // A window of its own has its own find toolbar; the main windows' routing would answer
    // the current main window's instead. A main window sharing the handle comes first, as
    // when the toolbar is made.
    if (!Store::instance()->findMainWindowByHandle(handle))
        if (TopLevelWindow *window = Store::instance()->findTopLevelWindowByHandle(handle))
            return findToolBarOf(window);
    return findToolBarOf(Store::routeByHandle(handle));
}

} // namespace tesk::frame

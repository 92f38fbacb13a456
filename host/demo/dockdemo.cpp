#include "dockdemo.h"

#include "demoexports.h"
#include "framedemo.h"

#include <tesk/tesk.h>

#include <QApplication>
#include <QDockWidget>
#include <QMainWindow>
#include <QToolBar>
#include <QWidget>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace demo {

namespace {

// The main window's frame context (framedemo.cpp) and the second window's.
constexpr TeskHandle kFirstWindow = 0x1001;
constexpr TeskHandle kSecondWindow = 0x1002;
constexpr TeskHandle kRegistersBox = 0x2001;
constexpr TeskHandle kSecondRegistersBox = 0x2002;
// Layout records fit this many bytes, the terminator included.
constexpr int kRecordSize = 256;

void registersArea(TeskHandle, int *, int) {}

struct Exports
{
    decltype(&QtCreateNewCode) createNewCode;
    decltype(&QtFrameCreate) frameCreate;
    decltype(&QtFrameShow) frameShow;
    decltype(&QtCreateDocked) createDocked;
    decltype(&QtWindowCreate) windowCreate;
    decltype(&QtSortWindowList) sortWindowList;
    decltype(&QtDockWindowCount) dockWindowCount;
    decltype(&CuiGetDockWindowPersistanceData) getRecord;
    decltype(&CuiSetDockWindowPersistanceData) setRecord;
    decltype(&CuiGetCurrentCode) currentCode;
    decltype(&CuiSetCurrentCode) setCurrentCode;
    decltype(&CuiPump) pump;
    decltype(&QtFindWindowByKSOName) findByName;
    decltype(&QtGetSizePos) sizePos;
    decltype(&CuiPaneClose) paneClose;
};

Exports resolve(void *library)
{
    return {DEMO_RESOLVE(library, QtCreateNewCode),
            DEMO_RESOLVE(library, QtFrameCreate),
            DEMO_RESOLVE(library, QtFrameShow),
            DEMO_RESOLVE(library, QtCreateDocked),
            DEMO_RESOLVE(library, QtWindowCreate),
            DEMO_RESOLVE(library, QtSortWindowList),
            DEMO_RESOLVE(library, QtDockWindowCount),
            DEMO_RESOLVE(library, CuiGetDockWindowPersistanceData),
            DEMO_RESOLVE(library, CuiSetDockWindowPersistanceData),
            DEMO_RESOLVE(library, CuiGetCurrentCode),
            DEMO_RESOLVE(library, CuiSetCurrentCode),
            DEMO_RESOLVE(library, CuiPump),
            DEMO_RESOLVE(library, QtFindWindowByKSOName),
            DEMO_RESOLVE(library, QtGetSizePos),
            DEMO_RESOLVE(library, CuiPaneClose)};
}

void printRecords(const Exports &tesk, TeskHandle window, const char *which)
{
    tesk.sortWindowList(window);
    char record[kRecordSize];
    for (int index = 0; index < tesk.dockWindowCount(window); ++index) {
        tesk.getRecord(window, index, record);
        std::printf("host: %s window's dock record %d: \"%s\"\n", which, index, record);
    }
}

// The dock window of that title, in the window given or in any.
QDockWidget *dockTitled(QWidget *window, const char *title)
{
    const QList<QWidget *> windows =
        window ? QList<QWidget *>{window} : QApplication::topLevelWidgets();
    for (QWidget *top : windows)
        for (QDockWidget *dock : top->findChildren<QDockWidget *>())
            if (dock->windowTitle() == QLatin1String(title))
                return dock;
    return nullptr;
}

using Toolbars = std::vector<std::pair<std::string, std::string>>;

// The toolbars' titles and records, in the order the library numbers them.
Toolbars toolbarRecords(void *library, TeskHandle window)
{
    const auto count = DEMO_RESOLVE(library, QtToolbarCount);
    const auto title = DEMO_RESOLVE(library, QtReturnToolbarTitle);
    const auto data = DEMO_RESOLVE(library, QtToolbarData);
    Toolbars toolbars;
    char record[kRecordSize];
    for (int index = 0; index < count(window); ++index) {
        data(window, index, record);
        toolbars.emplace_back(title(window, index), record);
    }
    return toolbars;
}

// The toolbars the restored window has, in the stored order, each starting a row where it did
// (the window lacks the first one's editor toolbars).
bool sameRowsAndOrder(const Toolbars &stored, const Toolbars &restored)
{
    size_t next = 0;
    for (const auto &[title, record] : stored) {
        if (next < restored.size() && restored[next].first == title) {
            if (restored[next].second[0] != record[0])
                return false;
            ++next;
        }
    }
    return next == restored.size() && next > 0;
}

} // namespace

void runDockDemo(void *library, const std::string &screenshotDir)
{
    const Exports tesk = resolve(library);
    void *firstWindow = tesk.currentCode();
    if (!firstWindow)
        return;

    // Area 1 is the bottom unless a record says otherwise: the record puts it on the left.
    tesk.setRecord(kFirstWindow, "Registers:1:0:0:0:0:220:300:1:0");
    tesk.windowCreate("Registers", &registersArea, kRegistersBox);
    for (int i = 0; i < 5; ++i)
        tesk.pump();
    // The user widens the window: its record carries the width it was left at.
    if (QDockWidget *dock = dockTitled(nullptr, "Registers")) {
        if (auto *main = qobject_cast<QMainWindow *>(dock->parentWidget())) {
            main->resizeDocks({dock}, {340}, Qt::Horizontal);
            for (int i = 0; i < 5; ++i)
                tesk.pump();
            std::printf("host: the user widened \"Registers\" to %d\n", dock->width());
        }
    }
    printRecords(tesk, kFirstWindow, "first");
    std::printf("host: the dock window named \"Registers\" has box 0x%lx\n",
                static_cast<long>(tesk.findByName(kFirstWindow, "Registers")));
    char saved[kRecordSize];
    tesk.getRecord(kFirstWindow, 0, saved);
    // The user moves the Edit toolbar to a row of its own; its record keeps the row. The first
    // window then takes back its own records, as they were before the move.
    Toolbars toolbars;
    const Toolbars before = toolbarRecords(library, kFirstWindow);
    const auto setToolbar = DEMO_RESOLVE(library, QtSetToolbarData);
    if (QDockWidget *dock = dockTitled(nullptr, "Registers")) {
        auto *main = qobject_cast<QMainWindow *>(dock->parentWidget());
        for (QToolBar *bar : main ? main->findChildren<QToolBar *>() : QList<QToolBar *>())
            if (bar->windowTitle() == QLatin1String("Edit")) {
                main->addToolBarBreak(Qt::TopToolBarArea);
                main->addToolBar(Qt::TopToolBarArea, bar);
            }
        toolbars = toolbarRecords(library, kFirstWindow);
        for (const auto &[title, record] : toolbars)
            if (title == "Edit")
                std::printf("host: toolbar \"Edit\" moved to a row of its own: \"%s\"\n",
                            record.c_str());
        for (const auto &[title, record] : before)
            setToolbar(("tb_x_" + title).c_str(), record.c_str());
        std::printf("host: the first window's toolbars back as they were: %s\n",
                    sameRowsAndOrder(before, toolbarRecords(library, kFirstWindow)) ? "yes" : "no");
    }

    tesk.createNewCode(1);
    CuiFrameRecord frame{1, 0, 0, -1};
    const TeskHandle second = tesk.frameCreate("Debugger (restored layout)", kSecondWindow, &frame);
    tesk.createNewCode(0);
    if (second) {
        tesk.setRecord(kSecondWindow, saved);
        tesk.windowCreate("Registers", &registersArea, kSecondRegistersBox);
        // The toolbar records go back to the window being made, in the host's order.
        for (const auto &[title, record] : toolbars)
            setToolbar(("tb_x_" + title).c_str(), record.c_str());
        tesk.frameShow();
        for (int i = 0; i < 5; ++i)
            tesk.pump();
        printRecords(tesk, kSecondWindow, "second");
        std::printf("host: the second window's toolbars came back in their rows and order: %s\n",
                    sameRowsAndOrder(toolbars, toolbarRecords(library, kSecondWindow)) ? "yes"
                                                                                       : "no");
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (!widget->windowTitle().contains(QLatin1String("restored")))
                continue;
            if (QDockWidget *dock = dockTitled(widget, "Registers"))
                std::printf("host: \"Registers\" came back %d wide\n", dock->width());
        }
        int x = 0, y = 0, width = 0, height = 0, minimised = 0;
        tesk.sizePos(kSecondWindow, &x, &y, &width, &height, &minimised);
        std::printf("host: second window shown at %d,%d in its natural size, %d by %d (the host "
                    "gave it no size of its own)\n",
                    x, y, width, height);
        // Without a window manager nobody places it: the host does, away from the first one.
        DEMO_RESOLVE(library, QtResizePosWindow)(kSecondWindow, 160, 140, 760, 480);
        tesk.sizePos(kSecondWindow, &x, &y, &width, &height, &minimised);
        std::printf("host: the host placed the second window at %d,%d, %d by %d\n", x, y, width,
                    height);
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && widget->windowTitle().contains(QLatin1String("restored"))) {
                widget->resize(700, 420);
                saveScreenshot(widget, screenshotDir, "docking.png");
            }
        }
    }
    // The rest of the demo goes on in the first window. Its "Registers" window served the
    // record's round trip; the host draws nothing in it, and the register pane that follows
    // is the real one: the host closes it, so that nobody takes the empty one for it.
    tesk.setCurrentCode(firstWindow);
    tesk.paneClose(kRegistersBox);
    for (int i = 0; i < 3; ++i)
        tesk.pump();
    std::printf("host: the first window's \"Registers\" window closed: %s\n",
                tesk.findByName(kFirstWindow, "Registers") ? "no" : "yes");
}

} // namespace demo

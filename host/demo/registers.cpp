#include "registers.h"
#include "demoexports.h"
#include "framedemo.h"
#include "handsondemo.h"
#include "persistencehost.h"
#include "registerrecords.h"

#include <tesk/tesk.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

#include <dlfcn.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace tesk::host;

struct RegisterExports
{
    decltype(&CuiRegPaneDataCreate) create;
    decltype(&CuiRegPaneDataTestOfExistence) exists;
    decltype(&CuiRegPaneDataAdd) add;
    decltype(&CuiRegPaneDataUpdate) update;
    decltype(&CuiRegPaneSetNumLines) setNumLines;
    decltype(&CuiRegPaneGetNumLines) getNumLines;
    decltype(&CuiRegPaneCreate) paneCreate;
    decltype(&CuiRegPaneDataSet) paneDataSet;
    decltype(&CuiRegPaneGetRangeLines) paneRanges;
    decltype(&CuiRegPaneDelete) paneDelete;
    decltype(&CuiWindowCreateQtPane) dockPane;
    decltype(&QtCreateDocked) createDocked;
    decltype(&CuiPump) pump;
};

RegisterExports exportsOf(void *library)
{
    RegisterExports e{};
    e.create = DEMO_RESOLVE(library, CuiRegPaneDataCreate);
    e.exists = DEMO_RESOLVE(library, CuiRegPaneDataTestOfExistence);
    e.add = DEMO_RESOLVE(library, CuiRegPaneDataAdd);
    e.update = DEMO_RESOLVE(library, CuiRegPaneDataUpdate);
    e.setNumLines = DEMO_RESOLVE(library, CuiRegPaneSetNumLines);
    e.getNumLines = DEMO_RESOLVE(library, CuiRegPaneGetNumLines);
    e.paneCreate = DEMO_RESOLVE(library, CuiRegPaneCreate);
    e.paneDataSet = DEMO_RESOLVE(library, CuiRegPaneDataSet);
    e.paneRanges = DEMO_RESOLVE(library, CuiRegPaneGetRangeLines);
    e.paneDelete = DEMO_RESOLVE(library, CuiRegPaneDelete);
    e.dockPane = DEMO_RESOLVE(library, CuiWindowCreateQtPane);
    e.createDocked = DEMO_RESOLVE(library, QtCreateDocked);
    e.pump = DEMO_RESOLVE(library, CuiPump);
    return e;
}

// The simulated core: sixteen general registers, a status register shown by its fields, a
// floating-point register and an enumerated mode register.
struct SimulatedCore
{
    unsigned r[16] = {};
    unsigned cpsr = 0x600000d3;
    float s0 = 1.5f;
    unsigned mode = 1;

    void step()
    {
        for (unsigned i = 0; i < 16; ++i)
            r[i] = r[i] * 1103515245u + 12345u + i;
        s0 *= -1.25f;
        mode = (mode + 1) % 3;
    }

    // One line per register, each value at column 8, 8 characters wide.
    ValueLines lines() const
    {
        ValueLines values(8);
        char label[8];
        for (unsigned i = 0; i < 16; ++i) {
            std::snprintf(label, sizeof label, "R%u", i);
            values.addHex(label, r[i]);
        }
        values.addHex("CPSR", cpsr);
        char text[16];
        std::snprintf(text, sizeof text, "%-8g", double(s0));
        values.add("S0", text);
        std::snprintf(text, sizeof text, "%x", mode);
        values.add("MODE", text);
        return values;
    }
};

// Every register's value at column 8, 8 characters wide; the host word names its line.
RegDataRecord itemRecord(const char *name, uint32_t flags, uint32_t type, int16_t line)
{
    RegDataRecord r = registerRecord(name, flags, line, type, 8, 8);
    r.hostWord = static_cast<uintptr_t>(line) + 1;
    return r;
}

void describe(const RegisterExports &e, uint32_t id)
{
    const char *const tables[] = {"user=0\tsupervisor\tinterrupt=2"};
    RegDataRecord enums = enumTablesRecord(tables, 1);
    e.add(id, &enums);

    RegDataRecord core = viewRecord("Core");
    e.add(id, &core);
    static const char *const names[] = {"R0", "R1", "R2",  "R3",  "R4",  "R5", "R6", "R7",
                                        "R8", "R9", "R10", "R11", "R12", "SP", "LR", "PC"};
    int made = 0;
    for (int16_t i = 0; i < 16; ++i) {
        // R0 heads a group of the eight low registers.
        const uint32_t flags = i == 0 ? REG_FLAG_GROUP_HEAD : (i < 8 ? REG_FLAG_IN_GROUP : 0);
        RegDataRecord r = itemRecord(names[i], flags, REG_TYPE_RADIX_16, i);
        made += e.add(id, &r);
    }
    RegDataRecord status = viewRecord("Status");
    e.add(id, &status);
    RegDataRecord cpsr = itemRecord("CPSR", 0, REG_TYPE_RADIX_16, 16);
    RegDataRecord s0 = itemRecord("S0", 0, REG_TYPE_FLOAT_32, 17);
    RegDataRecord mode = itemRecord("MODE", 0, REG_TYPE_ENUMERATED, 18);
    for (RegDataRecord *r : {&cpsr, &s0, &mode})
        made += e.add(id, r);
    std::printf("host: register data set %u: two views and %d registers\n", id, made);
}

constexpr uint32_t kDataSet = 7;
constexpr TeskHandle kPaneBox = 0x2101;
const char *const kDisplayName = "Demo board";
SimulatedCore g_core;
RegisterExports g_exports{};

// After every stop the engine sends all value lines.
int sendValues()
{
    const ValueLines lines = g_core.lines();
    const RegLineBlock block = lines.block();
    RegDataRecord update = updateRecord(&block, 1, 1);
    return g_exports.update(kDataSet, &update);
}

void *g_library = nullptr;

// A register's value as shown, hexadecimal: the memory at that address in a view of its own.
// A value that is no address (a floating-point one) opens nothing.
void viewMemoryAt(const char *text)
{
    // Only a pane of the user's, which the library opened, asks.
    if (!g_library)
        return;
    char *end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 16);
    while (end && std::isspace(static_cast<unsigned char>(*end)))
        ++end;
    if (end == text || (end && *end) || value > 0xffffffffull) {
        std::printf("host: \"%s\" is no address to view memory at\n", text);
        return;
    }
    // From the loop, not from inside the pane's menu: the view is made as a window of its own.
    QTimer::singleShot(
        0, [address = static_cast<uint32_t>(value)] { demo::openMemoryView(g_library, address); });
}

// The engine's side of the register pane: a new value goes into the core and comes back as
// fresh lines, a view of memory at a value opens; the other operations it only reports.
int paneHandler(uint32_t op, uintptr_t pointer, const char *text, uintptr_t, uint32_t)
{
    if (op == REG_OP_DATA_UPDATE)
        return 0;
    std::printf("host: register pane operation %u on host word %lu%s%s\n", op,
                static_cast<unsigned long>(pointer), text ? ", text " : "", text ? text : "");
    const uintptr_t line = pointer - 1;
    if (op == REG_OP_SET_VALUE && text && line < 16) {
        g_core.r[line] = static_cast<unsigned>(std::strtoul(text, nullptr, 16));
        sendValues();
    }
    if (op == REG_OP_VIEW_MEMORY && text)
        viewMemoryAt(text);
    return 0;
}

void registersArea(TeskHandle, int *, int) {}

// A register pane over the data set: the lines it shows are the lines the engine must fetch.
void showInPane(const RegisterExports &e, uint32_t id)
{
    const TeskHandle pane = e.paneCreate(&paneHandler);
    if (!pane)
        return;
    e.paneDataSet(id, pane, "arm", nullptr, kDisplayName);
    RegLineRange ranges[8] = {};
    uint32_t capacity = 8;
    const int count = e.paneRanges(0, pane, ranges, &capacity, 1);
    // A pane that is not on screen yet shows no registers: it has no lines to ask for (-1).
    if (count < 0)
        std::printf("host: register pane on data set %u is not on screen yet: no value lines "
                    "to send\n",
                    id);
    else
        std::printf("host: register pane on data set %u asks for %d line ranges\n", id, count);
    for (int i = 0; i < count; ++i)
        std::printf("host: register pane shows lines %d to %d\n", ranges[i].firstLine,
                    ranges[i].firstLine + ranges[i].lineCount - 1);
    e.paneDelete(pane);
}

} // namespace

void runRegisterDemo(void *library)
{
    g_exports = exportsOf(library);
    const RegisterExports &e = g_exports;
    const uint32_t id = kDataSet;
    if (!e.create(id))
        std::printf("host: register data set %u existed already\n", id);
    describe(e, id);

    int updates = 0;
    for (int stop = 0; stop < 3; ++stop) {
        g_core.step();
        updates += sendValues();
    }
    e.setNumLines(id, 19);
    std::printf("host: register data set %u updated %d times, %u value lines\n", id, updates,
                e.getNumLines(id));
    std::printf("host: register data set 99 %s; its line count falls back to data set 0: %u\n",
                e.exists(99) ? "exists" : "does not exist", e.getNumLines(99));
    showInPane(e, id);
}

namespace {

QWidget *visibleWidget(const char *className, const QString &objectName = QString())
{
    for (QWidget *widget : QApplication::allWidgets()) {
        if (widget->isVisible() && widget->inherits(className) &&
            (objectName.isNull() || widget->objectName() == objectName))
            return widget;
    }
    return nullptr;
}

void pump(int times)
{
    for (int i = 0; i < times; ++i)
        g_exports.pump();
}

// What the user does: a click on R0 in the user view, then "Paste" of a value from the
// clipboard, which the pane hands to the engine as a new value. The view paints its registers:
// R0, the user view's first entry, lies at the top left, its name right of the group icon.
void pasteIntoR0(QWidget *pane)
{
    auto *view = qobject_cast<QAbstractScrollArea *>(visibleWidget("RegView"));
    if (!view)
        return;
    QWidget *viewport = view->viewport();
    const QPoint at(40, 8);
    QMouseEvent press(QEvent::MouseButtonPress, at, viewport->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, viewport->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &release);
    QGuiApplication::clipboard()->setText(QStringLiteral("0x0badcafe"));
    constexpr int kPaste = 5003;
    QMetaObject::invokeMethod(pane, "slotMenuActivated", Q_ARG(int, kPaste));
}

} // namespace

tesk::host::MemoryStore &registerSettingsStore()
{
    static tesk::host::MemoryStore store;
    return store;
}

QWidget *openRegisterPane(void *library)
{
    g_library = library;
    // The host's store as an earlier session would have left it, unless one did: the user view
    // on, with three registers.
    tesk::host::MemoryStore &store = registerSettingsStore();
    const std::string key = std::string("Connection/") + kDisplayName;
    if (!store.records.count(key))
        store.records[key] = {{"RegUserViewEnabled", "1"},
                              {"RegUserViewConfig", "Core.R0^^0\\\\Core.PC^^0\\\\Status.CPSR^^0"}};
    if (!g_exports.paneCreate)
        g_exports = exportsOf(library);
    // The first pane released the data set when it went: the engine describes it again.
    if (!g_exports.exists(kDataSet)) {
        g_exports.create(kDataSet);
        describe(g_exports, kDataSet);
        sendValues();
    }
    const TeskHandle pane = g_exports.paneCreate(&paneHandler);
    if (!pane)
        return nullptr;
    g_exports.paneDataSet(kDataSet, pane, "arm", nullptr, kDisplayName);
    constexpr int kRightArea = 0;
    g_exports.createDocked(kRightArea, 0);
    void *dock = g_exports.dockPane("Register pane", reinterpret_cast<void *>(pane), &registersArea,
                                    kPaneBox);
    std::printf("host: register pane %s\n", dock ? "docked" : "not docked");
    pump(5);
    return visibleWidget("RegPane");
}

void stepSimulatedCore()
{
    if (!g_exports.update)
        return;
    g_core.step();
    sendValues();
}

void runRegisterPaneDemo(void *library, const std::string &screenshotDir)
{
    QWidget *widget = openRegisterPane(library);
    if (!widget)
        return;
    pasteIntoR0(widget);
    // The next stop: what changed shows in the change colour.
    g_core.step();
    sendValues();
    pump(5);
    const std::string key = std::string("Connection/") + kDisplayName;
    for (const auto &entry : registerSettingsStore().records[key])
        std::printf("host: stored %s = \"%s\"\n", entry.first.c_str(), entry.second.c_str());
    // The main window as the library laid its dock windows out.
    QWidget *window = widget->window();
    pump(3);
    demo::saveScreenshot(window, screenshotDir, "registers.png");
}

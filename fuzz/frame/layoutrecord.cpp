// The dock-window and toolbar layout records the host hands back from an earlier run, as
// CuiSetDockWindowPersistanceData and QtSetToolbarData receive them; each is written back into a
// host buffer of the record size, and the dock record is applied to a main window whose areas
// hold lines the host sized, before the show and after it, as a settings file a user edited
// reaches it.
#include "frame/windows/docking/layoutrecords.h"
#include "frame/windows/mainframe.h"
#include "frame/windows/store.h"

#include <tesk/tesk_frame.h>
#include <tesk/tesk_window.h>

#include <QApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr TeskHandle kWindow = 1;

void paneCallback(TeskHandle, int *, int) {}

void openDock(int area, bool sameLine, TeskHandle box, const char *record)
{
    const std::string name = "Pane " + std::to_string(box);
    QtCreateDocked(area, sameLine ? 1 : 0);
    if (record)
        CuiSetDockWindowPersistanceData(kWindow, (name + record).c_str());
    QtWindowCreate(name.c_str(), &paneCallback, box);
}

void applyToWindow(const QByteArray &text)
{
    // The record's numbers, after a caption of the window's own.
    const qsizetype colon = text.indexOf(':');
    const QByteArray numbers = colon < 0 ? QByteArray() : text.mid(colon);
    QtCreateNewCode(1);
    CuiFrameRecord frame{1, 0, 3, 77};
    QtFrameCreate("Debugger", kWindow, &frame);
    QtResizePosWindow(kWindow, 0, 0, 1024, 600);
    // Twelve docks on the right and at the bottom, lines the host sized larger than the room
    // there, and the record's dock beside them.
    TeskHandle box = 100;
    for (int i = 0; i < 12; ++i)
        openDock(i % 2, i % 4 >= 2, box++, nullptr);
    QtResizePosWindow(100, 0, 0, 700, 200);
    QtResizePosWindow(101, 0, 0, 300, 500);
    openDock(1, false, box++, numbers.constData());
    QtFrameShow();
    QCoreApplication::processEvents();
    openDock(0, false, box++, numbers.constData());
    QtResizePosWindow(102, 0, 0, 600, 300);
    QCoreApplication::processEvents();
    char buffer[tesk::frame::kLayoutRecordSize];
    for (int i = 0; i < QtDockWindowCount(kWindow); ++i)
        CuiGetDockWindowPersistanceData(kWindow, i, buffer);
    for (MainWindow *window : Store::instance()->mainWindows())
        delete window;
    QtCreateNewCode(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

// The toolkit keeps its font engines until the process ends; what the records make is still
// checked for leaks.
extern "C" __attribute__((visibility("default"), used)) const char *__lsan_default_suppressions()
{
    return "leak:libQt6Gui.so\nleak:libharfbuzz.so\nleak:libfreetype.so\nleak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "fuzz_layoutrecord";
    static char *argv[] = {name, nullptr};
    // Kept to the end: the toolkit's own statics go before one destroyed at exit.
    static QApplication *application = new QApplication(argc, argv);
    (void)application;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    char buffer[tesk::frame::kLayoutRecordSize];
    const tesk::frame::DockRecord dock = tesk::frame::readDockRecord(text);
    tesk::frame::copyRecord(tesk::frame::writeDockRecord(dock), buffer);
    if (std::memchr(buffer, '\0', sizeof buffer) == nullptr)
        __builtin_trap();
    // A toolbar record taken is one the writer makes again as it was read.
    if (const auto toolbar = tesk::frame::readToolbarRecord(text)) {
        const QByteArray again = tesk::frame::writeToolbarRecord(*toolbar);
        const auto reread = tesk::frame::readToolbarRecord(again);
        if (!reread || tesk::frame::writeToolbarRecord(*reread) != again)
            __builtin_trap();
    }
    applyToWindow(QByteArray(text.constData()));
    return 0;
}

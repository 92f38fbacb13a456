// Load/save/verify memory from and to files, a memory fill's range and pattern, and the
// simulator target's configuration.
#include "memorydialogsdemo.h"
#include "demoexports.h"
#include "framedemo.h"
#include "memorydemo.h"

#include <tesk/tesk.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <string>

namespace demo {

namespace {

struct MemoryDialogExports
{
    decltype(&CuiMemoryOperationsDlgCreate) memCreate;
    decltype(&CuiMemoryOperationsDlgDestroy) memDestroy;
    decltype(&CuiMemoryOperationsDlgSetFileTypeList) memTypes;
    decltype(&CuiMemoryOperationsDlgSetFuncHandler) memHandler;
    decltype(&CuiMemoryOperationsDlgSetVPID) memVpid;
    decltype(&CuiMemoryOperationsDlgSetHelpId) memHelp;
    decltype(&CuiCorvasimConfigDlgCreate) simCreate;
    decltype(&CuiCorvasimConfigDlgDestroy) simDestroy;
    decltype(&CuiCorvasimConfigDlgAddProcessor) simAddProcessor;
    decltype(&CuiCorvasimConfigDlgSetProcessor) simSetProcessor;
    decltype(&CuiCorvasimConfigDlgGetProcessor) simGetProcessor;
    decltype(&CuiCorvasimConfigDlgSetQMXState) simSetQmx;
    decltype(&CuiCorvasimConfigDlgGetQMXState) simGetQmx;
    decltype(&CuiCorvasimConfigDlgSetEmulatedClock) simEmulated;
    decltype(&CuiCorvasimConfigDlgIsRealtimeClock) simIsRealtime;
    decltype(&CuiCorvasimConfigDlgSetClockSpeed) simSetSpeed;
    decltype(&CuiCorvasimConfigDlgGetClockSpeed) simGetSpeed;
    decltype(&CuiCorvasimConfigDlgGetEndian) simGetEndian;
    decltype(&CuiCorvasimConfigDlgGetStartEndian) simGetStartEndian;
    decltype(&CuiCorvasimConfigDlgGetMMUState) simGetMmu;
    decltype(&CuiDoModal) doModal;
    decltype(&CuiFillMemoryDialogC) fillMemory;
};

MemoryDialogExports g_tesk{};

void load(void *library)
{
    MemoryDialogExports &t = g_tesk;
    t.memCreate = DEMO_RESOLVE(library, CuiMemoryOperationsDlgCreate);
    t.memDestroy = DEMO_RESOLVE(library, CuiMemoryOperationsDlgDestroy);
    t.memTypes = DEMO_RESOLVE(library, CuiMemoryOperationsDlgSetFileTypeList);
    t.memHandler = DEMO_RESOLVE(library, CuiMemoryOperationsDlgSetFuncHandler);
    t.memVpid = DEMO_RESOLVE(library, CuiMemoryOperationsDlgSetVPID);
    t.memHelp = DEMO_RESOLVE(library, CuiMemoryOperationsDlgSetHelpId);
    t.simCreate = DEMO_RESOLVE(library, CuiCorvasimConfigDlgCreate);
    t.simDestroy = DEMO_RESOLVE(library, CuiCorvasimConfigDlgDestroy);
    t.simAddProcessor = DEMO_RESOLVE(library, CuiCorvasimConfigDlgAddProcessor);
    t.simSetProcessor = DEMO_RESOLVE(library, CuiCorvasimConfigDlgSetProcessor);
    t.simGetProcessor = DEMO_RESOLVE(library, CuiCorvasimConfigDlgGetProcessor);
    t.simSetQmx = DEMO_RESOLVE(library, CuiCorvasimConfigDlgSetQMXState);
    t.simGetQmx = DEMO_RESOLVE(library, CuiCorvasimConfigDlgGetQMXState);
    t.simEmulated = DEMO_RESOLVE(library, CuiCorvasimConfigDlgSetEmulatedClock);
    t.simIsRealtime = DEMO_RESOLVE(library, CuiCorvasimConfigDlgIsRealtimeClock);
    t.simSetSpeed = DEMO_RESOLVE(library, CuiCorvasimConfigDlgSetClockSpeed);
    t.simGetSpeed = DEMO_RESOLVE(library, CuiCorvasimConfigDlgGetClockSpeed);
    t.simGetEndian = DEMO_RESOLVE(library, CuiCorvasimConfigDlgGetEndian);
    t.simGetStartEndian = DEMO_RESOLVE(library, CuiCorvasimConfigDlgGetStartEndian);
    t.simGetMmu = DEMO_RESOLVE(library, CuiCorvasimConfigDlgGetMMUState);
    t.doModal = DEMO_RESOLVE(library, CuiDoModal);
    t.fillMemory = DEMO_RESOLVE(library, CuiFillMemoryDialogC);
}

int onMemoryCommand(int32_t, TeskHandle, const char *command, int32_t vpid, int32_t)
{
    std::printf("host: memory command for target %d: %s\n", vpid, command);
    return 0;
}

void runMemoryOperations(const std::string &screenshotDir, bool interactive)
{
    const TeskHandle dialog = g_tesk.memCreate(0);
    g_tesk.memTypes(dialog, "1 elf ELF image\n0 bin Raw binary\n1 hex Intel hex\n");
    g_tesk.memHandler(dialog, &onMemoryCommand);
    g_tesk.memVpid(dialog, 1);
    g_tesk.memHelp(dialog, 4100);
    if (!interactive)
        answerModalLater(screenshotDir, "memoryoperations.png", {"closePB"}, [](QWidget *d) {
            d->findChild<QLineEdit *>(QStringLiteral("filenameEdit"))
                ->setText(QStringLiteral("sram-dump.bin"));
            d->findChild<QListWidget *>(QStringLiteral("filetypeLB"))->setCurrentRow(1);
            d->findChild<QComboBox *>(QStringLiteral("locationCB"))
                ->setEditText(QStringLiteral("0x20000000..+0x400"));
            d->findChild<QPushButton *>(QStringLiteral("applyPB"))->click();
        });
    g_tesk.doModal(reinterpret_cast<void *>(dialog));
    g_tesk.memDestroy(dialog);
}

// The dialog only asks; the host fills its memory with what comes back, as the user gave it.
void askFill(const std::string &screenshotDir, bool interactive)
{
    if (!interactive)
        answerModalLater(screenshotDir, "fillmemory.png", {"buttonOk_"}, [](QWidget *d) {
            if (auto *edit = d->findChild<QLineEdit *>(QStringLiteral("lineeditExpression_")))
                edit->setText(QStringLiteral("0xa5"));
            if (auto *size = d->findChild<QComboBox *>(QStringLiteral("comboBoxFillSize_")))
                size->setCurrentIndex(1);
        });
    // Memory the memory view shows, below the greeting and its stack.
    uint32_t start = 0x20000080;
    uint32_t end = 0x200000ff;
    uint32_t target = 1;
    int length = 0;
    int endGiven = 0;
    int fillSize = 0;
    char expression[256] = {};
    char *buffer = expression;
    const int answer =
        g_tesk.fillMemory(nullptr, &start, &end, &length, &buffer, &endGiven, &fillSize, &target);
    // Size codes 1 to 3 are 8, 16 and 32 bits; 0 leaves the unit to the host.
    const std::string unit = fillSize ? std::to_string(4 << fillSize) + "-bit" : "default";
    std::printf("host: fill memory answered %d: %#x..%#x (length %#x, %s given), \"%s\" in "
                "%s units on target %u\n",
                answer, start, end, length, endGiven ? "end" : "length", expression, unit.c_str(),
                target);
    if (answer != 1)
        return;
    const bool filled = fillSimulatedMemory(int(target), start, end, uint32_t(length),
                                            endGiven != 0, fillSize, expression);
    std::printf("host: %s\n", filled ? "memory filled" : "the target refused the fill");
}

void runSimulatorConfiguration(const std::string &screenshotDir, bool interactive)
{
    const TeskHandle dialog = g_tesk.simCreate();
    for (const char *core : {"SIM-A7", "SIM-M4", "SIM-R5"})
        g_tesk.simAddProcessor(dialog, core);
    g_tesk.simSetProcessor(dialog, "sim-m4");
    g_tesk.simSetQmx(dialog, 1);
    g_tesk.simEmulated(dialog);
    g_tesk.simSetSpeed(dialog, "0x2faf080");
    if (!interactive)
        answerModalLater(screenshotDir, "simulatorconfig.png", {"okPB"}, [](QWidget *) {});
    const int accepted = g_tesk.doModal(reinterpret_cast<void *>(dialog));
    char processor[32];
    char speed[16];
    g_tesk.simGetProcessor(dialog, processor, sizeof processor - 1);
    processor[sizeof processor - 1] = '\0';
    g_tesk.simGetSpeed(dialog, speed, sizeof speed - 1);
    speed[sizeof speed - 1] = '\0';
    std::printf("host: simulator %s: processor %s, FPU %d, MMU %d, %s clock %s Hz, debug %s "
                "endian, start with the %s endian\n",
                accepted ? "accepted" : "cancelled", processor, g_tesk.simGetQmx(dialog),
                g_tesk.simGetMmu(dialog), g_tesk.simIsRealtime(dialog) ? "real-time" : "emulated",
                speed, g_tesk.simGetEndian(dialog) ? "big" : "little",
                g_tesk.simGetStartEndian(dialog) ? "hardware" : "debug");
    g_tesk.simDestroy(dialog);
}

} // namespace

void runMemoryDialogsDemo(void *library, const std::string &screenshotDir, bool interactive)
{
    load(library);
    runMemoryOperations(screenshotDir, interactive);
    askFill(screenshotDir, interactive);
    runSimulatorConfiguration(screenshotDir, interactive);
}

void runFillMemoryDialog(void *library)
{
    load(library);
    askFill(std::string(), true);
}

} // namespace demo

#include "breakpointdlgdemo.h"

#include "breakpointdemo.h"
#include "demoexports.h"
#include "framedemo.h"

#include <tesk/tesk_breakpoints.h>
#include <tesk/tesk_dialogs.h>

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <cstdio>

namespace demo {

namespace {

// The dialog's handler: the context that keys the field histories; every expression and
// condition value is one the engine can evaluate.
int dialogHandler(int code, TeskHandle, intptr_t, const char *text, intptr_t)
{
    if (code == 0)
        std::snprintf(const_cast<char *>(text), 64, "core0");
    return 0;
}

QWidget *breakpointDialogWindow()
{
    for (QWidget *topLevel : QApplication::topLevelWidgets()) {
        if (qstrcmp(topLevel->metaObject()->className(), "BreakpointDlg") == 0)
            return topLevel;
    }
    return nullptr;
}

// The dialog over the simulated target's breakpoint, with a condition and two actions on it.
TeskHandle createBreakpointDialog(void *library)
{
    const TeskHandle proxy = describeBreakpoint(library);
    DEMO_RESOLVE(library, CuiBreakpointProxyAddQualifier)(proxy, "When={count > 3}");
    DEMO_RESOLVE(library, CuiBreakpointProxyAddAction)(proxy, "WinUpdate=\"Registers\"");
    DEMO_RESOLVE(library, CuiBreakpointProxyAddAction)(proxy, "Message=\"count passed 3\"");

    const TeskHandle dialog = DEMO_RESOLVE(library, CuiBreakpointDlgCreate)(0);
    DEMO_RESOLVE(library, CuiBreakpointDlgSetFuncHandler)(dialog, &dialogHandler);
    DEMO_RESOLVE(library, CuiBreakpointDlgSetVdata)(dialog, 1);
    DEMO_RESOLVE(library, CuiBreakpointDlgSetMode)(dialog, 0);
    DEMO_RESOLVE(library, CuiBreakpointDlgSetBreakpoint)(dialog, proxy);
    std::printf("host: breakpoint dialog %s\n", dialog ? "created" : "MISSING");
    return dialog;
}

} // namespace

void runBreakpointDialogByHand(void *library)
{
    const TeskHandle dialog = createBreakpointDialog(library);
    // The user works in it: OK sends its command, Cancel nothing; either ends it.
    const int accepted = DEMO_RESOLVE(library, CuiDoModal)(reinterpret_cast<void *>(dialog));
    std::printf("host: the breakpoint dialog was %s\n", accepted ? "accepted" : "cancelled");
    DEMO_RESOLVE(library, CuiBreakpointDlgDestroy)(dialog);
}

void runBreakpointDialogDemo(void *library, const std::string &screenshotDir)
{
    const TeskHandle dialog = createBreakpointDialog(library);

    // Shown without waiting for the user, its lower part open, for the picture only.
    if (QWidget *window = breakpointDialogWindow()) {
        window->show();
        if (auto *more = window->findChild<QAbstractButton *>(QStringLiteral("morePB")))
            more->click();
        QApplication::processEvents();
        saveScreenshot(window, screenshotDir, "breakpoint.png");

        // OK, as the user would press it: the engine gets "gui <command>" through 'eeaccess'
        // and the command itself through 'gui' (both print what they receive).
        std::printf("host: pressing OK in \"%s\"\n", qPrintable(window->windowTitle()));
        const QPointer<QWidget> alive(window);
        if (auto *ok = window->findChild<QAbstractButton *>(QStringLiteral("OKPB")))
            ok->click();
        QApplication::processEvents();
        std::printf("host: the breakpoint dialog %s\n",
                    alive && alive->isVisible() ? "stayed open" : "closed, its command sent");
    }
    DEMO_RESOLVE(library, CuiBreakpointDlgDestroy)(dialog);
}

} // namespace demo

// The generic dock options of the host's popups and the dock-window layout records.
#include <tesk/tesk_window.h>

#include "frame/core/exportguard.h"
#include "frame/windows/docking/cuipaneregistry.h"
#include "frame/windows/docking/dockwidget.h"
#include "frame/windows/mainframe.h"
#include "frame/windows/store.h"
#include "system/debugoutput.h"

#include <QString>

int CuiPopupProcessGenericOption(int handle, int option)
{
    return TESK_GUARDED(0, [&] {
        if (!CuiPopupIsGenericOption(0, option)) {
            tesk::system::debugOutput(
                QString::asprintf("Unknown Option: %d at  %s at line %d\n", option, "mainframe",
                                  __LINE__)
                    .toStdString());
            return 0;
        }
        tesk::frame::processPaneGenericOption(quint32(handle), option);
        return 0;
    });
}

int CuiPopupIsGenericOption(int, int option)
{
    return option >= DockWidget::OptionDockFloat && option <= DockWidget::OptionClose ? 1 : 0;
}

void QtCreateDocked(int area, int newLine)
{
    TESK_GUARDED_VOID([&] {
        if (MainWindow *window = Store::currentMainWindow())
            window->requestDockPlacement(area, newLine != 0);
    });
}

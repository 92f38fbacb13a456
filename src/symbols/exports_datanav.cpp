// The data navigator pane and the function breakpoint selector as the host reaches them.
#include <tesk/tesk_datanav.h>

#include "frame/core/cuihandles.h"
#include "frame/core/exportguard.h"
#include "frame/core/framelink.h"
#include "frame/core/hostinterfaces.h"
#include "symbols/datanav.h"
#include "symbols/datanavselector.h"
#include "symbols/symtabdatasource.h"
#include "system/debugoutput.h"
#include "system/modalseam.h"

#include <QApplication>

#include <memory>
#include <stdexcept>

namespace {

constexpr int kDone = 0;
constexpr int kRefused = -1;

DataNav *livePane(TeskHandle handle)
{
    return qobject_cast<DataNav *>(AbstractPane::fromHandle(handle));
}

// Runs the body on a live pane, guarded under the export's name; the pane outlives the call
// even when the host destroys it from inside.
template<typename Body>
int onPane(const char *exportName, TeskHandle handle, Body &&body)
{
    return tesk::guarded(exportName, kRefused, [&] {
        DataNav *pane = livePane(handle);
        if (!pane)
            return kRefused;
        AbstractPane::CallScope scope(pane);
        return body(*pane);
    });
}

// The target's operating-system queries; no target here runs one.
bool isRtosConnection()
{
    return false;
}

bool isRtosSystemScope()
{
    return false;
}

void sendFunctionBreakpoints(const QStringList &functions, TeskHandle vdata, TeskHandle windowBox)
{
    const QString prefix = isRtosConnection() && isRtosSystemScope()
                               ? QStringLiteral("binstr,rtos:system ")
                               : QStringLiteral("binstr ");
    for (const QString &function : functions) {
        const QString command = prefix + function;
        tesk::system::debugOutput(command.toUtf8().toStdString() + '\n');
        hostGuiCall(int(vdata), command, windowBox);
        hostEeaccessCall(int(vdata), command);
    }
}

} // namespace

TeskHandle CuiDataNavCreate(void)
{
    return TESK_GUARDED(TeskHandle(0), [] {
        // Widgets need the application that CuiQtInit_Win makes.
        if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
            return TeskHandle(0);
        auto *pane = new DataNav(nullptr, "DataNav");
        pane->buildWidgets();
        return pane->handle();
    });
}

int CuiDataNavDestroy(TeskHandle pane)
{
    return TESK_GUARDED(kRefused, [&] {
        if (!pane)
            return kDone;
        DataNav *target = livePane(pane);
        if (!target)
            return kRefused;
        target->destroy();
        return kDone;
    });
}

int CuiDataNavSetDataSource(TeskHandle pane, TeskHandle source)
{
    return onPane(__func__, pane, [source](DataNav &target) {
        auto *given = qobject_cast<SymtabDataSource *>(
            tesk::handles::object(reinterpret_cast<const void *>(source)));
        if (source && !given)
            return kRefused;
        target.setDataSource(given);
        return kDone;
    });
}

TeskHandle CuiDataNavGetDataSource(TeskHandle pane)
{
    return TESK_GUARDED(TeskHandle(0), [&] {
        DataNav *target = livePane(pane);
        SymtabDataSource *source = target ? target->dataSource() : nullptr;
        return reinterpret_cast<TeskHandle>(tesk::handles::add(source));
    });
}

int CuiDataNavSetVdata(TeskHandle pane, TeskHandle vdata)
{
    return onPane(__func__, pane, [vdata](DataNav &target) {
        target.setVdata(vdata);
        return kDone;
    });
}

int CuiDataNavSetFuncCB(TeskHandle pane, CuiDataNavHostFn function)
{
    return onPane(__func__, pane, [function](DataNav &target) {
        target.setHandler(function);
        return kDone;
    });
}

int CuiDataNavPopulate(TeskHandle pane)
{
    return onPane(__func__, pane, [](DataNav &target) {
        target.populate();
        return kDone;
    });
}

int CuiDataNavUpdate(TeskHandle pane)
{
    return onPane(__func__, pane, [](DataNav &target) {
        target.updatePage();
        return kDone;
    });
}

int CuiDataNavEvent(TeskHandle pane, int code, int, int argument)
{
    return onPane(__func__, pane, [code, argument](DataNav &target) {
        return target.dispatchEvent(code, argument);
    });
}

int CuiFunctionListBreakpointDialog(int, TeskHandle vdata, TeskHandle windowBox)
{
    constexpr int kAlways = 1;
    return TESK_GUARDED(kAlways, [&] {
        if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
            return kAlways;
        auto selector = std::make_unique<BreakpointSelector>(tesk::frame::currentMainWindow());
        selector->setWindowTitle(QObject::tr("Function Breakpoint Selector"));
        selector->setVdata(vdata);
        selector->setInitialPage(tesk::symbols::NavSelectorDialog::kFunctionPage);
        if (tesk::system::ModalSeam::execDialog(selector.get()) != QDialog::Accepted)
            return kAlways;
        const QStringList functions = selector->checkedFunctions();
        if (functions.isEmpty())
            return kAlways;
        try {
            sendFunctionBreakpoints(functions, vdata, windowBox);
        } catch (const std::runtime_error &error) {
            // A missing 'gui' or 'eeaccess' entry ends the loop at its first command.
            tesk::system::ModalSeam::messageBox(
                tesk::frame::currentMainWindow(), QMessageBox::Critical,
                QObject::tr("Critical Error"), QString::fromUtf8(error.what()), QMessageBox::Ok,
                QMessageBox::Ok);
        }
        return kAlways;
    });
}

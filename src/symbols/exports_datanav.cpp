// The data navigator pane and the function breakpoint selector as the host reaches them.
#include <tesk/tesk_datanav.h>

#include "dialogs/ksodialogs_common.h"
#include "frame/core/cuihandles.h"
#include "frame/core/exportguard.h"
#include "frame/core/hostinterfaces.h"
#include "frame/core/services.h"
#include "symbols/datanav.h"
#include "symbols/datanavselector.h"
#include "symbols/symtabdatasource.h"
#include "system/debugoutput.h"
#include "system/lifetime.h"
#include "system/modalseam.h"

#include <QApplication>

#include <stdexcept>

namespace {

constexpr int kDone = 0;
constexpr int kRefused = -1;

// Runs the body on a live pane; the pane outlives the call even when the host destroys it from
// inside.
template<typename Body>
auto inScope(Body &&body)
{
    return [body = std::forward<Body>(body)](DataNav &pane) {
        AbstractPane::CallScope scope(&pane);
        return body(pane);
    };
}

void sendFunctionBreakpoints(const QStringList &functions, TeskHandle vdata, TeskHandle windowBox)
{
    const QString prefix = isRtosConnection() && isRtosSystemScope()
                               ? QStringLiteral("binstr,rtos:system ")
                               : QStringLiteral("binstr ");
    // Whatever the host destroys while it takes the commands is deleted once they are sent.
    tesk::lifetime::Scope scope;
    for (const QString &function : functions) {
        const QString command = prefix + function;
        tesk::system::debugOutput(command.toUtf8().toStdString() + '\n');
        hostGuiCall(vdata, command, windowBox);
        hostEeaccessCall(vdata, command);
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
    if (!pane)
        return kDone;
    return TESK_ON_LIVE(DataNav, pane, kRefused, [](DataNav &target) {
        target.destroy();
        return kDone;
    });
}

int CuiDataNavSetDataSource(TeskHandle pane, TeskHandle source)
{
    return TESK_ON_LIVE(DataNav, pane, kRefused, inScope([source](DataNav &target) {
                            auto *given = qobject_cast<SymtabDataSource *>(
                                tesk::handles::object(reinterpret_cast<const void *>(source)));
                            if (source && !given)
                                return kRefused;
                            target.setDataSource(given);
                            return kDone;
                        }));
}

TeskHandle CuiDataNavGetDataSource(TeskHandle pane)
{
    return TESK_ON_LIVE(DataNav, pane, TeskHandle(0), [](DataNav &target) {
        return reinterpret_cast<TeskHandle>(tesk::handles::add(target.dataSource()));
    });
}

int CuiDataNavSetVdata(TeskHandle pane, TeskHandle vdata)
{
    return TESK_ON_LIVE(DataNav, pane, kRefused, inScope([vdata](DataNav &target) {
                            target.setVdata(vdata);
                            return kDone;
                        }));
}

int CuiDataNavSetFuncCB(TeskHandle pane, CuiDataNavHostFn function)
{
    return TESK_ON_LIVE(DataNav, pane, kRefused, inScope([function](DataNav &target) {
                            target.setHandler(function);
                            return kDone;
                        }));
}

int CuiDataNavPopulate(TeskHandle pane)
{
    return TESK_ON_LIVE(DataNav, pane, kRefused, inScope([](DataNav &target) {
                            target.populate();
                            return kDone;
                        }));
}

int CuiDataNavUpdate(TeskHandle pane)
{
    return TESK_ON_LIVE(DataNav, pane, kRefused, inScope([](DataNav &target) {
                            target.updatePage();
                            return kDone;
                        }));
}

int CuiDataNavEvent(TeskHandle pane, int code, int, int argument)
{
    return TESK_ON_LIVE(DataNav, pane, kRefused, inScope([code, argument](DataNav &target) {
                            return target.dispatchEvent(code, argument);
                        }));
}

int CuiFunctionListBreakpointDialog(int, TeskHandle vdata, TeskHandle windowBox)
{
    constexpr int kAlways = 1;
    return TESK_GUARDED(kAlways, [&] {
        if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
            return kAlways;
        // On the heap: the host may close the main window, and the selector with it, inside
        // the loop.
        tesk::system::Modal<BreakpointSelector> selector(
            tesk::core::frameServices().currentMainWindow());
        selector->setWindowTitle(QObject::tr("Function Breakpoint Selector"));
        selector->setVdata(vdata);
        selector->setInitialPage(tesk::symbols::NavSelectorDialog::kFunctionPage);
        if (!selector.run().accepted() || !selector)
            return kAlways;
        const QStringList functions = selector->checkedFunctions();
        if (functions.isEmpty())
            return kAlways;
        try {
            sendFunctionBreakpoints(functions, vdata, windowBox);
        } catch (const std::runtime_error &error) {
            // A missing 'gui' or 'eeaccess' entry ends the loop at its first command.
            tesk::system::ModalSeam::messageBox(
                tesk::core::frameServices().currentMainWindow(), QMessageBox::Critical,
                QObject::tr("Critical Error"), QString::fromUtf8(error.what()), QMessageBox::Ok,
                QMessageBox::Ok);
        }
        return kAlways;
    });
}

// Lets the frame's test command run a pane's text commands without knowing the pane classes.
#include "frame/core/panecommands.h"
#include "gui_components/gc_panes/panes/abstractpane.h"

namespace {

bool runCommand(QObject *object, CuiPaneOutputFn output, void *outputContext,
                const QStringList &arguments, QString &result)
{
    auto *pane = dynamic_cast<AbstractPane *>(object);
    if (!pane)
        return false;
    // The host's printer runs inside: a pane it destroys meanwhile goes once the command ends.
    AbstractPane::CallScope scope(pane);
    pane->processCommand(output, outputContext, arguments, result);
    return true;
}

const bool g_runnerInstalled = (tesk::core::setPaneCommandRunner(&runCommand), true);

} // namespace

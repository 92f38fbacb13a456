#include "frame/core/panecommands.h"

namespace tesk::core {

namespace {

PaneCommandRunner g_runner = nullptr;

} // namespace

void setPaneCommandRunner(PaneCommandRunner runner)
{
    g_runner = runner;
}

bool runPaneCommand(QObject *pane, CuiPaneOutputFn output, void *outputContext,
                    const QStringList &arguments, QString &result)
{
    return g_runner && pane && g_runner(pane, output, outputContext, arguments, result);
}

} // namespace tesk::core

#pragma once

#include <tesk/tesk_panes.h>

#include <QString>
#include <QStringList>

class QObject;

// The host's test command reaches a pane's text commands from the frame, which may not know
// the pane classes: the panes install the runner when the library is loaded.
namespace tesk::core {

using PaneCommandRunner = bool (*)(QObject *pane, CuiPaneOutputFn output, void *outputContext,
                                   const QStringList &arguments, QString &result);

void setPaneCommandRunner(PaneCommandRunner runner);
// Runs the command in the pane; false when the object is no pane or no runner is installed.
bool runPaneCommand(QObject *pane, CuiPaneOutputFn output, void *outputContext,
                    const QStringList &arguments, QString &result);

} // namespace tesk::core

// The panes' side of the services the frame asks of them: the tabbed pane frame, and the
// host's test command run in a pane's text commands, without the frame knowing the pane classes.
#include "gui_components/gc_panes/panes/panecommandrunner.h"

#include "frame/core/services.h"
#include "gui_components/gc_panes/panes/abstractpane.h"
#include "gui_components/gc_panes/panes/cuiksopane.h"

namespace {

class Panes final : public tesk::core::PaneServices
{
public:
    QWidget *createFrame(QWidget *parent) override { return new CuiKSOPane(parent, "CuiKSOPane"); }
    bool bindFrame(QWidget *frame, tesk::core::PaneCodeCallback callback,
                   TeskHandle windowBox) override
    {
        return frame && CuiKSOPane::bindFrame(frame, callback, windowBox);
    }
    void notifyFrameFocus(QWidget *frame) override
    {
        if (auto *pane = qobject_cast<CuiKSOPane *>(frame))
            pane->notifyFocusTaken();
    }
    quintptr frameAreaId(QWidget *frame) override
    {
        return frame ? CuiKSOPane::frameAreaId(frame) : 0;
    }
    bool runCommand(QObject *object, CuiPaneOutputFn output, void *outputContext,
                    const QStringList &arguments, QString &result) override
    {
        auto *pane = dynamic_cast<AbstractPane *>(object);
        if (!pane)
            return false;
        // The host's printer runs inside: a pane it destroys meanwhile goes once the command
        // ends.
        AbstractPane::CallScope scope(pane);
        pane->processCommand(output, outputContext, arguments, result);
        return true;
    }
};

} // namespace

void tesk::panes::installServices()
{
    static Panes panes;
    tesk::core::install(&panes);
}

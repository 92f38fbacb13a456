#pragma once

#include "system/lifetime.h"

#include <tesk/tesk_panes.h>

#include <QStringList>
#include <QWidget>

// Base of the library's own dockable panes (register pane, data navigator, event pane). The
// host reaches them by handle through the pane exports: debugger events by code, persistent
// state as text, text commands and the window box. The base keeps nothing; each pane decides
// what it keeps.
//
// Handles are checked against the live panes, so a stale or foreign handle is refused. A pane
// that the host destroys from inside one of its own calls into the pane is deleted later,
// once that call has returned.
class AbstractPane : public QWidget
{
    Q_OBJECT

public:
    explicit AbstractPane(QWidget *parent = nullptr, const char *name = nullptr,
                          Qt::WindowFlags flags = {});
    ~AbstractPane() override;

    // The live pane behind a handle, else null.
    static AbstractPane *fromHandle(TeskHandle handle);
    // The pane's handle for the host: a number of its own (frame/core/cuihandles.h), so that a
    // pane made where a destroyed one stood is not reached by the old handle.
    TeskHandle handle();

    // Calls the operation of a debugger event code; 0 for codes 13 to 25, -1 for others.
    int dispatchEvent(int code, int argument);
    // Deletes now, or later when the pane is inside one of its own calls; the handle is
    // refused from here on either way.
    void destroy();

    // Copies text into a caller's buffer of length bytes, always terminated; answers the
    // number of bytes written without the zero. Panes use it in getPersistData.
    static int copyToBuffer(const QByteArray &text, unsigned length, char *buffer);

    virtual void setPersistData(const char *text) = 0;
    virtual int getPersistData(unsigned length, char *buffer) = 0;
    virtual void processCommand(CuiPaneOutputFn output, void *outputContext,
                                const QStringList &arguments, QString &result) = 0;
    virtual void eventGeneral(int argument);
    virtual void eventStop(int argument);
    virtual void eventStart(int argument);
    virtual void eventDead(int argument);
    virtual void eventConnectionChanged(int connection);
    virtual void eventScope(int argument);
    virtual void eventMemoryModified(int argument);
    virtual void eventRegisterModified(int argument);
    virtual void eventChipModified(int argument);
    virtual void eventInstructionBreak(int argument);
    virtual void eventReserved(int argument);
    virtual void setWindBox(TeskHandle handle) = 0;
    virtual TeskHandle windBox() = 0;

    // Keeps the pane alive across a call into it: a destroy() meanwhile waits until the
    // outermost call has returned.
    using CallScope = tesk::lifetime::Scope;

signals:
    void sigShowPaneMenu();
    void sigSetMenuSensitivity(int id, bool sensitive);
    void sigSetMenuToggle(int id, bool on);

public slots:
    virtual void slotMenuActivated(int id);
};

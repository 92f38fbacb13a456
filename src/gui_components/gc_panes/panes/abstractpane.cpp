#include "gui_components/gc_panes/panes/abstractpane.h"

#include "frame/core/cuihandles.h"
#include "frame/core/hosttext.h"

#include <cstring>

AbstractPane::AbstractPane(QWidget *parent, const char *name, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
}

AbstractPane::~AbstractPane() = default;

AbstractPane *AbstractPane::fromHandle(TeskHandle handle)
{
    return tesk::handles::object<AbstractPane>(reinterpret_cast<const void *>(handle));
}

TeskHandle AbstractPane::handle()
{
    return reinterpret_cast<TeskHandle>(tesk::handles::add(this));
}

int AbstractPane::dispatchEvent(int code, int argument)
{
    CallScope scope(this);
    // 19 and 20 name register and memory changes, the operations stand the other way round.
    switch (code) {
    case CUI_PANE_EVENT_GENERAL:
        eventGeneral(argument);
        break;
    case CUI_PANE_EVENT_STOP:
        eventStop(argument);
        break;
    case CUI_PANE_EVENT_START:
        eventStart(argument);
        break;
    case CUI_PANE_EVENT_DEAD:
        eventDead(argument);
        break;
    case CUI_PANE_EVENT_CONNECTION_CHANGED:
        eventConnectionChanged(argument);
        break;
    case CUI_PANE_EVENT_SCOPE:
        eventScope(argument);
        break;
    case CUI_PANE_EVENT_REGISTER_MODIFIED:
        eventRegisterModified(argument);
        break;
    case CUI_PANE_EVENT_MEMORY_MODIFIED:
        eventMemoryModified(argument);
        break;
    case CUI_PANE_EVENT_CHIP_MODIFIED:
        eventChipModified(argument);
        break;
    case CUI_PANE_EVENT_INSTRUCTION_BREAK:
        eventInstructionBreak(argument);
        break;
    default:
        return code > CUI_PANE_EVENT_INSTRUCTION_BREAK && code <= CUI_PANE_EVENT_LAST_ACCEPTED ? 0
                                                                                               : -1;
    }
    return 0;
}

void AbstractPane::destroy()
{
    tesk::lifetime::destroy(this);
}

int AbstractPane::copyToBuffer(const QByteArray &text, unsigned length, char *buffer)
{
    return int(tesk::core::writeCut(text, buffer, qsizetype(length), tesk::core::Encoding::Latin1));
}

void AbstractPane::eventGeneral(int) {}
void AbstractPane::eventStop(int) {}
void AbstractPane::eventStart(int) {}
void AbstractPane::eventDead(int) {}
void AbstractPane::eventConnectionChanged(int) {}
void AbstractPane::eventScope(int) {}
void AbstractPane::eventMemoryModified(int) {}
void AbstractPane::eventRegisterModified(int) {}
void AbstractPane::eventChipModified(int) {}
void AbstractPane::eventInstructionBreak(int) {}
void AbstractPane::eventReserved(int) {}
void AbstractPane::setWindBox(TeskHandle) {}
TeskHandle AbstractPane::windBox()
{
    return 0;
}
void AbstractPane::slotMenuActivated(int) {}

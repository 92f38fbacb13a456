// The host-filled description of a breakpoint that the breakpoint dialog edits.
#pragma once

#include "symbols/breakpoints/hardwaretrigger.h"

#include <tesk/tesk_breakpoints.h>

#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdint>
#include <memory>

class BreakpointProxyPrivate;

// What the host sets about a proxy as plain values: how to reach it, which class and type
// entries are current, and what the user may change. A host setter changes one field and
// leaves the others as they were.
struct BreakpointProxySettings
{
    CuiBreakpointProxyHandler handler = nullptr;
    uint32_t vpid = 0;
    intptr_t vdata = 0;
    uint32_t classPos = 0;
    uint32_t breakpointTypePos = 0;
    bool allowLocation = false;
    bool allowRange = false;
    bool allowClasses = false;
    bool allowData = false;
    bool allowQualifiers = false;
    bool allowActions = false;
};

// The host's description of one breakpoint and of what the target lets the user do with it.
// The host fills it through the CuiBreakpointProxy exports, mostly from inside update(); the
// breakpoint dialog reads it, changes location, value, type and hardware items, and compares
// it with the copy it took before the user started.
class BreakpointProxy
{
public:
    explicit BreakpointProxy(uint32_t creationWord = 0);
    BreakpointProxy(const BreakpointProxy &other);
    BreakpointProxy &operator=(const BreakpointProxy &) = delete;
    virtual ~BreakpointProxy();

    // Host side.
    const BreakpointProxySettings &settings() const;
    void setSettings(const BreakpointProxySettings &settings);
    uint32_t creationWord() const;
    // The handle the host knows the proxy by, passed to its handler (0 for a proxy the host
    // never got, such as a copy).
    TeskHandle handle() const;
    void setHandle(TeskHandle handle);

    // Location and value.
    const QString &location() const;
    void setLocation(const QString &location);
    const QString &value() const;
    void setValue(const QString &value);

    // Classes, size, types.
    const QVector<uint32_t> &classes() const;
    void addClass(uint32_t classValue);
    void clearClasses();
    bool forcedSize() const;
    uint32_t size() const;
    void setSize(uint32_t size);
    void setForcedSize(bool flag, uint32_t size);
    const QVector<uint32_t> &breakpointTypes() const;
    void addBreakpointType(uint32_t type);
    uint32_t breakpointType() const;
    // Stores the type, moves the position to its first entry among the types offered, and
    // tells the handler; answers the handler's result, -1 when there is no handler.
    int32_t setBreakpointType(uint32_t type);

    // Conditions and actions.
    const QStringList &qualifiers() const;
    void addQualifier(const QString &row);
    void clearQualifiers();
    const QStringList &actions() const;
    void addAction(const QString &row);
    void clearActions();
    uint32_t actionState() const;
    void setActionState(bool continueAfter);

    // Hardware support.
    bool hasHardwarePassCount() const;
    const QString &hardwarePassCount() const;
    void setHardwarePassCount(const QString &passCount);
    void clearHardwarePassCount();
    bool hasHardwareTriggers() const;
    void appendHardwareTrigger(const HardwareTrigger &trigger);
    void clearHardwareSupport();
    int triggerCount() const;
    HardwareTrigger &trigger(int index);
    const HardwareTrigger &trigger(int index) const;
    // The first trigger of that name; std::runtime_error when none has it.
    HardwareTrigger &trigger(const QString &name);

    bool chained() const;
    void setChained();

    // Calls of the handler. update() and the two queries throw std::runtime_error without a
    // handler; the text query reads at most 127 characters of the host's buffer.
    int32_t update();
    QString contextText(intptr_t id) const;
    // The number of the breakpoint being edited; 0 when the host gives none.
    uint32_t breakpointNumber() const;

    bool differs(const BreakpointProxy &other) const;
    bool locationDiffers(const BreakpointProxy &other) const;
    bool valueDiffers(const BreakpointProxy &other) const;
    bool typeDiffers(const BreakpointProxy &other) const;
    bool hardwareSupportDiffers(const BreakpointProxy &other) const;

private:
    CuiBreakpointProxyHandler requireHandler(const char *message) const;

    std::unique_ptr<BreakpointProxyPrivate> d;
};

// The host as the breakpoint command reaches it, and its real form over the function registry.
#pragma once

#include <tesk/tesk_breakpoints.h>

#include <QString>

class HardwareCapabilities;
class QObject;
class QWidget;

namespace tesk::breakpoints {

// Thrown by a host face when the object it calls the host for was destroyed inside (or before)
// the call: it unwinds the command to the object, which then returns touching nothing of
// itself. Deliberately no std::exception, so that no failure handler on the way takes it for
// an error to show.
struct CallerEnded
{
};

// What the breakpoint command needs of the host while it is built and sent: the dialog's
// handler (codes 0, 2, 3), the registry entries 'eeaccess' and 'gui', the capability query
// and the user's answer to the replace question. Any call may throw std::runtime_error; the
// command turns it into a failure with its message.
class BreakpointHostFace
{
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~BreakpointHostFace() = default;

    // Handler code 0: the name of the context that keys the entry histories.
    virtual QString contextName() = 0;
    // Handler code 2: true when the host can evaluate the expression.
    virtual bool checkExpression(const QString &expression) = 0;
    // Handler code 3: true when the host accepts the condition value.
    virtual bool checkCondition(const QString &value, const QString &name) = 0;

    virtual bool hasEeaccess() = 0;
    virtual bool hasGui() = 0;
    // 'eeaccess' code 0 and 'gui' code 0 with a command text; the host's result.
    virtual int eeaccessCommand(const QString &command) = 0;
    virtual int guiCommand(const QString &command) = 0;
    // 'gui' code 2: records an entry in the history of field 0 (location) or 1 (value).
    virtual void recordHistory(int field, const QString &context, const QString &text) = 0;

    // The target's capabilities for the breakpoint type (std::runtime_error when the host
    // answers no such question).
    virtual HardwareCapabilities capabilities(intptr_t vdata, uint32_t type) = 0;

    // The question whether an edited breakpoint is to be replaced (rich text).
    virtual Answer askReplace(const QString &question) = 0;
};

// The host as the breakpoint dialog reaches it: its handler, and 'eeaccess', 'gui' and
// "hardware_capabilities" looked up in the function registry at every use. Every call runs in
// a lifetime scope for the caller (the dialog): when the host destroys the dialog, the call
// throws CallerEnded.
class RegistryHostFace : public BreakpointHostFace
{
public:
    RegistryHostFace(CuiBreakpointDlgHandler handler, TeskHandle dialog, intptr_t vdata,
                     intptr_t windBox, QWidget *questionParent);

    QString contextName() override;
    bool checkExpression(const QString &expression) override;
    bool checkCondition(const QString &value, const QString &name) override;
    bool hasEeaccess() override;
    bool hasGui() override;
    int eeaccessCommand(const QString &command) override;
    int guiCommand(const QString &command) override;
    void recordHistory(int field, const QString &context, const QString &text) override;
    HardwareCapabilities capabilities(intptr_t vdata, uint32_t type) override;
    Answer askReplace(const QString &question) override;

private:
    CuiBreakpointDlgHandler requireHandler() const;
    // Runs the host call for the caller; CallerEnded when the caller is gone before or after.
    template<typename Call>
    auto call(Call &&hostCall);

    CuiBreakpointDlgHandler m_handler;
    TeskHandle m_dialog;
    intptr_t m_vdata;
    intptr_t m_windBox;
    QWidget *m_questionParent;
};

} // namespace tesk::breakpoints

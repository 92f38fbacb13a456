#include "symbols/breakpoints/breakpointproxy.h"

#include "symbols/breakpoints/breakpointhandles.h"

#include <QObject>
#include <QRegularExpression>

#include <cstring>
#include <stdexcept>

class BreakpointProxyPrivate
{
public:
    BreakpointProxySettings settings;
    uint32_t creationWord = 0;
    TeskHandle handle = 0;
    QString location;
    QString value;
    QVector<uint32_t> classes;
    bool forcedSize = false;
    uint32_t size = 0;
    QVector<uint32_t> breakpointTypes;
    uint32_t breakpointType = 0;
    QStringList qualifiers;
    QStringList actions;
    uint32_t actionState = 0;
    bool hasHardwarePassCount = false;
    QString hardwarePassCount;
    bool hasHardwareTriggers = false;
    QVector<HardwareTrigger> hardwareTriggers;
    bool chained = false;
};

namespace {

const QString &passCountOff()
{
    static const QString off = QStringLiteral("Off");
    return off;
}

QString cleanLocation(const QString &text)
{
    static const QRegularExpression leadingIA(QStringLiteral("^\\(I A\\)\\s*"));
    QString location = text.simplified();
    location.remove(leadingIA);
    return location;
}

} // namespace

BreakpointProxy::BreakpointProxy(uint32_t creationWord)
    : d(std::make_unique<BreakpointProxyPrivate>())
{
    d->creationWord = creationWord;
}

// Every field is a value (the triggers included), so the copy shares nothing with the original;
// it has no handle of its own.
BreakpointProxy::BreakpointProxy(const BreakpointProxy &other)
    : d(std::make_unique<BreakpointProxyPrivate>(*other.d))
{
    d->handle = 0;
}

BreakpointProxy::~BreakpointProxy()
{
    tesk::breakpoints::forgetProxy(this);
}

const BreakpointProxySettings &BreakpointProxy::settings() const
{
    return d->settings;
}
void BreakpointProxy::setSettings(const BreakpointProxySettings &settings)
{
    d->settings = settings;
}

uint32_t BreakpointProxy::creationWord() const
{
    return d->creationWord;
}
TeskHandle BreakpointProxy::handle() const
{
    return d->handle;
}
void BreakpointProxy::setHandle(TeskHandle handle)
{
    d->handle = handle;
}

const QString &BreakpointProxy::location() const
{
    return d->location;
}
void BreakpointProxy::setLocation(const QString &location)
{
    d->location = cleanLocation(location);
}
const QString &BreakpointProxy::value() const
{
    return d->value;
}
void BreakpointProxy::setValue(const QString &value)
{
    d->value = value;
}

const QVector<uint32_t> &BreakpointProxy::classes() const
{
    return d->classes;
}
void BreakpointProxy::addClass(uint32_t classValue)
{
    d->classes.append(classValue);
}
void BreakpointProxy::clearClasses()
{
    d->classes.clear();
}
bool BreakpointProxy::forcedSize() const
{
    return d->forcedSize;
}
uint32_t BreakpointProxy::size() const
{
    return d->size;
}

void BreakpointProxy::setSize(uint32_t size)
{
    d->forcedSize = size != 0;
    d->size = size;
}

void BreakpointProxy::setForcedSize(bool flag, uint32_t size)
{
    if (flag)
        setSize(size);
    else
        d->forcedSize = false;
}

const QVector<uint32_t> &BreakpointProxy::breakpointTypes() const
{
    return d->breakpointTypes;
}
void BreakpointProxy::addBreakpointType(uint32_t type)
{
    d->breakpointTypes.append(type);
}
uint32_t BreakpointProxy::breakpointType() const
{
    return d->breakpointType;
}

int32_t BreakpointProxy::setBreakpointType(uint32_t type)
{
    d->breakpointType = type;
    const qsizetype position = d->breakpointTypes.indexOf(type);
    if (position >= 0)
        d->settings.breakpointTypePos = uint32_t(position);
    if (!d->settings.handler)
        return -1;
    return d->settings.handler(CUI_BREAKPOINT_PROXY_TYPE_CHANGED, d->handle, d->settings.vdata,
                               intptr_t(d->settings.breakpointTypePos), 0);
}

const QStringList &BreakpointProxy::qualifiers() const
{
    return d->qualifiers;
}
void BreakpointProxy::addQualifier(const QString &row)
{
    d->qualifiers.append(row);
}
void BreakpointProxy::clearQualifiers()
{
    d->qualifiers.clear();
}
const QStringList &BreakpointProxy::actions() const
{
    return d->actions;
}
void BreakpointProxy::addAction(const QString &row)
{
    d->actions.append(row);
}
void BreakpointProxy::clearActions()
{
    d->actions.clear();
}
uint32_t BreakpointProxy::actionState() const
{
    return d->actionState;
}
void BreakpointProxy::setActionState(bool continueAfter)
{
    d->actionState = continueAfter ? 1 : 0;
}

bool BreakpointProxy::hasHardwarePassCount() const
{
    return d->hasHardwarePassCount;
}
const QString &BreakpointProxy::hardwarePassCount() const
{
    return d->hardwarePassCount;
}

void BreakpointProxy::setHardwarePassCount(const QString &passCount)
{
    d->hasHardwarePassCount = true;
    d->hardwarePassCount = passCount;
}

void BreakpointProxy::clearHardwarePassCount()
{
    d->hasHardwarePassCount = false;
    d->hardwarePassCount = passCountOff();
}

bool BreakpointProxy::hasHardwareTriggers() const
{
    return d->hasHardwareTriggers;
}

void BreakpointProxy::appendHardwareTrigger(const HardwareTrigger &trigger)
{
    d->hasHardwareTriggers = true;
    d->hardwareTriggers.append(trigger);
}

void BreakpointProxy::clearHardwareSupport()
{
    clearHardwarePassCount();
    d->hasHardwareTriggers = false;
    d->hardwareTriggers.clear();
}

int BreakpointProxy::triggerCount() const
{
    return int(d->hardwareTriggers.size());
}
HardwareTrigger &BreakpointProxy::trigger(int index)
{
    return d->hardwareTriggers[index];
}
const HardwareTrigger &BreakpointProxy::trigger(int index) const
{
    return d->hardwareTriggers.at(index);
}

HardwareTrigger &BreakpointProxy::trigger(const QString &name)
{
    for (HardwareTrigger &t : d->hardwareTriggers) {
        if (t.name() == name)
            return t;
    }
    throw std::runtime_error("Trigger name not found");
}

bool BreakpointProxy::chained() const
{
    return d->chained;
}
void BreakpointProxy::setChained()
{
    d->chained = true;
}

CuiBreakpointProxyHandler BreakpointProxy::requireHandler(const char *message) const
{
    if (!d->settings.handler)
        throw std::runtime_error(message);
    return d->settings.handler;
}

int32_t BreakpointProxy::update()
{
    const auto handler = requireHandler("Set function handler before calling update");
    return handler(CUI_BREAKPOINT_PROXY_UPDATE, d->handle, d->settings.vdata,
                   intptr_t(d->creationWord), 0);
}

QString BreakpointProxy::contextText(intptr_t id) const
{
    const auto handler = requireHandler("Set function handler before asking for a context");
    char buffer[CUI_BREAKPOINT_PROXY_TEXT_SIZE] = {};
    handler(CUI_BREAKPOINT_PROXY_TEXT, d->handle, id, reinterpret_cast<intptr_t>(buffer), 0);
    return QString::fromUtf8(buffer, qsizetype(strnlen(buffer, sizeof buffer - 1)));
}

uint32_t BreakpointProxy::breakpointNumber() const
{
    const auto handler =
        requireHandler("Set function handler before asking for the breakpoint number");
    uint32_t number = 0;
    const int32_t result =
        handler(CUI_BREAKPOINT_PROXY_NUMBER, d->handle, intptr_t(d->creationWord),
                reinterpret_cast<intptr_t>(&number), 0);
    return result == 0 ? number : 0;
}

bool BreakpointProxy::differs(const BreakpointProxy &other) const
{
    return locationDiffers(other) || valueDiffers(other) || typeDiffers(other);
}

bool BreakpointProxy::locationDiffers(const BreakpointProxy &other) const
{
    return d->location != other.d->location;
}

bool BreakpointProxy::valueDiffers(const BreakpointProxy &other) const
{
    return d->value != other.d->value;
}

bool BreakpointProxy::typeDiffers(const BreakpointProxy &other) const
{
    return d->breakpointType != other.d->breakpointType;
}

bool BreakpointProxy::hardwareSupportDiffers(const BreakpointProxy &) const
{
    return false;
}

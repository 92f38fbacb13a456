#include "sync/syncdatamodels.h"

#include "sync/syncdata.h"

#include <QCoreApplication>

namespace {

// The texts are marked where they stand (QT_TRANSLATE_NOOP3 for the coupling words, which are
// told apart from the execution table's own words) so that lupdate collects them.
struct MarkedText
{
    const char *source;
    const char *disambiguation;
};

std::string text(MarkedText marked)
{
    return QCoreApplication::translate("SyncTableGeneric", marked.source, marked.disambiguation)
        .toUtf8()
        .toStdString();
}

uint32_t actions()
{
    return SyncDataEventSet_UserAccesibleActions::instance().mask();
}

uint32_t executions()
{
    return SyncDataEventSet_UserAccesibleExecutions::instance().mask();
}

void storeEvents(SyncDataConnection *connection, uint32_t set, uint32_t clear)
{
    SyncDataEventSet events = connection->getEventSet();
    events.set(set);
    events.clear(clear);
    connection->setEventSet(events);
}

} // namespace

bool SyncDataModelActionsCores::isChecked(int row, int)
{
    const SyncDataConnection *connection = getConnection(row);
    return connection && connection->getEventSet().test(group());
}

void SyncDataModelActionsCores::setChecked(int row, int, bool on)
{
    SyncDataConnection *connection = getConnection(row);
    if (!connection)
        return;
    if (!on) {
        storeEvents(connection, 0, group());
        return;
    }
    const SyncDataEventSet coupled = data()->allEvents();
    storeEvents(connection, coupled.test(group()) ? coupled.mask() & group() : group(), 0);
}

bool SyncDataModelActionsCores::commit()
{
    return sendToHost(&IGb_SyncAccessOps::applyActionSync);
}

uint32_t SyncDataModelActionsCores::group() const
{
    return actions();
}

bool SyncDataModelExecutionCores::commit()
{
    return sendToHost(&IGb_SyncAccessOps::applyExecutionSync);
}

uint32_t SyncDataModelExecutionCores::group() const
{
    return executions();
}

uint32_t SyncDataModelXTrig::columnBit(int col)
{
    switch (col) {
    case 1:
        return SyncDataConnection::TriggerIn;
    case 2:
        return SyncDataConnection::TriggerOut;
    case 3:
        return SyncDataConnection::HwTriggerIn;
    case 4:
        return SyncDataConnection::HwTriggerOut;
    default:
        return 0;
    }
}

namespace {

// The hardware triggers a core's flags can actually use: each needs its capability and its
// software trigger.
uint32_t usableFlags(uint32_t flags)
{
    using C = SyncDataConnection;
    const auto holds = [flags](uint32_t bits) { return (flags & bits) == bits; };
    if (!holds(C::HwTriggerInPossible | C::TriggerIn))
        flags &= ~uint32_t(C::HwTriggerIn);
    if (!holds(C::HwTriggerOutPossible | C::TriggerOut))
        flags &= ~uint32_t(C::HwTriggerOut);
    return flags;
}

} // namespace

bool SyncDataModelXTrig::isChecked(int row, int col)
{
    const SyncDataConnection *connection = getConnection(row);
    if (!connection)
        return false;
    const uint32_t flags = connection->getFlags();
    const uint32_t bit = columnBit(col);
    const uint32_t hardware = SyncDataConnection::HwTriggerIn | SyncDataConnection::HwTriggerOut;
    const uint32_t possible =
        SyncDataConnection::HwTriggerInPossible | SyncDataConnection::HwTriggerOutPossible;
    if ((bit & hardware) && !(flags & possible))
        return false;
    return (flags & bit) != 0;
}

bool SyncDataModelXTrig::isEnabled(int row, int col)
{
    const SyncDataConnection *connection = getConnection(row);
    if (!connection)
        return false;
    const uint32_t bit = columnBit(col);
    if (bit != SyncDataConnection::HwTriggerIn && bit != SyncDataConnection::HwTriggerOut)
        return true;
    return (usableFlags(connection->getFlags() | bit) & bit) != 0;
}

std::string SyncDataModelXTrig::getComment(int row)
{
    const SyncDataConnection *connection = getConnection(row);
    if (!connection)
        return {};
    const uint32_t flags = usableFlags(connection->getFlags());
    const bool in = flags & SyncDataConnection::HwTriggerIn;
    const bool out = flags & SyncDataConnection::HwTriggerOut;
    if (!in && !out)
        return text({QT_TRANSLATE_NOOP("SyncTableGeneric", "Software Trigger (on host)"), nullptr});
    return in && out ? text({QT_TRANSLATE_NOOP("SyncTableGeneric", "Hardware Trigger"), nullptr})
                     : text({QT_TRANSLATE_NOOP("SyncTableGeneric", "Mixed Trigger"), nullptr});
}

void SyncDataModelXTrig::setChecked(int row, int col, bool on)
{
    SyncDataConnection *connection = getConnection(row);
    if (!connection)
        return;
    const uint32_t bit = columnBit(col);
    connection->setFlags(on ? connection->getFlags() | bit : connection->getFlags() & ~bit);
    m_pending.push_back(connection->getId());
}

bool SyncDataModelXTrig::commit()
{
    if (m_pending.empty())
        return false;
    // The notes go whatever happens: a core the host refused is read back from the host.
    const std::vector<uint32_t> pending = std::move(m_pending);
    m_pending.clear();
    return sendToHost(&IGb_SyncAccessOps::applyTriggerSync, pending);
}

uint32_t SyncDataModelActionsSet::group() const
{
    return actions();
}

uint32_t SyncDataModelActionsSet::rowBit(int row) const
{
    return row >= 0 && row < 7 ? 1u << row : 0;
}

bool SyncDataModelActionsSet::isChecked(int row, int)
{
    return data()->allEvents().test(rowBit(row));
}

void SyncDataModelActionsSet::setChecked(int row, int, bool on)
{
    const uint32_t bit = rowBit(row);
    for (SyncDataConnection *connection : *data()) {
        if (!on)
            storeEvents(connection, 0, bit);
        else if (connection->getEventSet().test(group()))
            storeEvents(connection, bit, 0);
    }
}

bool SyncDataModelActionsSet::isActive()
{
    return data()->allEvents().test(group());
}

std::string SyncDataModelActionsSet::getComment(int row)
{
    switch (rowBit(row)) {
    case SyncDataEventSet::LoadImage:
        return text(
            {QT_TRANSLATE_NOOP("SyncTableGeneric", "Load a target application file"), nullptr});
    case SyncDataEventSet::UnloadImage:
        return text({QT_TRANSLATE_NOOP("SyncTableGeneric", "Unload an image"), nullptr});
    case SyncDataEventSet::ReloadImage:
        return text(
            {QT_TRANSLATE_NOOP("SyncTableGeneric", "Reload the current image file"), nullptr});
    case SyncDataEventSet::Restart:
        return text({QT_TRANSLATE_NOOP("SyncTableGeneric", "Reset program counter"), nullptr});
    case SyncDataEventSet::Reset:
        return text({QT_TRANSLATE_NOOP("SyncTableGeneric", "Reset target processor"), nullptr});
    case SyncDataEventSet::SetPC:
        return text({QT_TRANSLATE_NOOP("SyncTableGeneric", "Set program counter"), nullptr});
    case SyncDataEventSet::LoadBinary:
        return text({QT_TRANSLATE_NOOP("SyncTableGeneric", "Load binary file"), nullptr});
    default:
        return {};
    }
}

bool SyncDataModelActionsSet::commit()
{
    return sendToHost(&IGb_SyncAccessOps::applyActionSync);
}

uint32_t SyncDataModelExecutionSet::group() const
{
    return executions();
}

uint32_t SyncDataModelExecutionSet::rowBit(int row) const
{
    return row >= 0 && row < 3 ? SyncDataEventSet::Step << row : 0;
}

std::string SyncDataModelExecutionSet::getComment(int row)
{
    enum { None = 0, Tight = 1, Loose = 2, Mixed = 3 };
    const uint32_t bit = rowBit(row);
    int kind = None;
    for (const SyncDataConnection *connection : *data()) {
        const SyncDataEventSet events = connection->getEventSet();
        if (!events.test(bit))
            continue;
        const int k = events.test(SyncDataEventSet::LooselyCoupled) ? Loose : Tight;
        kind = kind == None ? k : (kind == k ? kind : Mixed);
    }
    switch (kind) {
    case Tight:
        return text(QT_TRANSLATE_NOOP3("SyncTableGeneric", "Tightly coupled",
                                       "SyncDataModelExecutionSet::getComment"));
    case Loose:
        return text(QT_TRANSLATE_NOOP3("SyncTableGeneric", "Loosely coupled",
                                       "SyncDataModelExecutionSet::getComment"));
    case Mixed:
        return text(QT_TRANSLATE_NOOP3("SyncTableGeneric", "Mixed coupling",
                                       "SyncDataModelExecutionSet::getComment"));
    default:
        return {};
    }
}

bool SyncDataModelExecutionSet::commit()
{
    return sendToHost(&IGb_SyncAccessOps::applyExecutionSync);
}

bool SyncDataModelExecutionAddOns::getPendingMode() const
{
    return data()->getMode() == SyncData::AnySynchronizedCoreRunning;
}

void SyncDataModelExecutionAddOns::setPendingMode(int mode)
{
    data()->setMode(mode == 1 ? SyncData::AnySynchronizedCoreRunning
                              : SyncData::CurrentCoreRunning);
}

bool SyncDataModelExecutionAddOns::commit()
{
    return sendToHost(&IGb_SyncAccessOps::applyPendingMode);
}

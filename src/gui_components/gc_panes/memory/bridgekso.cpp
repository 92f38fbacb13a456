#include "gui_components/gc_panes/memory/bridgekso.h"

#include "gui_components/gc_panes/memory/moskostream.h"

#include "frame/core/exportguard.h"
#include "system/lifetime.h"

#include <mosk/mosk.hpp>

#include <QDebug>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <utility>

namespace {

const char kMemorySpace[] = "memory";

bool isMemorySpace(const std::string &space)
{
    std::string lower = space;
    for (char &c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower == kMemorySpace;
}

// Runs one broker call: an error result or an exception answers false, and the error object
// is released on the way. The call runs inside a lifetime scope: a view the host ends from
// inside it stays in memory until the view's own code has left.
template<typename Call>
bool succeeds(Call &&call) noexcept
{
    tesk::lifetime::Scope scope;
    try {
        mosk::ThrowError{call()};
        return true;
    } catch (...) {
        return false;
    }
}

// The text a host operation writes into a stream; empty when the call fails.
template<typename Call>
std::string streamText(Call &&call)
{
    KGcp_moskOStream stream;
    return succeeds([&] { return call(stream.face()); }) ? stream.text() : std::string();
}

TeskMemoryAddress recordOf(const UMemoryAddress &address)
{
    TeskMemoryAddress record{0, 0};
    address.toPair(&record);
    return record;
}

// Asks the broker for a component and the component for one interface (version 0); the
// component object itself is released again, the interface keeps its own reference.
void *queryComponent(MoskBroker *broker, const char *category, const char *id, uint32_t iid)
{
    void *object = nullptr;
    mosk::ThrowError{broker->ops->getComponent(broker, category, id, &object)};
    moskThrowIfFalse(object != nullptr);
    struct Release
    {
        void *object;
        ~Release() { mosk::release(object); }
    } release{object};
    void *face = nullptr;
    mosk::ThrowError{static_cast<MoskBase *>(object)->ops->QueryInterface(object, &face, iid, 0)};
    return face;
}

// A read never asks the host across a chunk boundary: the whole rest when its first and
// last byte share a chunk, else up to the next boundary.
uint32_t chunkLength(uint32_t offset, uint32_t remaining)
{
    const uint32_t last = offset + remaining - 1;
    if (offset / TESK_MEMORY_READ_CHUNK == last / TESK_MEMORY_READ_CHUNK)
        return remaining;
    return TESK_MEMORY_READ_CHUNK - offset % TESK_MEMORY_READ_CHUNK;
}

// Expands the host's runs into one code per byte; runs past the count the host stored are
// never looked at, and bytes the runs leave out get code 0.
void appendRunAttributes(std::vector<uint32_t> &attributes, uint32_t bytes,
                         const TeskMemoryRun *runs, uint32_t runCount)
{
    uint32_t covered = 0;
    for (uint32_t i = 0; i < runCount && covered < bytes; ++i) {
        const uint32_t n = std::min(runs[i].count, bytes - covered);
        attributes.insert(attributes.end(), n, runs[i].attribute);
        covered += n;
    }
    attributes.insert(attributes.end(), bytes - covered, 0u);
}

} // namespace

namespace {
// On the heap: as a static it would release the facade after the unload freed it.
KGcp_Bridge_KSO *g_bridge = nullptr;
} // namespace

KGcp_Bridge_KSO *KGcp_Bridge_KSO::instance()
{
    if (!g_bridge)
        g_bridge = new KGcp_Bridge_KSO;
    return g_bridge;
}

void KGcp_Bridge_KSO::end()
{
    if (!g_bridge)
        return;
    // At the process's end nothing is handed back to the host, whose objects may have gone.
    if (tesk::processEnding())
        g_bridge->m_memoryAccess = nullptr;
    delete std::exchange(g_bridge, nullptr);
}

KGcp_Bridge_KSO::KGcp_Bridge_KSO()
{
    connect();
}

KGcp_Bridge_KSO::~KGcp_Bridge_KSO()
{
    mosk::release(m_memoryAccess);
    mosk::release(m_facade);
}

void KGcp_Bridge_KSO::connect()
{
    MoskBroker *broker = moskGetObjectBroker();
    if (!broker)
        return;
    // The first failure ends the look-up; what was obtained so far is kept.
    try {
        m_facade = static_cast<ITesk_Facade *>(
            queryComponent(broker, TESK_FACADE_CATEGORY, TESK_FACADE_COMPONENT, TESK_IID_FACADE));
        m_memoryAccess = static_cast<IGb_MemoryAccess *>(
            queryComponent(broker, TESK_MEMORY_ACCESS_CATEGORY, TESK_MEMORY_ACCESS_COMPONENT,
                           TESK_IID_MEMORY_ACCESS));
    } catch (...) {
    }
}

TeskHandle KGcp_Bridge_KSO::windowHandleOf(QWidget *widget)
{
    TeskHandle handle = 0;
    if (m_facade &&
        !succeeds([&] { return m_facade->ops->windowHandle(m_facade, widget, &handle); }))
        handle = 0;
    return handle;
}

void KGcp_Bridge_KSO::addDockMenuItems(QMenu *popup)
{
    if (m_facade)
        succeeds([&] { return m_facade->ops->addDockMenuItems(m_facade, popup); });
}

void KGcp_Bridge_KSO::activateDockMenuItem(QWidget *widget, int itemId)
{
    if (m_facade)
        succeeds([&] { return m_facade->ops->activateDockMenuItem(m_facade, widget, itemId); });
}

bool KGcp_Bridge_KSO::byteOrderAt(int target, const UMemoryAddress &address)
{
    if (!m_memoryAccess || !address.isValid())
        return false;
    const TeskMemoryAddress record = recordOf(address);
    uint8_t bigEndian = 0;
    return succeeds([&] {
               return m_memoryAccess->ops->byteOrderAt(m_memoryAccess, target, &record, &bigEndian);
           }) &&
           bigEndian != 0;
}

int KGcp_Bridge_KSO::defaultAccessSize(int target, const UMemoryAddress &address)
{
    if (!m_memoryAccess || !address.isValid())
        return 1;
    const TeskMemoryAddress record = recordOf(address);
    int32_t size = 1;
    const bool ok = succeeds([&] {
        return m_memoryAccess->ops->defaultAccessSize(m_memoryAccess, target, &record, &size);
    });
    return ok ? size : 1;
}

bool KGcp_Bridge_KSO::supportsRunningAccess(int target)
{
    if (!m_memoryAccess)
        return false;
    uint8_t supported = 0;
    return succeeds([&] {
               return m_memoryAccess->ops->supportsRunningAccess(m_memoryAccess, target,
                                                                 &supported);
           }) &&
           supported != 0;
}

std::string KGcp_Bridge_KSO::targetName(int target)
{
    if (!m_memoryAccess)
        return {};
    return streamText([&](MoskOStream *stream) {
        return m_memoryAccess->ops->targetName(m_memoryAccess, target, stream);
    });
}

std::string KGcp_Bridge_KSO::addressToText(int target, const UMemoryAddress &address)
{
    if (!m_memoryAccess || !address.isValid())
        return {};
    const TeskMemoryAddress record = recordOf(address);
    return streamText([&](MoskOStream *stream) {
        return m_memoryAccess->ops->addressToText(m_memoryAccess, target, &record, stream);
    });
}

UMemoryAddress KGcp_Bridge_KSO::textToAddress(int target, const std::string &text)
{
    if (!m_memoryAccess)
        return {};
    TeskMemoryAddress record{0, 0};
    const bool ok = succeeds([&] {
        return m_memoryAccess->ops->textToAddress(m_memoryAccess, target, text.c_str(), &record);
    });
    return ok ? UMemoryAddress(record) : UMemoryAddress();
}

bool KGcp_Bridge_KSO::createBreakpointAt(QWidget *widget, int target, const UMemoryAddress &first,
                                         const UMemoryAddress &last)
{
    if (!m_memoryAccess)
        return false;
    const TeskHandle window = windowHandleOf(widget);
    const TeskMemoryAddress from = recordOf(first);
    const TeskMemoryAddress to = recordOf(last);
    return succeeds([&] {
        return m_memoryAccess->ops->createBreakpoint(m_memoryAccess, window, target, &from, &to, 0);
    });
}

bool KGcp_Bridge_KSO::adjustAddress(int target, const UMemoryAddress &address,
                                    UMemoryAddress &rangeStart, uint32_t &rangeLength)
{
    if (!m_memoryAccess)
        return false;
    const TeskMemoryAddress record = recordOf(address);
    TeskMemoryAddress start{0, 0};
    uint32_t length = 0;
    if (!succeeds([&] {
            return m_memoryAccess->ops->adjustAddress(m_memoryAccess, target, &record, &start,
                                                      &length);
        }))
        return false;
    rangeStart = UMemoryAddress(start);
    rangeLength = length;
    return true;
}

bool KGcp_Bridge_KSO::adjustAddress2(int target, const UMemoryAddress &address, uint32_t offset,
                                     UMemoryAddress &result)
{
    if (!m_memoryAccess)
        return false;
    const TeskMemoryAddress record = recordOf(address);
    TeskMemoryAddress adjusted{0, 0};
    if (!succeeds([&] {
            return m_memoryAccess->ops->adjustAddress2(m_memoryAccess, target, &record, offset,
                                                       &adjusted);
        }))
        return false;
    result = UMemoryAddress(adjusted);
    return true;
}

bool KGcp_Bridge_KSO::disassemblyFormatLists(const std::string &space, int target, std::string &ids,
                                             std::string &names)
{
    if (!m_memoryAccess || !isMemorySpace(space))
        return false;
    KGcp_moskOStream idStream;
    KGcp_moskOStream nameStream;
    succeeds([&] {
        return m_memoryAccess->ops->disassemblyFormatLists(m_memoryAccess, target, idStream.face(),
                                                           nameStream.face());
    });
    ids = idStream.text();
    names = nameStream.text();
    return true;
}

void KGcp_Bridge_KSO::memorySpaceInfo(const std::string &space, int target,
                                      const UMemoryAddress &address, int formatId,
                                      const void **lines, const uint8_t **lengths,
                                      uint32_t *lineCount)
{
    const void *hostLines = nullptr;
    const uint8_t *hostLengths = nullptr;
    const uint32_t asked = lineCount ? *lineCount : 0;
    uint32_t count = asked;
    bool ok = false;
    if (m_memoryAccess && isMemorySpace(space)) {
        const TeskMemoryAddress record = recordOf(address);
        ok = succeeds([&] {
            return m_memoryAccess->ops->memorySpaceInfo(m_memoryAccess, target, &record, &count,
                                                        &hostLines, &hostLengths, formatId);
        });
    }
    if (lines)
        *lines = ok ? hostLines : nullptr;
    if (lengths)
        *lengths = ok ? hostLengths : nullptr;
    // More lines than rows asked for would only grow the caller's tables without bound.
    if (lineCount)
        *lineCount = ok ? std::min(count, asked) : 0;
}

void KGcp_Bridge_KSO::memorySpaceAction(const std::string &space, QWidget *widget, int target,
                                        const UMemoryAddress &address, intptr_t x, intptr_t y)
{
    if (!m_memoryAccess)
        return;
    const TeskHandle window = windowHandleOf(widget);
    if (!isMemorySpace(space))
        return;
    const TeskMemoryAddress record = recordOf(address);
    uint32_t result = 0;
    succeeds([&] {
        return m_memoryAccess->ops->memorySpaceAction(m_memoryAccess, window, target, &record, 0, x,
                                                      y, &result);
    });
}

void KGcp_Bridge_KSO::fillMemory(const std::string &space, QWidget *widget, int target,
                                 const UMemoryAddress &first, const UMemoryAddress &last,
                                 uint32_t length, int fillSize, const char *expression)
{
    if (!m_memoryAccess)
        return;
    const TeskHandle window = windowHandleOf(widget);
    if (!isMemorySpace(space))
        return;
    const TeskMemoryAddress from = recordOf(first);
    const TeskMemoryAddress to = recordOf(last);
    succeeds([&] {
        return m_memoryAccess->ops->fill(m_memoryAccess, window, target, &from, &to, length,
                                         fillSize, expression);
    });
}

void KGcp_Bridge_KSO::readMemory(const std::string &space, int target,
                                 const UMemoryAddress &address, uint32_t length,
                                 uint32_t *bytesRead, const uint8_t **data,
                                 std::vector<uint32_t> *attributes, intptr_t flags)
{
    // Another space reads nothing and leaves the caller's values as they were.
    if (!m_memoryAccess || !isMemorySpace(space))
        return;
    // The buffer an earlier read handed out is replaced now.
    if (data)
        *data = nullptr;
    if (bytesRead)
        *bytesRead = 0;
    try {
        // Nothing lies above offset 0xFFFFFFFF: a read near the top is cut there.
        const uint64_t room = uint64_t(1) << 32;
        const auto total =
            static_cast<uint32_t>(std::min<uint64_t>(length, room - address.offset()));
        m_readBuffer.assign(total, 0);
        if (attributes)
            attributes->reserve(attributes->size() + total);
        UMemoryAddress at = address;
        for (uint32_t done = 0; done < total;) {
            const uint32_t chunk = chunkLength(at.offset(), total - done);
            readChunk(target, at, chunk, m_readBuffer.data() + done, attributes, flags);
            done += chunk;
            at += chunk;
            if (bytesRead)
                *bytesRead = done;
        }
        if (data)
            *data = m_readBuffer.data();
    } catch (...) {
        qDebug("error on get_data_and_state");
        if (bytesRead)
            *bytesRead = 0;
    }
}

void KGcp_Bridge_KSO::readChunk(int target, const UMemoryAddress &address, uint32_t length,
                                uint8_t *into, std::vector<uint32_t> *attributes, intptr_t flags)
{
    // A chunk never needs more runs than it has bytes.
    m_runs.assign(length, TeskMemoryRun{0, 0, 0, 0});
    uint32_t runCount = length;
    uint32_t info = 0;
    const uint8_t *hostData = nullptr;
    const TeskMemoryAddress record = recordOf(address);
    tesk::lifetime::Scope scope;
    MoskResult result =
        m_memoryAccess->ops->read(m_memoryAccess, target, &record, length, -1, &info, &hostData,
                                  m_runs.data(), &runCount, flags);
    if (result || !hostData) {
        mosk::release(result);
        std::memset(into, 0, length);
        if (attributes)
            attributes->insert(attributes->end(), length, TESK_MEMORY_NOT_READ);
        return;
    }
    std::memcpy(into, hostData, length);
    if (attributes)
        appendRunAttributes(*attributes, length, m_runs.data(), std::min(runCount, length));
}

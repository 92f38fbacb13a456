// The dock-window and toolbar layout records the host hands back from an earlier run, as
// CuiSetDockWindowPersistanceData and QtSetToolbarData receive them; each is written back into a
// host buffer of the record size.
#include "frame/windows/docking/layoutrecords.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    char buffer[tesk::frame::kLayoutRecordSize];
    const tesk::frame::DockRecord dock = tesk::frame::readDockRecord(text);
    tesk::frame::copyRecord(tesk::frame::writeDockRecord(dock), buffer);
    if (std::memchr(buffer, '\0', sizeof buffer) == nullptr)
        __builtin_trap();
    // A toolbar record taken is one the writer makes again as it was read.
    if (const auto toolbar = tesk::frame::readToolbarRecord(text)) {
        const QByteArray again = tesk::frame::writeToolbarRecord(*toolbar);
        const auto reread = tesk::frame::readToolbarRecord(again);
        if (!reread || tesk::frame::writeToolbarRecord(*reread) != again)
            __builtin_trap();
    }
    return 0;
}

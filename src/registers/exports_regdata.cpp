// Register data sets: the host's records and value lines.
#include <tesk/tesk_registers.h>

#include "frame/core/exportguard.h"
#include "registers/regdata.h"
#include "registers/regdatasets.h"

int CuiRegPaneDataCreate(uint32_t id)
{
    return TESK_GUARDED(0, [id] { return RegDataSets::instance().create(id) ? 1 : 0; });
}

int CuiRegPaneDataTestOfExistence(uint32_t id)
{
    return TESK_GUARDED(0, [id] { return RegDataSets::instance().exists(id) ? 1 : 0; });
}

int CuiRegPaneDataAdd(uint32_t id, RegDataRecord *record)
{
    if (!record)
        return 0;
    return TESK_GUARDED(0, [&] { return RegDataSets::instance().add(id, *record); });
}

int CuiRegPaneDataUpdate(uint32_t id, RegDataRecord *record)
{
    if (!record)
        return 0;
    return TESK_GUARDED(0, [&] { return RegDataSets::instance().update(id, *record); });
}

uint32_t CuiRegPaneGetNumLines(uint32_t id)
{
    return TESK_GUARDED(0u, [id] {
        const RegData *data = RegDataSets::instance().find(id);
        return data ? data->lineCount() : 0u;
    });
}

int CuiRegPaneSetNumLines(uint32_t id, uint32_t count)
{
    return TESK_GUARDED(0, [id, count] {
        RegData *data = RegDataSets::instance().find(id);
        if (!data)
            return 0;
        data->setLineCount(count);
        return 1;
    });
}

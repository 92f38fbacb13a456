#include "regpanehost.h"

#include "registerrecords.h"

namespace testhost {

int RegPaneHost::handler(uint32_t op, uintptr_t pointer, const char *text, uintptr_t context,
                         uint32_t)
{
    auto *host = reinterpret_cast<RegPaneHost *>(context);
    if (!host)
        return 0;
    host->calls.push_back({op, pointer, text ? text : "", text == nullptr, context});
    if (op == REG_OP_SET_VALUE && pointer < host->lines.size()) {
        // The lines hold hexadecimal digits as the engine writes them, without a prefix.
        std::string value = text ? text : "";
        if (value.rfind("0x", 0) == 0)
            value.erase(0, 2);
        host->lines[pointer] = value;
        host->send();
    } else if (op == REG_OP_DATA_UPDATE) {
        host->send();
    } else if (op == REG_OP_MAY_CHANGE && host->refuseChanges && pointer) {
        *reinterpret_cast<uint32_t *>(pointer) = 0;
    }
    if (host->inside)
        host->inside(op);
    return 0;
}

void RegPaneHost::send()
{
    std::string text;
    for (const std::string &line : lines)
        text += line + "\n";
    const RegLineBlock block{0, int16_t(lines.size()), text.c_str()};
    RegDataRecord record = tesk::host::updateRecord(&block, 1, 1);
    CuiRegPaneDataUpdate(dataSet, &record);
}

int RegPaneHost::count(uint32_t op) const
{
    int n = 0;
    for (const RegHandlerCall &call : calls)
        n += call.op == op;
    return n;
}

} // namespace testhost

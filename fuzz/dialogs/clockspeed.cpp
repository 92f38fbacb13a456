// The simulator's clock speed as the host hands it in: a number of any base prefix, cut to the
// largest speed.
#include "dialogs/corvasimconfigdlg.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    const int speed = CorvasimConfigDlg::parseClockSpeed(text);
    if (speed < 0 || speed > CorvasimConfigDlg::kMaxClockSpeed)
        std::abort();
    // Plain decimal digits without a base prefix read as themselves.
    bool digits = !text.isEmpty() && text.size() < 10 && !text.startsWith('0');
    for (const char c : text)
        digits = digits && c >= '0' && c <= '9';
    if (digits && speed != text.toLongLong())
        std::abort();
    return 0;
}

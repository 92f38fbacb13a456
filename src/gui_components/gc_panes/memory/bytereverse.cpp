#include "gui_components/gc_panes/memory/bytereverse.h"

#include <algorithm>
#include <vector>

void byteReversingCopy(void *destination, const void *source, int n)
{
    if (n <= 0 || !destination || !source)
        return;
    const auto *from = static_cast<const unsigned char *>(source);
    auto *to = static_cast<unsigned char *>(destination);
    if (to + n <= from || from + n <= to) {
        std::reverse_copy(from, from + n, to);
        return;
    }
    // Overlapping (or the same) bytes: reversing while reading would read what was written.
    std::vector<unsigned char> bytes(from, from + n);
    std::reverse_copy(bytes.begin(), bytes.end(), to);
}

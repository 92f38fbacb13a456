// The host's context-popup definition text, as QtPopContextMenu receives it.
#include "frame/menus/popupdefinition.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto label = [](const QString &key) { return key.size() < 4 ? key : QString(); };
    const auto tableText = [](int hostId) {
        return hostId == 40000 ? QStringLiteral("Open") : QString();
    };
    PopupDefinition::parse(text, label, tableText);
    return 0;
}

// The body of a frame the inspector tool sends over its socket: a command and the record it
// carries, read as each command's receiver reads it; and the filter list's text form.
#include "objectinspector/objecttree.h"
#include "objectinspector/protocol.h"

#include <cstddef>
#include <cstdint>

using namespace tesk::inspector;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray body(reinterpret_cast<const char *>(data), qsizetype(size));
    const ProtocolCommand command(body);
    LoginData login;
    command.getData(&login);
    MemberData member;
    command.getData(&member);
    SignalFilterList filters;
    if (command.getData(&filters))
        filters.matches(member);
    ObjectTree tree;
    command.getData(&tree);

    const SignalFilterList fromText(QString::fromUtf8(body));
    fromText.toText();
    return 0;
}

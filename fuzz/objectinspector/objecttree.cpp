// An object tree record as the inspector peer sends it over its socket: read, linked, dumped.
#include "objectinspector/objecttree.h"
#include "objectinspector/protocol.h"

#include <QDataStream>
#include <QTextStream>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray record =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QDataStream stream(record);
    tesk::inspector::prepareStream(stream);
    ObjectTree tree;
    tree.read(stream);
    if (!tree.isEmpty() && tree.node(0))
        tree.link();
    QString text;
    QTextStream out(&text);
    tree.dump(out);
    return 0;
}

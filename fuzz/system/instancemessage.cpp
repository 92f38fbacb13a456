// The single-instance socket's framing as a second instance's bytes arrive: every message taken
// off the stream frames again into bytes that give back that message and nothing more, and a
// stream is never read past what it holds.
#include "system/singleinstance.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using tesk::system::Framing;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer stream(&bytes);
    stream.open(QIODevice::ReadOnly);
    QString message;
    while (tesk::system::takeMessage(stream, message) == Framing::Message) {
        QByteArray again = tesk::system::frameMessage(message);
        QBuffer echo(&again);
        echo.open(QIODevice::ReadOnly);
        QString back;
        if (tesk::system::takeMessage(echo, back) != Framing::Message || back != message ||
            echo.bytesAvailable() != 0)
            std::abort();
    }
    if (stream.pos() > bytes.size())
        std::abort();
    return 0;
}

// A tagged XML section in a file the host owns, as loadXmlSection reads it back. Every element
// is read by a reader bound to it, so that the event routing runs as deep as the input goes.
// The same bytes then stand as the host's own text before and after a section stored between
// them (cut where the first byte says): whatever they are, that section loads.
#include "frame/core/xmlserial.h"

#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <unistd.h>

namespace {

using namespace NXmlSerial;

class EveryElement : public IXmlSerialize
{
public:
    void Serialize(XmlContext &c) override
    {
        if (c.EventType() == XmlContext::ElementStartEvent) {
            if (c.ElementName() == QLatin1String("n"))
                c.AdoptReader(new XmlDataItem(&m_number), true);
            else if (c.ElementName() == QLatin1String("s"))
                c.AdoptReader(new XmlDataItem(&m_text), true);
            else if (c.ElementName() == QLatin1String("b"))
                c.AdoptReader(new XmlDataItem(&m_raw), true);
            else
                c.AdoptReader(new EveryElement, true);
        }
    }

private:
    int m_number = 0;
    QString m_text;
    std::string m_raw;
};

QString inputFile()
{
    static const QString name =
        QDir::temp().filePath(QStringLiteral("fuzz-xmlsection-%1.ini").arg(getpid()));
    return name;
}

bool writeFile(const QByteArray &bytes, QIODevice::OpenMode mode)
{
    QFile file(inputFile());
    return file.open(mode) && file.write(bytes) == bytes.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!writeFile(input, QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    const QString tag = QStringLiteral("Scripts");
    EveryElement root;
    loadXmlSection(inputFile(), tag, root);

    if (!input.isEmpty()) {
        const qsizetype cut = 1 + qsizetype(uint8_t(input[0])) * (input.size() - 1) / 256;
        EveryElement stored;
        if (writeFile(input.mid(1, cut - 1), QIODevice::WriteOnly | QIODevice::Truncate) &&
            storeXmlSection(inputFile(), tag, stored) == 1 &&
            writeFile(input.mid(cut), QIODevice::Append)) {
            EveryElement again;
            if (loadXmlSection(inputFile(), tag, again) != 1)
                std::abort();
        }
    }
    QFile::remove(inputFile());
    return 0;
}

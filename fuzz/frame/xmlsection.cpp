// A tagged XML section in a file the host owns, as loadXmlSection reads it back. Every element
// is read by a reader bound to it, so that the event routing runs as deep as the input goes.
#include "frame/core/xmlserial.h"

#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QFile file(inputFile());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    EveryElement root;
    loadXmlSection(inputFile(), QStringLiteral("Scripts"), root);
    QFile::remove(inputFile());
    return 0;
}

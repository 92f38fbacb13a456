// Format-type definitions as the formatting engine imports them from the installed definition
// files, then every type the text names used to show a value and to read text back.
#include <glyphon/glyphon.h>

#include <QStringList>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    KMediator_Format engine;
    engine.import_formatTypesDefinition_fromString(text, nullptr, size % 2);

    unsigned char value[16];
    for (size_t i = 0; i < sizeof value; ++i)
        value[i] = static_cast<unsigned char>(0xa5 ^ (i * 37));
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QStringList words = line.simplified().split(QLatin1Char(' '));
        if (words.size() < 3 || words.first() != QLatin1String("type"))
            continue;
        KFormattedData formatted;
        formatted.SetSize(words.at(2).toInt());
        formatted.SetDataPtr(value);
        formatted.SetInitialFormatTypeName(words.at(1));
        QString shown;
        engine.get_dataValue(&formatted, shown);
        engine.set_dataValue(&formatted, shown);
        engine.set_dataValue(&formatted, lines.constLast());
    }
    return 0;
}

#include "frame/windows/toolbars/embeddedimages.h"

#include <QByteArray>

// The same pictures as files of the resource tree (":/addscript.png"), for widgets that load
// an icon by name. A static library's resources are registered by name, here as the library
// loads, before any widget can ask.
static bool registerToolbarImages()
{
    Q_INIT_RESOURCE(toolbarimages);
    return true;
}

namespace tesk::frame {

namespace {

[[maybe_unused]] const bool g_registered = registerToolbarImages();

QImage::Format formatOf(const EmbeddedImage &record)
{
    if (record.depth == 32)
        return record.alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    if (record.depth == 8)
        return QImage::Format_Indexed8;
    return QImage::Format_Mono;
}

QImage decode(const EmbeddedImage &record)
{
    const QByteArray pixels = qUncompress(record.data, int(record.compressed));
    const qsizetype rowBytes = (qsizetype(record.width) * record.depth + 31) / 32 * 4;
    // A damaged record gives no image rather than a read past its pixels.
    if (record.width <= 0 || record.height <= 0 || pixels.size() < rowBytes * record.height)
        return QImage();
    const QImage view(reinterpret_cast<const uchar *>(pixels.constData()), record.width,
                      record.height, rowBytes, formatOf(record));
    QImage image = view.copy();
    if (record.colorTable && record.numColors > 0) {
        image.setColorTable(QList<QRgb>(record.colorTable, record.colorTable + record.numColors));
    }
    return image;
}

} // namespace

QImage embeddedImage(const QString &name)
{
    for (const EmbeddedImage *record = kEmbeddedImages; record->data; ++record) {
        if (QString::fromUtf8(record->name) == name)
            return decode(*record);
    }
    return QImage();
}

} // namespace tesk::frame

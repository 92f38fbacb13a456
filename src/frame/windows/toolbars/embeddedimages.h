#pragma once

#include <QImage>
#include <QString>

#include <cstdint>

// The toolbar pictures compiled into the library, found by file name ("addscript.png",
// "runscript.png", "deletescript.png"), so that no picture file has to be installed. Rich text
// names them by that word; widgets load them from the resource tree as ":/addscript.png" and
// so on.
namespace tesk::frame {

struct EmbeddedImage
{
    int32_t width;
    int32_t height;
    int32_t depth;
    const unsigned char *data; // qCompress form
    uint32_t compressed;
    int32_t numColors;
    const QRgb *colorTable;
    bool alpha;
    const char *name; // UTF-8
};

// Ends with a record whose data is null.
extern const EmbeddedImage kEmbeddedImages[];

// The image of that name, or a null image.
QImage embeddedImage(const QString &name);

} // namespace tesk::frame

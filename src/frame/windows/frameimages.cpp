// The frame's built-in pictures, read from the resource tree (src/resources/frameimages).
#include "frame/windows/frameimages.h"

#include <QIcon>

// Resources of a static library must be registered by name before first use; registering
// twice (the splash screen does too) is harmless.
static void initialiseFrameImages()
{
    Q_INIT_RESOURCE(frameimages);
}

namespace {

QString picture(const char *name)
{
    static const bool initialised = (initialiseFrameImages(), true);
    Q_UNUSED(initialised);
    return QStringLiteral(":/frameimages/%1.xpm").arg(QLatin1String(name));
}

} // namespace

namespace tesk::frame::images {

QPixmap windowIcon(IconSize size)
{
    return QPixmap(picture(size == IconSize::Large ? "windowicon32" : "windowicon16"));
}

QIcon windowIconSet()
{
    QIcon icon{QPixmap(picture("windowicon32"))};
    icon.addPixmap(QPixmap(picture("windowicon16shaded")));
    return icon;
}

QImage padlock(bool locked)
{
    return QImage(picture(locked ? "padlockclosed" : "padlockopen"));
}

QPixmap colourIcon()
{
    return QPixmap(picture("colourswatch"));
}

} // namespace tesk::frame::images

#include "frame/services/richtextimages.h"

#include <QHash>
#include <QTextDocument>
#include <QUrl>
#include <QVariant>

namespace tesk::frame {

namespace {
QHash<QString, QImage> &images()
{
    static QHash<QString, QImage> table;
    return table;
}

QVariant provide(const QUrl &name)
{
    const auto found = images().constFind(name.toString());
    return found == images().constEnd() ? QVariant() : QVariant(*found);
}
} // namespace

void addRichTextImage(const QString &name, const QImage &image)
{
    if (images().isEmpty())
        QTextDocument::setDefaultResourceProvider(&provide);
    images().insert(name, image);
}

} // namespace tesk::frame

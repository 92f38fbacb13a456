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

// The provider that stood before ours: a host's own, which keeps serving the names we do not
// know.
QTextDocument::ResourceProvider &previous()
{
    static QTextDocument::ResourceProvider provider;
    return provider;
}

QVariant provide(const QUrl &name)
{
    const auto found = images().constFind(name.toString());
    if (found != images().constEnd())
        return QVariant(*found);
    return previous() ? previous()(name) : QVariant();
}

bool ours(const QTextDocument::ResourceProvider &provider)
{
    const auto *function = provider.target<QVariant (*)(const QUrl &)>();
    return function && *function == &provide;
}

} // namespace

void addRichTextImage(const QString &name, const QImage &image)
{
    // Whoever replaced ours since keeps being asked after us.
    QTextDocument::ResourceProvider current = QTextDocument::defaultResourceProvider();
    if (!ours(current)) {
        previous() = std::move(current);
        QTextDocument::setDefaultResourceProvider(&provide);
    }
    images().insert(name, image);
}

} // namespace tesk::frame

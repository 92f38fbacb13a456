#include "frame/services/richtextimages.h"

#include <QHash>
#include <QTextDocument>
#include <QUrl>
#include <QVariant>

#include <utility>

namespace tesk::frame {

namespace {

QVariant provide(const QUrl &name);
void removeProvider();

struct ProviderState
{
    // However the library ends (a host that never runs the loop unloads it), the host's rich
    // text must not go on reaching into code that is gone.
    ~ProviderState() { removeProvider(); }

    QHash<QString, QImage> images;
    // The provider that stood before ours: a host's own, which keeps serving the names we do
    // not know.
    QTextDocument::ResourceProvider previous;
    RichTextImageSource source = nullptr;
};

ProviderState &state()
{
    static ProviderState s;
    return s;
}

QHash<QString, QImage> &images()
{
    return state().images;
}

QTextDocument::ResourceProvider &previous()
{
    return state().previous;
}

RichTextImageSource &source()
{
    return state().source;
}

QVariant provide(const QUrl &name)
{
    const auto found = images().constFind(name.toString());
    if (found != images().constEnd())
        return QVariant(*found);
    if (source()) {
        const QImage image = source()(name.toString());
        if (!image.isNull())
            return QVariant(image);
    }
    return previous() ? previous()(name) : QVariant();
}

bool ours(const QTextDocument::ResourceProvider &provider)
{
    const auto *function = provider.target<QVariant (*)(const QUrl &)>();
    return function && *function == &provide;
}

void installProvider()
{
    // Whoever replaced ours since keeps being asked after us.
    QTextDocument::ResourceProvider current = QTextDocument::defaultResourceProvider();
    if (!ours(current)) {
        previous() = std::move(current);
        QTextDocument::setDefaultResourceProvider(&provide);
    }
}

// The provider that stood before ours stands again: once the library ends, rich text of the
// host's must no longer reach into it (it may be unloaded next).
void removeProvider()
{
    if (ours(QTextDocument::defaultResourceProvider()))
        QTextDocument::setDefaultResourceProvider(std::exchange(previous(), {}));
}

} // namespace

void addRichTextImage(const QString &name, const QImage &image)
{
    installProvider();
    images().insert(name, image);
}

void setRichTextImageSource(RichTextImageSource lookup)
{
    if (lookup)
        installProvider();
    else
        removeProvider();
    source() = lookup;
}

} // namespace tesk::frame

#include "frame/menus/iconcache.h"

#include <QCoreApplication>
#include <QMap>
#include <QPixmap>

#include <utility>

namespace {

struct Image
{
    const char *file;
    int ids[3];
};

// Ids that share a picture stand on one line; 0 closes a list unless it is the first id.
const Image kImages[] = {
    {"new", {0}},
    {"open", {1, 1001}},
    {"save", {3, 1002, 1203}},
    {"saveall", {5}},
    {"print", {6}},
    {"undo", {10}},
    {"redo", {11}},
    {"cut", {12}},
    {"copy", {13, 1019}},
    {"paste", {14}},
    {"find", {17}},
    {"findinfiles", {20}},
    {"analysis", {39}},
    {"compile", {61}},
    {"build", {62}},
    {"stopfind", {63}},
    {"run", {68}},
    {"stop", {69}},
    {"reset", {70}},
    {"stepinto", {71, 177}},
    {"stepover", {72, 179}},
    {"stepout", {73}},
    {"runtocursor", {74}},
    {"locatepc", {79}},
    {"togglesource", {81}},
    {"connect", {82}},
    {"disconnect", {84}},
    {"loadimage", {88}},
    {"reloadimage", {89}},
    {"setpc", {91}},
    {"stepback", {112}},
    {"breakpoint", {114}},
    {"watch", {115}},
    {"about", {125}},
    {"help", {140}},
    {"cycleconnections", {171}},
    {"cyclethreads", {172}},
    {"stepcycle", {178}},
    {"memory", {180}},
    {"registers", {181}},
    {"callstack", {182}},
    {"cancel", {183}},
    {"home", {196}},
    {"analyzer", {1020}},
    {"tracing", {1022, 1136}},
    {"tracking", {1050}},
};

} // namespace

QString IconCache::imagePath(int itemId)
{
    for (const Image &image : kImages) {
        for (int i = 0; i < 3; ++i) {
            if (i > 0 && image.ids[i] == 0)
                break;
            if (image.ids[i] == itemId)
                return QStringLiteral(":/menuicons/%1.xpm").arg(QLatin1String(image.file));
        }
    }
    return {};
}

namespace {

// The icons belong to the application that shows them. A library the process's end unloads
// while its application still stands cannot delete them (the toolkit may be half gone): they
// stay the application's, not memory nobody holds.
class IconStore final : public QObject
{
public:
    using QObject::QObject;
    ~IconStore() override { qDeleteAll(icons); }
    QMap<int, QIcon *> icons;
};

IconStore *g_store = nullptr;

} // namespace

// Resources of a static library must be registered by name before first use.
static QMap<int, QIcon *> *cache()
{
    if (!g_store) {
        Q_INIT_RESOURCE(menuicons);
        g_store = new IconStore(QCoreApplication::instance());
        QObject::connect(g_store, &QObject::destroyed, [] { g_store = nullptr; });
    }
    return &g_store->icons;
}

void IconCache::end()
{
    delete std::exchange(g_store, nullptr);
}

const QIcon &IconCache::iconSet(int itemId)
{
    QMap<int, QIcon *> *cache = ::cache();
    auto found = cache->constFind(itemId);
    if (found != cache->constEnd())
        return *found.value();
    auto *icon = new QIcon;
    cache->insert(itemId, icon);
    const QString path = imagePath(itemId);
    if (!path.isEmpty()) {
        const QPixmap pixmap(path);
        if (!pixmap.isNull())
            icon->addPixmap(pixmap, QIcon::Normal, QIcon::Off);
    }
    return *icon;
}

#include "system/placelooks.h"

#include "system/lifetime.h"

#include <QGuiApplication>
#include <QPointer>

#include <algorithm>
#include <utility>
#include <vector>

namespace tesk::system {

namespace {

// The looks fallen due and not yet run. Each is queued a call of its own, and the first of those
// to come runs all that are due: a call the event loop never delivers (the application made
// anew by a restart drops what was posted to it) leaves none waiting for good.
class DueLooks final : public QObject
{
public:
    explicit DueLooks(QObject *context)
        : QObject(context)
    {
        setObjectName(QStringLiteral("tesk_place_looks"));
    }

    // On the library's queue: at the unload the queue and what waits on it go unrun.
    static DueLooks *instance()
    {
        QObject *context = tesk::lifetime::queuedCallContext();
        auto *due = context->findChild<DueLooks *>(QStringLiteral("tesk_place_looks"),
                                                   Qt::FindDirectChildrenOnly);
        return due ? due : new DueLooks(context);
    }

    void add(PlaceLook look, QObject *owner, std::function<void()> function)
    {
        m_due.push_back({look, owner, std::move(function)});
        QMetaObject::invokeMethod(this, &DueLooks::run, Qt::QueuedConnection);
    }

private:
    struct Due
    {
        PlaceLook look;
        QPointer<QObject> owner;
        std::function<void()> function;
    };

    void run()
    {
        // A look asked while these run falls due at the next turn.
        std::vector<Due> due = std::exchange(m_due, {});
        std::stable_sort(due.begin(), due.end(),
                         [](const Due &a, const Due &b) { return a.look < b.look; });
        for (Due &each : due)
            if (each.owner)
                each.function();
    }

    std::vector<Due> m_due;
};

} // namespace

int placeLookDelay(PlaceLook look)
{
    switch (look) {
    case PlaceLook::DropDocked:
    case PlaceLook::FloatingShown:
    case PlaceLook::AskedAgain:
        return 0;
    case PlaceLook::FrameLook:
        return 20;
    case PlaceLook::Confirm:
        return 150;
    case PlaceLook::FramedAgain:
        return 250;
    case PlaceLook::DropMissed:
        return 400;
    case PlaceLook::FramedLate:
        return 1000;
    case PlaceLook::FrameWaitOver:
        return 3000;
    }
    return 0;
}

void lookAtPlace(QObject *owner, PlaceLook look, std::function<void()> function)
{
    if (!owner)
        return;
    // The queue is made as the first look is asked, not as one falls due: a host counting the
    // objects its first call left for good finds it among them.
    DueLooks *due = DueLooks::instance();
    const int delay = placeLookDelay(look);
    if (delay == 0) {
        due->add(look, owner, std::move(function));
        return;
    }
    QPointer<QObject> kept(owner);
    tesk::lifetime::later(owner, delay, [kept, look, function = std::move(function)]() mutable {
        if (kept)
            DueLooks::instance()->add(look, kept, std::move(function));
    });
}

void lookAtPlaceWhile(QObject *owner, PlaceLook look, std::function<bool()> step)
{
    lookAtPlace(owner, look, [owner, look, step] {
        if (step())
            lookAtPlaceWhile(owner, look, step);
    });
}

bool windowManaged()
{
    static const bool managed = QGuiApplication::platformName() != QLatin1String("offscreen") &&
                                QGuiApplication::platformName() != QLatin1String("minimal");
    return managed;
}

} // namespace tesk::system

#include "frame/core/hostsubscriptions.h"

#include <mosk/mosk.hpp>

#include <algorithm>
#include <utility>
#include <vector>

namespace tesk::broker {

namespace {

struct Subscription
{
    MoskEventSubject *subject;
    int32_t kind;
    MoskObserver *observer;
};

// Held through a pointer: the unload routine ends it before the library's statics go.
std::vector<Subscription> *g_subscriptions = nullptr;

} // namespace

MoskResult attachObserver(MoskEventSubject *subject, int32_t kind, MoskObserver *observer)
{
    const MoskResult result = subject->ops->attach(subject, kind, observer);
    if (result)
        return result;
    if (!g_subscriptions)
        g_subscriptions = new std::vector<Subscription>;
    const bool held =
        std::any_of(g_subscriptions->begin(), g_subscriptions->end(),
                    [subject](const Subscription &s) { return s.subject == subject; });
    if (!held)
        subject->ops->AddRef(subject);
    g_subscriptions->push_back({subject, kind, observer});
    return nullptr;
}

void detachAllObservers()
{
    std::vector<Subscription> *subscriptions = g_subscriptions;
    g_subscriptions = nullptr;
    if (!subscriptions)
        return;
    std::vector<MoskEventSubject *> subjects;
    for (auto it = subscriptions->rbegin(); it != subscriptions->rend(); ++it) {
        mosk::release(it->subject->ops->detach(it->subject, it->kind, it->observer));
        if (std::find(subjects.begin(), subjects.end(), it->subject) == subjects.end())
            subjects.push_back(it->subject);
    }
    delete subscriptions;
    for (MoskEventSubject *subject : subjects)
        subject->ops->Release(subject);
}

void forgetObservers()
{
    delete std::exchange(g_subscriptions, nullptr);
}

} // namespace tesk::broker

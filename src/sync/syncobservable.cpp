#include "sync/syncobservable.h"

#include <algorithm>

void SyncObservable::attach(ASyncObserver *observer)
{
    m_observers.push_back(observer);
}

void SyncObservable::detach(ASyncObserver *observer)
{
    if (m_notifying)
        std::replace(m_observers.begin(), m_observers.end(), observer,
                     static_cast<ASyncObserver *>(nullptr));
    else
        m_observers.remove(observer);
}

void SyncObservable::notify(int a, int b)
{
    ++m_notifying;
    struct Leave
    {
        SyncObservable *self;
        ~Leave()
        {
            if (--self->m_notifying == 0)
                self->m_observers.remove(nullptr);
        }
    } leave{this};
    for (ASyncObserver *observer : m_observers) {
        if (observer)
            observer->update(a, b);
    }
}

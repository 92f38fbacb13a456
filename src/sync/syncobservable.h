#pragma once
// The observer plumbing between the mediator, the models and the tables of the
// synchronisation window.

#include <list>

class ASyncObserver
{
public:
    virtual ~ASyncObserver() = default;
    // (0, host event id) from the mediator; models pass on what they receive.
    virtual void update(int a, int b) = 0;
};

class ASyncObservable
{
public:
    virtual ~ASyncObservable() = default;
    virtual void attach(ASyncObserver *observer) = 0;
    virtual void detach(ASyncObserver *observer) = 0;
};

// Observers (not owned) in attach order; one attached twice is called twice.
class SyncObservable : public ASyncObservable
{
public:
    SyncObservable() = default;
    SyncObservable(const SyncObservable &) = delete;
    SyncObservable &operator=(const SyncObservable &) = delete;

    void attach(ASyncObserver *observer) override;
    // Removes every entry of the observer. During a notification the observer is not called
    // any more, even when its turn has not come yet.
    void detach(ASyncObserver *observer) override;
    void notify(int a, int b);

private:
    // Entries detached during a notification stay as null until the outermost one ends, so
    // that the notifying walk never stands on a removed entry.
    std::list<ASyncObserver *> m_observers;
    int m_notifying = 0;
};

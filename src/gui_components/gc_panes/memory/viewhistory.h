#pragma once

class QObject;

// Something a view did, recorded for the view's history.
class AViewAction
{
public:
    explicit AViewAction(QObject *owner = nullptr)
        : m_owner(owner)
    {
    }
    virtual ~AViewAction() = default;

    QObject *owner() const { return m_owner; }

private:
    QObject *m_owner;
};

// A view's record of its actions in two ordered lists; the history owns what it is given.
class AViewHistory
{
public:
    explicit AViewHistory(QObject *owner = nullptr)
        : m_owner(owner)
    {
    }
    virtual ~AViewHistory() = default;
    AViewHistory(const AViewHistory &) = delete;
    AViewHistory &operator=(const AViewHistory &) = delete;

    // Appends to the first list and answers the new entry's index.
    virtual int addAction(AViewAction *action) = 0;
    virtual AViewAction *action(int index) const = 0;
    // The same for the second list.
    virtual int addAction2(AViewAction *action) = 0;
    virtual AViewAction *action2(int index) const = 0;

    QObject *owner() const { return m_owner; }

private:
    QObject *m_owner;
};

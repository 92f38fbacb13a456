#pragma once

#include "gui_components/gc_panes/memory/viewhistory.h"

#include <memory>
#include <vector>

// The log of a memory view's writes, kept for the life of the view.
class KViewHistoryMemory final : public AViewHistory
{
public:
    explicit KViewHistoryMemory(QObject *owner = nullptr)
        : AViewHistory(owner)
    {
    }
    ~KViewHistoryMemory() override;

    // A null action is refused with -1.
    int addAction(AViewAction *action) override;
    // Null for index 0 and for an index past the end.
    AViewAction *action(int index) const override;
    int addAction2(AViewAction *action) override;
    AViewAction *action2(int index) const override;

    int count() const { return int(m_first.size()); }
    int count2() const { return int(m_second.size()); }

private:
    using List = std::vector<std::unique_ptr<AViewAction>>;

    static int append(List &list, AViewAction *action);
    static AViewAction *at(const List &list, int index);

    List m_first;
    List m_second;
};

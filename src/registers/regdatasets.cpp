#include "registers/regdatasets.h"

#include "registers/regdata.h"

#include <tesk/tesk_registers.h>

#include <memory>
#include <utility>

namespace {
// Lives until the library unloads: panes and hosts may hold data sets to the very last.
RegDataSets *g_sets = nullptr;
} // namespace

RegDataSets &RegDataSets::instance()
{
    if (!g_sets)
        g_sets = new RegDataSets;
    return *g_sets;
}

void RegDataSets::end()
{
    const std::unique_ptr<RegDataSets> sets(std::exchange(g_sets, nullptr));
    if (!sets)
        return;
    for (const auto &[id, data] : std::exchange(sets->m_sets, {}))
        delete data;
}

void RegDataSets::forgetDeleted(RegData *data)
{
    // A data set deleted by end() finds no registry to leave, and makes none.
    if (g_sets)
        g_sets->forget(data);
}

RegDataSets::RegDataSets()
{
    makeBuiltIn(0, "<No Register Context>");
    makeBuiltIn(1, "<No Register Context Whilst Running>");
}

void RegDataSets::makeBuiltIn(quint32 id, const char *placeholder)
{
    auto *data = new RegData(id, true);
    m_sets[id] = data;
    RegDataRecord view{};
    view.kind = REG_RECORD_ITEM;
    view.name = "Core";
    view.fullName = "@Core";
    view.flags = REG_FLAG_VIEW;
    data->addRecord(view);
    RegDataRecord title{};
    title.kind = REG_RECORD_ITEM;
    title.name = placeholder;
    title.fullName = "Null";
    title.flags = REG_FLAG_TITLE;
    data->addRecord(title);
}

bool RegDataSets::create(quint32 id)
{
    if (exists(id))
        return false;
    m_sets[id] = new RegData(id);
    return true;
}

RegData *RegDataSets::get(quint32 id) const
{
    const auto it = m_sets.find(id);
    return it == m_sets.end() ? nullptr : it->second;
}

RegData *RegDataSets::find(quint32 id) const
{
    if (RegData *data = get(id))
        return data;
    return get(0);
}

int RegDataSets::add(quint32 id, RegDataRecord &record)
{
    RegData *data = get(id);
    return data ? data->addRecord(record) : 0;
}

int RegDataSets::update(quint32 id, const RegDataRecord &record)
{
    RegData *data = get(id);
    return data ? data->update(record) : 0;
}

bool RegDataSets::release(quint32 id)
{
    if (id == 0)
        return false;
    RegData *data = get(id);
    return data && data->release();
}

bool RegDataSets::release(RegData *acquired)
{
    if (!acquired || get(acquired->id()) != acquired)
        return false;
    return release(acquired->id());
}

void RegDataSets::forget(RegData *data)
{
    const auto it = m_sets.find(data->id());
    if (it != m_sets.end() && it->second == data)
        m_sets.erase(it);
}

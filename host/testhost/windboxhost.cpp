#include "windboxhost.h"

#include <tesk/tesk_registry.h>

#include <algorithm>
#include <cstring>

namespace testhost {

namespace {

WindBoxModel &model(TeskHandle box)
{
    return WindBoxHost::instance().box(box);
}

int record(const char *entry, TeskHandle box, int argument = 0)
{
    WindBoxHost::instance().calls.push_back({entry, box, argument});
    return 0;
}

int fill(const std::vector<std::string> &texts, TeskHandle box, int index, int size, char *buffer,
         int answerWithText, int override)
{
    const WindBoxModel &m = model(box);
    if (m.fillWithoutTerminator) {
        std::memset(buffer, m.fillWithoutTerminator, static_cast<size_t>(size) + 1);
        return override != -1 ? override : answerWithText;
    }
    const bool known = index >= 0 && index < static_cast<int>(texts.size()) &&
                       !texts[static_cast<size_t>(index)].empty();
    if (known) {
        const std::string &text = texts[static_cast<size_t>(index)];
        std::strncpy(buffer, text.c_str(), static_cast<size_t>(size));
    }
    if (override != -1)
        return override;
    return known ? answerWithText : 1 - answerWithText;
}

int hasTabBar(TeskHandle box)
{
    record("hasTabBar", box);
    return model(box).tabBar;
}

int hasHeader(TeskHandle box)
{
    record("hasHeader", box);
    return model(box).header;
}

int tabCount(TeskHandle box)
{
    record("tabCount", box);
    return static_cast<int>(model(box).tabs.size());
}

int headerCount(TeskHandle box)
{
    record("headerCount", box);
    return static_cast<int>(model(box).headerLabels.size());
}

int tabText(TeskHandle box, int index, int size, char *buffer)
{
    record("tabText", box, index);
    return fill(model(box).tabs, box, index, size, buffer, 1, model(box).textAnswer);
}

int headerLabel(TeskHandle box, int index, int size, char *buffer)
{
    record("headerLabel", box, index);
    return fill(model(box).headerLabels, box, index, size, buffer, 1, model(box).textAnswer);
}

int tabToolTip(TeskHandle box, int index, int size, char *buffer)
{
    record("tabToolTip", box, index);
    return fill(model(box).toolTips, box, index, size, buffer, 0, model(box).toolTipAnswer);
}

int dragMove(TeskHandle box, int copy, int, int, const char *)
{
    return record("dragMove", box, copy);
}

int drop(TeskHandle box, int copy, int, int, const char *)
{
    return record("drop", box, copy);
}

int allowsTabMenu(TeskHandle box, int index)
{
    record("allowsTabMenu", box, index);
    return model(box).allowsTabMenu;
}

int closeTab(TeskHandle box, int index)
{
    return record("closeTab", box, index);
}

int tabCommand2(TeskHandle box, int index)
{
    return record("tabCommand2", box, index);
}

int tabsOnTop(TeskHandle box)
{
    record("tabsOnTop", box);
    return model(box).tabsOnTop;
}

int tabSelected(TeskHandle box, int index)
{
    return record("tabSelected", box, index);
}

int horizontalDelta(TeskHandle box, int delta)
{
    return record("horizontalDelta", box, delta);
}

} // namespace

WindBoxHost &WindBoxHost::instance()
{
    static WindBoxHost host;
    return host;
}

WindBoxHost::WindBoxHost()
{
    restoreEntries();
}

void WindBoxHost::restoreEntries()
{
    void *windBox[13] = {
        reinterpret_cast<void *>(&hasTabBar),  reinterpret_cast<void *>(&hasHeader),
        reinterpret_cast<void *>(&tabCount),   reinterpret_cast<void *>(&headerCount),
        reinterpret_cast<void *>(&tabText),    reinterpret_cast<void *>(&headerLabel),
        reinterpret_cast<void *>(&tabToolTip), reinterpret_cast<void *>(&dragMove),
        reinterpret_cast<void *>(&drop),       reinterpret_cast<void *>(&allowsTabMenu),
        reinterpret_cast<void *>(&closeTab),   reinterpret_cast<void *>(&tabCommand2),
        reinterpret_cast<void *>(&tabsOnTop),
    };
    std::copy(std::begin(windBox), std::end(windBox), m_windBox);
    m_xry[0] = reinterpret_cast<void *>(&tabSelected);
    m_xry[1] = reinterpret_cast<void *>(&horizontalDelta);
}

void WindBoxHost::publish()
{
    CuiFunctionRegistryAddVoidStar("windBoxFuncs", m_windBox);
    CuiFunctionRegistryAddVoidStar("xryFuncs", m_xry);
}

void WindBoxHost::withdraw()
{
    CuiFunctionRegistryRemoveVoidStar("windBoxFuncs");
    CuiFunctionRegistryRemoveVoidStar("xryFuncs");
}

void WindBoxHost::clear()
{
    calls.clear();
    m_boxes.clear();
    restoreEntries();
}

int WindBoxHost::count(const std::string &entry) const
{
    return static_cast<int>(std::count_if(calls.begin(), calls.end(),
                                          [&](const WindBoxCall &c) { return c.entry == entry; }));
}

std::vector<std::string> WindBoxHost::entries(const std::vector<std::string> &skip) const
{
    std::vector<std::string> names;
    for (const WindBoxCall &c : calls)
        if (std::find(skip.begin(), skip.end(), c.entry) == skip.end())
            names.push_back(c.entry);
    return names;
}

} // namespace testhost

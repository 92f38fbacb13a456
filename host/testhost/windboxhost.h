#pragma once

// The host's window-box tables "windBoxFuncs" and "xryFuncs" for the tests: every entry
// answers from a model of the box it is asked about and records the call.

#include <tesk/tesk_panes.h>

#include <map>
#include <string>
#include <vector>

namespace testhost {

// What the host says about one window box.
struct WindBoxModel
{
    bool tabBar = false;
    bool header = false;
    bool tabsOnTop = false;
    bool allowsTabMenu = true;
    std::vector<std::string> tabs;
    // One per tab; an empty tip is answered as "no tool tip".
    std::vector<std::string> toolTips;
    std::vector<std::string> headerLabels;
    // Overrides the answer code of the text getters when not -1 (1 means text for tab texts
    // and labels, 0 for tool tips).
    int textAnswer = -1;
    int toolTipAnswer = -1;
    // Fills the whole buffer the library passes with this character and no terminator.
    char fillWithoutTerminator = 0;
};

struct WindBoxCall
{
    std::string entry; // "tabSelected", "horizontalDelta", "closeTab", "allowsTabMenu", ...
    TeskHandle box = 0;
    int argument = 0;
};

class WindBoxHost
{
public:
    static WindBoxHost &instance();

    // Publishes both tables in the function registry (every entry filled), or withdraws them.
    void publish();
    void withdraw();
    // The raw tables, to empty single entries.
    void **windBoxTable() { return m_windBox; }
    void **xryTable() { return m_xry; }
    void restoreEntries();

    WindBoxModel &box(TeskHandle handle) { return m_boxes[handle]; }
    void clear();
    int count(const std::string &entry) const;
    // The entries called, in order, leaving out the ones named in skip.
    std::vector<std::string> entries(const std::vector<std::string> &skip = {}) const;

    std::vector<WindBoxCall> calls;

private:
    WindBoxHost();

    std::map<TeskHandle, WindBoxModel> m_boxes;
    void *m_windBox[13];
    void *m_xry[2];
};

} // namespace testhost

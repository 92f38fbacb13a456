#pragma once

#include <QString>

// One row of an item table; the table ends with a row of kind MenuKindEnd.
struct MenuItemRow
{
    int id;
    int kind;
    const char *text;        // source text for tr(); "&" marks the mnemonic
    const char *description; // source text for tr(); the status tip
    int hostId;              // 0: none
    const char *accelerator; // QKeySequence text; empty: none
    const char *label;       // tool-button label; null: none
};

// (parent, child) in display order; (x, x) opens a root; ended by (-1, -1).
struct MenuStructurePair
{
    int parent;
    int child;
};

enum MenuItemKind {
    MenuKindMenuBar = 0,
    MenuKindToolBar = 1,
    MenuKindPopupRoot = 2,
    MenuKindPopup = 3,
    MenuKindSeparator = 4,
    MenuKindCommand = 5,
    MenuKindToggle = 6,
    MenuKindList = 7,
    MenuKindCheckList = 8,
    MenuKindCycle = 9,
    MenuKindRadio = 10,
    MenuKindEnd = 11
};

namespace tesk::menus::generated {
struct GeneratedTables
{
    int kind;
    const MenuStructurePair *structure;
    const MenuItemRow *items;
};
// Ended by kind -1; written from frame/menus/menutables.txt.
extern const GeneratedTables kTables[];
} // namespace tesk::menus::generated

// The compiled-in menus and toolbars by window kind (0 code window, 1 report window,
// 10 analysis window, 11 settings window, 13 register popup); other kinds have none.
class MenuTables
{
public:
    static constexpr int KindCount = 14;

    // Made on first use; ends when the library unloads.
    static MenuTables *instance();
    static void end();
    static const MenuItemRow *itemTable(int kind);
    static const MenuStructurePair *structureTable(int kind);
    // The first row of the kind's table with the host id; null when there is none.
    static const MenuItemRow *findItem(int kind, int hostId);
    // The main and analysis item tables as text, for diagnosis.
    static bool dump(const QString &fileName);

private:
    MenuTables();

    const MenuStructurePair *m_structures[KindCount] = {};
    const MenuItemRow *m_items[KindCount] = {};
};

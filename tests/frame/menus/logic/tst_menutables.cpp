// The compiled-in menu tables: shape, ids and the rows the code and the host rely on.
#include "frame/menus/menutables.h"
#include "nonregularfiles.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace {

int rowCount(const MenuItemRow *row)
{
    int count = 1; // the end row
    for (; row->kind != MenuKindEnd; ++row)
        ++count;
    return count;
}

int pairCount(const MenuStructurePair *pair)
{
    int count = 0;
    for (; pair->parent != -1; ++pair)
        ++count;
    return count;
}

const MenuItemRow *rowById(const MenuItemRow *row, int id)
{
    for (; row->kind != MenuKindEnd; ++row) {
        if (row->id == id)
            return row;
    }
    return nullptr;
}

struct Shape
{
    int kind;
    int pairs;
    int rows;
};

const Shape kShapes[] = {{0, 331, 315}, {1, 34, 315}, {10, 166, 139}, {11, 13, 13}, {13, 16, 14}};

} // namespace

TEST(MenuTables, EveryTableHasItsShapeUniqueIdsAndDefinedParents)
{
    for (const Shape &shape : kShapes) {
        SCOPED_TRACE(shape.kind);
        const MenuItemRow *items = MenuTables::itemTable(shape.kind);
        const MenuStructurePair *structure = MenuTables::structureTable(shape.kind);
        ASSERT_NE(items, nullptr);
        ASSERT_NE(structure, nullptr);
        EXPECT_EQ(pairCount(structure), shape.pairs);
        EXPECT_EQ(rowCount(items), shape.rows);

        QSet<int> ids;
        QSet<int> hostIds;
        for (const MenuItemRow *row = items; row->kind != MenuKindEnd; ++row) {
            EXPECT_FALSE(ids.contains(row->id)) << "item id " << row->id;
            ids.insert(row->id);
            if (row->hostId) {
                EXPECT_FALSE(hostIds.contains(row->hostId)) << "host id " << row->hostId;
                hostIds.insert(row->hostId);
            }
            EXPECT_GE(row->kind, 0);
            EXPECT_LT(row->kind, MenuKindEnd);
        }

        QSet<int> placed;
        for (const MenuStructurePair *pair = structure; pair->parent != -1; ++pair) {
            const MenuItemRow *child = rowById(items, pair->child);
            ASSERT_NE(child, nullptr) << "child " << pair->child;
            if (pair->parent == pair->child) {
                EXPECT_LE(child->kind, MenuKindPopupRoot) << "root " << pair->child;
            } else {
                EXPECT_TRUE(placed.contains(pair->parent)) << "parent " << pair->parent;
            }
            placed.insert(pair->child);
        }
    }
}

TEST(MenuTables, RowsTheCodeAndTheHostRelyOn)
{
    struct Fixed
    {
        int kind;
        int id;
        int itemKind;
        const char *text;
        int hostId;
    };
    const Fixed fixed[] = {
        {0, 800, MenuKindMenuBar, "", 0},
        {0, 9, MenuKindCommand, "E&xit", 92912},
        {0, 190, MenuKindCommand, "C&lose Window", 32911},
        {0, 38, MenuKindCommand, "&New Code Window", 32950},
        {0, 129, MenuKindCommand, "&Open Workspace...", 32843},
        {0, 171, MenuKindCycle, "Cycle Connections", 49866},
        {0, 172, MenuKindCycle, "Cycle Threads", 49867},
        {0, 177, MenuKindCommand, "", 45007},
        {0, 179, MenuKindCommand, "", 45009},
        {0, 137, MenuKindCommand, "&Output", 0},
        {0, 855, MenuKindToolBar, "Build", 0},
        {10, 1136, MenuKindToggle, "Enable Trace", 50142},
        {10, 171, MenuKindCycle, "Cycle Connections", 49866},
        {11, 1203, MenuKindCommand, "&Save Changes", 0},
        {13, 5001, MenuKindPopup, "Format", 0},
    };
    for (const Fixed &f : fixed) {
        SCOPED_TRACE(f.id);
        const MenuItemRow *row = rowById(MenuTables::itemTable(f.kind), f.id);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->kind, f.itemKind);
        EXPECT_STREQ(row->text, f.text);
        if (f.hostId || f.itemKind == MenuKindMenuBar || f.id == 137) {
            EXPECT_EQ(row->hostId, f.hostId);
        }
    }
    // Runs of host-filled entries: (first item, last item, first host id, kind).
    const int runs[][4] = {{300, 309, 32881, 7}, {310, 319, 32891, 7}, {320, 329, 32901, 7},
                           {330, 339, 33003, 7}, {340, 349, 32855, 8}, {350, 379, 32954, 7},
                           {702, 711, 46881, 7}, {713, 722, 50401, 7}, {731, 740, 50501, 7}};
    for (const auto &run : runs) {
        for (int id = run[0]; id <= run[1]; ++id) {
            const MenuItemRow *row = rowById(MenuTables::itemTable(0), id);
            ASSERT_NE(row, nullptr) << id;
            EXPECT_EQ(row->hostId, run[2] + id - run[0]);
            EXPECT_EQ(row->kind, run[3]);
        }
    }
    for (int id = 1007; id <= 1016; ++id)
        EXPECT_EQ(rowById(MenuTables::itemTable(10), id)->hostId, 50001 + id - 1007);
    // Ids with a picture but no row stay free.
    for (int id : {5, 112, 114, 115, 178, 180, 181, 182})
        EXPECT_EQ(rowById(MenuTables::itemTable(0), id), nullptr) << id;
    // The accelerators of the main table parse as key sequences.
    EXPECT_STREQ(rowById(MenuTables::itemTable(0), 0)->accelerator, "Ctrl+N");
}

TEST(MenuTables, LookupsByKindAndHostId)
{
    const MenuItemRow *root = MenuTables::findItem(0, 0);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->id, 800);
    EXPECT_EQ(MenuTables::findItem(0, 32911)->id, 190);
    EXPECT_EQ(MenuTables::findItem(1, 32911)->id, 190);
    EXPECT_EQ(MenuTables::findItem(0, 123456), nullptr);
    for (int kind : {-1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 14}) {
        EXPECT_EQ(MenuTables::itemTable(kind), nullptr) << kind;
        EXPECT_EQ(MenuTables::structureTable(kind), nullptr) << kind;
        EXPECT_EQ(MenuTables::findItem(kind, 0), nullptr) << kind;
    }
}

TEST(MenuTables, DumpWritesTheMainAndAnalysisTables)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("menus.txt"));
    ASSERT_TRUE(MenuTables::dump(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'));
    EXPECT_EQ(lines.value(0), QStringLiteral("Main Table"));
    EXPECT_EQ(lines.value(1), QStringLiteral("=========="));
    EXPECT_EQ(lines.value(2), QStringLiteral("800,0,\"\",\"\",0,<None>,<None>"));
    EXPECT_TRUE(lines.contains(QStringLiteral("0,5,\"&New\",\"New\",40000,\"Ctrl+N\",<None>")));
    const qsizetype analysis = lines.indexOf(QStringLiteral("Analysis"));
    ASSERT_EQ(analysis, 2 + 314);
    EXPECT_EQ(lines.value(analysis + 1), QStringLiteral("========"));
    EXPECT_FALSE(MenuTables::dump(dir.filePath(QStringLiteral("missing/menus.txt"))));
}

TEST(MenuTables, DumpGoesToRegularFilesOnlyAndThroughLinks)
{
    const testfiles::NonRegularFiles names;
    for (const QString &name : names.refused())
        EXPECT_FALSE(MenuTables::dump(name)) << qPrintable(name);
    ASSERT_TRUE(MenuTables::dump(names.link()));
    EXPECT_TRUE(names.linkKept());
    EXPECT_TRUE(names.targetBytes().startsWith("Main Table\n")) << "replaced, not appended";
}

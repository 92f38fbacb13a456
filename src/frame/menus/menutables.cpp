#include "frame/menus/menutables.h"

#include "system/regularfile.h"

#include <QFile>
#include <QTextStream>

#include <utility>

MenuTables::MenuTables()
{
    for (const auto *t = tesk::menus::generated::kTables; t->kind >= 0; ++t) {
        m_structures[t->kind] = t->structure;
        m_items[t->kind] = t->items;
    }
}

namespace {

MenuTables *g_tables = nullptr;

} // namespace

MenuTables *MenuTables::instance()
{
    if (!g_tables)
        g_tables = new MenuTables;
    return g_tables;
}

void MenuTables::end()
{
    delete std::exchange(g_tables, nullptr);
}

const MenuItemRow *MenuTables::itemTable(int kind)
{
    return kind >= 0 && kind < KindCount ? instance()->m_items[kind] : nullptr;
}

const MenuStructurePair *MenuTables::structureTable(int kind)
{
    return kind >= 0 && kind < KindCount ? instance()->m_structures[kind] : nullptr;
}

const MenuItemRow *MenuTables::findItem(int kind, int hostId)
{
    for (const MenuItemRow *row = itemTable(kind); row && row->kind != MenuKindEnd; ++row) {
        if (row->hostId == hostId)
            return row;
    }
    return nullptr;
}

namespace {

QString quoted(const char *text)
{
    return QLatin1Char('"') + QString::fromLatin1(text ? text : "") + QLatin1Char('"');
}

QString quotedOrNone(const char *text)
{
    return text && *text ? quoted(text) : QStringLiteral("<None>");
}

void dumpTable(QTextStream &out, const char *title, const MenuItemRow *row)
{
    out << title << '\n' << QString(int(qstrlen(title)), QLatin1Char('=')) << '\n';
    for (; row && row->kind != MenuKindEnd; ++row) {
        out << row->id << ',' << row->kind << ',' << quoted(row->text) << ','
            << quoted(row->description) << ',' << row->hostId << ','
            << quotedOrNone(row->accelerator) << ',' << quotedOrNone(row->label) << '\n';
    }
}

} // namespace

bool MenuTables::dump(const QString &fileName)
{
    QFile file;
    if (!tesk::system::openRegular(file, fileName, QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&file);
    dumpTable(out, "Main Table", itemTable(0));
    dumpTable(out, "Analysis", itemTable(10));
    return true;
}

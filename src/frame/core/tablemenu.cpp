#include "frame/core/tablemenu.h"

namespace tesk::core {

namespace {

TableMenuFactory &installedFactory()
{
    static TableMenuFactory factory = nullptr;
    return factory;
}

} // namespace

void setTableMenuFactory(TableMenuFactory factory)
{
    installedFactory() = factory;
}

std::unique_ptr<TableMenu> makeTableMenu(int tableKind)
{
    const TableMenuFactory factory = installedFactory();
    return factory ? factory(tableKind) : nullptr;
}

} // namespace tesk::core

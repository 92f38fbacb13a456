#include "symbols/modlistview.h"

namespace {
enum Column { kName, kFile, kImage };
} // namespace

ModListView::ModListView(QWidget *parent)
    : DataNavListBase(new ModuleListModel, parent)
{
    languageChange();
    setColumnWidth(kName, 130);
    setColumnWidth(kFile, 100);
    setColumnWidth(kImage, 100);
}

QString ModListView::typeName() const
{
    return QStringLiteral("module");
}

bool ModListView::symbolPath(QString &path) const
{
    if (!currentIndex().isValid())
        return false;
    path = pathOf(currentText(kImage), QString(), currentText(kName));
    return true;
}

void ModListView::languageChange()
{
    listModel()->setHeaders(
        {QObject::tr("Module Name"), QObject::tr("Filename"), QObject::tr("Image")});
}

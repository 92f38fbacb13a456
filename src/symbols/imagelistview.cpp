#include "symbols/imagelistview.h"

ImageListView::ImageListView(QWidget *parent)
    : DataNavListBase(new ImageListModel, parent)
{
    languageChange();
    setAutoWidth(0, true);
}

QString ImageListView::typeName() const
{
    return QStringLiteral("image");
}

bool ImageListView::symbolPath(QString &path) const
{
    if (!currentIndex().isValid())
        return false;
    path = currentText(0);
    return true;
}

void ImageListView::languageChange()
{
    listModel()->setHeaders({QObject::tr("Image")});
}

#include "frame/windows/cuiabstractmainwindow.h"

#include "frame/windows/store.h"

struct CUIAbstractMainWindow::Private
{
};

CUIAbstractMainWindow::CUIAbstractMainWindow(QWidget *parent, const char *name,
                                             Qt::WindowFlags flags)
    : QMainWindow(parent, flags)
    , d(std::make_unique<Private>())
{
    setObjectName(QString::fromLatin1(name ? name : ""));
    Store::appendMainWindow(this);
}

CUIAbstractMainWindow::~CUIAbstractMainWindow()
{
    Store::removeMainWindow(this);
}

void CUIAbstractMainWindow::createStatusBar()
{
    qDebug("CUIAbstractMainWindow::createStatusBar not implemented");
}
